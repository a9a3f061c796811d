// The menu bar and the program's windows (the information windows, the help)
// as the core's description gives them; part of the page's script
// (ruvex3d.js).
// The menu bar from the description: a button per menu on the bar, a list
// of menu items under it, submenus one level further.
function buildMenus(app, menus) {
    const bar = app.ui.menubar;
    const speedItems = [];
    const checkItems = {};
    const tops = [];
    let openIndex = -1;

    function makeItem(entry, list) {
        if (entry.kind === 'separator') {
            element('div', 'separator', list).setAttribute('role', 'separator');
            return;
        }
        // The page's own items go where the browser can do what they do.
        if (entry.pageOnly && entry.name === 'mnuShare' && !canSharePictures()) return;
        const item = element('button', 'menuitem', list);
        item.type = 'button';
        item.id = entry.name;
        item.tabIndex = -1;
        // The speeds are one choice among three; the other checkable items
        // are switches showing the core's state.
        const speed = /^mnuSpeed\(/.test(entry.name);
        item.setAttribute('role', !entry.checkable ? 'menuitem' : speed ? 'menuitemradio' : 'menuitemcheckbox');
        if (entry.checkable && !speed) item.setAttribute('aria-checked', String(Boolean(entry.checked)));
        element('span', 'caption', item).textContent = plain(entry.caption);
        if (entry.shortcut) {
            element('span', 'shortcut', item).textContent = entry.shortcut;
            item.setAttribute('aria-keyshortcuts', entry.shortcut.replace('Ctrl', 'Control'));
        }
        if (entry.checkable && speed) speedItems.push(item);
        if (entry.checkable && !speed) checkItems[entry.name] = item;
        if (entry.kind === 'menu') {
            item.setAttribute('aria-haspopup', 'menu');
            const sub = makeList(entry, item);
            item.appendChild(sub);
            item.addEventListener('click', (e) => { e.stopPropagation(); sub.hidden = !sub.hidden; focusFirst(sub); });
        } else {
            item.addEventListener('click', (e) => { e.stopPropagation(); app.command(entry.name); });
        }
    }
    function makeList(entry) {
        const list = element('div', 'menu');
        list.setAttribute('role', 'menu');
        list.setAttribute('aria-label', plain(entry.caption));
        list.hidden = true;
        entry.items.forEach((child) => makeItem(child, list));
        list.addEventListener('keydown', (e) => moveInMenu(e, list));
        return list;
    }
    function focusFirst(list) {
        const first = list.querySelector(':scope > .menuitem');
        if (first) first.focus();
    }
    function moveInMenu(event, list) {
        const items = [...list.querySelectorAll(':scope > .menuitem')];
        const at = items.indexOf(document.activeElement);
        const steps = { ArrowDown: 1, ArrowUp: -1 };
        if (event.key in steps && at >= 0) {
            items[(at + steps[event.key] + items.length) % items.length].focus();
        } else if (event.key === 'Escape') {
            close();
        } else if (event.key === 'ArrowRight' || event.key === 'ArrowLeft') {
            if (list.parentElement !== bar && !list.parentElement.classList.contains('menuitem')) open((openIndex + (event.key === 'ArrowRight' ? 1 : -1) + tops.length) % tops.length);
        } else {
            return;
        }
        event.preventDefault();
        event.stopPropagation();
    }
    function open(index) {
        close();
        openIndex = index;
        tops[index].list.hidden = false;
        tops[index].button.setAttribute('aria-expanded', 'true');
        focusFirst(tops[index].list);
    }
    function close() {
        if (openIndex < 0) return;
        const top = tops[openIndex];
        top.list.hidden = true;
        top.list.querySelectorAll('.menu').forEach((sub) => { sub.hidden = true; });
        top.button.setAttribute('aria-expanded', 'false');
        openIndex = -1;
    }

    menus.forEach((entry, index) => {
        const holder = element('div', 'menuholder', bar);
        const button = element('button', 'menutitle', holder);
        button.type = 'button';
        button.id = entry.name;
        button.textContent = plain(entry.caption);
        button.setAttribute('aria-haspopup', 'menu');
        button.setAttribute('aria-expanded', 'false');
        const list = makeList(entry);
        holder.appendChild(list);
        tops.push({ button, list, key: (mnemonic(entry.caption) || '').toLowerCase() });
        button.addEventListener('click', (e) => { e.stopPropagation(); openIndex === index ? close() : open(index); });
    });
    document.addEventListener('click', close);
    return {
        open, close,
        openByMnemonic(key) {
            const index = tops.findIndex((top) => top.key === key.toLowerCase());
            if (index >= 0) open(index);
            return index >= 0;
        },
        showSpeed(index) {
            speedItems.forEach((item, n) => item.setAttribute('aria-checked', String(n === index)));
        },
        showChecks(states) {
            for (const [name, on] of Object.entries(states)) if (checkItems[name]) checkItems[name].setAttribute('aria-checked', String(on));
        },
    };
}

// The dialog open over the window, if any: the window answers no shortcut
// or menu while there is one, so there is never more than one.
function openDialog() {
    return document.querySelector('dialog[open]:not(.modeless)');
}

// A modal dialog named by its caption, closed by its button or Esc; the
// focus goes back where it was (to the picture, when that was a menu that
// has closed since), so the keys work there again at once.
function dialog(name, caption, width) {
    const returnTo = document.activeElement;
    const box = element('dialog', 'window', document.body);
    box.id = name;
    const title = element('div', 'titlebar', box);
    title.id = name + 'Title';
    title.textContent = caption;
    box.setAttribute('aria-labelledby', title.id);
    const body = element('div', 'body', box);
    if (width) body.style.width = width + 'px';
    box.addEventListener('close', () => {
        box.remove();
        const back = returnTo && returnTo.isConnected && returnTo.offsetParent !== null ? returnTo : document.getElementById('picDisplay');
        if (back) back.focus();
    });
    return { box, body };
}

function okButton(box, parent, caption) {
    const ok = element('button', 'button', parent);
    ok.type = 'button';
    ok.textContent = caption;
    ok.addEventListener('click', () => box.close());
    return ok;
}

function pictureAddress(name) {
    const pictures = JSON.parse(document.getElementById('pictures').textContent || '{}');
    return pictures[name];
}

function showInfoWindow(info) {
    const { box, body } = dialog(info.name, info.caption, info.width);
    body.classList.add('fixed');
    Object.assign(body.style, { height: info.height + 'px', backgroundColor: info.backColor, position: 'relative' });
    const address = info.picture && pictureAddress(info.picture);
    if (address) {
        const img = element('img', 'picture', body);
        img.src = address;
        img.alt = '';
    }
    const label = element('div', 'label', body);
    place(label, info.label.rect);
    colour(label, info.label);
    if (info.label.backStyle !== 'opaque') label.style.backgroundColor = 'transparent';
    label.textContent = info.label.text;
    for (const line of info.lines) {
        const node = element('div', 'line', body);
        place(node, line.rect);
        node.style.backgroundColor = line.color;
    }
    const ok = okButton(box, body, info.ok.caption);
    place(ok, info.ok.rect);
    box.showModal();
    fitWidth(box, body);
    ok.focus();
}

// A window laid out in fixed pixels, on a screen narrower than it (a
// phone): shown smaller as a whole rather than cut off.
function fitWidth(box, body) {
    const room = document.documentElement.clientWidth - 16 - (box.offsetWidth - box.clientWidth);
    if (body.offsetWidth > room && room > 0) body.style.zoom = String(room / body.offsetWidth);
}

// The help's elements and text as the core read them from its rich text:
// built node by node, text only ever as text, never parsed as markup.
function richText(node, parent) {
    if (typeof node === 'string') {
        parent.appendChild(document.createTextNode(node));
        return;
    }
    const built = element(node.tag, '', parent);
    node.children.forEach((child) => richText(child, built));
}

function showHelp(help) {
    const { box, body } = dialog(help.name, help.caption, help.width);
    const text = element('div', 'helptext', body);
    Object.assign(text.style, { color: help.foreColor, backgroundColor: help.backColor, font: fontOf(help.font), maxHeight: help.height + 'px' });
    help.document.children.forEach((child) => richText(child, text));
    text.tabIndex = 0;
    const ok = okButton(box, element('div', 'buttons', body), help.okCaption);
    box.showModal();
    ok.focus();
}
