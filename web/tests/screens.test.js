// The page on every screen a student or teacher has: phones upright and on
// their side, a tablet, laptops at a ratio of 2 and at 150 %. The picture is
// drawn at the screen's device pixels (never enlarged in blocks), the
// command line's picture at that scale; on a phone the window's controls
// are laid out for the width, each a finger's size, and a finger turns the
// solid without moving the page.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { openPage, state, desktopFile, haveNative } = require('./pagetest');

const phone = (width, height) => ({ viewport: { width, height }, deviceScaleFactor: 3, isMobile: true, hasTouch: true });

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
    test(`a phone upright at ${width} × ${height}: the controls laid out for the width, a finger's size`, async (t) => {
        const session = await openPage(phone(width, height));
        t.after(() => session.close());
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

test('a phone: every menu and dialog fits the screen\'s width, scrolling inside itself where long', async (t) => {
    const session = await openPage(phone(360, 740));
    t.after(() => session.close());
    const { page } = session;
    for (const menu of ['Spasiologi', 'Informasi Display RUVEX', 'Help']) {
        await page.getByRole('button', { name: menu }).tap();
        await fitsWidth(page, page.getByRole('menu', { name: menu }), menu);
        await page.getByRole('button', { name: menu }).tap();
    }
    const windows = ['MnuFungsi', 'MnuSasaran', 'MnuTerimakasih', 'Mnu', 'MnuInfodancredit', 'MnuPetunjuk', 'mnuSave', 'mnuExport'];
    for (const item of windows) {
        await page.evaluate((name) => window.ruvexPage.command(name), item);
        const dialog = page.locator('dialog[open]');
        await dialog.waitFor();
        await fitsWidth(page, dialog, item);
        await page.keyboard.press('Escape');
        await dialog.waitFor({ state: 'detached' });
    }
});

test('a phone on its side: the picture wholly on screen beside the controls', async (t) => {
    const session = await openPage(phone(740, 360));
    t.after(() => session.close());
    const { page } = session;
    const layout = await page.evaluate(measureLayout);
    assertFitsPhone(layout, [740, 360], 'sideways');
    const beside = await page.locator('#Text1').boundingBox();
    assert.ok(beside.x >= layout.picture.right, 'the definition beside the picture');
});

test('Layar Penuh on a phone fills the screen at device pixels, the solid centred and whole', async (t) => {
    for (const [width, height] of [[360, 740], [740, 360]]) {
        const session = await openPage({ ...phone(width, height), hash: '#shape=3&view=120,60' });
        t.after(() => session.close());
        const { page } = session;
        await page.evaluate(() => window.ruvexPage.command('mnuFullScreen'));
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

// The command line's PNG of a view at a scale, for comparing with a canvas.
const desktopPng = (shape, view, scale) => desktopFile({ shape, view, scale, type: 'png' }).toString('base64');

// Pixels of the drawing area's canvas that differ from a PNG, decoded by
// the browser.
function differingFromPng(page, base64) {
    return page.evaluate(async (png) => {
        const bytes = Uint8Array.from(atob(png), (c) => c.charCodeAt(0));
        const image = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
        const canvas = document.getElementById('picDisplay');
        if (image.width !== canvas.width || image.height !== canvas.height) return `sizes ${image.width} and ${canvas.width}`;
        const scratch = new OffscreenCanvas(image.width, image.height).getContext('2d');
        scratch.drawImage(image, 0, 0);
        const expected = scratch.getImageData(0, 0, image.width, image.height).data;
        const shown = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
        let count = 0;
        const same = (n) => shown[n] === expected[n] && shown[n + 1] === expected[n + 1] && shown[n + 2] === expected[n + 2];
        for (let n = 0; n < shown.length; n += 4) if (!same(n)) ++count;
        return count;
    }, base64);
}

test('a tablet and a laptop at a ratio of 2 keep the window\'s layout and show the command line\'s picture at scale 2',
     { skip: !haveNative && 'no desktop program to compare with' }, async (t) => {
         for (const viewport of [{ width: 768, height: 1024 }, { width: 1280, height: 800 }]) {
             const session = await openPage({ viewport, deviceScaleFactor: 2, hash: '#shape=3&view=120,60' });
             t.after(() => session.close());
             const { page } = session;
             const size = await page.evaluate(() => [document.getElementById('picDisplay').getBoundingClientRect().width, document.getElementById('picDisplay').width]);
             assert.deepStrictEqual(size, [396, 792], `${viewport.width} px wide`);
             assert.strictEqual(await differingFromPng(page, desktopPng(3, [120, 60], 2)), 0);
         }
     });

test('a laptop at 150 %: device pixels, and a position gives the view it gives at 100 %', async (t) => {
    const session = await openPage({ viewport: { width: 1280, height: 720 }, deviceScaleFactor: 1.5 });
    t.after(() => session.close());
    const { page } = session;
    assert.strictEqual(await page.evaluate(() => document.getElementById('picDisplay').width), 594);
    const box = await page.locator('#picDisplay').boundingBox();
    await page.mouse.move(box.x + 123.5, box.y + 45.5);
    const moved = await state(page);
    assert.deepStrictEqual([moved.pointerX, moved.pointerY], [123, 45]);
});

// A browser that can share files, standing in for a phone's share sheet:
// what it was handed, or how it answers.
async function withShareSheet(context, answer) {
    await context.addInitScript((how) => {
        window.shared = [];
        navigator.canShare = (data) => Boolean(data && data.files && data.files.every((file) => file.type === 'image/png'));
        navigator.share = async (data) => {
            if (how !== 'share') throw new DOMException('refused', how);
            const file = data.files[0];
            const image = await createImageBitmap(file);
            const scratch = new OffscreenCanvas(image.width, image.height).getContext('2d');
            scratch.drawImage(image, 0, 0);
            const got = scratch.getImageData(0, 0, image.width, image.height).data;
            const shown = window.ruvexPage.page.pixels();
            let differing = got.length === shown.length ? 0 : -1;
            for (let n = 0; n < got.length && differing >= 0; ++n) if (got[n] !== shown[n]) ++differing;
            window.shared.push({ name: file.name, type: file.type, size: [image.width, image.height], differing });
        };
    }, answer);
}

test('Bagikan Gambar shares the picture shown as the shape\'s PNG, where the browser can share files', async (t) => {
    for (const answer of ['share', 'AbortError', 'NotAllowedError']) {
        const session = await openPage({ ...phone(390, 844), hash: '#shape=3&view=120,60&axes', before: (context) => withShareSheet(context, answer) });
        t.after(() => session.close());
        const { page, errors } = session;
        await page.getByRole('button', { name: 'Spasiologi' }).tap();
        await page.getByRole('menuitem', { name: 'Bagikan Gambar' }).tap();
        if (answer === 'share') {
            await page.waitForFunction(() => window.shared.length === 1);
            const [file] = await page.evaluate(() => window.shared);
            assert.deepStrictEqual([file.name, file.type, file.size, file.differing], ['kerucut.png', 'image/png', [396, 396], 0]);
        } else {
            await page.evaluate(() => new Promise((resolve) => setTimeout(resolve, 200)));
            const told = await page.locator('#message').isVisible() ? await page.locator('#message').textContent() : '';
            assert.strictEqual(told !== '', answer !== 'AbortError', `${answer}: ${told}`);
        }
        assert.deepStrictEqual(errors, []);
    }
    const session = await openPage(phone(390, 844));
    t.after(() => session.close());
    await session.page.getByRole('button', { name: 'Spasiologi' }).tap();
    assert.strictEqual(await session.page.getByRole('menuitem', { name: 'Bagikan Gambar' }).count(), 0, 'not offered where files cannot be shared');
});
