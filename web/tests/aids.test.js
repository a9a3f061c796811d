// The teaching aids in the page: the menu's switches draw what the desktop
// command line draws with "--back-lines dashed --axes", an address opens on
// the view it names (and a wrong one is told and ignored) and follows the
// view as it turns, and the two copy items put the picture and the view's
// command on the clipboard. The picture is told in words, as the command
// line's --describe tells it, once the view has rested.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { openPage, chooseMenuItem, canvasPixels, rgbPixels, differingPixels, pointTo, state, runDesktop, haveNative } = require('./pagetest');

const noNative = !haveNative && 'no desktop program to compare with';

async function switchesRedraw(page, errors) {
    await page.getByRole('radio', { name: 'Kerucut' }).check();
    await chooseMenuItem(page, 'Spasiologi', 'Garis Belakang Putus-putus');
    await chooseMenuItem(page, 'Spasiologi', 'Sumbu Koordinat');
    await pointTo(page, 150, 170);
    assert.strictEqual(await differingPixels(page, { shape: 3, view: [150, 170], aids: true }), 0);
    const checks = await page.locator('#mnuBackLines, #mnuAxes, #mnuDragToTurn').evaluateAll((items) => items.map((i) => i.getAttribute('aria-checked')));
    assert.deepStrictEqual(checks, ['true', 'true', 'false']);

    // Dragging to turn: a move without a button leaves the view where it is.
    await chooseMenuItem(page, 'Spasiologi', 'Putar dengan Menyeret');
    assert.strictEqual(await page.locator('#mnuDragToTurn').getAttribute('aria-checked'), 'true');
    await pointTo(page, 20, 30);
    const s = await state(page);
    assert.deepStrictEqual([s.pointerX, s.pointerY], [150, 170]);
    assert.deepStrictEqual(errors, []);
}

test('the view is told in words once it has rested, as the command line tells it, and not while a drag holds it', { skip: noNative },
     async (t) => {
         const session = await openPage({ clock: true });
         t.after(() => session.close());
         const { page } = session;
         const said = page.locator('#pictureSaid');
         // The command line's sentence for the view the address names ("#shape=0&view=30,381").
         const described = async () => {
             const address = await page.evaluate(() => window.ruvexPage.page.viewAddress());
             const args = address.slice(1).split('&').flatMap((part) => ['--' + part.split('=')[0], ...part.split('=').slice(1)]);
             return runDesktop([...args, '--describe']).toString().trim();
         };
         const startWords = await described();
         assert.strictEqual(await page.locator('#picDisplay').evaluate((canvas) => document.getElementById(canvas.getAttribute('aria-describedby')).textContent),
                            startWords);
         await page.locator('#picDisplay').focus();
         for (const key of ['ArrowRight', 'ArrowRight', 'ArrowUp']) await page.keyboard.press(key);
         await page.clock.runFor(400);
         assert.strictEqual(await said.textContent(), '', 'not before the view has rested');
         await page.clock.runFor(200);
         const turned = await described();
         assert.notStrictEqual(turned, startWords);
         assert.strictEqual(await said.textContent(), turned);

         await pointTo(page, 100, 100);
         await page.mouse.down();
         await pointTo(page, 150, 120);
         await page.clock.runFor(2000);
         assert.strictEqual(await said.textContent(), turned, 'a drag held still');
         await page.mouse.up();
         await page.clock.runFor(600);
         assert.strictEqual(await said.textContent(), await described());
     });

test('an address opens on its view; a wrong one is told and the start view kept', { skip: noNative }, async (t) => {
    await t.test('a view with every setting', async (st) => {
        const session = await openPage({ hash: '#shape=3&view=120,60&perspective=200&aspect=0.5&back-lines=dashed&axes' });
        st.after(() => session.close());
        const view = { shape: 3, view: [120, 60], perspective: 200, aspect: '0.5', aids: true };
        assert.strictEqual(await differingPixels(session.page, view), 0);
        assert.strictEqual(await session.page.getByRole('checkbox', { name: 'Perbesar/Perkecil' }).isChecked(), true);
        assert.strictEqual(await session.page.locator('#mnuAxes').getAttribute('aria-checked'), 'true');
    });
    await t.test('a shape out of range', async (st) => {
        const session = await openPage({ hash: '#shape=99&axes' });
        st.after(() => session.close());
        const message = session.page.locator('#message');
        assert.match(await message.textContent(), /tidak dapat dibuka.*shape harus bilangan bulat 0 sampai 14, bukan "99"/);
        assert.strictEqual(await differingPixels(session.page, { shape: 0, view: [0, 0] }), 0);
    });
});

test('the address follows the view, and one edited by hand opens its view', async (t) => {
    await t.test('a bare address stays bare until the view changes', async (st) => {
        const session = await openPage({ clock: true });
        st.after(() => session.close());
        // Half a second of the page's time, every timer due in it fired.
        await session.page.clock.runFor(500);
        assert.strictEqual(await session.page.evaluate(() => location.hash), '');
    });
    await t.test('turned and edited', async (st) => {
        const session = await openPage({ hash: '#shape=3&view=120,60&axes' });
        const { page } = session;
        st.after(() => session.close());
        await page.focus('#picDisplay');
        await page.keyboard.press('ArrowRight');
        await page.waitForFunction(() => location.hash === '#shape=3&view=135,60&axes');
        await page.evaluate(() => { location.hash = '#shape=5&view=30,40'; });
        await page.waitForFunction(() => JSON.parse(window.ruvexPage.page.snapshot()).shape === 5);
        const s = await state(page);
        assert.deepStrictEqual([s.pointerX, s.pointerY, s.axes], [30, 40, false]);
        await page.evaluate(() => { location.hash = '#shape=99'; });
        await page.waitForFunction(() => /tampilan tidak berubah\. shape harus/.test(document.getElementById('message').textContent));
        assert.strictEqual((await state(page)).shape, 5);
        assert.deepStrictEqual(session.errors, []);
    });
});

