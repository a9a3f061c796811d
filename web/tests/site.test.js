// The installable site as a school's web server serves it: Chromium finds it
// installable (manifest, icons, a service worker), after one visit it opens
// again with the network off, and a new build replaces the installed one;
// its files are named by their content, so a rebuild renames only what changed.
'use strict';
const test = require('node:test');
const { after } = test;
const assert = require('node:assert');
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const { execFileSync } = require('node:child_process');
const crypto = require('node:crypto');
const os = require('node:os');
const zlib = require('node:zlib');
const { openPage } = require('./pagetest');

const siteDir = process.env.RUVEX_SITE;
const types = {
    '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.wasm': 'application/wasm', '.png': 'image/png',
    '.bmp': 'image/bmp', '.ico': 'image/x-icon', '.webmanifest': 'application/manifest+json',
};
// The names that stay from build to build; every other file's name carries its content's hash.
const kFixedNames = ['index.html', 'manifest.webmanifest', 'sw.js'];
const hashedName = /^(.+)-([0-9a-f]{10})(\.[a-z]+)$/;

// A plain static server on a port of its own, as any web server would be;
// `headers` are sent with every file. Its folder can be changed while it
// runs (server.folder), as a new build copied over the old one; it notes
// the name of every file asked for (server.asked), and when the WebAssembly,
// held back for `wasmDelay` milliseconds as over a slow network, was sent.
function serve(folder, headers = {}, wasmDelay = 0) {
    const server = http.createServer(async (request, response) => {
        const name = decodeURIComponent(new URL(request.url, 'http://x').pathname).replace(/^\/$/, '/index.html');
        server.asked.push(name.slice(1));
        const file = path.join(server.folder, path.normalize(name));
        if (!file.startsWith(server.folder) || !fs.existsSync(file)) {
            response.writeHead(404).end();
            return;
        }
        if (file.endsWith('.wasm')) await new Promise((resolve) => setTimeout(resolve, wasmDelay));
        response.writeHead(200, { 'Content-Type': types[path.extname(file)] || 'application/octet-stream', ...headers });
        response.end(fs.readFileSync(file));
        if (file.endsWith('.wasm')) server.asked.push('(WebAssembly sent)');
    });
    Object.assign(server, { folder, asked: [] });
    return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

// Once the page's service worker is active; a worker that fails to
// register or install fails the test rather than leaving it waiting.
const workerReady = (page) => page.evaluate(() => {
    const late = new Promise((resolve, reject) => setTimeout(() => reject(new Error('no service worker')), 15000));
    return Promise.race([navigator.serviceWorker.ready, late]);
});

// "Fungsi RUVEX Display 3D" opened: whether its picture shows.
async function aboutPicture(page) {
    await page.evaluate(() => window.ruvexPage.command('MnuFungsi'));
    const picture = page.locator('#frmAbout img.picture');
    await picture.evaluate((image) => image.decode().catch(() => {}));
    const shown = await picture.evaluate((image) => image.complete && image.naturalWidth > 0);
    await page.evaluate(() => document.querySelector('#frmAbout').close());
    return shown;
}

// The page asks for the site's files only, each by a fixed name or by the
// hashed name of a file the site has; while the first picture waits for the
// WebAssembly, nothing else is fetched (the information windows' pictures,
// kept by the service worker, come after it). The whole browser, not its
// headless shell, reads the manifest's icon as the page loads, to tell
// whether the site can be installed: its own fetch, not the page's.
function assertSiteFilesAsked(asked) {
    const sent = asked.indexOf('(WebAssembly sent)');
    assert.ok(sent > 0, 'the WebAssembly sent');
    for (const name of asked.filter((name) => name !== '(WebAssembly sent)')) {
        assert.ok(kFixedNames.includes(name) || (hashedName.test(name) && fs.existsSync(path.join(siteDir, name))), `asked for ${name}`);
    }
    const pageAsked = (name) => !/^icon-\d+-/.test(name);
    assert.deepStrictEqual(asked.slice(0, sent).filter((name) => pageAsked(name) && (/\.(bmp|png)$/.test(name) || name === 'sw.js')), [],
                           'nothing the first picture does not need before it');
}

test('the site installs and opens again without the network', { skip: !(siteDir && fs.existsSync(siteDir)) && 'no site built' }, async (t) => {
    const server = await serve(path.resolve(siteDir), {}, 1000);
    const origin = `http://127.0.0.1:${server.address().port}`;
    t.after(() => server.close());
    const warnings = [];
    const before = (context) => context.on('console', (message) => warnings.push(message.text()));
    const session = await openPage({ address: origin + '/#shape=3&view=120,60', origin, profile: true, before });
    t.after(() => session.close());
    const { page, context } = session;
    await workerReady(page);
    assert.strictEqual(await aboutPicture(page), true, 'the information window\'s picture');
    assert.ok(!warnings.some((text) => /falling back|preload/.test(text)), `the WebAssembly compiled as it downloads, asked for once: ${warnings}`);
    assertSiteFilesAsked(server.asked);

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
        return { shape: JSON.parse(window.ruvexPage.page.snapshot()).shape, black };
    });
    assert.strictEqual(drawn.shape, 3, 'the address\'s view, offline');
    assert.ok(drawn.black > 1000, 'a picture drawn');
    assert.strictEqual(await aboutPicture(page), true, 'the information window\'s picture, offline');
    assert.deepStrictEqual(session.errors, []);
});

