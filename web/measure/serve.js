// A small static server for measuring the site as a school's web server
// would send it: the right types, the compressed file beside each file when
// the browser accepts it (name.br, name.gz), or, with `compress`, the file
// compressed as it is sent, as a server with compression switched on would
// do; names that carry their content's hash are kept by the browser for good,
// every other name is asked again each time (no-cache, answered with 304
// when unchanged). It listens on localhost only and notes every answer, so a
// measurement can tell what a visit fetched.
//
//   node web/measure/serve.js <folder> [--port N] [--compress]
'use strict';
const crypto = require('node:crypto');
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const zlib = require('node:zlib');

const kTypes = {
    '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.mjs': 'text/javascript; charset=utf-8',
    '.css': 'text/css; charset=utf-8', '.json': 'application/json', '.webmanifest': 'application/manifest+json',
    '.wasm': 'application/wasm', '.svg': 'image/svg+xml', '.png': 'image/png', '.ico': 'image/x-icon', '.bmp': 'image/bmp',
    '.txt': 'text/plain; charset=utf-8', '.map': 'application/json',
};
// What is worth compressing as it is sent: text, the WebAssembly and
// uncompressed pictures (a PNG is compressed already).
const kCompressible = new Set(['.html', '.js', '.mjs', '.css', '.json', '.webmanifest', '.wasm', '.svg', '.ico', '.bmp', '.txt', '.map']);
// Brotli first: it makes the smaller file.
const kEncodings = [{ name: 'br', suffix: '.br' }, { name: 'gzip', suffix: '.gz' }];
// A name such as core.0123456789.wasm or core-0123456789abcdef.js.
const kHashedName = /[.-][0-9a-f]{8,}\.[a-z0-9]+$/i;
const kForGood = 'public, max-age=31536000, immutable';

// The encodings the request accepts (none refused with q=0).
function acceptedEncodings(header = '') {
    const accepted = new Set();
    for (const part of header.split(',')) {
        const [name, ...parameters] = part.trim().toLowerCase().split(';');
        const refused = parameters.some((parameter) => /^\s*q=0(\.0*)?\s*$/.test(parameter));
        if (name && !refused) accepted.add(name);
    }
    return accepted;
}

// The file a request's path names inside `root`, or null outside it.
function fileFor(root, urlPath) {
    let name;
    try {
        name = decodeURIComponent(urlPath);
    } catch {
        return null;
    }
    const file = path.join(root, path.normalize('/' + name));
    if (file !== root && !file.startsWith(root + path.sep)) return null;
    const isFolder = fs.statSync(file, { throwIfNoEntry: false })?.isDirectory();
    return isFolder ? path.join(file, 'index.html') : file;
}

// Compressed once per file content and kept, so every answer costs what a
// server's cache of compressed answers would; the quality is an ordinary
// on-the-fly setting, not the build's best.
function compressor() {
    const kept = new Map();
    const make = {
        br: (bytes) => zlib.brotliCompressSync(bytes, { params: { [zlib.constants.BROTLI_PARAM_QUALITY]: 5 } }),
        gzip: (bytes) => zlib.gzipSync(bytes, { level: 6 }),
    };
    return (file, stat, encoding) => {
        const key = `${file}\n${stat.mtimeMs}\n${stat.size}\n${encoding}`;
        if (!kept.has(key)) kept.set(key, make[encoding](fs.readFileSync(file)));
        return kept.get(key);
    };
}

// What to send for `file`: its bytes, encoding and tag, given what the request accepts.
function chooseBody(file, stat, accepted, compressOnTheFly) {
    const extension = path.extname(file).toLowerCase();
    const compressible = kCompressible.has(extension);
    for (const { name, suffix } of kEncodings) {
        if (!accepted.has(name)) continue;
        if (fs.existsSync(file + suffix)) return { bytes: fs.readFileSync(file + suffix), encoding: name, varies: true };
        if (compressOnTheFly && compressible) return { bytes: compressOnTheFly(file, stat, name), encoding: name, varies: true };
    }
    const varies = compressible && (Boolean(compressOnTheFly) || kEncodings.some(({ suffix }) => fs.existsSync(file + suffix)));
    return { bytes: fs.readFileSync(file), encoding: null, varies };
}

function headersFor(file, body) {
    const headers = {
        'Content-Type': kTypes[path.extname(file).toLowerCase()] || 'application/octet-stream',
        'Content-Length': body.bytes.length,
        'Cache-Control': kHashedName.test(path.basename(file)) ? kForGood : 'no-cache',
        'ETag': `"${crypto.createHash('sha256').update(body.bytes).digest('hex').slice(0, 20)}"`,
    };
    if (body.encoding) headers['Content-Encoding'] = body.encoding;
    if (body.varies) headers['Vary'] = 'Accept-Encoding';
    return headers;
}

// Answers one request and returns what was sent, for the server's log.
function answer(root, options, request, response) {
    const urlPath = new URL(request.url, 'http://localhost').pathname;
    const file = ['GET', 'HEAD'].includes(request.method) ? fileFor(root, urlPath) : null;
    const stat = file && fs.statSync(file, { throwIfNoEntry: false });
    if (!stat?.isFile()) {
        response.writeHead(file ? 404 : 403).end();
        return { path: urlPath, status: response.statusCode, bytes: 0 };
    }
    const body = chooseBody(file, stat, acceptedEncodings(request.headers['accept-encoding']), options.compressOnTheFly);
    const headers = headersFor(file, body);
    const unchanged = request.headers['if-none-match'] === headers.ETag;
    response.writeHead(unchanged ? 304 : 200, unchanged ? { 'ETag': headers.ETag, 'Cache-Control': headers['Cache-Control'] } : headers);
    const sent = unchanged || request.method === 'HEAD' ? 0 : body.bytes.length;
    response.end(sent ? body.bytes : undefined);
    return { path: urlPath, status: response.statusCode, bytes: sent, encoding: sent ? body.encoding : null };
}

// Serves `folder` on localhost (`port` 0: a free one). Resolves to the
// server, with `origin` and `log` (every answer: path, status, bytes sent);
// its `root` may be changed to another folder, as a new build put in place.
function serve(folder, { port = 0, compress = false } = {}) {
    const options = { compressOnTheFly: compress ? compressor() : null };
    const log = [];
    const server = http.createServer((request, response) => log.push({ at: Date.now(), ...answer(server.root, options, request, response) }));
    server.root = path.resolve(folder);
    return new Promise((resolve, reject) => {
        server.once('error', reject);
        server.listen(port, '127.0.0.1', () => {
            server.origin = `http://127.0.0.1:${server.address().port}`;
            server.log = log;
            resolve(server);
        });
    });
}

module.exports = { serve, kHashedName };

if (require.main === module) {
    const args = process.argv.slice(2);
    const portAt = args.indexOf('--port');
    const folder = args.find((arg, at) => !arg.startsWith('--') && at !== portAt + 1);
    if (!folder) {
        console.error('usage: node serve.js <folder> [--port N] [--compress]');
        process.exit(2);
    }
    serve(folder, { port: portAt >= 0 ? Number(args[portAt + 1]) : 0, compress: args.includes('--compress') })
        .then((server) => console.log(`${folder} at ${server.origin}/`), (error) => {
            console.error(`serve.js: ${error.message}`);
            process.exit(1);
        });
}
