// Puts the page together as one file: the markup (ruvex3d.html) with the
// window's markup (markup.js), the style sheet, the core's script (its
// WebAssembly inside), the page's script, the program's pictures as data:
// addresses and its icon written into it.
//
//   node assemble.js <web folder> <core script> <pictures folder or ""> <picture names> <page out>
'use strict';
const fs = require('fs');
const path = require('path');
const { windowMarkup } = require('./markup');

const [webDir, coreScript, picturesDir, pictureNames, out] = process.argv.slice(2);
const read = (file) => fs.readFileSync(file, 'utf8');

// Text inside <script> must not end the element early.
const scriptText = (text) => text.replace(/<\/(script)/gi, '<\\/$1');

function pictures() {
    const found = {};
    const names = pictureNames.split(',').filter(Boolean);
    const missing = names.filter((name) => !picturesDir || !fs.existsSync(path.join(picturesDir, name)));
    if (!names.length || missing.length) {
        throw new Error(`the program's pictures are missing from "${picturesDir}": ${missing.join(', ') || 'no names given'}`
            + ' (they are drawn by the desktop build: bash tools/quickstart.sh web)');
    }
    for (const name of names) {
        const type = { '.bmp': 'image/bmp', '.ico': 'image/x-icon', '.png': 'image/png' }[path.extname(name)];
        found[name] = `data:${type};base64,${fs.readFileSync(path.join(picturesDir, name)).toString('base64')}`;
    }
    return found;
}

async function assemble() {
    const images = pictures();
    const markup = await windowMarkup(coreScript);
    const parts = {
        '@TITLE@': markup.title,
        '@WINDOW@': markup.window,
        '@STYLE@': read(path.join(webDir, 'ruvex3d.css')),
        '@ICON@': images['ruvex3d.ico'],
        '@PICTURES@': scriptText(JSON.stringify(images)),
        '@CORE@': scriptText(read(coreScript)),
        // The page's script, in one function scope so nothing leaks into the page's globals.
        '@SCRIPT@': scriptText(`'use strict';\n(function () {\n${['ruvex3d.js', 'controls.js', 'menus.js', 'files.js', 'section.js']
            .map((name) => read(path.join(webDir, name))).join('\n')}})();\n`),
    };
    // One pass, so nothing inserted is read as a placeholder again.
    const page = read(path.join(webDir, 'ruvex3d.html')).replace(/@(TITLE|WINDOW|STYLE|ICON|PICTURES|CORE|SCRIPT)@/g, (key) => parts[key]);
    fs.writeFileSync(out, page);
    console.log(`${out}: ${page.length} characters, ${Object.keys(images).length} pictures`);
}

assemble().catch((error) => {
    console.error(`assemble.js: ${error.message}`);
    process.exit(1);
});
