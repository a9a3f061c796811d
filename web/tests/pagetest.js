// What the page's browser tests share: headless Chromium with the page from
// file:// and every other request refused (and counted), the canvas's pixels,
// and the desktop command line's picture of the same view to compare them
// with.
//
// One browser serves every test of a node process: CTest runs the files
// in two (together.js), or a file alone. A session that asks the browser for nothing but its
// screen and the clipboard's permissions (no clock, init script, profile or
// server) opens the page afresh in the tab the last such session left: a new
// tab starts a new renderer process, half as dear as the page's load. The
// page keeps nothing in the browser's storage, so a fresh load is a fresh
// start; every other session is a new context of its own.
'use strict';
const { chromium } = require('playwright-core');
const assert = require('node:assert');
const { after } = require('node:test');
const { execFile, execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { promisify } = require('node:util');
const zlib = require('node:zlib');

const pagePath = process.env.RUVEX_PAGE;
const nativeProgram = process.env.RUVEX_NATIVE_PROGRAM;
const haveNative = Boolean(nativeProgram && fs.existsSync(nativeProgram));

// Debian's Chromium headless shell where it is installed (the quick start
// installs it): the same engine without the browser around it, whose new
// tab costs a third of the processor time of the whole browser's, so the
// page's tests run in half the time. RUVEX_CHROMIUM names another program,
// such as the whole browser, /usr/bin/chromium, used where there is no shell.
function chromiumProgram() {
    const shell = '/usr/bin/chromium-headless-shell';
    return process.env.RUVEX_CHROMIUM || (fs.existsSync(shell) ? shell : '/usr/bin/chromium');
}

const launchSettings = {
    executablePath: chromiumProgram(),
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
};

let browser = null;
function sharedBrowser() {
    browser ||= chromium.launch(launchSettings);
    return browser;
}
after(async () => {
    if (browser) await (await browser).close();
});

// options: hash (the address's fragment), deviceScaleFactor, viewport,
// isMobile, hasTouch, reducedMotion ('reduce': less motion asked for), clipboard (reading and writing allowed),
// withoutWebAssembly, waitReady (false: do not wait for the page to be ready),
// clock (the page's timers and Date faked from the start; once the page is
// ready its time stands still, a second on, and moves only as the test runs
// it through session.page.clock: a timer comes when it is due, however busy
// the machine), before (called with the context before the page
// opens), address (a URL to open instead of the page's file) and origin
// (requests to it are let through), profile (a browser of its own with a
// profile on disk, as a user's: a browser installs sites only from one),
// httpCache (requests are not watched, which would turn the browser's HTTP
// cache off: it works as a user's does, and nothing is refused), ownTab (a
// context of its own for a test that changes the browser's emulation, which
// would outlast a reload).
async function openPage(options = {}) {
    const settings = {
        acceptDownloads: true,
        deviceScaleFactor: options.deviceScaleFactor || 1,
        viewport: options.viewport || { width: 800, height: 650 },
        isMobile: Boolean(options.isMobile),
        hasTouch: Boolean(options.hasTouch),
        reducedMotion: options.reducedMotion || 'no-preference',
    };
    const tab = reusable(options) ? await freeTab(settings, options) : await newTab(settings, options);
    const { context, page, profile } = tab;
    tab.refused = [];
    const errors = [];
    const onError = (error) => errors.push(String(error));
    page.on('pageerror', onError);
    const started = Date.now();
    await load(tab, options.address || 'file://' + pagePath + (options.hash || ''));
    if (options.waitReady !== false) await page.waitForSelector('html[data-ready="true"]', { timeout: 20000 });
    if (options.clock && options.waitReady !== false) await page.clock.pauseAt(await page.evaluate(() => Date.now() + 1000));
    const loadMs = Date.now() - started;
    let closed = false;
    return {
        context, page, refused: tab.refused, errors, loadMs,
        // The emulated screen, for resizeOn (which reads its size, ratio, kind and touch).
        screen: settings,
        // A test may close a session early, so that the next takes its tab;
        // its `after` closes it again, which does nothing.
        async close() {
            if (closed) return;
            closed = true;
            if (!tab.key) {
                await context.close();
                if (profile) fs.rmSync(profile, { recursive: true, force: true });
                return;
            }
            // What the test listened to goes with it; the tab waits for the next session.
            page.off('pageerror', onError);
            for (const event of ['download', 'dialog', 'console']) page.removeAllListeners(event);
            idleTabs.push(tab);
        },
    };
}

const reusable = (options) => !(options.ownTab || options.withoutWebAssembly || options.clock || options.before || options.address
                                || options.origin || options.profile || options.httpCache);

// Tabs left by closed sessions, each with the screen it was made for.
const idleTabs = [];
async function freeTab(settings, { clipboard = false }) {
    const key = JSON.stringify({ ...settings, clipboard });
    const at = idleTabs.findIndex((tab) => tab.key === key && !tab.page.isClosed());
    if (at >= 0) return idleTabs.splice(at, 1)[0];
    return Object.assign(await newTab(settings, { clipboard }), { key });
}

async function newTab(settings, options) {
    const profile = options.profile && fs.mkdtempSync(path.join(os.tmpdir(), 'ruvex-profile-'));
    const context = profile
        ? await chromium.launchPersistentContext(profile, { ...settings, ...launchSettings })
        : await (await sharedBrowser()).newContext(settings);
    if (options.before) await options.before(context);
    // A browser without WebAssembly, as far as the page can tell.
    if (options.withoutWebAssembly) await context.addInitScript(() => { delete globalThis.WebAssembly; });
    if (options.clock) await context.clock.install();
    const tab = { context, profile };
    if (!options.httpCache) await context.route('**/*', (route) => {
        const url = route.request().url();
        const local = url.startsWith('file:') || url.startsWith('data:') || url.startsWith('blob:');
        if (local || (options.origin && url.startsWith(options.origin + '/'))) return route.continue();
        tab.refused.push(url);
        return route.abort();
    });
    if (options.clipboard) await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    tab.page = await context.newPage();
    return tab;
}

// Opens `address` as a new document, in a tab that may show the page
// already: the last page gone first, so that its timers (the view's address
// is written a moment after it rests) cannot reach the next, and an address
// differing in its fragment alone opens afresh rather than scrolling.
async function load({ page }, address) {
    if (page.url() !== 'about:blank') await page.goto('about:blank');
    await page.goto(address);
}

// A session of its own (ownTab, opened without touch) opened afresh on
// another screen: the browser's emulation set as a new context would set
// it, then the page loaded again; a context for each screen would start a
// renderer for each. The page must then see that screen: an emulation that
// did not take would leave every check on the first.
async function reopenOn(session, screen, hash = '') {
    await emulate(session, screen);
    await load(session, 'file://' + pagePath + hash);
    await session.page.waitForSelector('html[data-ready="true"]', { timeout: 20000 });
    await assertScreenSeen(session.page, screen);
}

// The same screen at another size, without a reload, as a phone or a tablet
// turned or a window resized: the page follows the resize. Returns once the
// page sees the new size and the drawing area has been sized for it.
async function resizeOn(session, { width, height }) {
    const screen = { ...session.screen, viewport: { width, height } };
    await emulate(session, screen);
    await session.page.waitForFunction(([w, h]) => innerWidth === w && innerHeight === h, [width, height]);
    // The drawing area's canvas is sized by a resize observer, before the next frame is painted.
    await session.page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => requestAnimationFrame(resolve))));
    await assertScreenSeen(session.page, screen);
}

