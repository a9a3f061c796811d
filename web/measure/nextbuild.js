// A copy of a built site as the next build would make it when one input
// changed: the chosen file's content changes, so does its name where the
// name carries the content's hash, and so does every file that names it (the
// page, the service worker, a script naming the WebAssembly...), down to the
// service worker's cache name; the compressed copies beside the changed files
// are made again. What a visit after it fetches is then what a student's
// browser fetches after the school installs a new build.
'use strict';
const crypto = require('node:crypto');
const fs = require('node:fs');
const path = require('node:path');
const zlib = require('node:zlib');
const { kHashedName } = require('./serve');

// Files whose text may name other files.
const kTextFiles = /\.(html|js|mjs|css|webmanifest|json)$/;
const kMarks = { '.js': '\n// next build\n', '.mjs': '\n// next build\n', '.css': '\n/* next build */\n', '.html': '\n<!-- next build -->\n' };
// The service worker names its cache by the build.
const kCacheName = /(ruvex3d-)([0-9a-f]{8,})/;

const isCompressedCopy = (name) => /\.(br|gz)$/.test(name);
const hashOf = (bytes, length) => crypto.createHash('sha256').update(bytes).digest('hex').slice(0, length);

// The file a small change goes to: the one named `wanted`, or the smallest
// script with a hashed name (the page's own script), or else index.html.
function fileToChange(names, site, wanted) {
    if (wanted) {
        if (!names.includes(wanted)) throw new Error(`${wanted} is not in the site`);
        return wanted;
    }
    const scripts = names.filter((name) => /\.m?js$/.test(name) && kHashedName.test(name));
    const size = (name) => fs.statSync(path.join(site, name)).size;
    return scripts.sort((a, b) => size(a) - size(b))[0] || 'index.html';
}

// The name `name` gets for `bytes`: its hash replaced, or the same name.
function nameFor(name, bytes) {
    const match = name.match(kHashedName);
    if (!match) return name;
    const hash = match[0].slice(1, match[0].lastIndexOf('.'));
    return name.slice(0, match.index + 1) + hashOf(bytes, hash.length) + name.slice(match.index + 1 + hash.length);
}

// Writes `bytes` as `name` in `dir` in place of `old`, with fresh
// compressed copies where the old name had them.
function replaceFile(dir, old, name, bytes) {
    const had = ['.br', '.gz'].filter((suffix) => fs.existsSync(path.join(dir, old + suffix)));
    for (const suffix of ['', '.br', '.gz']) fs.rmSync(path.join(dir, old + suffix), { force: true });
    fs.writeFileSync(path.join(dir, name), bytes);
    if (had.includes('.br')) fs.writeFileSync(path.join(dir, name + '.br'), zlib.brotliCompressSync(bytes));
    if (had.includes('.gz')) fs.writeFileSync(path.join(dir, name + '.gz'), zlib.gzipSync(bytes, { level: 9 }));
}

// Every text file in `dir` that names `old` names `name` instead; returns
// the files changed with their new content.
function renameReferences(dir, names, old, name) {
    const changed = [];
    for (const file of names.filter((other) => kTextFiles.test(other) && other !== name)) {
        const text = fs.readFileSync(path.join(dir, file), 'utf8');
        if (old !== name && text.includes(old)) changed.push({ file, bytes: Buffer.from(text.split(old).join(name)) });
    }
    return changed;
}

// The new cache name in the service worker, its hash from the build's files.
function newWorker(dir, names) {
    const worker = fs.readFileSync(path.join(dir, 'sw.js'), 'utf8');
    const version = crypto.createHash('sha256');
    for (const name of names.filter((other) => other !== 'sw.js').sort()) version.update(name).update(fs.readFileSync(path.join(dir, name)));
    return Buffer.from(worker.replace(kCacheName, (all, prefix, hash) => prefix + version.digest('hex').slice(0, hash.length)));
}

// Copies `site` to `dir` as the next build; returns [old name, new name] of each changed file.
function nextBuild(site, dir, wanted) {
    fs.cpSync(site, dir, { recursive: true });
    const listed = () => fs.readdirSync(dir).filter((name) => !isCompressedCopy(name));
    const first = fileToChange(listed(), dir, wanted);
    const mark = kMarks[path.extname(first)];
    if (!mark) throw new Error(`cannot change ${first}: not a page, script or style sheet`);
    const pending = [{ file: first, bytes: Buffer.concat([fs.readFileSync(path.join(dir, first)), Buffer.from(mark)]) }];
    const renamed = [];
    while (pending.length) {
        const { file, bytes } = pending.shift();
        const name = nameFor(file, bytes);
        replaceFile(dir, file, name, bytes);
        renamed.push([file, name]);
        pending.push(...renameReferences(dir, listed(), file, name).filter((next) => !pending.some((queued) => queued.file === next.file)));
    }
    if (fs.existsSync(path.join(dir, 'sw.js'))) {
        const worker = newWorker(dir, listed());
        replaceFile(dir, 'sw.js', 'sw.js', worker);
        if (!renamed.some(([old]) => old === 'sw.js')) renamed.push(['sw.js', 'sw.js']);
    }
    return [...new Map(renamed).entries()];
}

module.exports = { nextBuild };