// The program's pictures by name, as the built site's page names them.
const pictureNames = () => Object.keys(JSON.parse(/<script type="application\/json" id="pictures">(.*?)<\/script>/s
    .exec(fs.readFileSync(path.join(siteDir, 'index.html'), 'utf8'))[1]));

// The next build of the site, by the same tool the build uses, from copies
// of the page's sources and pictures: its page differs from the first by a
// mark in its head, and one of its pictures by a byte. Made once, for the
// tests below that take it, and removed once the file's tests have run.
let nextSite = null;
after(() => nextSite && fs.rmSync(path.dirname(nextSite), { recursive: true, force: true }));
function nextBuild() {
    if (nextSite) return nextSite;
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'ruvex-site-'));
    const web = path.join(dir, 'web'), pictures = path.join(dir, 'pictures');
    fs.cpSync(path.join(__dirname, '..'), web, { recursive: true, filter: (from) => !['tests', 'node_modules'].includes(path.basename(from)) });
    fs.cpSync(process.env.RUVEX_PICTURES_DIR, pictures, { recursive: true });
    const markup = path.join(web, 'ruvex3d.html');
    fs.writeFileSync(markup, fs.readFileSync(markup, 'utf8').replace('</head>', '<meta name="ruvex-build" content="2">\n</head>'));
    fs.appendFileSync(path.join(pictures, 'contactback.bmp'), '\0');
    nextSite = path.join(dir, 'site');
    execFileSync(process.execPath, [path.join(__dirname, '..', 'site.js'), web, process.env.RUVEX_CORE_SCRIPT, process.env.RUVEX_SITE_CORE_SCRIPT, pictures,
                                    pictureNames().join(','), process.env.RUVEX_ICONS_DIR, nextSite]);
    return nextSite;
}

const cacheNames = (page) => page.evaluate(() => caches.keys());

const withNextBuild = { skip: !(siteDir && fs.existsSync(siteDir) && process.env.RUVEX_SITE_CORE_SCRIPT) && 'no site built' };
test('a new build replaces the installed one within two reloads, even where browsers keep files for a day', withNextBuild, async (t) => {
    const server = await serve(path.resolve(siteDir), { 'Cache-Control': 'max-age=86400' });
    const origin = `http://127.0.0.1:${server.address().port}`;
    t.after(() => server.close());
    // A context of the tests' browser, without a profile: it keeps an HTTP
    // cache and registers service workers as a user's browser does.
    const session = await openPage({ address: origin + '/', origin, httpCache: true });
    t.after(() => session.close());
    const { page } = session;
    await workerReady(page);
    const first = await cacheNames(page);
    assert.strictEqual(first.length, 1);
    assert.match(first[0], /^ruvex3d-[0-9a-f]{16}$/, 'the cache is named by the build');

    server.folder = nextBuild();
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

// The site's files by name, each with its content.
const siteFiles = (folder) => Object.fromEntries(fs.readdirSync(folder).map((name) => [name, fs.readFileSync(path.join(folder, name))]));
const unpacked = (name) => name.replace(/\.(br|gz)$/, '');

test('each file is named by its content and packed beside it; a changed picture renames only itself', withNextBuild, () => {
    const built = siteFiles(siteDir);
    for (const [name, content] of Object.entries(built)) {
        const hashed = hashedName.exec(unpacked(name));
        assert.ok(hashed || kFixedNames.includes(unpacked(name)), `${name}: a fixed name or a hashed one`);
        if (name.endsWith('.br')) assert.ok(zlib.brotliDecompressSync(content).equals(built[unpacked(name)]), name);
        else if (name.endsWith('.gz')) assert.ok(zlib.gunzipSync(content).equals(built[unpacked(name)]), name);
        else if (hashed) assert.strictEqual(crypto.createHash('sha256').update(content).digest('hex').slice(0, 10), hashed[2], name);
    }
    for (const name of ['index.html', 'sw.js']) assert.ok(`${name}.br` in built && `${name}.gz` in built, `${name} packed`);

    const changed = siteFiles(nextBuild());
    const renamed = (from, to) => Object.keys(from).filter((name) => !(name in to) && !/\.(br|gz)$/.test(name)).sort();
    assert.deepStrictEqual([renamed(built, changed), renamed(changed, built)].map((names) => names.map((name) => hashedName.exec(name)[1])),
                           [['contactback'], ['contactback']]);
    const rewritten = Object.keys(built).filter((name) => name in changed && !built[name].equals(changed[name]));
    assert.deepStrictEqual(rewritten.map(unpacked).sort(), ['index.html', 'index.html', 'index.html', 'sw.js', 'sw.js', 'sw.js']);
});
