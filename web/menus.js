// The menu bar and the program's windows (the information windows, the help)
// as the core's description gives them; part of the page's script.

// The menu bar: a button per menu on the bar, a list of menu items under it,
// submenus one level further. An item hands its name to the session; the
// ticks show the core's element states (showStates).
class MenuBar {
    constructor(app, menus) {
        Object.assign(this, { app, tops: [], openIndex: -1 });
        const bar = app.form.querySelector('.menubar');
        menus.forEach((entry, index) => {
            const holder = element('div', 'menuholder', bar);
            const attrs = { 'aria-haspopup': 'menu', 'aria-expanded': 'false' };
            const button = element('button', 'menutitle', holder, { type: 'button', id: entry.name, textContent: plain(entry.caption), attrs });
            const list = holder.appendChild(this.makeList(entry, true));
            this.tops.push({ button, list, key: (mnemonic(entry.caption) || '').toLowerCase() });
            button.addEventListener('click', (e) => {
                e.stopPropagation();
                if (this.openIndex === index) this.close();
                else this.open(index);
            });
        });
        document.addEventListener('click', () => this.close());
    }

    makeList(entry, top) {
        const list = element('div', 'menu', null, { hidden: true, attrs: { role: 'menu', 'aria-label': plain(entry.caption) } });
        entry.items.forEach((child) => this.makeItem(child, list));
        list.addEventListener('keydown', (e) => this.moveInMenu(e, list, top));
        return list;
    }

    makeItem(entry, list) {
        if (entry.kind === 'separator') return element('div', 'separator', list, { attrs: { role: 'separator' } });
        // The page's own items go where the browser can do what they do.
        if (entry.pageOnly && entry.name === 'mnuShare' && !canSharePictures()) return null;
        // The exclusive items (the speeds) are one choice; the other checkable items are switches.
        const role = !entry.checkable ? 'menuitem' : entry.exclusive ? 'menuitemradio' : 'menuitemcheckbox';
        const item = element('button', 'menuitem', list, { type: 'button', id: entry.name, tabIndex: -1, attrs: { role } });
        element('span', 'caption', item, { textContent: plain(entry.caption) });
        if (entry.shortcut) {
            element('span', 'shortcut', item, { textContent: entry.shortcut });
            item.setAttribute('aria-keyshortcuts', entry.shortcut.replace('Ctrl', 'Control'));
        }
        const sub = entry.kind === 'menu' ? item.appendChild(this.makeList(entry, false)) : null;
        if (sub) item.setAttribute('aria-haspopup', 'menu');
        item.addEventListener('click', (e) => {
            e.stopPropagation();
            if (!sub) return this.app.command(entry.name);
            sub.hidden = !sub.hidden;
            focusFirst(sub);
        });
        return item;
    }

    // Up and down within a list; left and right from a menu on the bar to the next.
    moveInMenu(event, list, top) {
        const items = [...list.querySelectorAll(':scope > .menuitem')];
        const at = items.indexOf(document.activeElement);
        const down = { ArrowDown: 1, ArrowUp: -1 }[event.key], across = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
        if (down && at >= 0) items[(at + down + items.length) % items.length].focus();
        else if (event.key === 'Escape') this.close();
        else if (across && top) this.open((this.openIndex + across + this.tops.length) % this.tops.length);
        else if (!across) return;
        event.preventDefault();
        event.stopPropagation();
    }

    open(index) {
        this.close();
        this.openIndex = index;
        this.tops[index].list.hidden = false;
        this.tops[index].button.setAttribute('aria-expanded', 'true');
        focusFirst(this.tops[index].list);
    }

    close() {
        if (this.openIndex < 0) return;
        const top = this.tops[this.openIndex];
        top.list.hidden = true;
        top.list.querySelectorAll('.menu').forEach((sub) => { sub.hidden = true; });
        top.button.setAttribute('aria-expanded', 'false');
        this.openIndex = -1;
    }

    openByMnemonic(key) {
        const index = this.tops.findIndex((top) => top.key === key.toLowerCase());
        if (index >= 0) this.open(index);
        return index >= 0;
    }
}

const focusFirst = (list) => list.querySelector(':scope > .menuitem')?.focus();

// The dialog open over the window, if any: it holds the window's keys, so
// there is never more than one.
function openDialog() {
    return document.querySelector('dialog[open]:not(.modeless)');
}

// A window named by its caption, closed by its button or Esc; the focus goes
// back where it was (to the picture, when that was a menu that has closed
// since), so the keys work there again at once.
function dialog(name, caption, width) {
    const returnTo = document.activeElement;
    const box = element('dialog', 'window', document.body, { id: name, attrs: { 'aria-labelledby': name + 'Title' } });
    element('div', 'titlebar', box, { id: name + 'Title', textContent: caption });
    const body = element('div', 'body', box, { style: width ? { width: width + 'px' } : {} });
    box.addEventListener('close', () => {
        box.remove();
        const back = returnTo && returnTo.isConnected && returnTo.offsetParent !== null ? returnTo : document.getElementById('picDisplay');
        if (back) back.focus();
    });
    return { box, body };
}

function okButton(box, parent, caption) {
    return element('button', 'button', parent, { type: 'button', textContent: caption, onclick: () => box.close() });
}
function showModal(box) {
    box.showModal();
    box.querySelector('button').focus();
}

// An information window laid out as the desktop's, in fixed pixels: on a
// screen narrower than it (a phone) shown smaller as a whole, not cut off.
function showInfoWindow(app, name) {
    const info = app.description.infoWindows.find((entry) => entry.name === name);
    const { box, body } = dialog(info.name, info.caption, info.width);
    body.classList.add('fixed');
    Object.assign(body.style, { height: info.height + 'px', backgroundColor: info.backColor, position: 'relative' });
    const address = info.picture && JSON.parse(document.getElementById('pictures').textContent || '{}')[info.picture];
    if (address) element('img', 'picture', body, { src: address, alt: '' });
    const label = element('div', 'label', body, { textContent: info.label.text });
    place(label, info.label.rect);
    colour(label, info.label);
    if (info.label.backStyle !== 'opaque') label.style.backgroundColor = 'transparent';
    drawLines(body, info.lines);
    place(okButton(box, body, info.ok.caption), info.ok.rect);
    showModal(box);
    const room = document.documentElement.clientWidth - 16 - (box.offsetWidth - box.clientWidth);
    if (body.offsetWidth > room && room > 0) body.style.zoom = String(room / body.offsetWidth);
}

// The help's elements and text as the core read them from its rich text:
// built node by node, text only ever as text, never parsed as markup.
function richText(node, parent) {
    if (typeof node === 'string') return parent.appendChild(document.createTextNode(node));
    const built = element(node.tag, '', parent);
    node.children.forEach((child) => richText(child, built));
    return built;
}

function showHelp(app) {
    const help = app.description.helpWindow;
    const { box, body } = dialog(help.name, help.caption, help.width);
    const style = { color: help.foreColor, backgroundColor: help.backColor, font: fontOf(help.font), maxHeight: help.height + 'px' };
    const text = element('div', 'helptext', body, { tabIndex: 0, style });
    help.document.children.forEach((child) => richText(child, text));
    okButton(box, element('div', 'buttons', body), help.okCaption);
    showModal(box);
}