// The browser's emulation of `screen` in a session of its own.
async function emulate(session, screen) {
    const { viewport: { width, height }, deviceScaleFactor = 1, isMobile = false, hasTouch = false } = screen;
    const { page } = session;
    // The emulation lasts as long as the connection that set it.
    session.emulation ||= await page.context().newCDPSession(page);
    const cdp = session.emulation;
    const turned = isMobile && width > height;
    await cdp.send('Emulation.setDeviceMetricsOverride', {
        mobile: isMobile, width, height, screenWidth: width, screenHeight: height, deviceScaleFactor,
        screenOrientation: { angle: turned ? 90 : 0, type: turned || !isMobile ? 'landscapePrimary' : 'portraitPrimary' },
    });
    await cdp.send('Emulation.setTouchEmulationEnabled', { enabled: hasTouch });
    session.screen = { viewport: { width, height }, deviceScaleFactor, isMobile, hasTouch };
}

async function assertScreenSeen(page, { viewport: { width, height }, deviceScaleFactor = 1, hasTouch = false }) {
    const shown = await page.evaluate(() => [innerWidth, innerHeight, devicePixelRatio, navigator.maxTouchPoints > 0]);
    assert.deepStrictEqual(shown, [width, height, deviceScaleFactor, hasTouch], 'the page sees the screen');
}

