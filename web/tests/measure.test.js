// The site's measuring tools (web/measure), without a browser: the server
// sends what a school's compressing server would, and the simulated next
// build is a consistent one. A wrong answer here would make every measured
// byte count wrong.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const crypto = require('node:crypto');
const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');
const zlib = require('node:zlib');
const { serve } = require('../measure/serve');
const { nextBuild } = require('../measure/nextbuild');

const kScript = 'app.0123456789.js';

// A small site: a page naming a hashed script (with its .br beside it) and
// a service worker naming both, by the build's cache name.
function smallSite(t) {
    const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'ruvex-measure-'));
    t.after(() => fs.rmSync(dir, { recursive: true, force: true }));
    const site = path.join(dir, 'site');
    fs.mkdirSync(site);
    const script = 'console.log("gambar");\n'.repeat(50);
    fs.writeFileSync(path.join(site, kScript), script);
    fs.writeFileSync(path.join(site, kScript + '.br'), zlib.brotliCompressSync(script));
    fs.writeFileSync(path.join(site, 'index.html'), `<!DOCTYPE html><script src="${kScript}"></script>\n`.repeat(20));
    fs.writeFileSync(path.join(site, 'sw.js'), `const kCache = 'ruvex3d-00000000aaaaaaaa'; const kFiles = ['./', '${kScript}'];\n`);
    fs.writeFileSync(path.join(dir, 'secret.txt'), 'not the site');
    return site;
}

function get(server, urlPath, headers = {}) {
    return new Promise((resolve, reject) => {
        http.get(server.origin + urlPath, { headers }, (response) => {
            const chunks = [];
            response.on('data', (chunk) => chunks.push(chunk));
            response.on('end', () => resolve({ status: response.statusCode, headers: response.headers, body: Buffer.concat(chunks) }));
        }).on('error', reject);
    });
}

test('the server sends the compressed file beside, or compresses as it sends, and keeps hashed names for good', async (t) => {
    const site = smallSite(t);
    const script = fs.readFileSync(path.join(site, kScript));
    const beside = await serve(site);
    t.after(() => beside.close());
    const br = await get(beside, '/' + kScript, { 'Accept-Encoding': 'gzip, deflate, br' });
    assert.deepStrictEqual([br.headers['content-encoding'], br.headers.vary, br.headers['content-type']],
                           ['br', 'Accept-Encoding', 'text/javascript; charset=utf-8']);
    assert.deepStrictEqual(zlib.brotliDecompressSync(br.body), script);
    assert.match(br.headers['cache-control'], /immutable/);
    const plain = await get(beside, '/' + kScript, { 'Accept-Encoding': 'gzip, br;q=0' });
    assert.deepStrictEqual([plain.headers['content-encoding'], plain.body], [undefined, script], 'no .gz beside, br refused');
    assert.strictEqual((await get(beside, '/..%2fsecret.txt')).status, 404, 'nothing outside the folder');

    const compressing = await serve(site, { compress: true });
    t.after(() => compressing.close());
    const index = await get(compressing, '/', { 'Accept-Encoding': 'gzip' });
    assert.deepStrictEqual([index.headers['content-encoding'], index.headers['cache-control']], ['gzip', 'no-cache']);
    assert.deepStrictEqual(zlib.gunzipSync(index.body), fs.readFileSync(path.join(site, 'index.html')));
    const again = await get(compressing, '/', { 'Accept-Encoding': 'gzip', 'If-None-Match': index.headers.etag });
    assert.deepStrictEqual([again.status, again.body.length], [304, 0]);
    assert.deepStrictEqual(compressing.log.map((answer) => [answer.path, answer.status, answer.bytes]),
                           [['/', 200, index.body.length], ['/', 304, 0]], 'the log holds what was sent');
});

test('the next build renames the changed script by its new hash everywhere and renews the worker\'s cache name', (t) => {
    const site = smallSite(t);
    const next = path.join(path.dirname(site), 'next');
    const changed = nextBuild(site, next);
    const [[old, renamed]] = changed;
    const script = fs.readFileSync(path.join(next, renamed));
    assert.strictEqual(old, kScript);
    assert.strictEqual(renamed, `app.${crypto.createHash('sha256').update(script).digest('hex').slice(0, 10)}.js`);
    assert.deepStrictEqual(zlib.brotliDecompressSync(fs.readFileSync(path.join(next, renamed + '.br'))), script);
    assert.ok(!fs.existsSync(path.join(next, kScript)) && !fs.existsSync(path.join(next, kScript + '.br')), 'the old name is gone');
    for (const referrer of ['index.html', 'sw.js']) {
        const text = fs.readFileSync(path.join(next, referrer), 'utf8');
        assert.ok(text.includes(renamed) && !text.includes(kScript), referrer);
    }
    assert.doesNotMatch(fs.readFileSync(path.join(next, 'sw.js'), 'utf8'), /ruvex3d-00000000aaaaaaaa/);
    assert.deepStrictEqual(changed.map(([name]) => name).sort(), [kScript, 'index.html', 'sw.js'].sort());
});
