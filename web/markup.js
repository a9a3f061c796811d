// The page's window as markup, written when the page is built (assemble.js):
// the core, loaded under node, describes the window as the page shows it
// from the first paint on: the controls and lines with their places,
// colours and fonts, the menu bar, and the windows that open later as
// templates the page's script clones on opening (the information windows,
// the help, the name dialogs, "Irisan Bidang", "Ukuran Bangun" and "Layar
// Penuh"). The script finds the elements by id and wires them to the window
// session; the elements it wires to a handler carry data-handler (and
// data-index or data-step). Every text is written escaped, never read as
// markup.
'use strict';
const path = require('path');

const kEntities = { '&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;', "'": '&#39;' };
const escaped = (text) => String(text).replace(/[&<>"']/g, (character) => kEntities[character]);
const kVoidTags = new Set(['input', 'img']);
// The name dialogs the core describes (the request kinds that open them).
const kFileDialogs = ['saveDialog', 'exportDialog'];

// An element: attributes valued true are written bare, those false, null
// or undefined not at all; `content` is markup already.
function tag(name, attributes = {}, content = '') {
    const written = Object.entries(attributes).filter(([, value]) => value !== false && value !== null && value !== undefined)
        .map(([key, value]) => (value === true ? ` ${key}` : ` ${key}="${escaped(value)}"`)).join('');
    return kVoidTags.has(name) ? `<${name}${written}>` : `<${name}${written}>${content}</${name}>`;
}
const text = (name, attributes, shown) => tag(name, attributes, escaped(shown));
// A style attribute's value; empty declarations are left out.
const style = (declarations) => Object.entries(declarations).filter(([, value]) => value !== undefined && value !== '')
    .map(([property, value]) => `${property}: ${value}`).join('; ') || null;
const place = (rect) => ({ left: rect.x + 'px', top: rect.y + 'px', width: rect.width + 'px', height: rect.height + 'px' });
// The family the core names, then its stand-ins (window/fontfamilies.h).
function fontOf(font) {
    const families = (font.families || [font.family]).map((family) => `"${family}"`).join(', ');
    return `${font.italic ? 'italic ' : ''}${font.bold ? 'bold ' : ''}${font.size}pt ${families}, sans-serif`;
}
const colours = (control) => ({ color: control.foreColor, 'background-color': control.backColor, font: control.font && fontOf(control.font) });
// "&Spasiologi": the caption without its mnemonic, and the mnemonic's letter.
const plain = (caption) => caption.replace(/&(.)/g, '$1');
const mnemonic = (caption) => ((/&(.)/.exec(caption) || [])[1] || '').toLowerCase();

// An input in a label with its caption: a box's after it, a text's before.
const boxed = (className, input, caption) => tag('label', { class: className }, input + text('span', {}, caption));
const labelled = (className, caption, input) => tag('label', { class: className || null }, text('span', { class: 'caption' }, caption) + input);

// A control of the main window as the session starts it (`shown`: the
// elements' states and the picture's size); a frame holds the controls placed
// in it, drawing its edge and caption as the desktop's group box does and
// clipping them. A control cut off by its frame in the window (.clipped) a
// narrow screen leaves out too.
function control(item, inside, shown) {
    const state = shown.states[item.name] || {};
    const classes = (name) => [name, 'control', item.clipped && 'clipped'].filter(Boolean).join(' ');
    const align = { left: 'left', right: 'right', centre: 'center' }[item.alignment] || 'left';
    const common = { id: item.name, lang: item.lang, hidden: !item.visible, style: style({ ...colours(item), 'text-align': align, ...place(item.rect) }) };
    const handed = { 'data-handler': item.handler, 'data-index': item.index };
    const choice = (type, className) => tag('label', { ...common, class: classes(className) },
                                            tag('input', { type, name: item.array || item.name, tabindex: 0, checked: Boolean(state.checked), ...handed })
                                            + text('span', {}, item.caption));
    const kinds = {
        label: () => text('div', { ...common, class: classes('label') }, state.text ?? item.caption),
        textBox: () => text('textarea', { ...common, class: classes('textbox'), readonly: true, 'aria-label': item.accessibleName }, state.value ?? ''),
        frame: () => tag('div', { ...common, class: classes(item.caption ? 'frame captioned' : 'frame'), role: 'group', 'aria-label': item.accessibleName || item.caption },
                         '<div class="edge"></div>' + (item.caption ? text('span', { class: 'caption' }, item.caption) : '') + inside),
        checkBox: () => choice('checkbox', 'check'),
        optionButton: () => choice('radio', 'option'),
        scrollBar: () => scrollBar(item, state, { ...common, class: classes('') + (state.enabled ? ' scrollbar' : ' scrollbar disabled'), ...handed }),
        pictureBox: () => tag('div', { ...common, id: item.name + 'Box', class: classes('picturebox') },
                              tag('canvas', { id: item.name, tabindex: 0, role: 'img', 'aria-label': item.accessibleName, 'aria-describedby': 'pictureWords', style: style(shown.picture) })),
    };
    return (kinds[item.kind] || kinds.label)();
}

// An upright scroll bar: its arrows and track, its value as the session
// starts it (the script keeps it current), read in words.
function scrollBar(item, state, attributes) {
    const { min, max } = item.range;
    return tag('div', {
        ...attributes, role: 'scrollbar', 'aria-orientation': item.orientation || 'vertical', 'aria-label': item.accessibleName,
        'aria-valuemin': Math.min(min, max), 'aria-valuemax': Math.max(min, max), 'aria-valuenow': state.value, 'aria-valuetext': state.valueText,
        'data-tab-stop': Boolean(item.tabStop),
    }, '<div class="arrow up"></div><div class="track"><div class="thumb"></div></div><div class="arrow down"></div>');
}

// The picture in words, unseen: the drawing area's description, and the
// polite line the script writes it to once the view rests, for a screen
// reader to say.
const pictureWords = (words) => text('div', { id: 'pictureWords', class: 'unseen' }, words) + tag('div', { id: 'pictureSaid', class: 'unseen', 'aria-live': 'polite' });

// For a touch screen, the buttons that turn the solid as the arrow keys over
// the picture do, and Home back to the front view, named as its menu item.
function turnButtons(texts, home) {
    const { turnLeft, turnUp, turnDown, turnRight } = texts;
    const turns = [['ArrowLeft', turnLeft, '\u25C0'], ['ArrowUp', turnUp, '\u25B2'], ['ArrowDown', turnDown, '\u25BC'], ['ArrowRight', turnRight, '\u25B6']]
        .map(([key, name, shape]) => text('button', { type: 'button', 'data-key': key, 'aria-label': name, title: name }, shape));
    return tag('div', { class: 'turns' }, turns.join('') + text('button', { type: 'button', 'data-key': 'Home' }, plain(home.caption)));
}

const lines = (drawn) => drawn.map((line) => tag('div', { class: 'line', style: style({ 'background-color': line.color, ...place(line.rect) }) })).join('');

// The controls in the description's order, each in its container; buttons
// a label names as a group (groupLabel) in a radio group it names, whose box
// leaves each in its place.
function controls(description, shown) {
    const within = (container) => {
        const runs = [];
        for (const item of description.controls.filter((each) => each.container === container)) {
            const markup = control(item, within(item.name), shown);
            const last = runs[runs.length - 1];
            if (item.groupLabel && last && last.label === item.groupLabel) last.markup += markup;
            else runs.push({ label: item.groupLabel, markup });
        }
        return runs.map(({ label, markup }) => (label ? tag('div', { class: 'group', role: 'radiogroup', 'aria-labelledby': label }, markup) : markup)).join('');
    };
    return within('');
}

// The menu bar: a button per menu, its list under it, submenus one level
// further. A list is no content a button keeps when the markup is read, so
// a submenu follows its item here and the script puts it in the item.
// A list takes the focus itself too (the arrows go on to its items), so
// that a list taller than a phone's screen scrolls by the keys.
function menuList(entry) {
    return tag('div', { class: 'menu', hidden: true, role: 'menu', tabindex: 0, 'aria-label': plain(entry.caption) }, entry.items.map(menuItem).join(''));
}
function menuItem(entry) {
    if (entry.kind === 'separator') return '<div class="separator" role="separator"></div>';
    // The exclusive items (the speeds) are one choice; the other checkable items are switches.
    const role = !entry.checkable ? 'menuitem' : entry.exclusive ? 'menuitemradio' : 'menuitemcheckbox';
    // Its tick, key and arrow are drawn for the eye only: the name is the caption.
    const submenu = entry.kind === 'menu';
    const hint = submenu ? tag('span', { class: 'more', 'aria-hidden': 'true' }) : entry.shortcut && text('span', { class: 'shortcut', 'aria-hidden': 'true' }, entry.shortcut);
    const item = tag('button', {
        type: 'button', class: 'menuitem', id: entry.name, lang: entry.lang, tabindex: -1, role,
        'aria-keyshortcuts': entry.shortcut ? entry.shortcut.replace('Ctrl', 'Control') : null, 'aria-haspopup': submenu && 'menu',
    }, tag('span', { class: 'mark', 'aria-hidden': 'true' }) + text('span', { class: 'caption' }, plain(entry.caption)) + (hint || ''));
    return submenu ? item + menuList(entry) : item;
}
function menuBar(menus) {
    return menus.map((entry) => tag('div', { class: 'menuholder' }, text('button', {
        type: 'button', class: 'menutitle', id: entry.name, lang: entry.lang, 'aria-haspopup': 'menu', 'aria-expanded': 'false', 'data-key': mnemonic(entry.caption),
    }, plain(entry.caption)) + menuList(entry))).join('');
}

// A window opened later: a dialog named by its caption (marked as English
// where the core says it is), in a template the script clones as `template-<name>`.
function windowTemplate(template, { name, caption, lang, modeless = false }, body, content) {
    const dialog = { class: modeless ? 'window modeless' : 'window', id: name, 'aria-labelledby': name + 'Title' };
    const title = text('div', { class: 'titlebar', id: name + 'Title', lang }, caption);
    return tag('template', { id: `template-${template}` }, tag('dialog', dialog, title + tag('div', body, content)));
}
const closeButton = (caption, attributes = {}) => text('button', { class: 'button', type: 'button', 'data-close': true, ...attributes }, caption);
const buttons = (content) => tag('div', { class: 'buttons' }, content);

// An information window laid out as the desktop's, in fixed pixels; its
// picture is named, the page's pictures holding it once.
function infoWindow(info) {
    const label = info.label;
    const labelStyle = { ...place(label.rect), ...colours(label), ...(label.backStyle !== 'opaque' && { 'background-color': 'transparent' }) };
    const body = { class: 'body fixed', style: style({ width: info.width + 'px', height: info.height + 'px', 'background-color': info.backColor, position: 'relative' }) };
    return windowTemplate(info.name, info, body, [
        info.picture ? tag('img', { class: 'picture', alt: '', 'data-picture': info.picture }) : '',
        text('div', { class: 'label', style: style(labelStyle) }, label.text),
        lines(info.lines),
        closeButton(info.ok.caption, { style: style(place(info.ok.rect)) }),
    ].join(''));
}

// The help's rich text as the core read it: elements of a few kinds, whose
// markup reads back as the same tree (a paragraph holds no list, a table's
// rows go in its body as a parser puts them); text only ever as text.
const kHelpBlocks = new Set(['div', 'h2', 'h3', 'p', 'ul', 'li', 'table', 'tr', 'td']);
const kHelpInline = new Set(['b', 'i', 'code']);
const kHelpPhrasingOnly = new Set(['h2', 'h3', 'p', ...kHelpInline]);
function richText(node, parent) {
    if (typeof node === 'string') return escaped(node);
    const known = kHelpBlocks.has(node.tag) || kHelpInline.has(node.tag);
    if (!known || (kHelpPhrasingOnly.has(parent) && !kHelpInline.has(node.tag))) {
        throw new Error(`the help has a ${node.tag} in a ${parent}, which the page does not show`);
    }
    const inner = node.children.map((child) => richText(child, node.tag)).join('');
    return tag(node.tag, {}, node.tag === 'table' ? tag('tbody', {}, inner) : inner);
}
function helpWindow(help) {
    const shown = { color: help.foreColor, 'background-color': help.backColor, font: fontOf(help.font), 'max-height': help.height + 'px' };
    const content = tag('div', { class: 'helptext', tabindex: 0, style: style(shown) }, help.document.children.map((child) => richText(child, 'div')).join(''));
    return windowTemplate('help', help, { class: 'body', style: style({ width: help.width + 'px' }) }, content + buttons(closeButton(help.okCaption)));
}

// "Save Gambar" and "Ekspor Gambar…": a name, and the export's types.
function fileDialog(kind, texts) {
    const types = texts.types.map((type, n) => text('option', { value: n + 1 }, type)).join('');
    const form = [
        texts.types.length ? labelled('', texts.typeCaption, tag('select', {}, types)) : '',
        labelled('', texts.nameCaption, tag('input', { type: 'text' })),
        tag('p', { class: 'refusal', role: 'alert' }),
        buttons(text('button', { class: 'button' }, texts.okCaption) + closeButton(texts.cancelCaption)),
    ].join('');
    return windowTemplate(kind, { name: texts.id, caption: texts.caption }, { class: 'body', style: 'width: 360px' },
                          tag('form', { class: 'namedialog', method: 'dialog' }, form));
}

// A bar between its "−" and "+", each a step of the session's, and its value
// as text; the caption names the bar alone.
function bar(layout) {
    const step = (button, steps) => text('button', {
        class: 'step', type: 'button', title: button.name, 'aria-label': button.name, 'data-handler': layout.stepHandler, 'data-step': steps,
    }, button.caption);
    const input = tag('input', { type: 'range', min: layout.min, max: layout.max, step: layout.smallChange, id: layout.name, 'data-handler': layout.handler });
    return tag('div', { class: 'bar' }, text('label', { class: 'caption', for: layout.name }, layout.caption)
        + step(layout.decrease, -1) + input + step(layout.increase, 1) + '<output></output>');
}

// "Irisan Bidang" and "Ukuran Bangun", beside the picture; the first bar has the focus on opening.
function besideWindow(template, layout, form) {
    return windowTemplate(template, { ...layout, modeless: true }, { class: 'body' },
                          tag('div', { class: 'sectionform' }, form) + buttons(closeButton(layout.closeCaption)));
}
function sectionWindow(layout) {
    const { outline, solid, section } = layout;
    return besideWindow('SectionWindow', layout, text('p', { class: 'plane' }, layout.planeEquation) + bar(layout.tilt) + bar(layout.distance)
        + boxed('check', tag('input', { type: 'checkbox', id: outline.name, 'data-handler': outline.handler }), outline.caption)
        + labelled('text', solid.caption, tag('input', { type: 'text', readonly: true, id: solid.name }))
        + labelled('text sectionline', section.caption, tag('input', { type: 'text', readonly: true, id: section.name })));
}
// The bars r and t, the choice of π, the net's bar, the notice (for a shape
// without these sizes, a bola's net) and the worked numbers, to select and copy.
function sizeWindow(layout) {
    const { pi } = layout;
    const choices = pi.captions.map((caption, index) => boxed('option', tag('input', {
        type: 'radio', name: pi.name, id: `${pi.name}(${index})`, 'data-handler': pi.handler, 'data-index': index,
    }), caption)).join('');
    return besideWindow('SizeWindow', layout, bar(layout.radius) + bar(layout.height) + tag('div', { class: 'pi', role: 'radiogroup', 'aria-label': pi.caption }, choices)
        + bar(layout.net) + tag('p', { class: 'notice', hidden: true })
        + tag('textarea', { class: 'numbers', readonly: true, rows: 7, id: layout.numbersName, 'aria-label': layout.numbersCaption }));
}

// The main window as the session starts it: the start-up sequence's places
// for the controls it lays out and the elements' states written in, so that
// it shows from the first paint; inert until the script has started the
// session (ruvex3d.js), and hidden where the page cannot run.
function mainWindow(description, startPlaces, shown) {
    const win = description.window;
    for (const item of description.controls) Object.assign(item.rect, startPlaces[item.name] || {});
    const home = description.menus.flatMap((menu) => menu.items).find((item) => item.name === 'mnuHome');
    const client = style({ width: win.width + 'px', height: win.height + 'px', 'background-color': win.backColor });
    const inside = controls(description, shown) + lines(description.lines) + '<div class="focusring" hidden></div>'
        + pictureWords(shown.words) + turnButtons(shown.texts, home);
    return tag('div', { id: win.name, class: 'window', inert: true, style: style({ font: fontOf(win.font) }) },
               tag('div', { class: 'menubar' }, menuBar(description.menus)) + tag('div', { class: 'client', style: client }, inside));
}

// The page's title and its window's markup with every window's template.
async function windowMarkup(coreScript) {
    const core = await require(path.resolve(coreScript))();
    const description = JSON.parse(core.windowDescriptionJson());
    const session = new core.RuvexPage();
    const startPlaces = JSON.parse(session.start());
    const pictureSize = { width: session.pictureWidth() + 'px', height: session.pictureHeight() + 'px' };
    const shown = { texts: JSON.parse(core.pageTexts()), states: JSON.parse(session.elementStates()), picture: pictureSize };
    shown.words = session.pictureWords();
    session.delete();
    const picture = tag('canvas', { tabindex: 0, 'aria-label': description.window.fullScreenCaption });
    const presentation = tag('div', { class: 'presentation' }, picture + tag('div', { class: 'caption', hidden: true }));
    const windows = [
        ...description.infoWindows.map(infoWindow), helpWindow(description.helpWindow),
        ...kFileDialogs.map((kind) => fileDialog(kind, JSON.parse(core.fileDialog(kind)))),
        sectionWindow(description.sectionWindow), sizeWindow(description.sizeWindow), tag('template', { id: 'template-presentation' }, presentation),
    ];
    const heading = text('h1', { class: 'heading' }, description.window.caption);
    return { title: escaped(description.window.caption), window: heading + mainWindow(description, startPlaces, shown) + '\n' + windows.join('\n') };
}

module.exports = { windowMarkup, richText, menuItem };
