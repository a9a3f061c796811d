// Not a test: in headless Chromium, from file://, the time of file://
// navigation to the first picture on the canvas, and of a pointer move to its
// picture on the canvas (the event's handler: the core's redraw, reading its
// state and copying its pixels), as medians; the pointer move also with
// dashed back lines and the axes. Each on a laptop's screen at a ratio of 1
// (the window's layout, the picture's own pixels) and on a phone upright at
// a ratio of 3 (the narrow layout, the picture drawn at device pixels).
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
            const event = new PointerEvent('pointermove', { clientX: x, clientY: y, bubbles: true });
            const start = performance.now();
            canvas.dispatchEvent(event);
            spent.push(performance.now() - start);
        }
        return spent;
    });
    await page.close();
    return times;
}

async function firstPictures(context, file) {
    const loads = [];
    for (let run = 0; run < 7; ++run) {
        const page = await context.newPage();
        const started = Date.now();
        await page.goto(file);
        await page.waitForSelector('html[data-ready="true"]');
        loads.push(Date.now() - started);
        await page.close();
    }
    return loads;
}

(async () => {
    const file = 'file://' + path.resolve(process.argv[2] || 'build-web/ruvex3d.html');
    const browser = await chromium.launch({
        executablePath: '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
               '--disable-component-update', '--disable-sync'],
    });
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
    await browser.close();
})();
