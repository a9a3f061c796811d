// The page tried as a careless user and an attacker would: the help shown as
// formatted text, never as markup; one dialog at a time, holding the
// window's shortcuts; nothing answering after "Tutup Program"; refused
// addresses and names told and never passed on; a clipboard that throws; the
// pixel ratio followed through every change.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { openPage, state, modalClosed } = require('./pagetest');

const message = (page) => page.locator('#message').textContent();
const openDialogs = (page) => page.evaluate(() => document.querySelectorAll('dialog').length);

async function helpAsText(page) {
    await page.locator('#picDisplay').focus();
    await page.keyboard.press('F1');
    const help = page.getByRole('dialog', { name: /Petunjuk Penggunaan/ });
    await help.waitFor();
    const shown = await help.locator('.helptext').evaluate((text) => ({
        text: text.textContent,
        headings: text.querySelectorAll('h2, h3').length,
        items: text.querySelectorAll('ul > li').length,
        bold: text.querySelectorAll('b').length,
    }));
    assert.doesNotMatch(shown.text, /<\/?[a-z]+|&[a-z]+;/, 'no tag or entity shown as text');
    assert.match(shown.text, /Spasiologi \u2192 Save Gambar/);
    assert.ok(shown.headings >= 10 && shown.items >= 6 && shown.bold > 0, JSON.stringify(shown));
    await page.keyboard.press('Escape');
    await modalClosed(page);
}

async function shortcutsHeld(page) {
    const downloads = [];
    page.on('download', (download) => downloads.push(download));
    await page.locator('#picDisplay').focus();
    await page.keyboard.press('Control+s');
    await page.getByRole('dialog', { name: /Save Gambar/ }).waitFor();
    await page.keyboard.type('satu');
    for (const key of ['Control+s', 'Control+e', 'F1', 'F11', 'Alt+s', 'F10']) await page.keyboard.press(key);
    await page.keyboard.type('dua');
    assert.strictEqual(await openDialogs(page), 1, 'one dialog, and no other window');
    assert.strictEqual(await page.locator('.presentation').count(), 0);
    assert.strictEqual(await page.getByRole('dialog').getByRole('textbox').inputValue(), 'satudua');
    await page.keyboard.press('Escape');
    // The dialog goes, and gives the focus back, on its close event.
    await page.waitForFunction(() => document.querySelectorAll('dialog').length === 0);
    assert.strictEqual(await page.evaluate(() => document.activeElement.id), 'picDisplay');
    const before = (await state(page)).pointerX;
    await page.keyboard.press('ArrowRight');
    assert.strictEqual((await state(page)).pointerX, before + 15, 'the arrow keys turn the solid again');
    for (const key of ['Enter', 'Enter']) await page.keyboard.press(key);
    assert.strictEqual(downloads.length, 0);
}

async function nothingAfterEnd(page) {
    await page.getByRole('radio', { name: 'Vertikal' }).check();
    await page.locator('#picDisplay').focus();
    await page.keyboard.press('Control+q');
    await page.locator('#ended').waitFor();
    const ended = await state(page);
    for (const key of ['Control+s', 'Control+e', 'F1', 'F11', 'ArrowRight', 'Home']) await page.keyboard.press(key);
    await page.evaluate(() => { location.hash = '#shape=3&view=120,60'; });
    await page.evaluate(() => new Promise((resolve) => setTimeout(resolve, 100)));
    assert.strictEqual(await openDialogs(page), 0);
    assert.strictEqual(await page.locator('.presentation').count(), 0);
    assert.deepStrictEqual(await state(page), ended, 'the view stays where it ended');
    assert.strictEqual(await page.evaluate(() => window.ruvexPage.ticking), null, 'no timer');
}

