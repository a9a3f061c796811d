// The installable site as a school's web server serves it: Chromium finds it
// installable (manifest, icons, a service worker), after one visit it opens
// again with the network off, and a new build replaces the installed one.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const { execFileSync } = require('node:child_process');
const os = require('node:os');
const { openPage } = require('./pagetest');

const siteDir = process.env.RUVEX_SITE;
const types = { '.html': 'text/html', '.js': 'text/javascript', '.png': 'image/png', '.webmanifest': 'application/manifest+json' };

// A plain static server on a port of its own, as any web server would be;
// `headers` are sent with every file. Its folder can be changed while it
// runs (server.folder), as a new build copied over the old one.
function serve(folder, headers = {}) {
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, 'http://x').pathname).replace(/^\/$/, '/index.html');
        const file = path.join(server.folder, path.normalize(name));
        if (!file.startsWith(server.folder) || !fs.existsSync(file)) {
            response.writeHead(404).end();
            return;
        }
        response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream', ...headers });
        response.end(fs.readFileSync(file));
    });
    server.folder = folder;
    return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

test('the site installs and opens again without the network', { skip: !(siteDir && fs.existsSync(siteDir)) && 'no site built' }, async (t) => {
    const server = await serve(path.resolve(siteDir));
    const origin = `http://127.0.0.1:${server.address().port}`;
    t.after(() => server.close());
    const session = await openPage({ address: origin + '/#shape=3&view=120,60', origin, profile: true });
    t.after(() => session.close());
    const { page, context } = session;
    await page.evaluate(() => Promise.race([navigator.serviceWorker.ready,
                                            new Promise((resolve, reject) => setTimeout(() => reject(new Error('no service worker')), 15000))]));

    const cdp = await context.newCDPSession(page);
    const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
    assert.deepStrictEqual(installabilityErrors, []);
    const { url, data } = await cdp.send('Page.getAppManifest');
    assert.ok(url.endsWith('/manifest.webmanifest'));
    const manifest = JSON.parse(data);
    assert.deepStrictEqual([manifest.name, manifest.lang, manifest.display, manifest.icons.map((icon) => icon.sizes)],
                           ['RUVEX Display 3D', 'id', 'standalone', ['192x192', '512x512']]);

    await new Promise((resolve) => server.close(resolve));
    await context.setOffline(true);
    await page.reload();
    await page.waitForSelector('html[data-ready="true"]', { timeout: 20000 });
    const drawn = await page.evaluate(() => {
        const canvas = document.getElementById('picDisplay');
        const { data: pixels } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        let black = 0;
        for (let n = 0; n < pixels.length; n += 4) if (pixels[n] === 0 && pixels[n + 2] === 0) ++black;
        return { shape: window.ruvexPage.snapshot.shape, black };
    });
    assert.strictEqual(drawn.shape, 3, 'the address\'s view, offline');
    assert.ok(drawn.black > 1000, 'a picture drawn');
    assert.deepStrictEqual(session.errors, []);
});

// A second build of the site, whose page differs from the first by a mark in
// its head, made by the same tool the build uses.
function nextBuild(t) {
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'ruvex-site-'));
    t.after(() => fs.rmSync(dir, { recursive: true, force: true }));
    const page = path.join(dir, 'ruvex3d.html');
    fs.writeFileSync(page, fs.readFileSync(process.env.RUVEX_PAGE, 'utf8').replace('</head>', '<meta name="ruvex-build" content="2">\n</head>'));
    const site = path.join(dir, 'site');
    execFileSync(process.execPath, [path.join(__dirname, '..', 'site.js'), path.join(__dirname, '..'), process.env.RUVEX_CORE_SCRIPT,
                                    page, process.env.RUVEX_ICONS_DIR, site]);
    return site;
}

const cacheNames = (page) => page.evaluate(() => caches.keys());

const withNextBuild = { skip: !(siteDir && fs.existsSync(siteDir) && process.env.RUVEX_CORE_SCRIPT) && 'no site built' };
test('a new build replaces the installed one within two reloads, even where browsers keep files for a day', withNextBuild, async (t) => {
    const server = await serve(path.resolve(siteDir), { 'Cache-Control': 'max-age=86400' });
    const origin = `http://127.0.0.1:${server.address().port}`;
    t.after(() => server.close());
    const session = await openPage({ address: origin + '/', origin, profile: true, httpCache: true });
    t.after(() => session.close());
    const { page } = session;
    await page.evaluate(() => navigator.serviceWorker.ready);
    const first = await cacheNames(page);
    assert.strictEqual(first.length, 1);
    assert.match(first[0], /^ruvex3d-[0-9a-f]{16}$/, 'the cache is named by the build');

    server.folder = nextBuild(t);
    await page.reload();
    await page.waitForSelector('html[data-ready="true"]');
    // The new worker installs and takes over in the background.
    const deadline = Date.now() + 15000;
    while (Date.now() < deadline && (await cacheNames(page)).includes(first[0])) await page.waitForTimeout(100);
    await page.reload();
    await page.waitForSelector('html[data-ready="true"]');
    assert.strictEqual(await page.locator('meta[name="ruvex-build"]').count(), 1, 'the new build\'s page');
    const second = await cacheNames(page);
    assert.strictEqual(second.length, 1, 'the old build\'s cache is dropped');
    assert.notStrictEqual(second[0], first[0]);
    assert.deepStrictEqual(session.errors, []);
});
