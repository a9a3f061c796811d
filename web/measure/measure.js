// Measures the site as a student's phone meets it and the one file as a
// computer opens it, in Debian's Chromium, headless:
//   1. Lighthouse's mobile and desktop presets on <build>/site served on
//      localhost (lighthouse.js);
//   2. the visits as the browser and the server see them: the first, a
//      second to the same build, and one after a new build (nextbuild.js);
//   3. from file://, navigation to the first picture of <build>/ruvex3d.html
//      against a 25 x 25 sphere drawn by a general library's View3D
//      (jsxgraph-sphere.html), alternating, in the same browser;
// and first the core's WebAssembly's size, plain and compressed. The site is
// sent as built (its .br/.gz files where the browser accepts them), or with
// --compress compressed as it is sent (serve.js).
//
//   node web/measure/measure.js <build> [--compress] [--runs N] [--only wasm,lighthouse,visits,file]
// (tools/measure_site.sh installs what it needs and runs it.)
'use strict';
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const zlib = require('node:zlib');
const { launchBrowser, firstPicture, median } = require('../bench_page');
const { lighthouseReport } = require('./lighthouse');
const { nextBuild } = require('./nextbuild');
const { serve } = require('./serve');

const kRuns = 7;
// A visit stays this long after its first picture: the browser looks for a
// new service worker about a second after the page has loaded.
const kStayMs = 5000;
const kQuietMs = 2000;
const kLongestVisitMs = 30000;
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Waits kStayMs, then until the server has answered nothing for kQuietMs
// (the service worker's own fetches included), at most kLongestVisitMs.
async function quiet(server) {
    const deadline = Date.now() + kLongestVisitMs;
    await sleep(kStayMs);
    let seen = -1;
    while (seen !== server.log.length && Date.now() < deadline) {
        seen = server.log.length;
        await sleep(kQuietMs);
    }
}

// One visit in a new tab of `context`: the milliseconds and the bytes the
// page's own requests transferred (headers included) to the first picture,
// and what the server sent in the whole visit (the service worker's too).
async function visit(context, server, address) {
    const page = await context.newPage();
    const network = await context.newCDPSession(page);
    // Only what came over the network: not the page's data: addresses, nor
    // answers from the service worker or the browser's cache.
    const fromNetwork = new Set();
    let pageBytes = 0;
    network.on('Network.responseReceived', ({ requestId, response }) => {
        if (/^https?:/.test(response.url) && !response.fromServiceWorker && !response.fromDiskCache) fromNetwork.add(requestId);
    });
    network.on('Network.loadingFinished', (event) => { if (fromNetwork.has(event.requestId)) pageBytes += event.encodedDataLength; });
    await network.send('Network.enable');
    const logStart = server.log.length;
    const started = Date.now();
    await page.goto(address);
    await page.waitForSelector('html[data-ready="true"]', { timeout: kLongestVisitMs });
    const ms = Date.now() - started, bytesToPicture = pageBytes;
    await page.evaluate((longest) => Promise.race([navigator.serviceWorker?.ready, new Promise((done) => setTimeout(done, longest))]),
                        kLongestVisitMs / 2);
    await quiet(server);
    await page.close();
    return { ms, bytesToPicture, served: server.log.slice(logStart), started };
}

function printVisit(title, { ms, bytesToPicture, served, started }) {
    const sent = served.reduce((sum, answer) => sum + answer.bytes, 0);
    console.log(`  ${title}: first picture after ${ms} ms; the page's transfers to it ${bytesToPicture} B (browser, headers included); `
        + `the server sent ${sent} B in ${served.length} answers:`);
    for (const answer of served) {
        console.log(`    ${answer.path} ${answer.status}${answer.encoding ? ' ' + answer.encoding : ''} ${answer.bytes} B at ${answer.at - started} ms`);
    }
}