// RGBA bytes as 0xRRGGBB numbers.
function rgbPixels(rgba) {
    const pixels = new Uint32Array(rgba.length / 4);
    for (let n = 0; n < pixels.length; ++n) pixels[n] = (rgba[n * 4] << 16) | (rgba[n * 4 + 1] << 8) | rgba[n * 4 + 2];
    return pixels;
}

// A canvas's RGBA bytes from the page. They cross gzipped, as one base64
// string: the raw bytes of a 396 x 396 picture, 836 kB as base64, took the
// driver a third of a second to carry; the mostly white picture packs into a
// few kB.
async function canvasBytes(page, selector) {
    const text = await page.locator(selector).evaluate(async (canvas) => {
        const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        const packed = new Uint8Array(await new Response(new Blob([data]).stream().pipeThrough(new CompressionStream('gzip'))).arrayBuffer());
        let binary = '';
        for (let n = 0; n < packed.length; n += 0x8000) binary += String.fromCharCode.apply(null, packed.subarray(n, n + 0x8000));
        return btoa(binary);
    });
    return zlib.gunzipSync(Buffer.from(text, 'base64'));
}

// The canvas's pixels as 0xRRGGBB numbers, row by row.
async function canvasPixels(page) {
    return rgbPixels(await canvasBytes(page, '#picDisplay'));
}

// A 24-bit bottom-up bitmap file's pixels, top row first, as 0xRRGGBB.
function bitmapPixels(bytes) {
    const offset = bytes.readUInt32LE(10);
    const width = bytes.readInt32LE(18);
    const height = bytes.readInt32LE(22);
    const stride = Math.ceil((width * 3) / 4) * 4;
    const pixels = new Uint32Array(width * height);
    for (let y = 0; y < height; ++y) {
        const row = offset + (height - 1 - y) * stride;
        for (let x = 0; x < width; ++x) {
            const at = row + x * 3;
            pixels[y * width + x] = (bytes[at + 2] << 16) | (bytes[at + 1] << 8) | bytes[at];
        }
    }
    return { width, height, pixels };
}

