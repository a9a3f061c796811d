// The page's own build tools: the one-file page is never made without the
// program's pictures, and carries the core's WebAssembly packed.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const zlib = require('node:zlib');

const webDir = path.join(__dirname, '..');
const names = ['aboutback.bmp', 'contactback.bmp', 'ruvex3d.ico'];

function assemble(picturesDir, t, listed = names) {
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'ruvex-assemble-'));
    t.after(() => fs.rmSync(dir, { recursive: true, force: true }));
    const out = path.join(dir, 'page.html');
    const run = spawnSync(process.execPath, [path.join(webDir, 'assemble.js'), webDir, process.env.RUVEX_CORE_SCRIPT,
                                             picturesDir, listed.join(','), out], { encoding: 'utf8' });
    return { ...run, page: fs.existsSync(out) ? fs.readFileSync(out, 'utf8') : null };
}

test('a missing picture stops the page\'s build and is named', { skip: !process.env.RUVEX_CORE_SCRIPT && 'no core built' }, (t) => {
    const partial = fs.mkdtempSync(path.join(os.tmpdir(), 'ruvex-pictures-'));
    t.after(() => fs.rmSync(partial, { recursive: true, force: true }));
    fs.writeFileSync(path.join(partial, 'aboutback.bmp'), 'BM');
    for (const folder of [partial, path.join(partial, 'none')]) {
        const run = assemble(folder, t);
        assert.strictEqual(run.status, 1, run.stderr);
        assert.match(run.stderr, /contactback\.bmp, ruvex3d\.ico/);
        assert.strictEqual(run.page, null, 'no page written');
    }
});

// The menus' pictures are the desktop's: the page's menus are words.
test('every picture the page shows goes into it, and no other', { skip: !process.env.RUVEX_PICTURES_DIR && 'no pictures drawn' }, (t) => {
    const run = assemble(process.env.RUVEX_PICTURES_DIR, t, ['menu1.bmp', ...names, 'menu1mask.bmp']);
    assert.strictEqual(run.status, 0, run.stderr);
    const pictures = JSON.parse(/<script type="application\/json" id="pictures">(.*?)<\/script>/s.exec(run.page)[1]);
    assert.deepStrictEqual(Object.keys(pictures), names);
    // Packed, so the page does not read them as text before its first picture.
    for (const name of names) {
        const bytes = zlib.gunzipSync(Buffer.from(pictures[name].packed, 'base64'));
        assert.ok(bytes.equals(fs.readFileSync(path.join(process.env.RUVEX_PICTURES_DIR, name))), name);
    }
});

// The ids of a WebAssembly module's sections, in order.
function sectionIds(wasm) {
    const ids = [];
    for (let at = 8; at < wasm.length;) {
        ids.push(wasm[at++]);
        let size = 0;
        for (let shift = 0, byte = 0x80; byte & 0x80; shift += 7) {
            byte = wasm[at++];
            size += (byte & 0x7f) * 2 ** shift;
        }
        at += size;
    }
    return ids;
}

// The core's script would otherwise hold its WebAssembly as 700 kB of base64
// text to parse before the first picture.
test('the one file carries the core\'s WebAssembly packed, apart from the core\'s script', { skip: !process.env.RUVEX_PICTURES_DIR && 'no pictures drawn' }, (t) => {
    const run = assemble(process.env.RUVEX_PICTURES_DIR, t);
    assert.strictEqual(run.status, 0, run.stderr);
    const packed = /<script type="application\/octet-stream" id="core-wasm">(.*?)<\/script>/s.exec(run.page)[1];
    const wasm = zlib.gunzipSync(Buffer.from(packed, 'base64'));
    assert.strictEqual(wasm.subarray(0, 4).toString('latin1'), '\0asm');
    // Exceptions unwind inside the WebAssembly (its tag section declares
    // them), not through a JavaScript call for each call that could throw.
    assert.ok(sectionIds(wasm).includes(13), 'a tag section');
    assert.doesNotMatch(run.page, /base64,AGFzbQ/, 'no WebAssembly left in a script');
});
