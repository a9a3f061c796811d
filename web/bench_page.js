// Not a test: in headless Chromium, from file://, the time of file://
// navigation to the first picture on the canvas, and of a pointer move to its
// picture on the canvas (the event's handler: the core's redraw, reading its
// state and copying its pixels), as medians.
//
//   NODE_PATH=build-web/npm/node_modules node web/bench_page.js build-web/ruvex3d.html
'use strict';
const { chromium } = require('playwright-core');
const path = require('node:path');

const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

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
    const page = await browser.newPage();
    await page.goto(file);
    await page.waitForSelector('html[data-ready="true"]');
    const moves = await page.evaluate(() => {
        const canvas = document.getElementById('picDisplay');
        const box = canvas.getBoundingClientRect();
        const times = [];
        for (let n = 0; n < 300; ++n) {
            const event = new PointerEvent('pointermove', { clientX: box.left + (n * 7) % 396, clientY: box.top + (n * 13) % 396, bubbles: true });
            const start = performance.now();
            canvas.dispatchEvent(event);
            times.push(performance.now() - start);
        }
        return times;
    });
    console.log(`file:// navigation to the first picture: median ${median(loads)} ms (${loads.join(', ')})`);
    console.log(`pointer move to the picture on the canvas: median ${median(moves).toFixed(3)} ms over ${moves.length}`);
    await browser.close();
})();
