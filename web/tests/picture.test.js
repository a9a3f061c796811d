// The canvas shows the desktop's picture, pixel for pixel, for the same view:
// the start, every shape, pointer views, the arrow keys and Home, perspective
// and aspect; the page asks for nothing but itself.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { openPage, differingPixels, pointTo, state, haveNative } = require('./pagetest');

// Drives an upright scroll bar with its keys: Home to the top (its Min),
// then ArrowDown until the core holds `value`.
async function setScrollBar(page, name, value) {
    const key = name === 'VScroll1' ? 'aspectTenths' : 'distance';
    await page.locator('#' + name).focus();
    await page.keyboard.press('Home');
    for (let n = 0; n < 40 && (await state(page))[key] !== value; ++n) await page.keyboard.press('ArrowDown');
    assert.strictEqual((await state(page))[key], value);
}

const noNative = !haveNative && 'no desktop program to compare with';

test('the picture is the desktop command line\'s picture; a finger turns it as the pointer does', async (t) => {
    const session = await openPage();
    const { page } = session;
    t.after(() => session.close());

    await t.test('start', { skip: noNative }, async () => {
        assert.strictEqual(await differingPixels(page, { shape: 0, view: [0, 0] }), 0);
    });
    await t.test('each shape after a pointer move', { skip: noNative }, async () => {
        const labels = await page.locator('#Frame1 input[type=radio]').count();
        assert.strictEqual(labels, 15);
        for (let shape = 0; shape < 15; ++shape) {
            await page.locator('#Frame1 input[type=radio]').nth(shape).check();
            const view = [40 + shape * 20, 300 - shape * 13];
            await pointTo(page, ...view);
            assert.strictEqual(await differingPixels(page, { shape, view }), 0, `shape ${shape}`);
        }
    });
    await t.test('pointer views, edges included', { skip: noNative }, async () => {
        await page.getByRole('radio', { name: 'Kerucut' }).check();
        for (const view of [[0, 0], [198, 198], [395, 395], [1, 394], [123, 45]]) {
            await pointTo(page, ...view);
            assert.strictEqual(await differingPixels(page, { shape: 3, view }), 0, `view ${view}`);
        }
    });
    await t.test('arrow keys, Shift and Home with the drawing area focused', { skip: noNative }, async () => {
        await pointTo(page, 100, 100);
        await page.locator('#picDisplay').focus();
        await page.keyboard.press('ArrowRight');
        await page.keyboard.press('Shift+ArrowDown');
        const moved = await state(page);
        assert.deepStrictEqual([moved.pointerX, moved.pointerY], [115, 250]);
        assert.strictEqual(await differingPixels(page, { shape: 3, view: [115, 250] }), 0);
        await page.keyboard.press('Home');
        assert.strictEqual(await differingPixels(page, { shape: 3, view: [0, 0] }), 0);
    });
    await t.test('perspective with its distance, and the aspect', { skip: noNative }, async () => {
        await page.getByRole('checkbox', { name: 'Perbesar/Perkecil' }).check();
        await setScrollBar(page, 'VScroll2', 200);
        await pointTo(page, 150, 170);
        assert.strictEqual(await differingPixels(page, { shape: 3, view: [150, 170], perspective: 200 }), 0);
        await page.getByRole('checkbox', { name: 'Perbesar/Perkecil' }).uncheck();
        await setScrollBar(page, 'VScroll1', 5);
        await pointTo(page, 150, 171);
        assert.strictEqual(await differingPixels(page, { shape: 3, view: [150, 171], aspect: '0,5' }), 0);
    });
    // The same page, wherever the checks above left its view.
    await t.test('a finger drag turns the solid as the pointer does', () => fingerDrag(page));
    await t.test('nothing but the page itself was asked for, and no script failed', async () => {
        assert.deepStrictEqual(session.refused, []);
        assert.deepStrictEqual(session.errors, []);
    });
});

async function fingerDrag(page) {
    const box = await page.locator('#picDisplay').boundingBox();
    const client = await page.context().newCDPSession(page);
    const touch = (type, x, y) => client.send('Input.dispatchTouchEvent', {
        type, touchPoints: type === 'touchEnd' ? [] : [{ x: box.x + x + 0.5, y: box.y + y + 0.5 }],
    });
    await touch('touchStart', 50, 60);
    await touch('touchMove', 80, 90);
    await touch('touchMove', 120, 140);
    await touch('touchEnd');
    const after = await state(page);
    assert.deepStrictEqual([after.pointerX, after.pointerY], [120, 140]);
}

test('the timers turn the solid every tick and stop', async (t) => {
    const session = await openPage({ clock: true });
    t.after(() => session.close());
    const { page } = session;
    await page.getByRole('radio', { name: 'Vertikal' }).check();
    const first = await state(page);
    assert.ok(first.timerRunning, 'a timer runs');
    await page.clock.runFor(first.tickInterval);
    const turned = await state(page);
    assert.notDeepStrictEqual([turned.pointerX, turned.pointerY], [first.pointerX, first.pointerY], 'a tick turns the solid');
    await page.getByRole('radio', { name: 'Stop Rotasi' }).check();
    const stopped = await state(page);
    assert.ok(!stopped.timerRunning);
    await page.clock.runFor(100);
    const still = await state(page);
    assert.deepStrictEqual([still.pointerX, still.pointerY], [stopped.pointerX, stopped.pointerY]);
});

test('a browser without WebAssembly is told in Indonesian what the page needs', async (t) => {
    const session = await openPage({ withoutWebAssembly: true, waitReady: false });
    t.after(() => session.close());
    const needs = session.page.locator('#needs');
    await needs.waitFor({ state: 'visible' });
    assert.match(await needs.textContent(), /memerlukan peramban yang mendukung JavaScript dan WebAssembly/);
    assert.ok(await session.page.locator('#Form1').isHidden());
});
