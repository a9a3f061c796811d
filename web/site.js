// Makes the installable site from the page's parts (assemble.js) as separate
// files: index.html, the web-app manifest and the service worker under fixed
// names; the style sheet, the page's script, the core's script, its
// WebAssembly, the program's pictures and its icon at 192 and 512 pixels
// under names that carry their content's hash, so a browser may keep them
// for good and a new build renames only what changed. Beside each file that
// packs well, its brotli (.br) and gzip (.gz) form for the web server to
// send. The name and colours come from the core's description of the window.
//
// The core runs under node (for the window's description) from its one-file
// script; the site's core script has its WebAssembly beside it.
//
//   node site.js <web folder> <core script> <site's core script> <pictures folder> <picture names> <icons folder> <site folder>
'use strict';
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { pagePictures, kIconName, pageScript, pageMarkup, scriptText } = require('./assemble');

const kIcons = [192, 512];
// Digits of the content's SHA-256 in a hashed name: enough that two builds'
// files never share one.
const kHashDigits = 10;
// A packed form is written where it saves at least this share of the file.
const kPackedAtMost = 0.9;
// Only the site's own files, and the core compiled from them.
const kPolicy = "default-src 'none'; script-src 'self' 'unsafe-eval'; style-src 'self' 'unsafe-inline'; img-src 'self' blob:; "
    + "connect-src 'self'; manifest-src 'self'; worker-src 'self'";

const sha256 = (content) => crypto.createHash('sha256').update(content).digest('hex');
// "menu1.bmp" with its content's hash: "menu1-0123456789.bmp".
function hashedName(name, content) {
    const extension = path.extname(name);
    return `${path.basename(name, extension)}-${sha256(content).slice(0, kHashDigits)}${extension}`;
}

// What the manifest and the page's head need from the window's description.
async function windowFacts(coreScript) {
    const core = await require(path.resolve(coreScript))();
    const description = JSON.parse(core.windowDescriptionJson());
    const texts = JSON.parse(core.pageTexts());
    return { name: description.window.caption, shortName: texts.shortName, colour: description.window.backColor };
}

function manifest(facts, icons) {
    return JSON.stringify({
        id: './',
        name: facts.name,
        short_name: facts.shortName,
        lang: 'id',
        start_url: './',
        scope: './',
        display: 'standalone',
        background_color: facts.colour,
        theme_color: facts.colour,
        icons: kIcons.map((size) => ({ src: icons[size], sizes: `${size}x${size}`, type: 'image/png', purpose: 'any' })),
    }, null, 2) + '\n';
}

// The core's script naming its WebAssembly by the hashed name; it must name
// it exactly once, or the page would ask for a file the site has not.
function coreNamingWasm(script, builtName, wasmName) {
    const named = `wasmBinaryFile="${builtName}"`;
    if (script.split(named).length !== 2) throw new Error(`the core's script does not name ${builtName} once`);
    return script.replace(named, `wasmBinaryFile="${wasmName}"`);
}

// The files under hashed names, each part's hashed name and the pictures'
// names.
async function hashedFiles(args) {
    const files = {}, names = {};
    const add = (part, name, content) => {
        names[part] = hashedName(name, content);
        files[names[part]] = content;
    };
    const pictures = await pagePictures(args.coreScript, args.picturesDir, args.pictureNames);
    for (const [name, content] of Object.entries(pictures)) add(name, name, content);
    for (const size of kIcons) add(size, `icon-${size}.png`, fs.readFileSync(path.join(args.iconsDir, String(size), 'ruvex3d.png')));
    add('style', 'ruvex3d.css', fs.readFileSync(path.join(args.webDir, 'ruvex3d.css')));
    const builtWasm = path.basename(args.siteCoreScript, '.js') + '.wasm';
    add('wasm', 'core.wasm', fs.readFileSync(path.join(path.dirname(args.siteCoreScript), builtWasm)));
    add('core', 'core.js', coreNamingWasm(fs.readFileSync(args.siteCoreScript, 'utf8'), builtWasm, names.wasm));
    add('script', 'ruvex3d.js', pageScript(args.webDir) + fs.readFileSync(path.join(args.webDir, 'keep.js'), 'utf8'));
    return { files, names, pictureNames: Object.keys(pictures) };
}

