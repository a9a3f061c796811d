// "Irisan Bidang" in the page: an address naming a section opens its window
// beside the picture and draws what the command line draws; the bars change
// the section, the picture still turns under the pointer while the window is
// open, and closing it takes the section away, from the picture and the
// address. Opened on a shape just chosen it turns it to the oblique view,
// its buttons step the bars, the plane left out is part of the address, and
// on every screen it leaves the picture whole and its line in view.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { openPage, reopenOn, resizeOn, runDesktop, differingPixels, pointTo, state, haveNative, phone } = require('./pagetest');

const sectionLine = (section) => runDesktop(['--shape', '3', '--section', section, '--section-info']).toString().trim();

test('a section from the address is the command line\'s, and its window changes and takes it', { skip: !haveNative && 'no desktop program to compare with' }, async (t) => {
    const session = await openPage({ hash: '#shape=3&view=120,60&section=45,30' });
    t.after(() => session.close());
    const { page } = session;
    const dialog = page.getByRole('dialog', { name: 'Irisan Bidang' });
    await dialog.waitFor();
    assert.strictEqual(await differingPixels(page, { shape: 3, view: [120, 60], section: '45,30' }), 0);
    assert.strictEqual(await page.locator('#txtIrisan').inputValue(), sectionLine('45,30'));

    await page.locator('#hsbKemiringan').fill('70');
    assert.strictEqual(await page.locator('#txtIrisan').inputValue(), sectionLine('70,30'));
    await pointTo(page, 200, 100);
    assert.strictEqual(await differingPixels(page, { shape: 3, view: [200, 100], section: '70,30' }), 0, 'the picture turns beside the window');
    await page.keyboard.press('Control+s');
    await page.getByRole('dialog', { name: /Save Gambar/ }).waitFor();
    await page.keyboard.press('Escape');

    await dialog.getByRole('button', { name: 'Tutup' }).click();
    await dialog.waitFor({ state: 'detached' });
    assert.strictEqual((await state(page)).section.shown, false);
    assert.strictEqual(await differingPixels(page, { shape: 3, view: [200, 100] }), 0);
    await page.waitForFunction(() => !location.hash.includes('section'));
    assert.deepStrictEqual(session.errors, []);
});

test('opened on a shape just chosen it turns to 170,160; − and + step the bars; the plane left out stays out', { skip: !haveNative && 'no desktop program to compare with' }, async (t) => {
    const session = await openPage({ hash: '#shape=3' });
    t.after(() => session.close());
    const { page } = session;
    await page.evaluate(() => window.ruvexPage.command('mnuIrisan'));
    const dialog = page.getByRole('dialog', { name: 'Irisan Bidang' });
    await dialog.waitFor();
    const opened = await state(page);
    assert.deepStrictEqual([opened.pointerX, opened.pointerY], [170, 160]);

    for (const name of ['Tambah Kemiringan', 'Tambah Kemiringan', 'Kurangi Jarak']) await dialog.getByRole('button', { name }).click();
    await dialog.getByRole('checkbox', { name: 'Tampilkan Bidang' }).uncheck();
    await page.waitForFunction(() => location.hash.includes('section-plane=hidden'));
    const address = await page.evaluate(() => location.hash);
    assert.strictEqual(address, '#shape=3&view=170,160&section=2,49&section-plane=hidden');
    const view = { shape: 3, view: [170, 160], section: '2,49', sectionPlane: 'hidden' };
    assert.strictEqual(await differingPixels(page, view), 0);

    // Closed first, so that the address opens afresh in the same tab.
    await session.close();
    const reopened = await openPage({ hash: address });
    t.after(() => reopened.close());
    await reopened.page.getByRole('dialog', { name: 'Irisan Bidang' }).waitFor();
    assert.strictEqual(await differingPixels(reopened.page, view), 0, 'the address opens it without the plane');
    assert.deepStrictEqual([...session.errors, ...reopened.errors], []);
});

test('"Ukuran Bangun" from the menu sets the kerucut\'s sizes as the command line does; Esc takes the solid away', { skip: !haveNative && 'no desktop program to compare with' }, async (t) => {
    const session = await openPage({ hash: '#shape=3' });
    t.after(() => session.close());
    const { page } = session;
    await page.evaluate(() => window.ruvexPage.command('mnuUkuran'));
    const dialog = page.getByRole('dialog', { name: 'Ukuran Bangun' });
    await dialog.waitFor();
    await page.locator('#hsbJariJari').fill('3');
    await page.locator('#hsbTinggi').fill('4');
    const numbers = runDesktop(['--shape', '3', '--size', '3,4', '--size-info']).toString().trim();
    assert.strictEqual(await page.locator('#txtHitungan').inputValue(), numbers);
    assert.strictEqual(await page.locator('#VScroll1').getAttribute('aria-disabled'), 'true', 'the aspect bar rests while it is open');
    await dialog.getByRole('button', { name: 'Tambah Buka Jaring-jaring' }).click();
    await page.locator('#hsbJaring').fill('50');
    const view = { shape: 3, view: [170, 160], size: '3,4', net: 50 };
    assert.strictEqual(await differingPixels(page, view), 0);
    await page.waitForFunction(() => location.hash.includes('net=50'));
    const address = await page.evaluate(() => location.hash);

    await page.locator('#hsbJaring').focus();
    await page.keyboard.press('Escape');
    await dialog.waitFor({ state: 'detached' });
    assert.strictEqual(await differingPixels(page, { shape: 3, view: [170, 160] }), 0);

    await session.close();
    const reopened = await openPage({ hash: address });
    t.after(() => reopened.close());
    await reopened.page.getByRole('dialog', { name: 'Ukuran Bangun' }).waitFor();
    assert.strictEqual(await differingPixels(reopened.page, view), 0, 'the address opens it at its sizes');
    assert.deepStrictEqual([...session.errors, ...reopened.errors], []);
});

