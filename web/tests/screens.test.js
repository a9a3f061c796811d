// The page on a phone, upright and on its side: the picture drawn at the
// screen's device pixels (never enlarged in blocks), the window's controls
// laid out for the width, each a finger's size, every menu and dialog within
// the width, and a finger turning the solid without moving the page, or
// tapping the buttons that turn it as the arrow keys do. And a laptop zoomed
// to 400 %: 320 px wide, every caption whole.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { openPage, reopenOn, resizeOn, state, modalClosed, phone } = require('./pagetest');

// Every test here in one tab, the page opened afresh on the test's phone: a
// context for each phone would start a renderer for each.
let phoneTab = null;
async function onPhone(screen, hash = '') {
    if (phoneTab) await reopenOn(phoneTab, screen, hash);
    else phoneTab = await openPage({ ...screen, hash, ownTab: true });
    return phoneTab;
}

// What a student's thumb and eyes meet on the page, measured in it.
function measureLayout() {
    const visible = (node) => node.offsetParent !== null && getComputedStyle(node).visibility !== 'hidden';
    const box = (node) => node.getBoundingClientRect();
    const targets = [...document.querySelectorAll('.menutitle, label.option, label.check, .scrollbar .arrow')]
        .filter(visible)
        .map((node) => ({ name: node.textContent.trim() || node.className, width: box(node).width, height: box(node).height }));
    const texts = [...document.querySelectorAll('.menutitle, label.option span, label.check span, .label, .textbox, .frame > .caption')]
        .filter(visible)
        .map((node) => ({ name: node.textContent.trim().slice(0, 20), size: parseFloat(getComputedStyle(node).fontSize) }));
    const canvas = document.getElementById('picDisplay');
    const picture = box(canvas);
    return {
        scrollWidth: document.documentElement.scrollWidth, innerWidth, innerHeight, scale: visualViewport.scale,
        picture: { left: picture.left, top: picture.top, right: picture.right, bottom: picture.bottom, width: picture.width },
        backing: [canvas.width, canvas.height], targets, texts,
        shapes: [...document.querySelectorAll('#Frame1 label.option')].filter(visible).map((node) => node.textContent),
    };
}

// A phone's browser widens the page to what it holds: the screen's own
// width is the measure.
function assertFitsPhone(layout, [width, height], label) {
    assert.ok(layout.scrollWidth <= width && layout.innerWidth === width, `${label}: no sideways scrolling (${layout.scrollWidth})`);
    assert.strictEqual(layout.scale, 1, `${label}: not zoomed`);
    const { picture } = layout;
    assert.ok(picture.left >= 0 && picture.top >= 0 && picture.right <= width && picture.bottom <= height,
              `${label}: the picture wholly on screen ${JSON.stringify(picture)}`);
    assert.deepStrictEqual(layout.backing, [Math.round(picture.width * 3), Math.round(picture.width * 3)], `${label}: device pixels`);
    for (const target of layout.targets) {
        assert.ok(target.width >= 44 && target.height >= 44, `${label}: finger target ${JSON.stringify(target)}`);
    }
    for (const text of layout.texts) assert.ok(text.size >= 16, `${label}: text ${JSON.stringify(text)}`);
}

// A finger laid on the picture and drawn across it, through the browser's
// touch input.
async function fingerDrag(page, from, to) {
    const cdp = await page.context().newCDPSession(page);
    const point = ([x, y]) => [{ x, y }];
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: point(from) });
    for (let step = 1; step <= 8; ++step) {
        const at = [from[0] + ((to[0] - from[0]) * step) / 8, from[1] + ((to[1] - from[1]) * step) / 8];
        await cdp.send('Input.dispatchTouchEvent', { type: 'touchMove', touchPoints: point(at) });
    }
    await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
    await cdp.detach();
}

async function fitsWidth(page, locator, label) {
    const box = await locator.boundingBox();
    const width = await page.evaluate(() => innerWidth);
    assert.ok(box && box.x >= 0 && box.x + box.width <= width, `${label} fits the screen: ${JSON.stringify(box)}`);
}

