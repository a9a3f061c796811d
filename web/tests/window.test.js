// The window as the desktop shows it, beyond its picture: the distance bar an
// upright scroll bar over the distance number, frames that clip what lies
// beyond them, the yellow focus ring, and "Tutup Program" ending the program
// in a tab the browser keeps open. And the window session's pointer rules met
// with the very events the session's own test sends
// (tests/tst_windowsession.cpp, the drag rule and the save), here as real
// pointer events on the drawing area and on "Layar Penuh": with "Putar dengan
// Menyeret" on, a plain move leaves the view alone and a left drag turns it
// by its travel; only the drawing area's right-button release saves, after
// stopping the animation. The focus: seen on every tab stop in both
// layouts, and back where it was once a menu or "Layar Penuh" closes.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { openPage, reopenOn, state } = require('./pagetest');

// Which control's element is on top at the middle of `name`'s box.
const onTopAt = (page, name, dx = 0.5, dy = 0.5) => page.evaluate(([name, dx, dy]) => {
    const box = document.getElementById(name).getBoundingClientRect();
    const hit = document.elementFromPoint(box.left + box.width * dx, box.top + box.height * dy);
    return hit && (hit.closest('.control') || hit).id;
}, [name, dx, dy]);

test('the window shows what the desktop shows, and hides what it hides; the focus returns where it was', async (t) => {
    const session = await openPage();
    t.after(() => session.close());
    const { page } = session;

    await t.test('the distance bar is upright, covers the distance number and steps by its arrows', async () => {
        const bar = page.getByRole('scrollbar', { name: 'Jarak Pandang' });
        assert.strictEqual(await bar.getAttribute('aria-orientation'), 'vertical');
        assert.strictEqual(await onTopAt(page, 'LabPerspec'), 'VScroll2');
        await page.getByRole('checkbox', { name: 'Perbesar/Perkecil' }).check();
        const start = (await state(page)).distance;
        await page.locator('#VScroll2 .arrow.up').click();
        assert.strictEqual((await state(page)).distance, start + 10, 'the upper arrow goes towards 350');
        await page.locator('#VScroll2 .arrow.down').click();
        await page.locator('#VScroll2 .arrow.down').click();
        assert.strictEqual((await state(page)).distance, start - 10);
    });
    await t.test('frames clip their caption and the controls beyond their edge', async () => {
        const aspect = await page.locator('#frmAspect').boundingBox();
        assert.deepStrictEqual([aspect.width, aspect.height], [6, 16]);
        assert.notStrictEqual(await onTopAt(page, 'Option1(14)'), 'Option1(14)', 'the last shape button is cut off');
        assert.strictEqual(await onTopAt(page, 'Option1(0)'), 'Option1(0)');
    });
    await t.test('the focused control has a yellow ring; the drawing area a yellow border', async () => {
        await page.getByRole('radio', { name: 'Vertikal' }).focus();
        const ring = page.locator('.focusring');
        assert.ok(await ring.isVisible());
        assert.deepStrictEqual(await ring.boundingBox(), await page.locator('#optAnim\\(0\\)').boundingBox());
        assert.strictEqual(await ring.evaluate((n) => getComputedStyle(n).borderTopColor), 'rgb(255, 255, 0)');
        await page.locator('#picDisplay').focus();
        assert.ok(await ring.isHidden());
        const border = await page.locator('#picDisplayBox').evaluate((n) => getComputedStyle(n).borderTopColor);
        assert.strictEqual(border, 'rgb(255, 255, 0)');
    });
    // The same page: the focus is followed from wherever the checks above left it.
    await t.test('the focus returns where it was: from a menu, a command and Layar Penuh, which keeps it until it closes', () => focusReturns(page));
});