// The desktop program run with `args`, no display: what it writes out; and
// the same without waiting, so that the page can be read meanwhile. The
// program answers the same arguments alike, so a text or a picture asked for
// again in the same process (a view reopened from its address, the start
// view in two files) is the first answer, not another start of the program.
const desktopSettings = { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' } };
const desktopTexts = new Map();
function runDesktop(args) {
    const key = args.join('\0');
    if (!desktopTexts.has(key)) desktopTexts.set(key, execFileSync(nativeProgram, args, desktopSettings));
    return desktopTexts.get(key);
}
const writeDesktopFile = (args) => execFileSync(nativeProgram, args, desktopSettings);
const startDesktop = (args) => promisify(execFile)(nativeProgram, args, desktopSettings);

// The command line that writes a view's picture file (.bmp, .png or .svg) as `file`.
function desktopArguments(file, picture) {
    const { shape = 0, view: [x, y] = [0, 0], perspective = null, aspect = null, aids = false } = picture;
    const { section = null, sectionPlane = null, size = null, net = null, scale = 1 } = picture;
    const args = ['--export', file, '--shape', String(shape), '--view', `${x},${y}`];
    if (scale !== 1) args.push('--scale', String(scale));
    if (perspective !== null) args.push('--perspective', String(perspective));
    if (aspect !== null) args.push('--aspect', String(aspect));
    if (aids) args.push('--back-lines', 'dashed', '--axes');
    if (section) args.push('--section', section);
    if (sectionPlane) args.push('--section-plane', sectionPlane);
    if (size) args.push('--size', size);
    if (net !== null) args.push('--net', String(net));
    return args;
}

// The desktop command line's picture file of a view: its bytes, read once
// `run` (writeDesktopFile, or startDesktop to read them from a promise) has
// written it, or those it wrote for the same view before.
const desktopPictures = new Map();
function desktopPicture(view, run) {
    const key = JSON.stringify(desktopArguments(view.type || 'bmp', view));
    const known = desktopPictures.get(key);
    if (known) return run === startDesktop ? Promise.resolve(known) : known;
    const drawn = drawDesktopPicture(view, run);
    const keep = (bytes) => { desktopPictures.set(key, bytes); return bytes; };
    return drawn instanceof Promise ? drawn.then(keep) : keep(drawn);
}

function drawDesktopPicture(view, run) {
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'ruvex-cli-'));
    const file = path.join(dir, `gambar.${view.type || 'bmp'}`);
    const remove = () => fs.rmSync(dir, { recursive: true, force: true });
    const read = () => {
        try {
            return fs.readFileSync(file);
        } finally {
            remove();
        }
    };
    const ran = run(desktopArguments(file, view));
    return ran instanceof Promise ? ran.then(read, (error) => { remove(); throw error; }) : read();
}
const desktopFile = (view) => desktopPicture(view, writeDesktopFile);

// How many pixels differ between the canvas and the desktop's picture; the
// desktop draws while the canvas is read.
async function differingPixels(page, view) {
    const [canvas, file] = await Promise.all([canvasPixels(page), desktopPicture(view, startDesktop)]);
    const desktop = bitmapPixels(file).pixels;
    if (canvas.length !== desktop.length) return `sizes differ: ${canvas.length} and ${desktop.length} pixels`;
    let count = 0;
    for (let n = 0; n < canvas.length; ++n) if (canvas[n] !== desktop[n]) ++count;
    return count;
}

// Opens the menu `menu` and chooses its command or switch `item`.
async function chooseMenuItem(page, menu, item) {
    await page.getByRole('button', { name: menu }).click();
    await page.getByRole('menuitemcheckbox', { name: item }).or(page.getByRole('menuitem', { name: item })).click();
}

// Moves the pointer to (x, y) of the drawing area, in CSS pixels.
async function pointTo(page, x, y) {
    const box = await page.locator('#picDisplay').boundingBox();
    await page.mouse.move(box.x + x + 0.5, box.y + y + 0.5);
}

// Esc or a button closes a modal window at once, but the page hears of it (and
// tells the session, which holds the menus back until then) a task later, as
// the window leaves the page: the next menu chosen waits for that.
async function modalClosed(page) {
    await page.waitForFunction(() => !document.querySelector('dialog:not(.modeless)'));
}

// A phone's screen in CSS pixels, at three device pixels to each.
const phone = (width, height) => ({ viewport: { width, height }, deviceScaleFactor: 3, isMobile: true, hasTouch: true });

// The window's snapshot, with where the pointer has turned the view.
const state = (page) => page.evaluate(() => {
    const view = window.ruvexPage.page.viewPosition();
    return { ...JSON.parse(window.ruvexPage.page.snapshot()), pointerX: view.x, pointerY: view.y };
});

module.exports = {
    openPage, reopenOn, resizeOn, canvasPixels, canvasBytes, rgbPixels, bitmapPixels, runDesktop, desktopFile, differingPixels, chooseMenuItem,
    pointTo, state, modalClosed, phone,
    haveNative, pagePath,
};