for (const [width, height] of [[360, 740], [390, 844], [412, 915]]) {
    test(`a phone upright at ${width} × ${height}: the controls laid out for the width, a finger's size`, async () => {
        const session = await onPhone(phone(width, height));
        const { page } = session;
        const layout = await page.evaluate(measureLayout);
        assertFitsPhone(layout, [width, height], `${width} px`);
        assert.ok(layout.picture.width >= 0.9 * width, `the picture spans the width: ${layout.picture.width}`);
        assert.deepStrictEqual(layout.shapes.map((text) => text.trim()),
                               ['Bola', 'Ellipsoida (2 buah)', 'Hyperboloida', 'Kerucut', 'Paraboloida', 'Setengah Bola', 'Tabung'],
                               'the shapes the window\'s frame shows');

        // A tap chooses a shape; a finger drawn over the picture turns the
        // solid and moves neither the page nor its zoom.
        await page.getByRole('radio', { name: 'Kerucut' }).tap();
        assert.strictEqual((await state(page)).shape, 3);
        const { picture } = layout;
        await fingerDrag(page, [picture.left + 40, picture.top + 40], [picture.left + 200, picture.top + 150]);
        const turned = await state(page);
        assert.ok(turned.pointerX > 100 && turned.pointerY > 60, `turned by the finger: ${turned.pointerX},${turned.pointerY}`);
        assert.deepStrictEqual(await page.evaluate(() => [scrollX, scrollY, visualViewport.scale]), [0, 0, 1]);
    });
}

test('a laptop zoomed to 400 % (320 × 256): one column, no caption cut, no sideways scrolling', async (t) => {
    const session = await openPage({ viewport: { width: 320, height: 256 } });
    t.after(() => session.close());
    const { page } = session;
    const shown = await page.evaluate(() => ({
        scrollWidth: document.documentElement.scrollWidth,
        cut: [...document.querySelectorAll('label.option, label.check, .frame > .caption, .label, .menutitle, .turns button')]
            .filter((node) => node.offsetParent !== null && node.scrollWidth > node.clientWidth + 1).map((node) => node.textContent.trim()),
    }));
    assert.deepStrictEqual(shown, { scrollWidth: 320, cut: [] });
});

test('a phone has buttons that turn the solid as the arrow keys and Home do, a finger\'s size', async () => {
    const { page } = await onPhone(phone(390, 844));
    for (const box of await page.locator('.turns button').evaluateAll((nodes) => nodes.map((node) => node.getBoundingClientRect().toJSON()))) {
        assert.ok(box.width >= 44 && box.height >= 44, JSON.stringify(box));
    }
    const start = await state(page);
    await page.getByRole('button', { name: 'Putar ke kanan' }).tap();
    const tapped = await state(page);
    assert.notDeepStrictEqual(tapped, start);
    await page.getByRole('button', { name: 'Tampilan Awal' }).tap();
    assert.deepStrictEqual(await state(page), start);
    await page.locator('#picDisplay').focus();
    await page.keyboard.press('ArrowRight');
    assert.deepStrictEqual(await state(page), tapped);
});

test('the window has no turning buttons; asked for less motion, the solid sweeps at the slowest speed', async (t) => {
    const session = await openPage({ viewport: { width: 1366, height: 768 }, reducedMotion: 'reduce' });
    t.after(() => session.close());
    assert.ok(await session.page.locator('.turns').isHidden());
    assert.strictEqual(await session.page.locator('#mnuSpeed\\(0\\)').getAttribute('aria-checked'), 'true');
});

test('a phone: every menu and dialog fits the screen\'s width, scrolling inside itself where long; Bagikan Gambar only where files can be shared', async () => {
    const session = await onPhone(phone(360, 740));
    const { page } = session;
    for (const menu of ['Spasiologi', 'Informasi Display RUVEX', 'Help']) {
        await page.getByRole('button', { name: menu }).tap();
        await fitsWidth(page, page.getByRole('menu', { name: menu }), menu);
        // This browser cannot share files (ratios.test.js hands one a share sheet).
        if (menu === 'Spasiologi') assert.strictEqual(await page.getByRole('menuitem', { name: 'Bagikan Gambar' }).count(), 0, 'not offered where files cannot be shared');
        await page.getByRole('button', { name: menu }).tap();
    }
    const windows = ['MnuFungsi', 'MnuSasaran', 'MnuTerimakasih', 'Mnu', 'MnuInfodancredit', 'MnuPetunjuk', 'mnuSave', 'mnuExport'];
    for (const item of windows) {
        await page.evaluate((name) => window.ruvexPage.command(name), item);
        const dialog = page.locator('dialog[open]');
        await dialog.waitFor();
        await fitsWidth(page, dialog, item);
        await page.keyboard.press('Escape');
        await modalClosed(page);
    }
});

test('a phone on its side: the picture wholly on screen beside the controls', async () => {
    const session = await onPhone(phone(740, 360));
    const { page } = session;
    const layout = await page.evaluate(measureLayout);
    assertFitsPhone(layout, [740, 360], 'sideways');
    const beside = await page.locator('#Text1').boundingBox();
    assert.ok(beside.x >= layout.picture.right, 'the definition beside the picture');
});

