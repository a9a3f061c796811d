// The window's markup as the page's build writes it (markup.js): texts only
// ever as text, the help's elements as a browser reads them back, and ids
// that name one element each, in the window and in every window that opens
// later.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const { windowMarkup, richText, menuItem } = require('../markup');

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