// The page's markup naming the site's files, with its manifest, its colour,
// the WebAssembly asked for at once (the scripts that ask for it come last)
// and its content policy.
async function indexPage(args, names, facts, pictureNames) {
    const pictures = Object.fromEntries(pictureNames.map((name) => [name, names[name]]));
    const page = await pageMarkup(args.webDir, args.coreScript, {
        STYLE: `<link rel="stylesheet" href="${names.style}">`,
        ICON: names[kIconName],
        PICTURES: scriptText(JSON.stringify(pictures)),
        CORE: `<script src="${names.core}"></script>`,
        SCRIPT: `<script src="${names.script}"></script>`,
    });
    const head = `<link rel="manifest" href="manifest.webmanifest">\n<meta name="theme-color" content="${facts.colour}">\n`
        + `<link rel="preload" href="${names.wasm}" as="fetch" type="application/wasm" crossorigin>\n`;
    const policy = /(<meta http-equiv="Content-Security-Policy" content=")[^"]*(")/;
    if (!policy.test(page) || !page.includes('</head>')) throw new Error('the page has no content policy or head');
    return page.replace(policy, (all, open, close) => open + kPolicy + close).replace('</head>', head + '</head>');
}

// The service worker with the build's hash and the files it keeps written in
// at every placeholder; one left over would make two builds share a cache.
function serviceWorker(script, version, fixed, hashed) {
    const list = (names) => JSON.stringify(names).replace(/'/g, "\\'");
    const values = { '@VERSION@': version, '@FIXED@': list(fixed), '@HASHED@': list(hashed) };
    const written = script.replace(/@(VERSION|FIXED|HASHED)@/g, (key) => values[key]);
    if (!script.includes("'ruvex3d-@VERSION@'") || /@(VERSION|FIXED|HASHED)@/.test(written)) {
        throw new Error('sw.js does not name its cache by the build');
    }
    return written;
}

// The build's hash: of every file's name and content.
function buildVersion(files) {
    const version = crypto.createHash('sha256');
    for (const name of Object.keys(files).sort()) version.update(name).update(files[name]);
    return version.digest('hex').slice(0, 16);
}

// A file's brotli and gzip forms, those that pay.
function packed(name, content) {
    const size = Buffer.byteLength(content);
    const { BROTLI_PARAM_QUALITY: quality, BROTLI_PARAM_SIZE_HINT: sizeHint } = zlib.constants;
    const brotli = zlib.brotliCompressSync(content, { params: { [quality]: 11, [sizeHint]: size } });
    const forms = { [name + '.br']: brotli, [name + '.gz']: zlib.gzipSync(content, { level: 9 }) };
    return Object.fromEntries(Object.entries(forms).filter(([, form]) => form.length <= size * kPackedAtMost));
}

// The site's folder holds this build's files only.
function writeSite(siteDir, files) {
    fs.mkdirSync(siteDir, { recursive: true });
    for (const [name, content] of Object.entries(files)) fs.writeFileSync(path.join(siteDir, name), content);
    for (const entry of fs.readdirSync(siteDir, { withFileTypes: true })) {
        if (entry.isFile() && !(entry.name in files)) fs.rmSync(path.join(siteDir, entry.name));
    }
}

async function makeSite(args) {
    const facts = await windowFacts(args.coreScript);
    const { files: hashed, names, pictureNames } = await hashedFiles(args);
    const fixed = {
        'index.html': await indexPage(args, names, facts, pictureNames),
        'manifest.webmanifest': manifest(facts, names),
    };
    const kept = { ...fixed, ...hashed };
    const worker = serviceWorker(fs.readFileSync(path.join(args.webDir, 'sw.js'), 'utf8'), buildVersion(kept),
                                 Object.keys(fixed), Object.keys(hashed));
    const site = { ...kept, 'sw.js': worker };
    for (const [name, content] of Object.entries({ ...site })) Object.assign(site, packed(name, content));
    writeSite(args.siteDir, site);
    console.log(`${args.siteDir}: ${Object.keys(kept).length + 1} files and their packed forms`);
}

const [webDir, coreScript, siteCoreScript, picturesDir, pictureNames, iconsDir, siteDir] = process.argv.slice(2);
makeSite({ webDir, coreScript, siteCoreScript, picturesDir, pictureNames, iconsDir, siteDir }).catch((error) => {
    console.error(`site.js: ${error.message}`);
    process.exit(1);
});
