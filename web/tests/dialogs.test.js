// The menus' windows and the files the page downloads: the information
// windows and the help as dialogs named by their captions, refused names told
// in the page with nothing downloaded, and downloads byte for byte the files
// the desktop command line writes.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const { openPage, chooseMenuItem, desktopFile, pointTo, state, haveNative } = require('./pagetest');

const noNative = !haveNative && 'no desktop program to compare with';

test('the information windows and the help open as named dialogs', async (t) => {
    const session = await openPage();
    t.after(() => session.close());
    const { page } = session;
    const windows = [
        ['Informasi Display RUVEX', 'Fungsi', 'Fungsi RUVEX Display 3D'],
        ['Informasi Display RUVEX', 'Sasaran', 'Sasaran RUVEX Display 3D'],
        ['Informasi Display RUVEX', 'Ucapan Terimakasih', 'Ucapan Terimakasih'],
        ['Help', 'Contact', 'Contact Me'],
        ['Help', 'Info', 'Info'],
    ];
    for (const [menu, item, caption] of windows) {
        await chooseMenuItem(page, menu, item);
        const dialog = page.getByRole('dialog', { name: caption, exact: true });
        await dialog.waitFor();
        await page.keyboard.press('Escape');
        await dialog.waitFor({ state: 'detached' });
    }
    await page.locator('#picDisplay').focus();
    await page.keyboard.press('F1');
    await page.getByRole('dialog', { name: /Petunjuk Penggunaan/ }).waitFor();
});

async function saveAs(page, name) {
    await page.locator('#picDisplay').focus();
    await page.keyboard.press('Control+s');
    const box = page.getByRole('dialog', { name: /Save Gambar/ });
    await box.waitFor();
    assert.strictEqual(await page.evaluate(() => document.activeElement.type), 'text', 'the name box has the focus');
    await page.keyboard.type(name);
    await page.keyboard.press('Enter');
    return box;
}

test('Save Gambar: a refused name is told and nothing is downloaded; a good one downloads the desktop\'s file', { skip: noNative }, async (t) => {
    const session = await openPage();
    t.after(() => session.close());
    const { page } = session;
    const downloads = [];
    page.on('download', (download) => downloads.push(download));

    const refused = await saveAs(page, 'x'.repeat(300));
    await assert.doesNotReject(refused.getByRole('alert').filter({ hasText: 'Gambar tidak disimpan' }).waitFor());
    await page.keyboard.press('Escape');
    assert.strictEqual(downloads.length, 0);

    await page.getByRole('radio', { name: 'Tabung' }).check();
    await pointTo(page, 210, 90);
    const [download] = await Promise.all([page.waitForEvent('download'), saveAs(page, 'tabung.xyz')]);
    assert.strictEqual(download.suggestedFilename(), 'tabung.bmp');
    const bytes = fs.readFileSync(await download.path());
    assert.ok(bytes.equals(desktopFile({ shape: 6, view: [210, 90] })), 'the same bytes as the desktop');
});

test('Ekspor Gambar: the SVG is the desktop\'s, byte for byte', { skip: noNative }, async (t) => {
    const session = await openPage();
    t.after(() => session.close());
    const { page } = session;
    await page.getByRole('radio', { name: 'Kerucut' }).check();
    await pointTo(page, 120, 60);
    await page.keyboard.press('Control+e');
    const box = page.getByRole('dialog', { name: /Ekspor Gambar/ });
    await box.waitFor();
    await box.getByRole('combobox').selectOption({ index: 2 });
    await box.getByRole('textbox').fill('kerucut');
    const [download] = await Promise.all([page.waitForEvent('download'), box.getByRole('textbox').press('Enter')]);
    assert.strictEqual(download.suggestedFilename(), 'kerucut.svg');
    const desktop = desktopFile({ shape: 3, view: [120, 60], type: 'svg' });
    assert.ok(fs.readFileSync(await download.path()).equals(desktop));
});

test('Layar Penuh (F11) shows the core\'s presentation picture at the screen\'s scale; Esc returns', async (t) => {
    const session = await openPage();
    t.after(() => session.close());
    const { page } = session;
    await page.locator('#picDisplay').focus();
    await page.keyboard.press('F11');
    const shown = await page.evaluate(() => {
        const canvas = document.querySelector('.presentation canvas');
        const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        const core = window.ruvexPage.page.presentationPixels();
        let differing = 0;
        for (let n = 0; n < data.length; ++n) if (data[n] !== core[n]) ++differing;
        return { width: canvas.width, height: canvas.height, differing, inner: [innerWidth, innerHeight] };
    });
    assert.deepStrictEqual([shown.width, shown.height], shown.inner);
    assert.strictEqual(shown.differing, 0);
    // The middle of the screen is the middle of the drawing area.
    await page.mouse.move(shown.width / 2, shown.height / 2);
    const middle = await state(page);
    assert.deepStrictEqual([middle.pointerX, middle.pointerY], [198, 198]);
    await page.keyboard.press('Escape');
    assert.strictEqual(await page.locator('.presentation').count(), 0);
});
