// Puts the page together as one file: the markup (ruvex3d.html) with the
// window's markup (markup.js), the style sheet, the core's script and its
// WebAssembly (packed, beside it), the page's script, the program's pictures
// (packed) and its icon written into it. site.js puts the same parts
// together as separate files.
//
//   node assemble.js <web folder> <core script> <pictures folder or ""> <picture names> <page out>
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { windowMarkup } = require('./markup');

const read = (file) => fs.readFileSync(file, 'utf8');

// Text inside <script> must not end the element early.
const scriptText = (text) => text.replace(/<\/(script)/gi, '<\\/$1');

const kIconName = 'ruvex3d.ico';
const kPictureTypes = { '.bmp': 'image/bmp', '.ico': 'image/x-icon', '.png': 'image/png' };

// The program's pictures by name, as bytes; a missing one stops the build.
function readPictures(picturesDir, pictureNames) {
    const names = pictureNames.split(',').filter(Boolean);
    const missing = names.filter((name) => !picturesDir || !fs.existsSync(path.join(picturesDir, name)));
    if (!names.length || missing.length) {
        throw new Error(`the program's pictures are missing from "${picturesDir}": ${missing.join(', ') || 'no names given'}`
            + ' (they are drawn by the desktop build: bash tools/quickstart.sh web)');
    }
    return Object.fromEntries(names.map((name) => [name, fs.readFileSync(path.join(picturesDir, name))]));
}

// Of the program's pictures, the ones the page shows: its icon and the
// information windows' pictures. The menus' pictures stay the desktop's (the
// page's menus are words), so the page does not carry them.
async function pagePictures(coreScript, picturesDir, pictureNames) {
    const core = await require(path.resolve(coreScript))();
    const infoPictures = JSON.parse(core.windowDescriptionJson()).infoWindows.map((info) => info.picture);
    const shown = [...infoPictures.filter(Boolean), kIconName];
    const unlisted = shown.filter((name) => !pictureNames.split(',').includes(name));
    if (unlisted.length) throw new Error(`the page shows pictures the build does not list: ${unlisted.join(', ')}`);
    return readPictures(picturesDir, shown.join(','));
}

// The page's script, in one function scope so nothing leaks into the page's globals.
const pageScript = (webDir) => `'use strict';\n(function () {\n${['ruvex3d.js', 'controls.js', 'menus.js', 'files.js', 'section.js']
    .map((name) => read(path.join(webDir, name))).join('\n')}})();\n`;

// The page's markup with the window's markup and `parts` put in: the style
// sheet, the core's script and the page's script as whole elements, the
// icon's address and the pictures' addresses (a JSON object by name).
async function pageMarkup(webDir, coreScript, parts) {
    const markup = await windowMarkup(coreScript);
    const all = { TITLE: markup.title, WINDOW: markup.window, ...parts };
    // One pass, so nothing inserted is read as a placeholder again.
    return read(path.join(webDir, 'ruvex3d.html')).replace(/@(TITLE|WINDOW|STYLE|ICON|PICTURES|CORE|SCRIPT)@/g, (key, name) => all[name]);
}

// The core's script holds its WebAssembly as base64 text, which the browser
// would parse as script and then decode: the one file carries it apart,
// packed (gzip) in an element no script runs, and the page's script unpacks
// and compiles it as it reads it (ruvex3d.js); the core's script keeps an
// empty address in its place.
const kWasmInScript = /(wasmBinaryFile="data:application\/octet-stream;base64,)([A-Za-z0-9+/=]+)"/g;
function coreApart(script) {
    const found = [...script.matchAll(kWasmInScript)];
    if (found.length !== 1) throw new Error(`the core's script holds ${found.length} WebAssembly modules, not one`);
    const packed = zlib.gzipSync(Buffer.from(found[0][2], 'base64'), { level: 9 }).toString('base64');
    return {
        wasm: `<script type="application/octet-stream" id="core-wasm">${packed}</script>`,
        script: `<script>${scriptText(script.replace(kWasmInScript, '$1"'))}</script>`,
    };
}

// A picture the one file carries, packed (gzip) as base64 with its type: the
// page unpacks it only when a window shows it (menus.js), so its bitmap's
// bytes are not read as text before the first picture.
const packedPicture = (type, bytes) => ({ type, packed: zlib.gzipSync(bytes, { level: 9 }).toString('base64') });

async function assemble([webDir, coreScript, picturesDir, pictureNames, out]) {
    const pictures = await pagePictures(coreScript, picturesDir, pictureNames);
    const type = (name) => kPictureTypes[path.extname(name)];
    const packed = Object.fromEntries(Object.keys(pictures).map((name) => [name, packedPicture(type(name), pictures[name])]));
    const core = coreApart(read(coreScript));
    const page = await pageMarkup(webDir, coreScript, {
        STYLE: `<style>${read(path.join(webDir, 'ruvex3d.css'))}</style>`,
        ICON: `data:${type(kIconName)};base64,${pictures[kIconName].toString('base64')}`,
        PICTURES: scriptText(JSON.stringify(packed)),
        CORE: `${core.wasm}\n${core.script}`,
        SCRIPT: `<script>${scriptText(pageScript(webDir))}</script>`,
    });
    fs.writeFileSync(out, page);
    console.log(`${out}: ${page.length} characters, ${Object.keys(pictures).length} pictures`);
}

module.exports = { pagePictures, kIconName, pageScript, pageMarkup, scriptText };

if (require.main === module) {
    assemble(process.argv.slice(2)).catch((error) => {
        console.error(`assemble.js: ${error.message}`);
        process.exit(1);
    });
}
