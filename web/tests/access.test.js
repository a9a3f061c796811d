// The page as a screen reader and a keyboard user meet it: axe-core's WCAG
// 2.2 A and AA rules, and its landmark and heading rules, find nothing on
// the window's layout nor on a phone's, whatever window is open; the main
// window's controls are named by the core's texts.
'use strict';
const test = require('node:test');
const assert = require('node:assert');
const fs = require('node:fs');
const { openPage, modalClosed } = require('./pagetest');

const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
const kTags = ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa'];
const kStructureRules = ['region', 'landmark-one-main', 'page-has-heading-one', 'landmark-unique'];

// What the window's layout keeps as the desktop's window has it, each
// pardoned for one rule on the elements it names, nothing broader.
const kKnownExceptions = [
    // The shape buttons the frame cuts off, blue on black; only the top of the first shows.
    { rule: 'color-contrast', selector: '#Frame1 > .option.clipped > span' },
    // The shapes and the turns at the desktop's 20 to 24 px pitch, their
    // round buttons 13 px; a phone lays them out a finger's size.
    { rule: 'target-size', selector: '#Frame1 > .option > input, [name="optAnim"]' },
];

// axe's findings on the page as it is, each as "rule: element".
function findings(page) {
    return page.evaluate(async ({ tags, more, known }) => {
        const { axe } = window;
        const rules = [...axe.getRules(tags).map((rule) => rule.ruleId), ...more];
        const { violations } = await axe.run(document, { runOnly: { type: 'rule', values: rules }, resultTypes: ['violations'], elementRef: true });
        const pardoned = (rule, element) => known.some((exception) => exception.rule === rule && element.matches(exception.selector));
        return violations.flatMap((found) => found.nodes.filter((node) => !pardoned(found.id, node.element)).map((node) => `${found.id}: ${node.target.join(' ')}`));
    }, { tags: kTags, more: kStructureRules, known: kKnownExceptions });
}

// Each window the menus open, checked open and then closed again; and what
// a screen reader reads of the window with a menu open and of "Ukuran Bangun".
const kModalItems = ['MnuPetunjuk', 'MnuFungsi', 'MnuSasaran', 'MnuTerimakasih', 'Mnu', 'MnuInfodancredit', 'mnuFullScreen'];
async function everyWindowChecked(page) {
    const found = { closed: await findings(page) };
    await page.locator('#mF').click();
    await page.locator('#mnuKecepatan').click();
    found.menu = await findings(page);
    let read = await page.locator('main').ariaSnapshot();
    await page.keyboard.press('Escape');
    const choose = (item) => page.evaluate((name) => window.ruvexPage.command(name), item);
    for (const item of ['mnuIrisan', 'mnuUkuran']) {
        await choose(item);
        found[item] = await findings(page);
    }
    read += await page.locator('dialog.modeless').ariaSnapshot();
    await page.locator('dialog.modeless [data-close]').click();
    for (const item of kModalItems) {
        await choose(item);
        found[item] = await findings(page);
        await page.keyboard.press('Escape');
        await modalClosed(page);
    }
    return { found: Object.fromEntries(Object.entries(found).filter(([, list]) => list.length)), read };
}

// Names from the core where a caption says nothing, a menu item's name its
// caption alone (no tick, key or arrow); below, the bars' values in words and
// what the program keeps in English marked so.
const kRead = [
    'heading "RUVEX Display 3D" [level=1]', 'textbox "Definisi"', 'group "Perspektif"', 'scrollbar "Jarak Pandang"', 'group "BANGUN RUANG"',
    'img "Gambar bangun ruang"', 'group "Aspek"', 'scrollbar "Aspek"', 'menuitem "Salin Gambar"\n', 'menuitem "Kecepatan Rotasi":',
    'menuitemradio "Cepat" [checked]', 'radiogroup "Rotasi Bangun"', 'radiogroup "Nilai π"', 'textbox "Hitungan"',
];

// A phone leaves out the aspect's bar, which the window's frame cuts off.
const kLayouts = {
    'the window at 1366 × 768': [{ viewport: { width: 1366, height: 768 } }, kRead],
    'a phone at 360 × 740': [{ viewport: { width: 360, height: 740 }, deviceScaleFactor: 3, isMobile: true, hasTouch: true },
                             kRead.filter((name) => !name.includes('Aspek'))],
};
for (const [label, [settings, names]] of Object.entries(kLayouts)) {
    test(`${label}: no violation, with nothing open and with each window open`, async (t) => {
        const session = await openPage(settings);
        t.after(() => session.close());
        const { page } = session;
        await page.evaluate(axeSource);
        const { found, read } = await everyWindowChecked(page);
        assert.deepStrictEqual(found, {});
        assert.deepStrictEqual(names.filter((name) => !read.includes(name)), []);
        await page.evaluate(() => window.ruvexPage.control(document.getElementById('VScroll1').dataset.handler, 15));
        assert.strictEqual(await page.locator('#VScroll1').getAttribute('aria-valuetext'), 'Aspek 1,5');
        const english = await page.locator('main [lang="en"]').evaluateAll((found) => found.map((element) => element.textContent));
        assert.deepStrictEqual(english, ['Help', 'Contact', 'Hyperboloid', 'Flat surface', 'Sine wave', 'Bendy blades', 'Parabloid', 'Semi-sphere', 'Wheel']);
    });
}
