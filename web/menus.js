// The menu bar and the program's windows (the information windows, the help)
// as the page's markup has them; part of the page's script.

// The menu bar: a button per menu on the bar, a list of menu items under it,
// submenus one level further. An item hands its name to the session; the
// ticks show the core's element states (showStates).
class MenuBar {
    constructor(app) {
        Object.assign(this, { app, tops: [], openIndex: -1 });
        const bar = app.form.querySelector('.menubar');
        // Each submenu follows its item in the markup, which a button cannot hold; it goes into its item here.
        bar.querySelectorAll('.menu > .menu').forEach((sub) => sub.previousElementSibling.appendChild(sub));
        // The page's own items go where the browser can do what they do.
        if (!canSharePictures()) document.getElementById('mnuShare').remove();
        bar.querySelectorAll('.menutitle').forEach((button, index) => {
            this.tops.push({ button, list: button.nextElementSibling });
            button.addEventListener('click', (e) => {
                e.stopPropagation();
                return this.openIndex === index ? this.close() : this.open(index);
            });
        });
        bar.querySelectorAll('.menu').forEach((list) => list.addEventListener('keydown', (e) => this.moveInMenu(e, list, list.matches('.menuholder > .menu'))));
        bar.querySelectorAll('.menuitem').forEach((item) => item.addEventListener('click', (e) => this.choose(e, item)));
        document.addEventListener('click', () => this.close());
    }

    // An item hands its name to the session; one with a submenu opens it.
    choose(event, item) {
        event.stopPropagation();
        const sub = item.querySelector('.menu');
        if (!sub) return this.app.command(item.id);
        sub.hidden = !sub.hidden;
        return focusFirst(sub);
    }

    // Up and down within a list; left and right from a menu on the bar to the next.
    moveInMenu(event, list, top) {
        const items = [...list.querySelectorAll(':scope > .menuitem')];
        const at = items.indexOf(document.activeElement);
        const down = { ArrowDown: 1, ArrowUp: -1 }[event.key], across = { ArrowRight: 1, ArrowLeft: -1 }[event.key];
        if (down) items[((at < 0 && down < 0 ? items.length : at) + down + items.length) % items.length].focus();
        else if (event.key === 'Escape') this.close(true);
        else if (across && top) this.open((this.openIndex + across + this.tops.length) % this.tops.length);
        else if (!across) return;
        event.preventDefault();
        event.stopPropagation();
    }

    // A menu opened from the window: the focus goes back where it was once a
    // command is chosen, to the menu's button when Esc closes it.
    open(index) {
        if (!document.activeElement?.closest('.menu')) this.before = document.activeElement;
        this.close();
        this.openIndex = index;
        this.tops[index].list.hidden = false;
        this.tops[index].button.setAttribute('aria-expanded', 'true');
        focusFirst(this.tops[index].list);
    }

    close(toButton) {
        if (this.openIndex < 0) return;
        const top = this.tops[this.openIndex], focused = top.list.contains(document.activeElement);
        [top.list, ...top.list.querySelectorAll('.menu')].forEach((list) => { list.hidden = true; });
        top.button.setAttribute('aria-expanded', 'false');
        this.openIndex = -1;
        if (focused) focusBack(toButton ? top.button : this.before);
    }
}

const focusFirst = (list) => list.querySelector(':scope > .menuitem')?.focus();
// The focus back on `element` if it is still shown, otherwise on the picture.
const focusBack = (element) => (element?.isConnected && element.offsetParent !== null ? element : document.getElementById('picDisplay')).focus();

// A window from its template (markup.js), named by its caption, closed by
// its button or Esc, shown over the window with its first button focused when
// `modal`; the focus goes back where it was (to the picture, when that was a
// menu that has closed since), so the keys work there again at once.
function dialog(name, modal = false) {
    const returnTo = document.activeElement;
    const box = fromTemplate(name);
    box.querySelectorAll('[data-close]').forEach((button) => button.addEventListener('click', () => box.close()));
    box.addEventListener('close', () => {
        box.remove();
        focusBack(returnTo);
    });
    if (modal) { box.showModal(); box.querySelector('button').focus(); }
    return box;
}

// An information window laid out as the desktop's, in fixed pixels: on a
// screen narrower than it (a phone) shown smaller as a whole, not cut off.
function showInfoWindow(app, name) {
    const box = dialog(name, true), body = box.querySelector('.body'), picture = box.querySelector('img');
    if (picture) pictureAddress(picture.dataset.picture).then((address) => { picture.src = address; });
    const room = document.documentElement.clientWidth - 16 - (box.offsetWidth - box.clientWidth);
    if (body.offsetWidth > room && room > 0) body.style.zoom = String(room / body.offsetWidth);
}

// A picture's address by name: the site's file, or what the one file carries
// packed, unpacked the first time it is shown.
const pictureAddresses = {};
function pictureAddress(name) {
    const picture = JSON.parse(document.getElementById('pictures').textContent)[name];
    if (typeof picture === 'string') return Promise.resolve(picture);
    return (pictureAddresses[name] ||= unpacked(picture.packed, picture.type).blob().then((blob) => URL.createObjectURL(blob)));
}
