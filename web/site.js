// Makes the installable site beside the one-file page: the same page as
// index.html with a web-app manifest and a service worker that keeps it for
// offline use, and the program's icon at 192 and 512 pixels. The name and
// colours come from the core's description of the window.
//
//   node site.js <web folder> <core script> <page> <icons folder> <site folder>
'use strict';
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');

const [webDir, coreScript, pagePath, iconsDir, siteDir] = process.argv.slice(2);
const kIcons = [192, 512];

// What the manifest and the page's head need from the window's description.
async function windowFacts() {
    const core = await require(path.resolve(coreScript))();
    const description = JSON.parse(core.windowDescriptionJson());
    const texts = JSON.parse(core.pageTexts());
    return { name: description.window.caption, shortName: texts.shortName, colour: description.window.backColor };
}

function manifest(facts) {
    return JSON.stringify({
        id: './',
        name: facts.name,
        short_name: facts.shortName,
        lang: 'id',
        start_url: './',
        scope: './',
        display: 'standalone',
        background_color: facts.colour,
        theme_color: facts.colour,
        icons: kIcons.map((size) => ({ src: `icon-${size}.png`, sizes: `${size}x${size}`, type: 'image/png', purpose: 'any' })),
    }, null, 2) + '\n';
}

// The page with its manifest named, and its content policy opened to the
// manifest, the icons and the service worker, all from the site itself.
function indexPage(page, facts) {
    // The installed page keeps itself for use offline.
    const keep = "<script>if (navigator.serviceWorker) navigator.serviceWorker.register('sw.js').catch(() => {});</script>\n";
    const head = `<link rel="manifest" href="manifest.webmanifest">\n<meta name="theme-color" content="${facts.colour}">\n${keep}`;
    const policy = /(<meta http-equiv="Content-Security-Policy" content=")([^"]*)(")/;
    if (!policy.test(page) || !page.includes('</head>')) throw new Error('the page has no content policy or head');
    return page
        .replace(policy, (all, open, rules, close) => open + rules.replace('img-src', "img-src 'self'")
            + "; manifest-src 'self'; worker-src 'self'" + close)
        .replace('</head>', head + '</head>');
}

// The service worker with the build's hash and the files it keeps written in
// at every placeholder; one left over would make two builds share a cache.
function serviceWorker(script, version, kept) {
    const values = { '@VERSION@': version, '@FILES@': JSON.stringify(kept).replace(/'/g, "\\'") };
    const written = script.replace(/@(VERSION|FILES)@/g, (key) => values[key]);
    if (!script.includes("'ruvex3d-@VERSION@'") || /@(VERSION|FILES)@/.test(written)) {
        throw new Error('sw.js does not name its cache by the build');
    }
    return written;
}

(async () => {
    const facts = await windowFacts();
    fs.mkdirSync(siteDir, { recursive: true });
    const files = {
        'index.html': indexPage(fs.readFileSync(pagePath, 'utf8'), facts),
        'manifest.webmanifest': manifest(facts),
    };
    for (const size of kIcons) files[`icon-${size}.png`] = fs.readFileSync(path.join(iconsDir, String(size), 'ruvex3d.png'));
    const version = crypto.createHash('sha256');
    for (const name of Object.keys(files).sort()) version.update(name).update(files[name]);
    const kept = ['./', ...Object.keys(files)];
    files['sw.js'] = serviceWorker(fs.readFileSync(path.join(webDir, 'sw.js'), 'utf8'), version.digest('hex').slice(0, 16), kept);
    for (const [name, content] of Object.entries(files)) fs.writeFileSync(path.join(siteDir, name), content);
    console.log(`${siteDir}: ${Object.keys(files).join(', ')}`);
})().catch((error) => {
    console.error(`site.js: ${error.message}`);
    process.exit(1);
});