test('Layar Penuh with "Ukuran Bangun" open: the caption in a band under the picture, large enough for a projector; closed, the band goes', async (t) => {
    const session = await openPage({ hash: '#shape=6&view=170,160&size=7,10', viewport: { width: 1366, height: 768 } });
    t.after(() => session.close());
    const { page } = session;
    await page.getByRole('dialog', { name: 'Ukuran Bangun' }).waitFor();
    await page.evaluate(() => window.ruvexPage.command('mnuFullScreen'));
    const caption = page.locator('.presentation .caption');
    await caption.waitFor();
    const measure = () => page.evaluate(() => {
        const canvas = document.querySelector('.presentation canvas');
        const band = document.querySelector('.presentation .caption');
        const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        const core = window.ruvexPage.page.presentationPixels();
        return {
            text: band.hidden ? '' : band.textContent, fontSize: parseFloat(getComputedStyle(band).fontSize),
            pictureBottom: canvas.getBoundingClientRect().bottom, bandTop: band.getBoundingClientRect().top,
            differing: data.length === core.length ? data.filter((value, n) => value !== core[n]).length : -1,
            canvasHeight: canvas.height, screen: innerHeight,
        };
    });
    const shown = await measure();
    assert.strictEqual(shown.text, 'Tabung: Volume = 1540,00 cm\u00b3, Luas permukaan = 748,00 cm\u00b2');
    assert.ok(shown.fontSize >= 0.03 * shown.screen, `text ${shown.fontSize} px high`);
    assert.ok(shown.bandTop >= shown.pictureBottom, 'the band is under the picture, not over it');
    assert.strictEqual(shown.differing, 0, 'the picture is the core\'s');

    await page.evaluate(() => window.ruvexPage.windowClosed('SizeWindow'));
    const plain = await measure();
    assert.deepStrictEqual([plain.text, plain.canvasHeight, plain.differing], ['', plain.screen, 0]);
    assert.deepStrictEqual(session.errors, []);
});

// Where the window stands, measured: the picture, the window and its line.
function sectionLayout() {
    const rect = (node) => node.getBoundingClientRect();
    const box = document.querySelector('dialog[open].modeless');
    const steps = [...box.querySelectorAll('button.step')].map((button) => [rect(button).width, rect(button).height]);
    return {
        picture: rect(document.getElementById('picDisplay')).toJSON(), window: rect(box).toJSON(),
        line: rect(document.getElementById('txtIrisan')).toJSON(), steps, screen: [innerWidth, innerHeight],
    };
}

// The first screen without touch: the tab opened on it takes every later
// screen's from reopenOn, touch or none (touch the tab was opened with would
// stay on). A screen marked turned is the one before it on its side: the
// same page resized, as a phone turned.
const screens = [
    ['a small laptop', { viewport: { width: 800, height: 600 } }],
    ['a phone upright', phone(360, 740)], ['a phone on its side', phone(740, 360), 'turned'], ['a larger phone', phone(412, 915)],
    ['a larger phone on its side', phone(915, 412), 'turned'],
    ['a laptop at 150 %', { viewport: { width: 910, height: 512 }, deviceScaleFactor: 1.5 }],
    ['a tablet', { ...phone(768, 1024), deviceScaleFactor: 2 }],
];

test('on every screen the section leaves the picture whole and its line in view', async (t) => {
    const hash = '#shape=3&view=170,160&section=45,30';
    const session = await openPage({ ...screens[0][1], hash, ownTab: true });
    t.after(() => session.close());
    for (const [n, [label, screen, turned]] of screens.entries()) {
        if (turned) await resizeOn(session, screen.viewport);
        else if (n > 0) await reopenOn(session, screen, hash);
        await session.page.locator('dialog[open].modeless').waitFor();
        const { picture, window: sheet, line, steps, screen: [width, height] } = await session.page.evaluate(sectionLayout);
        const inside = (inner, outer) => inner.left >= outer.left - 0.5 && inner.top >= outer.top - 0.5
            && inner.right <= outer.right + 0.5 && inner.bottom <= outer.bottom + 0.5;
        const shown = { left: 0, top: 0, right: width, bottom: height };
        const apart = picture.right <= sheet.left || sheet.right <= picture.left || picture.bottom <= sheet.top || sheet.bottom <= picture.top;
        assert.ok(inside(picture, shown) && apart, `${label}: the picture whole and uncovered ${JSON.stringify({ picture, sheet })}`);
        assert.ok(inside(line, sheet) && inside(line, shown), `${label}: the line in view ${JSON.stringify({ line, sheet })}`);
        if (screen.hasTouch) assert.ok(steps.length === 4 && steps.every(([w, h]) => w >= 44 && h >= 44), `${label}: finger-sized buttons ${steps}`);
    }
});