test('Tutup Program stops the timers and, where the tab stays open, says the program has ended', async (t) => {
    const session = await openPage({ clock: true });
    t.after(() => session.close());
    const { page } = session;
    // As a browser does for a page the user opened.
    await page.evaluate(() => { window.close = () => {}; });
    await page.getByRole('radio', { name: 'Horizontal' }).check();
    assert.ok((await state(page)).timerRunning);
    await page.keyboard.press('Control+q');
    const ended = page.getByRole('status');
    await ended.waitFor();
    assert.strictEqual(await ended.textContent(), 'Program RUVEX Display 3D sudah ditutup. Tab ini boleh ditutup sekarang.');
    assert.ok(await page.locator('#Form1').isHidden());
    const stopped = await state(page);
    assert.ok(!stopped.timerRunning);
    await page.clock.runFor(100);
    assert.deepStrictEqual(await state(page), stopped, 'nothing ticks any more');
});

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
        // No tick turns the view while the test runs: the page's clock stands still.
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

// Every tab stop shows where the focus is, in the window's layout and in the
// narrow one (a phone, a laptop at 200 %): its box, with room for an outline
// round it, looks different focused and unfocused.
const layouts = {
    'the window at 1366 × 768': { viewport: { width: 1366, height: 768 } },
    'the narrow layout': { viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true },
};
// Both layouts in one tab, the page opened afresh on the narrow screen.
let layoutTab = null;
for (const [layout, options] of Object.entries(layouts)) {
    test(`${layout}: the focus is seen on every tab stop`, async () => {
        if (layoutTab) await reopenOn(layoutTab, options);
        else layoutTab = await openPage({ ...options, ownTab: true });
        const { page } = layoutTab;
        const stops = [];
        // A part of the screen (in the document's coordinates) as the browser
        // captures it, cheaper than the driver's screenshot, which hides the
        // caret and waits for the fonts each time. The caret is hidden here
        // once, so that a text box's caret cannot stand in for its ring.
        await page.addStyleTag({ content: '* { caret-color: transparent !important; }' });
        const cdp = await page.context().newCDPSession(page);
        const shot = async (clip) => (await cdp.send('Page.captureScreenshot', { clip: { ...clip, scale: 1 } })).data;
        for (;;) {
            await page.keyboard.press('Tab');
            const focused = await page.evaluateHandle(() => document.activeElement);
            const name = await focused.evaluate((node) => node.id || node.closest('[id]')?.id + ' ' + (node.getAttribute('aria-label') || node.textContent));
            if (stops.includes(name) || await focused.evaluate((node) => node === document.body)) break;
            stops.push(name);
            const box = await focused.evaluate((node) => {
                const { left, top, right, bottom } = node.getBoundingClientRect();
                const x = Math.max(0, left - 6), y = Math.max(0, top - 6);
                return { x: x + scrollX, y: y + scrollY, width: Math.min(innerWidth, right + 6) - x, height: Math.min(innerHeight, bottom + 6) - y };
            });
            const shown = await shot(box);
            await focused.evaluate((node) => node.blur());
            const unfocused = await shot(box);
            assert.notStrictEqual(shown, unfocused, `${name}: the focus is seen`);
            await focused.evaluate((node) => node.focus());
        }
        assert.ok(stops.length >= 8, stops.join(', '));
    });
}

async function focusReturns(page) {
    const focused = () => page.evaluate(() => document.activeElement.closest('[id]')?.id);
    await page.locator('#picDisplay').focus();
    await page.keyboard.press('Alt+s');
    await page.keyboard.press('Escape');
    assert.strictEqual(await focused(), 'mF', 'Esc: the menu\'s button');
    await page.locator('#chkPerspective input').focus();
    await page.keyboard.press('Alt+s');
    await page.locator('#mnuHome').press('Enter');
    assert.strictEqual(await focused(), 'chkPerspective', 'a command: where it was before');
    await page.keyboard.press('F11');
    for (const key of ['Tab', 'Shift+Tab', 'Tab']) {
        await page.keyboard.press(key);
        assert.ok(await page.evaluate(() => document.activeElement.matches('.presentation canvas')), key);
    }
    await page.keyboard.press('Escape');
    assert.strictEqual(await page.locator('.presentation').count(), 0);
    assert.strictEqual(await focused(), 'chkPerspective', 'Layar Penuh closed');
}
