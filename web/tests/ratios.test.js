// The page on larger screens and at other pixel ratios: a tablet and a
// laptop at a ratio of 2 show the command line's picture at that scale, a
// laptop at 150 % its device pixels, a screen beyond 4K's at most 4K's; and
// the phone's share sheet handed the picture shown; a pointer move is one
// call into the core at any ratio.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { openPage, reopenOn, resizeOn, state, desktopFile, haveNative, phone } = require('./pagetest');

// The tablet's and the laptop's tests in one tab, the page opened afresh on
// the second's screen: a context for each would start a renderer for each.
let screenTab = null;
async function onScreen(screen, hash = '') {
    if (screenTab) await reopenOn(screenTab, screen, hash);
    else screenTab = await openPage({ ...screen, hash, ownTab: true });
    return screenTab;
}

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
     { skip: !haveNative && 'no desktop program to compare with' }, async () => {
         const [hash, tablet, laptop] = ['#shape=3&view=120,60', { width: 768, height: 1024 }, { width: 1280, height: 800 }];
         const desktop = desktopPng(3, [120, 60], 2);
         const session = await onScreen({ viewport: tablet, deviceScaleFactor: 2 }, hash);
         const { page } = session;
         for (const viewport of [tablet, laptop]) {
             // The window widened, as a tablet's browser becomes a laptop's.
             if (viewport === laptop) await resizeOn(session, laptop);
             const size = await page.evaluate(() => [document.getElementById('picDisplay').getBoundingClientRect().width, document.getElementById('picDisplay').width]);
             assert.deepStrictEqual(size, [396, 792], `${viewport.width} px wide`);
             assert.strictEqual(await differingFromPng(page, desktop), 0);
         }
     });

test('a laptop at 150 %: device pixels, and a position gives the view it gives at 100 %', async () => {
    const { page } = await onScreen({ viewport: { width: 1280, height: 720 }, deviceScaleFactor: 1.5 });
    assert.strictEqual(await page.evaluate(() => document.getElementById('picDisplay').width), 594);
    const box = await page.locator('#picDisplay').boundingBox();
    await page.mouse.move(box.x + 123.5, box.y + 45.5);
    const moved = await state(page);
    assert.deepStrictEqual([moved.pointerX, moved.pointerY], [123, 45]);
});

