// "Irisan Bidang" in the page: an address naming a section opens its window
// beside the picture and draws what the command line draws; the bars change
// the section, the picture still turns under the pointer while the window is
// open, and closing it takes the section away, from the picture and the
// address.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { openPage, runDesktop, differingPixels, pointTo, state, haveNative } = require('./pagetest');

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
