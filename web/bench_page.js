// Not a test: in headless Chromium, from file://, the time of file://
// navigation to the first picture on the canvas, and of a pointer move to its
// picture on the canvas (the event's handler: the core's redraw, reading its
// state and copying its pixels), as medians; the pointer move also with
// dashed back lines and the axes. Each on a laptop's screen at a ratio of 1
// (the window's layout, the picture's own pixels) and on a phone upright at
// a ratio of 3 (the narrow layout, the picture drawn at device pixels). Then
// the time the core takes to make the PNG files of a view, drawn and encoded:
// the picture as shown and the one for print, 1584 x 1584. Then "Layar
// Penuh" on a 3840 x 2160 screen at ratios 2 and 5: the page's WebAssembly
// memory before, while open and after closing, and a pointer move over it.
//
//   NODE_PATH=build-web/npm/node_modules node web/bench_page.js build-web/ruvex3d.html
'use strict';
const { chromium } = require('playwright-core');
const path = require('node:path');

const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

const screens = {
    'laptop, ratio 1': { viewport: { width: 1280, height: 800 }, deviceScaleFactor: 1 },
    'phone 360 x 740, ratio 3': { viewport: { width: 360, height: 740 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
};

// The times of 300 pointer moves over the canvas of the page at `address`.
async function pointerMoves(context, address) {
    const page = await context.newPage();
    await page.goto(address);
    await page.waitForSelector('html[data-ready="true"]');
    const times = await page.evaluate(() => {
        const canvas = document.getElementById('picDisplay');
        const box = canvas.getBoundingClientRect();
        const spent = [];
        for (let n = 0; n < 300; ++n) {
            const x = box.left + ((n * 7) % Math.floor(box.width)), y = box.top + ((n * 13) % Math.floor(box.height));
            const event = new PointerEvent('pointermove', { clientX: x, clientY: y, bubbles: true, isPrimary: true });
            const start = performance.now();
            canvas.dispatchEvent(event);
            spent.push(performance.now() - start);
        }
        return spent;
    });
    await page.close();
    return times;
}

// The times of the core's PNG files of the cone with the aids, nine of each.
async function pngFiles(context, address) {
    const page = await context.newPage();
    await page.goto(address + '#shape=3&view=120,60&back-lines=dashed&axes');
    await page.waitForSelector('html[data-ready="true"]');
    const times = await page.evaluate(() => {
        const core = window.ruvexPage.page;
        const time = (make) => Array.from({ length: 9 }, () => {
            const start = performance.now();
            make();
            return performance.now() - start;
        });
        return { shown: time(() => core.pngFile()), print: time(() => core.exportFile(1)) };
    });
    await page.close();
    return times;
}

// The page's WebAssembly memory in MB: the buffer the core's pixels are views on.
const wasmMemory = (page) => page.evaluate(() => (window.ruvexPage.page.pixels().buffer.byteLength / 2 ** 20).toFixed(1));

// "Layar Penuh" on a large screen: memory, the picture's size and 40 pointer moves.
async function fullScreen(browser, file, deviceScaleFactor) {
    const context = await browser.newContext({ viewport: { width: 3840, height: 2160 }, deviceScaleFactor });
    const page = await context.newPage();
    await page.goto(file);
    await page.waitForSelector('html[data-ready="true"]');
    const before = await wasmMemory(page);
    await page.evaluate(() => window.ruvexPage.command('mnuFullScreen'));
    const times = await page.evaluate(() => {
        const canvas = document.querySelector('.presentation canvas');
        const spent = [];
        for (let n = 0; n < 40; ++n) {
            const event = new PointerEvent('pointermove', { clientX: 100 + n * 37, clientY: 100 + n * 23, bubbles: true, isPrimary: true });
            const start = performance.now();
            canvas.dispatchEvent(event);
            spent.push(performance.now() - start);
        }
        return { spent, size: [canvas.width, canvas.height] };
    });
    const open = await wasmMemory(page);
    await page.keyboard.press('Escape');
    const closed = await wasmMemory(page);
    await context.close();
    console.log(`Layar Penuh, 3840 x 2160 at ratio ${deviceScaleFactor}: picture ${times.size.join(' x ')}`);
    console.log(`  WebAssembly memory ${before} MB before, ${open} MB open, ${closed} MB closed`);
    console.log(`  pointer move: median ${median(times.spent).toFixed(1)} ms over ${times.spent.length}`);
}

// Debian's Chromium, headless, with nothing of its own running beside the page.
const launchBrowser = () => chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
});

// Milliseconds from navigation to the first picture of the page at
// `address`, in a new tab: until <html> has data-ready="true".
async function firstPicture(context, address) {
    const page = await context.newPage();
    const started = Date.now();
    await page.goto(address);
    await page.waitForSelector('html[data-ready="true"]');
    const spent = Date.now() - started;
    await page.close();
    return spent;
}

async function firstPictures(context, file) {
    const loads = [];
    for (let run = 0; run < 7; ++run) loads.push(await firstPicture(context, file));
    return loads;
}

// The measuring of the site (web/measure/measure.js) times its pages the same way;
// a comparison of two builds may time their pointer moves.
module.exports = { launchBrowser, firstPicture, pointerMoves, median };

if (require.main === module) (async () => {
    const file = 'file://' + path.resolve(process.argv[2] || 'build-web/ruvex3d.html');
    const browser = await launchBrowser();
    for (const [name, screen] of Object.entries(screens)) {
        const context = await browser.newContext(screen);
        const loads = await firstPictures(context, file);
        const moves = await pointerMoves(context, file);
        const dashedMoves = await pointerMoves(context, file + '#back-lines=dashed&axes');
        console.log(`${name}:`);
        console.log(`  file:// navigation to the first picture: median ${median(loads)} ms (${loads.join(', ')})`);
        console.log(`  pointer move to the picture on the canvas: median ${median(moves).toFixed(3)} ms over ${moves.length}`);
        console.log(`  the same with dashed back lines and the axes: median ${median(dashedMoves).toFixed(3)} ms`);
        await context.close();
    }
    const context = await browser.newContext(screens['laptop, ratio 1']);
    const png = await pngFiles(context, file);
    console.log(`PNG of the picture shown, 396 x 396: median ${median(png.shown).toFixed(1)} ms`);
    console.log(`PNG for print, 1584 x 1584: median ${median(png.print).toFixed(1)} ms (${png.print.map((ms) => ms.toFixed(0)).join(', ')})`);
    await context.close();
    for (const ratio of [2, 5]) await fullScreen(browser, file, ratio);
    await browser.close();
})();
