// "Ekspor Gambar…" by the keyboard alone, and its PNG files: the picture as
// shown and the one for print at four times the size, each with the pixels of
// the desktop command line's PNG of the same view (both decoded by ImageMagick),
// the one for print drawn with the teaching aids; and each file the desktop's
// byte for byte, its resolution included, as the PNG the page shares and
// copies is.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { openPage, chooseMenuItem, pointTo, desktopFile, haveNative } = require('./pagetest');

const decoded = (file) => execFileSync('convert', [file, '-depth', '8', 'rgba:-'], { maxBuffer: 64 << 20 });
const sizeOf = (file) => execFileSync('identify', ['-format', '%w %h', file]).toString();

function desktopPng(dir, scale, aids) {
    const file = path.join(dir, `desktop${scale}.png`);
    fs.writeFileSync(file, desktopFile({ shape: 3, view: [120, 60], scale, aids, type: 'png' }));
    return file;
}

// Ctrl+E from the drawing area; the name box has the focus, so the type is
// reached by Shift+Tab and chosen with the arrow keys; Enter in the name box
// confirms.
async function exportByKeys(page, name, typeSteps) {
    await page.locator('#picDisplay').focus();
    await page.keyboard.press('Control+e');
    const box = page.getByRole('dialog', { name: /Ekspor Gambar/ });
    await box.waitFor();
    assert.strictEqual(await page.evaluate(() => document.activeElement.type), 'text', 'the name box has the focus');
    if (typeSteps) {
        await page.keyboard.press('Shift+Tab');
        for (let n = 0; n < typeSteps; ++n) await page.keyboard.press('ArrowDown');
        await page.keyboard.press('Tab');
    }
    await page.keyboard.type(name);
    const [download] = await Promise.all([page.waitForEvent('download'), page.keyboard.press('Enter')]);
    await box.waitFor({ state: 'detached' });
    return download;
}

const noNative = !haveNative && 'no desktop program to compare with';

test('Ekspor Gambar by the keyboard: the PNG at 1x and 4x has the desktop\'s pixels', { skip: noNative }, async (t) => {
    const session = await openPage();
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'ruvex-png-'));
    t.after(() => { fs.rmSync(dir, { recursive: true, force: true }); return session.close(); });
    const { page } = session;
    await page.getByRole('radio', { name: 'Kerucut' }).check();
    await pointTo(page, 120, 60);
    for (const [scale, steps, name, aids] of [[1, 0, 'kerucut', false], [4, 1, 'kerucut4', true]]) {
        if (aids) for (const item of ['Garis Belakang Putus-putus', 'Sumbu Koordinat']) await chooseMenuItem(page, 'Spasiologi', item);
        const download = await exportByKeys(page, name, steps);
        assert.strictEqual(download.suggestedFilename(), name + '.png');
        const file = path.join(dir, name + '.png');
        await download.saveAs(file);
        const desktop = desktopPng(dir, scale, aids);
        assert.strictEqual(sizeOf(file), `${396 * scale} ${396 * scale}`);
        assert.ok(decoded(file).equals(decoded(desktop)), `the ${scale}x pixels are the desktop's`);
        assert.ok(fs.readFileSync(file).equals(fs.readFileSync(desktop)), `the ${scale}x file is the desktop's`);
    }
});

// A browser that can share files and a clipboard, each keeping the PNG it
// is handed, as base64.
function keepHandedFiles(context) {
    return context.addInitScript(() => {
        window.handed = [];
        const keep = async (blob) => {
            const bytes = new Uint8Array(await blob.arrayBuffer());
            window.handed.push(btoa(Array.from(bytes, (byte) => String.fromCharCode(byte)).join('')));
        };
        navigator.canShare = () => true;
        navigator.share = ({ files }) => keep(files[0]);
        navigator.clipboard.write = async ([item]) => keep(await item.getType('image/png'));
    });
}

test('Bagikan Gambar and Salin Gambar hand over the desktop\'s PNG of the view', { skip: noNative }, async (t) => {
    const session = await openPage({ hash: '#shape=3&view=120,60&back-lines=dashed&axes', before: keepHandedFiles });
    t.after(() => session.close());
    const { page } = session;
    await chooseMenuItem(page, 'Spasiologi', 'Bagikan Gambar');
    await chooseMenuItem(page, 'Spasiologi', 'Salin Gambar');
    await page.waitForFunction(() => window.handed.length === 2);
    const desktop = desktopFile({ shape: 3, view: [120, 60], aids: true, type: 'png' });
    for (const [n, what] of ['shared', 'copied'].entries()) {
        const handed = Buffer.from(await page.evaluate((at) => window.handed[at], n), 'base64');
        assert.ok(handed.equals(desktop), `the ${what} PNG is the desktop's`);
    }
    assert.deepStrictEqual(session.errors, []);
});
