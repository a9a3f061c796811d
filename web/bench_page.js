// Not a test: in headless Chromium, from file://, the time of file://
// navigation to the first picture on the canvas, and of a pointer move to its
// picture on the canvas (the event's handler: the core's redraw, reading its
// state and copying its pixels), as medians; the pointer move also with
// dashed back lines and the axes.
//
//   NODE_PATH=build-web/npm/node_modules node web/bench_page.js build-web/ruvex3d.html
'use strict';
const { chromium } = require('playwright-core');
const path = require('node:path');

const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

// The times of 300 pointer moves over the canvas of the page at `address`.
async function pointerMoves(browser, address) {
    const page = await browser.newPage();
    await page.goto(address);
    await page.waitForSelector('html[data-ready="true"]');
    const times = await page.evaluate(() => {
        const canvas = document.getElementById('picDisplay');
        const box = canvas.getBoundingClientRect();
        const spent = [];
        for (let n = 0; n < 300; ++n) {
            const event = new PointerEvent('pointermove', { clientX: box.left + (n * 7) % 396, clientY: box.top + (n * 13) % 396, bubbles: true });
            const start = performance.now();
            canvas.dispatchEvent(event);
            spent.push(performance.now() - start);
        }
        return spent;
    });
    await page.close();
    return times;
}

(async () => {
    const file = 'file://' + path.resolve(process.argv[2] || 'build-web/ruvex3d.html');
    const browser = await chromium.launch({
        executablePath: '/usr/bin/chromium',
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
               '--disable-component-update', '--disable-sync'],
    });
    const loads = [];
    for (let run = 0; run < 7; ++run) {
        const page = await browser.newPage();
        const started = Date.now();
        await page.goto(file);
        await page.waitForSelector('html[data-ready="true"]');
        loads.push(Date.now() - started);
        await page.close();
    }
    const moves = await pointerMoves(browser, file);
    const dashedMoves = await pointerMoves(browser, file + '#back-lines=dashed&axes');
    console.log(`file:// navigation to the first picture: median ${median(loads)} ms (${loads.join(', ')})`);
    console.log(`pointer move to the picture on the canvas: median ${median(moves).toFixed(3)} ms over ${moves.length}`);
    console.log(`the same with dashed back lines and the axes: median ${median(dashedMoves).toFixed(3)} ms`);
    await browser.close();
})();
