// The page meets the window session's pointer rules with the very events the
// session's own test sends (tests/tst_windowsession.cpp, the drag rule and the
// save), here as real pointer events on the drawing area and on "Layar
// Penuh": with "Putar dengan Menyeret" on, a plain move leaves the view alone
// and a left drag turns it by its travel; only the drawing area's right-button
// release saves, after stopping the animation.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { openPage, state } = require('./pagetest');

// Where a pixel of the drawing area's picture lies on each surface, in CSS
// pixels: "Layar Penuh" on a screen twice the picture's height shows each of
// its pixels as two, so a travel of 2n there is one of n over the drawing area.
const surfaces = {
    'the drawing area': async (page) => {
        const box = await page.locator('#picDisplay').boundingBox();
        return (x, y) => [box.x + x + 0.5, box.y + y + 0.5];
    },
    'Layar Penuh': async (page) => {
        await page.evaluate(() => window.ruvexPage.command('mnuFullScreen'));
        return (x, y) => [2 * x + 0.5, 2 * y + 0.5];
    },
};

for (const [surface, positions] of Object.entries(surfaces)) {
    test(`${surface}: the drag rule, and the save on the right button's release`, async (t) => {
        const session = await openPage({ clock: true, viewport: { width: 1188, height: 792 } });
        t.after(() => session.close());
        const { page } = session;
        // No tick turns the view while the test runs.
        await page.clock.pauseAt(await page.evaluate(() => Date.now() + 1000));
        await page.evaluate(() => window.ruvexPage.command('mnuDragToTurn'));
        await page.getByRole('radio', { name: 'Vertikal' }).check();
        const at = await positions(page);
        const startX = (await state(page)).pointerX;
        await page.mouse.move(...at(150, 90));
        assert.strictEqual((await state(page)).pointerX, startX, 'a plain move');
        await page.mouse.move(...at(100, 100));
        await page.mouse.down();
        await page.mouse.move(...at(130, 100));
        assert.strictEqual((await state(page)).pointerX, startX + 30, 'a left drag');
        await page.mouse.up();
        await page.mouse.down({ button: 'right' });
        await page.mouse.up({ button: 'right' });
        const drawingArea = surface === 'the drawing area';
        assert.strictEqual(await page.getByRole('dialog', { name: /Save Gambar/ }).count(), drawingArea ? 1 : 0);
        assert.strictEqual((await state(page)).timerRunning, !drawingArea);
        assert.deepStrictEqual(session.errors, []);
    });
}
