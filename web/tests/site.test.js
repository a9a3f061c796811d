// The installable site as a school's web server serves it: Chromium finds it
// installable (manifest, icons, a service worker), and after one visit it
// opens again with the network off.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const { openPage } = require('./pagetest');

const siteDir = process.env.RUVEX_SITE;
const types = { '.html': 'text/html', '.js': 'text/javascript', '.png': 'image/png', '.webmanifest': 'application/manifest+json' };

// A plain static server on a port of its own, as any web server would be.
function serve(folder) {
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, 'http://x').pathname).replace(/^\/$/, '/index.html');
        const file = path.join(folder, path.normalize(name));
        if (!file.startsWith(folder) || !fs.existsSync(file)) {
            response.writeHead(404).end();
            return;
        }
        response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream' });
        response.end(fs.readFileSync(file));
    });
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
        return { shape: JSON.parse(window.ruvexPage.page.state()).shape, black };
    });
    assert.strictEqual(drawn.shape, 3, 'the address\'s view, offline');
    assert.ok(drawn.black > 1000, 'a picture drawn');
    assert.deepStrictEqual(session.errors, []);
});