test('a refused address is told with the core\'s sentence and replaced by the view shown', async (t) => {
    const cases = [
        ['#shape=15&view=120,60', /shape harus bilangan bulat 0 sampai 14, bukan "15"/],
        ['#shape=3&shape=5', /shape hanya boleh diberikan sekali/],
        ['#=3', /\u00ab\u00bb/],
    ];
    for (const [hash, said] of cases) {
        await t.test(hash, async (st) => {
            const session = await openPage({ hash });
            st.after(() => session.close());
            const { page } = session;
            assert.match(await message(page), said, hash);
            assert.doesNotMatch(await message(page), / {2}/, 'no gap where a name should be');
            assert.strictEqual((await state(page)).shape, 0, `${hash} opens the start view`);
            assert.strictEqual(await page.evaluate(() => location.hash), '#shape=0&view=0,0', hash);
        });
    }
});

async function nameDialog(page, key, name) {
    await page.locator('#picDisplay').focus();
    await page.keyboard.press(key);
    const box = page.getByRole('dialog');
    await box.waitFor();
    await box.getByRole('textbox').fill(name);
    await box.getByRole('textbox').press('Enter');
    return box;
}

async function namesRefused(page) {
    const downloads = [];
    page.on('download', (download) => downloads.push(download.suggestedFilename()));
    const names = ['', '.tersembunyi', 'gambar/', '.', '..', 'a/b', '../../etc/passwd', 'a\\b', 'gnp\u202e.bmp'];
    for (const key of ['Control+s', 'Control+e']) {
        for (const name of names) {
            const box = await nameDialog(page, key, name);
            const refusal = box.getByRole('alert');
            await refusal.filter({ hasText: 'Gambar tidak disimpan' }).waitFor();
            assert.doesNotMatch(await refusal.textContent(), /\u202e/, 'a bidirectional control is shown escaped');
            await page.keyboard.press('Escape');
            await modalClosed(page);
        }
    }
    assert.deepStrictEqual(downloads, []);
}

// One page serves these in turn: none needs the page just opened, only no
// dialog open, and "Tutup Program" comes last.
test('the help, the dialogs\' hold on the keys, refused names and the end, one page after another', async (t) => {
    const session = await openPage();
    t.after(() => session.close());
    const { page } = session;
    await t.test('the help is built as headings, paragraphs and lists, with no markup left as text', () => helpAsText(page));
    await t.test('an open dialog holds the window\'s shortcuts; Esc gives the keys back to the picture', () => shortcutsHeld(page));
    await t.test('names that a browser would change or that point elsewhere are refused, and nothing is downloaded', () => namesRefused(page));
    await t.test('after "Tutup Program" no key, menu, address or timer answers', () => nothingAfterEnd(page));
});

test('a clipboard that throws is told like one that refuses, and raises no error', async (t) => {
    const session = await openPage({ clipboard: true });
    t.after(() => session.close());
    const { page, errors } = session;
    await page.evaluate(() => {
        navigator.clipboard.write = () => { throw new Error('kein Zugriff'); };
        navigator.clipboard.writeText = () => { throw new Error('kein Zugriff'); };
    });
    await page.locator('#picDisplay').focus();
    for (let n = 0; n < 20; ++n) await page.keyboard.press('Control+c');
    await page.getByRole('button', { name: 'Spasiologi' }).click();
    await page.getByRole('menuitem', { name: 'Salin Kode Tampilan' }).click();
    await page.locator('#message').filter({ hasText: 'kode tampilan tidak tersalin' }).waitFor();
    assert.deepStrictEqual(errors, []);
});

test('the canvas follows the pixel ratio through every change, not only the first', async (t) => {
    const session = await openPage({ ownTab: true });
    t.after(() => session.close());
    const { page } = session;
    const cdp = await page.context().newCDPSession(page);
    // The browser's emulation tells the page of a new ratio only when the
    // kind of device changes with it, so the ratios alternate between the
    // two kinds (the page itself hears every change, as with a browser's zoom).
    for (const [n, ratio] of [2, 3, 1.5].entries()) {
        const mobile = n % 2 === 0;
        await cdp.send('Emulation.setDeviceMetricsOverride', { width: 800, height: 650, deviceScaleFactor: ratio, mobile });
        await page.waitForFunction((r) => document.getElementById('picDisplay').width === Math.round(396 * r), ratio);
    }
});