// A browser that can share files, standing in for a phone's share sheet:
// what it was handed, and how it answers (window.shareAnswer: 'share', or
// the name of the error it refuses with).
function withShareSheet(context) {
    return context.addInitScript(() => {
        window.shared = [];
        window.shareAnswer = 'share';
        navigator.canShare = (data) => Boolean(data && data.files && data.files.every((file) => file.type === 'image/png'));
        navigator.share = async (data) => {
            if (window.shareAnswer !== 'share') throw new DOMException('refused', window.shareAnswer);
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
    });
}

test('Bagikan Gambar shares the picture shown as the shape\'s PNG, where the browser can share files', async (t) => {
    // The sheet's answers one after another in one page, the refusal told last.
    const sheet = await openPage({ ...phone(390, 844), hash: '#shape=3&view=120,60&axes', before: withShareSheet });
    t.after(() => sheet.close());
    const { page, errors } = sheet;
    for (const answer of ['share', 'AbortError', 'NotAllowedError']) {
        await page.evaluate((how) => { window.shareAnswer = how; }, answer);
        await page.getByRole('button', { name: 'Spasiologi' }).tap();
        await page.getByRole('menuitem', { name: 'Bagikan Gambar' }).tap();
        if (answer === 'share') {
            await page.waitForFunction(() => window.shared.length === 1);
            const [file] = await page.evaluate(() => window.shared);
            assert.deepStrictEqual([file.name, file.type, file.size, file.differing], ['kerucut.png', 'image/png', [396, 396], 0]);
        } else {
            // A refusal is told (waited for, however busy the machine); a sheet the user closed is not.
            if (answer === 'NotAllowedError') await page.locator('#message').waitFor();
            else await page.evaluate(() => new Promise((resolve) => setTimeout(resolve, 200)));
            const told = await page.locator('#message').isVisible() ? await page.locator('#message').textContent() : '';
            assert.strictEqual(told !== '', answer !== 'AbortError', `${answer}: ${told}`);
        }
        assert.deepStrictEqual(errors, []);
    }
    // Where files cannot be shared it is not offered: the phones' menus (screens.test.js).
});

test('Bagikan Gambar tapped again while the share sheet is open is ignored, not told as a failure', async (t) => {
    // A share sheet that stays open until the test closes it, and refuses a
    // second share meanwhile as a browser does.
    const session = await openPage({
        ...phone(390, 844),
        before: (context) => context.addInitScript(() => {
            window.shares = 0;
            navigator.canShare = () => true;
            navigator.share = () => {
                if (window.closeSheet) return Promise.reject(new DOMException('An earlier share has not yet completed.', 'InvalidStateError'));
                ++window.shares;
                return new Promise((resolve) => { window.closeSheet = () => { window.closeSheet = null; resolve(); }; });
            };
        }),
    });
    t.after(() => session.close());
    const { page } = session;
    const share = async () => {
        await page.getByRole('button', { name: 'Spasiologi' }).tap();
        await page.getByRole('menuitem', { name: 'Bagikan Gambar' }).tap();
    };
    await share();
    await share();
    await page.evaluate(() => new Promise((resolve) => setTimeout(resolve, 200)));
    assert.strictEqual(await page.locator('#message').isVisible(), false);
    await page.evaluate(() => window.closeSheet());
    await share();
    assert.strictEqual(await page.evaluate(() => window.shares), 2, 'shared again once the sheet has closed');
    assert.deepStrictEqual(session.errors, []);
});

test('Layar Penuh on a screen of more than 4K\'s device pixels draws 4K\'s, enlarged, and gives its memory back', async (t) => {
    const session = await openPage({ viewport: { width: 1280, height: 720 }, deviceScaleFactor: 5, ownTab: true });
    t.after(() => session.close());
    const { page } = session;
    for (const [width, height] of [[1280, 720], [720, 1280]]) {
        // The screen turned upright.
        if (width < height) await resizeOn(session, { width, height });
        // The page's WebAssembly memory, which the core's pixels are views on.
        const memory = () => page.evaluate(() => window.ruvexPage.page.pixels().buffer.byteLength);
        await page.evaluate(() => window.ruvexPage.command('mnuFullScreen'));
        const shown = await page.evaluate(() => {
            const canvas = document.querySelector('.presentation canvas');
            const box = canvas.getBoundingClientRect();
            return [canvas.width, canvas.height, Math.round(box.width), Math.round(box.height)];
        });
        assert.deepStrictEqual(shown, width > height ? [3840, 2160, width, height] : [2160, 3840, width, height]);
        await page.mouse.move(width / 2, height / 2);
        const middle = await state(page);
        assert.deepStrictEqual([Math.round(middle.pointerX), Math.round(middle.pointerY)], [198, 198]);
        assert.ok(await memory() < 128 * 2 ** 20, `${await memory()} bytes`);
        await page.keyboard.press('Escape');
        assert.strictEqual(await page.evaluate(() => window.ruvexPage.page.presentationPixels().length), 0, 'given back');
    }
});

// The names of the core's calls the script makes for one pointer move over
// the drawing area, or over "Layar Penuh".
function coreCallsOfAMove(page, fullScreen) {
    return page.evaluate((over) => {
        const app = window.ruvexPage, core = app.page;
        if (!window.coreCalls) {
            window.coreCalls = [];
            for (let proto = Object.getPrototypeOf(core); proto && proto !== Object.prototype; proto = Object.getPrototypeOf(proto)) {
                for (const name of Object.getOwnPropertyNames(proto)) {
                    if (name === 'constructor' || typeof proto[name] !== 'function' || Object.hasOwn(core, name)) continue;
                    const method = proto[name];
                    core[name] = (...args) => { window.coreCalls.push(name); return method.apply(core, args); };
                }
            }
        }
        window.coreCalls.length = 0;
        const canvas = over ? app.presentation.canvas : document.getElementById('picDisplay');
        const box = canvas.getBoundingClientRect();
        canvas.dispatchEvent(new PointerEvent('pointermove', { clientX: box.left + 47, clientY: box.top + 61, bubbles: true, isPrimary: true }));
        return window.coreCalls.slice();
    }, fullScreen);
}

test('a pointer move is one call into the core, at ratios 1 and 2 and over Layar Penuh with its caption', async (t) => {
    const open = async (deviceScaleFactor) => {
        const session = await openPage({ viewport: { width: 1280, height: 800 }, deviceScaleFactor });
        t.after(() => session.close());
        return session.page;
    };
    assert.deepStrictEqual(await coreCallsOfAMove(await open(2), false), ['pointer'], 'ratio 2');
    const page = await open(1);
    assert.deepStrictEqual(await coreCallsOfAMove(page, false), ['pointer'], 'ratio 1');
    await page.evaluate(() => ['mnuIrisan', 'mnuFullScreen'].forEach((item) => window.ruvexPage.command(item)));
    await page.waitForSelector('.presentation .caption:not([hidden])');
    assert.deepStrictEqual(await coreCallsOfAMove(page, true), ['pointer'], 'full screen');
});