// The first visit, a second to the same build and one after the next build.
async function visits(browser, site, compress) {
    const server = await serve(site, { compress });
    const nextDir = fs.mkdtempSync(path.join(os.tmpdir(), 'ruvex-next-build-'));
    const context = await browser.newContext({ viewport: { width: 360, height: 740 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
    try {
        console.log(`Visits to ${server.origin}/ as a phone, 360 x 740 at ratio 3 (no throttling):`);
        printVisit('first visit', await visit(context, server, server.origin + '/'));
        printVisit('second visit, same build', await visit(context, server, server.origin + '/'));
        const changed = nextBuild(site, path.join(nextDir, 'site'));
        server.root = path.join(nextDir, 'site');
        const names = changed.map(([old, name]) => (old === name ? old : `${old} -> ${name}`)).join(', ');
        printVisit(`visit after a new build (changed: ${names})`, await visit(context, server, server.origin + '/'));
    } finally {
        await context.close();
        server.close();
        fs.rmSync(nextDir, { recursive: true, force: true });
    }
}

// From file://, the one file against the library's sphere, alternating
// which goes first, in one tab's context of a laptop's screen.
async function fileComparison(browser, build) {
    const sphere = path.join(build, 'measure', 'jsxgraph-sphere.html');
    fs.copyFileSync(path.join(__dirname, 'jsxgraph-sphere.html'), sphere);
    const pages = { 'the one file': 'file://' + path.join(build, 'ruvex3d.html'), 'View3D sphere': 'file://' + sphere };
    const times = { 'the one file': [], 'View3D sphere': [] };
    const context = await browser.newContext({ viewport: { width: 1280, height: 800 }, deviceScaleFactor: 1 });
    for (let run = 0; run < kRuns; ++run) {
        const order = run % 2 ? Object.keys(pages).reverse() : Object.keys(pages);
        for (const name of order) times[name].push(await firstPicture(context, pages[name]));
    }
    await context.close();
    console.log(`file:// navigation to the first picture, ${kRuns} alternating runs, laptop 1280 x 800 at ratio 1:`);
    for (const [name, spent] of Object.entries(times)) console.log(`  ${name}: median ${median(spent)} ms (${spent.join(', ')})`);
    const ratio = median(times['View3D sphere']) / median(times['the one file']);
    console.log(`  the View3D sphere takes ${ratio.toFixed(2)} times as long as the one file`);
}

// The core's WebAssembly: the site's .wasm file, or else the one inside the
// core's script as the one file carries it.
function coreWasm(build) {
    const beside = fs.readdirSync(path.join(build, 'site')).find((name) => name.endsWith('.wasm'));
    if (beside) return { from: `site/${beside}`, bytes: fs.readFileSync(path.join(build, 'site', beside)) };
    const script = fs.readFileSync(path.join(build, 'web', 'ruvex3d_page.js'), 'utf8');
    // A WebAssembly module starts with "\0asm", AGFzbQ in base64.
    const inside = script.match(/;base64,(AGFzbQ[A-Za-z0-9+/=]+)/);
    if (!inside) throw new Error('no WebAssembly found in the site or the core\'s script');
    return { from: 'web/ruvex3d_page.js', bytes: Buffer.from(inside[1], 'base64') };
}

function wasmSizes(build) {
    const { from, bytes } = coreWasm(build);
    const brotli = zlib.brotliCompressSync(bytes, { params: { [zlib.constants.BROTLI_PARAM_QUALITY]: 11 } }).length;
    console.log(`The core's WebAssembly (${from}): ${bytes.length} B, gzip -9 ${zlib.gzipSync(bytes, { level: 9 }).length} B, brotli 11 ${brotli} B`);
}

function options(args) {
    const valueOf = (name, fallback) => (args.includes(name) ? args[args.indexOf(name) + 1] : fallback);
    const build = path.resolve(args.find((arg, at) => !arg.startsWith('--') && !['--runs', '--only'].includes(args[at - 1])) || 'build-web');
    const only = valueOf('--only', 'wasm,lighthouse,visits,file').split(',');
    return { build, compress: args.includes('--compress'), runs: Number(valueOf('--runs', 3)), only };
}

(async () => {
    const { build, compress, runs, only } = options(process.argv.slice(2));
    const site = path.join(build, 'site');
    console.log(`${new Date().toISOString()}; load ${os.loadavg().map((load) => load.toFixed(2)).join(' ')}; `
        + `${os.cpus().length} cores; node ${process.version}; site served ${compress ? 'compressed as it is sent' : 'as built'}`);
    if (only.includes('wasm')) wasmSizes(build);
    if (only.includes('lighthouse')) {
        const server = await serve(site, { compress });
        await lighthouseReport(path.join(build, 'measure', 'node_modules'), server.origin + '/', runs).finally(() => server.close());
    }
    const browser = await launchBrowser();
    try {
        if (only.includes('visits')) await visits(browser, site, compress);
        if (only.includes('file')) await fileComparison(browser, build);
    } finally {
        await browser.close();
    }
})().catch((error) => {
    console.error(`measure.js: ${error.stack}`);
    process.exit(1);
});