test('Layar Penuh on a phone fills the screen at device pixels, the solid centred and whole, and follows the phone turned', async () => {
    const session = await onPhone(phone(360, 740), '#shape=3&view=120,60');
    const { page } = session;
    await page.evaluate(() => window.ruvexPage.command('mnuFullScreen'));
    for (const [width, height] of [[360, 740], [740, 360]]) {
        if (width > height) await resizeOn(session, { width, height });
        const shown = await page.evaluate(() => {
            const canvas = document.querySelector('.presentation canvas');
            const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
            let [left, top, right, bottom] = [canvas.width, canvas.height, -1, -1];
            for (let y = 0; y < canvas.height; ++y) {
                for (let x = 0; x < canvas.width; ++x) {
                    if (data[(y * canvas.width + x) * 4] === 255) continue;
                    left = Math.min(left, x); right = Math.max(right, x); top = Math.min(top, y); bottom = Math.max(bottom, y);
                }
            }
            return { size: [canvas.width, canvas.height], drawn: [left, top, right, bottom] };
        });
        assert.deepStrictEqual(shown.size, [width * 3, height * 3], `${width} × ${height}`);
        const [left, top, right, bottom] = shown.drawn;
        assert.ok(left > 0 && top > 0 && right < width * 3 - 1 && bottom < height * 3 - 1, 'the solid wholly visible');
        assert.ok(Math.abs((left + right) / 2 - (width * 3) / 2) < width * 0.3, 'centred across');
        assert.ok(Math.abs((top + bottom) / 2 - (height * 3) / 2) < height * 0.3, 'centred down');
    }
});

// Fingers on the screen through the browser's touch input, by number: a
// touchStart or a touchMove names every finger then on the screen, a
// touchEnd the fingers lifted. Each waits until the page has handled it.
async function touchScreen(page) {
    const cdp = await page.context().newCDPSession(page);
    return async (type, fingers) => {
        const touchPoints = Object.entries(fingers).map(([id, [x, y]]) => ({ id: Number(id), x, y }));
        await cdp.send('Input.dispatchTouchEvent', { type, touchPoints });
        await page.evaluate(() => new Promise((resolve) => requestAnimationFrame(() => setTimeout(resolve))));
    };
}

test('with Putar dengan Menyeret a finger turns the solid by its travel since the press, full screen too; a second finger does nothing', async () => {
    const session = await onPhone(phone(740, 360), '#shape=3&view=170,160');
    const { page } = session;
    await page.evaluate(() => window.ruvexPage.command('mnuDragToTurn'));
    const view = async () => { const s = await state(page); return [s.pointerX, s.pointerY]; };
    const near = ([x, y], [toX, toY], label) => assert.ok(Math.abs(x - toX) <= 0.5 && Math.abs(y - toY) <= 0.5, `${label}: ${x}, ${y}`);
    const touch = await touchScreen(page);

    // The drawing area, as the page reports a touch's position on it.
    const box = await page.locator('#picDisplay').boundingBox();
    const at = (x, y) => [box.x + x + 0.5, box.y + y + 0.5];
    const travel = (css) => Math.floor(((css + 0.5) * 396) / box.width) - Math.floor((100.5 * 396) / box.width);
    await touch('touchStart', { 0: at(100, 100) });
    await touch('touchMove', { 0: at(110, 100) });
    near(await view(), [170 + travel(110), 160], 'a drag');
    await touch('touchStart', { 0: at(110, 100), 1: at(200, 150) });
    await touch('touchMove', { 0: at(110, 100), 1: at(240, 190) });
    await touch('touchMove', { 0: at(110, 100), 1: at(160, 100) });
    await touch('touchEnd', { 1: at(160, 100) });
    near(await view(), [170 + travel(110), 160], 'a second finger laid down, moved and lifted');
    await touch('touchMove', { 0: at(120, 100) });
    near(await view(), [170 + travel(120), 160], 'the first finger\'s drag goes on');
    await touch('touchEnd', { 0: at(120, 100) });

    // Full screen on the phone's 2220 x 1080 device pixels: the picture
    // square 1080 high for the drawing area's 396.
    await page.evaluate(() => window.ruvexPage.command('mnuFullScreen'));
    const start = await view();
    await page.mouse.move(300, 200);
    await page.mouse.move(350, 220);
    near(await view(), start, 'a pointer moved without a button');
    await touch('touchStart', { 0: [300, 200] });
    await touch('touchMove', { 0: [310, 200] });
    const dragged = [start[0] + (30 * 396) / 1080, start[1]];
    near(await view(), dragged, 'a finger moved 10 CSS pixels');
    await touch('touchStart', { 0: [310, 200], 1: [500, 100] });
    await touch('touchMove', { 0: [310, 200], 1: [400, 300] });
    await touch('touchEnd', { 1: [400, 300] });
    near(await view(), dragged, 'a second finger');
    await touch('touchEnd', { 0: [310, 200] });
    assert.deepStrictEqual(session.errors, []);
});
