// The installable site's page keeps itself for offline use (sw.js) once the
// first picture is drawn (data-ready, set after this has run), so that
// keeping every file never competes with the first visit's download.
// site.js adds this to the site's page script only; the one file keeps nothing.
if (navigator.serviceWorker) {
    new MutationObserver((changes, watcher) => {
        watcher.disconnect();
        navigator.serviceWorker.register('sw.js').catch(() => {});
    }).observe(document.documentElement, { attributeFilter: ['data-ready'] });
}
