// The window's markup as the page's build writes it (markup.js): texts only
// ever as text, the help's elements as a browser reads them back, ids that
// name one element each, in the window and in every window that opens
// later; and the window shown from the first paint, taking no input before
// the session runs.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { windowMarkup, richText, menuItem } = require('../markup');
const { openPage } = require('./pagetest');

test('texts are written as text, never as markup, in content and attributes', () => {
    const hostile = '</p><script>alert("x")</script> & \'';
    assert.strictEqual(richText({ tag: 'p', children: [hostile, { tag: 'b', children: ['<i>'] }] }, 'div'),
                       '<p>&lt;/p&gt;&lt;script&gt;alert(&quot;x&quot;)&lt;/script&gt; &amp; &#39;<b>&lt;i&gt;</b></p>');
    const item = menuItem({ kind: 'item', name: 'x"><img src=y>', caption: '&Simpan <b>', shortcut: 'Ctrl+"' });
    assert.doesNotMatch(item, /<img|<b>|id="x"/);
    assert.match(item, /id="x&quot;&gt;&lt;img src=y&gt;"/);
});

test('the help reads back as its own tree: unknown elements and lists in paragraphs are refused', () => {
    assert.throws(() => richText({ tag: 'script', children: [] }, 'div'), /script/);
    assert.throws(() => richText({ tag: 'p', children: [{ tag: 'ul', children: [] }] }, 'div'), /ul in a p/);
    const table = { tag: 'table', children: [{ tag: 'tr', children: [{ tag: 'td', children: ['1'] }] }] };
    assert.strictEqual(richText(table, 'div'), '<table><tbody><tr><td>1</td></tr></tbody></table>');
});

test('each id names one element, in the window and in each window opened beside it', { skip: !process.env.RUVEX_CORE_SCRIPT && 'no core built' }, async () => {
    const { window: markup } = await windowMarkup(process.env.RUVEX_CORE_SCRIPT);
    const ids = (part) => [...part.matchAll(/ id="([^"]*)"/g)].map((match) => match[1]);
    const [main, ...templates] = markup.split('<template ');
    assert.ok(ids(main).includes('picDisplay') && templates.length >= 10, 'the window and its templates');
    for (const template of templates) {
        const named = [...ids(main), ...ids(template)];
        assert.deepStrictEqual(named.filter((id, at) => named.indexOf(id) !== at), [], template.slice(0, 40));
    }
});

test('the window shows before the core has started, and takes no input until then', async (t) => {
    // The core's WebAssembly never starts.
    const never = () => { WebAssembly.instantiate = WebAssembly.instantiateStreaming = () => new Promise(() => {}); };
    const held = (context) => context.addInitScript(never);
    const session = await openPage({ waitReady: false, before: held });
    t.after(() => session.close());
    const { page } = session;
    await page.locator('#Form1').waitFor({ state: 'visible' });
    assert.match(await page.locator('#Text1').inputValue(), /^Sebuah Bola/, 'the starting shape\'s definition');
    await page.locator('#mF').click({ force: true });
    await page.locator('#Option1\\(3\\)').click({ force: true });
    await page.keyboard.press('Tab');
    const taken = await page.evaluate(() => [document.getElementById('mF').getAttribute('aria-expanded'),
                                             document.querySelector('#Option1\\(3\\) input').checked,
                                             document.getElementById('Form1').contains(document.activeElement)]);
    assert.deepStrictEqual(taken, ['false', false, false]);
});