// The clipboard's PNG drawn again in the page, as 0xRRGGBB numbers. The
// browser writes the item asynchronously, and a read while it is being
// written may list the PNG and still fail to hand it over: the read is tried
// again until it yields a picture or five seconds have passed. The RGBA bytes
// cross as one base64 string.
async function clipboardPicture(page) {
    const data = await page.evaluate(async () => {
        const readPicture = async () => {
            const [item] = await navigator.clipboard.read();
            const bitmap = await createImageBitmap(await item.getType('image/png'));
            const canvas = Object.assign(document.createElement('canvas'), { width: bitmap.width, height: bitmap.height });
            canvas.getContext('2d').drawImage(bitmap, 0, 0);
            const bytes = canvas.getContext('2d').getImageData(0, 0, bitmap.width, bitmap.height).data;
            let binary = '';
            for (let n = 0; n < bytes.length; n += 0x8000) binary += String.fromCharCode.apply(null, bytes.subarray(n, n + 0x8000));
            return { width: bitmap.width, base64: btoa(binary) };
        };
        for (const deadline = Date.now() + 5000; Date.now() < deadline;) {
            try { return await readPicture(); } catch { await new Promise((resolve) => setTimeout(resolve, 50)); }
        }
        return null;
    });
    assert.ok(data, 'no PNG on the clipboard');
    return { width: data.width, pixels: rgbPixels(Buffer.from(data.base64, 'base64')) };
}

test('the copy items put the picture and the view\'s command on the clipboard; Ctrl+C copies a selected text', async (t) => {
    const session = await openPage({ clipboard: true, hash: '#shape=3&view=120,60&axes' });
    const { page } = session;
    t.after(() => session.close());

    await page.locator('#picDisplay').focus();
    await page.keyboard.press('Control+C');
    const copied = await clipboardPicture(page);
    assert.strictEqual(copied.width, await page.evaluate(() => window.ruvexPage.page.pictureWidth()));
    assert.deepStrictEqual(copied.pixels, await canvasPixels(page));

    await chooseMenuItem(page, 'Spasiologi', 'Salin Kode Tampilan');
    await page.waitForFunction(async () => (await navigator.clipboard.readText().catch(() => '')).startsWith('ruvex3d'));
    assert.strictEqual(await page.evaluate(() => navigator.clipboard.readText()), 'ruvex3d --shape 3 --view 120,60 --axes');
    assert.strictEqual(await page.locator('#message').isHidden(), true);
    // The same page: what was copied before is written over first.
    await t.test('Ctrl+C in the help, an information window and the section window copies the selected text', () => copiesSelected(page));
});

// A text in the page, its first `length` characters selected with the
// mouse's gesture (the focus where that leaves it), then Ctrl+C: what the
// clipboard holds.
async function copySelected(page, selector, length) {
    const selected = await page.locator(selector).first().evaluate((node, count) => {
        const walker = document.createTreeWalker(node, NodeFilter.SHOW_TEXT);
        const text = walker.nextNode();
        getSelection().setBaseAndExtent(text, 0, text, Math.min(count, text.length));
        return getSelection().toString();
    }, length);
    await page.evaluate(() => navigator.clipboard.writeText('kosong'));
    await page.keyboard.press('Control+C');
    await page.waitForFunction(async () => (await navigator.clipboard.readText()) !== 'kosong', null, { timeout: 2000 }).catch(() => {});
    return { selected, copied: await page.evaluate(() => navigator.clipboard.readText()) };
}

async function copiesSelected(page) {
    await page.locator('#picDisplay').focus();
    await page.keyboard.press('F1');
    const help = await copySelected(page, '.helptext p', 30);
    assert.strictEqual(help.copied, help.selected, 'the help');
    await page.keyboard.press('Escape');
    await chooseMenuItem(page, 'Informasi Display RUVEX', 'Fungsi');
    const info = await copySelected(page, 'dialog .label', 20);
    assert.strictEqual(info.copied, info.selected, 'an information window');
    await page.keyboard.press('Escape');
    await chooseMenuItem(page, 'Spasiologi', 'Irisan Bidang…');
    const section = await copySelected(page, '.sectionform p', 10);
    assert.strictEqual(section.copied, section.selected, 'the section window');
}

async function refusingClipboard(page) {
    await page.evaluate(() => { navigator.clipboard.writeText = () => Promise.reject(new DOMException('', 'NotAllowedError')); });
    await chooseMenuItem(page, 'Spasiologi', 'Salin Kode Tampilan');
    await page.locator('#message').waitFor();
    assert.strictEqual(await page.locator('#message').textContent(), 'Papan klip peramban tidak dapat menerima kode tampilan, jadi kode tampilan tidak tersalin.');
}

// One page for both: the refusing clipboard, which stays, last.
test('the switches and a clipboard that refuses, one after the other', async (t) => {
    const session = await openPage();
    const { page } = session;
    t.after(() => session.close());
    await t.test('the switches redraw with the aids and show their state', { skip: noNative }, () => switchesRedraw(page, session.errors));
    await t.test('a clipboard that refuses is told in the page', () => refusingClipboard(page));
});
