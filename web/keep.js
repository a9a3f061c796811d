// The installable site's page keeps itself for offline use (sw.js), once
// the first picture is drawn: keeping every file never competes with the
// first visit's download. site.js adds this to the site's page script only;
// the one-file page keeps nothing.
(function () {
    if (!navigator.serviceWorker) return;
    const root = document.documentElement;
    const keep = () => navigator.serviceWorker.register('sw.js').catch(() => {});
    if (root.dataset.ready) return keep();
    const watcher = new MutationObserver(() => {
        if (!root.dataset.ready) return;
        watcher.disconnect();
        keep();
    });
    return watcher.observe(root, { attributes: true, attributeFilter: ['data-ready'] });
})();
