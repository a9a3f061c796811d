// The page's front end: builds the window from the core's description, turns
// each browser event into one call of the core's window session and shows
// what comes back: the picture when it changed, the controls' snapshot when
// they changed, and the requests, carried out with the browser. No rule of
// the program lives here (binding.cpp, window/windowsession.h).
// assemble.js puts this file, controls.js, menus.js, files.js and section.js
// into one function scope.
const needs = document.getElementById('needs');
if (typeof WebAssembly !== 'object' || typeof createRuvexCore !== 'function') {
    needs.hidden = false;
    return;
}
createRuvexCore().then(start, () => { needs.hidden = false; });
// Served as the installable site (its manifest named in the page), the page
// keeps itself for use without the network; as a lone file it needs nothing.
if (document.querySelector('link[rel="manifest"]') && navigator.serviceWorker) {
    navigator.serviceWorker.register('sw.js').catch(() => {});
}

// Milliseconds between rewrites of the address while the view changes.
const kAddressDelay = 300;
// What each of the session's requests is in the browser, with the request's text.
const kRequests = {
    saveDialog, exportDialog, copyPicture, copyText, sharePicture, openFullScreen, showSectionWindow, showInfoWindow, showHelp,
    closeFullScreen: (app) => app.presentation && app.presentation.close(),
    closeSectionWindow: (app) => app.sectionWindow && app.sectionWindow.close(),
    openMenuBar: (app) => app.menus.open(0),
    closeProgram: (app) => app.end(),
};

// An element with its properties (className, id, textContent, type...), set
// as they are, and its attributes and style.
function element(tag, className, parent, { attrs = {}, style = {}, ...properties } = {}) {
    const node = Object.assign(document.createElement(tag), properties);
    if (className) node.className = className;
    for (const [name, value] of Object.entries(attrs)) node.setAttribute(name, value);
    Object.assign(node.style, style);
    if (parent) parent.appendChild(node);
    return node;
}
function place(node, rect) {
    Object.assign(node.style, { left: rect.x + 'px', top: rect.y + 'px', width: rect.width + 'px', height: rect.height + 'px' });
}
// The family the core names, then its stand-ins (window/fontfamilies.h).
function fontOf(font) {
    const families = (font.families || [font.family]).map((family) => `"${family}"`).join(', ');
    return `${font.italic ? 'italic ' : ''}${font.bold ? 'bold ' : ''}${font.size}pt ${families}, sans-serif`;
}
function colour(node, control) {
    if (control.foreColor) node.style.color = control.foreColor;
    if (control.backColor) node.style.backgroundColor = control.backColor;
    if (control.font) node.style.font = fontOf(control.font);
}
// "&Spasiologi": the caption without its mnemonic, and the mnemonic's letter.
const plain = (caption) => caption.replace(/&(.)/g, '$1');
const mnemonic = (caption) => (/&(.)/.exec(caption) || [])[1];

function start(core) {
    const description = JSON.parse(core.windowDescriptionJson());
    const page = new core.RuvexPage();
    const ui = buildWindow(description);
    // The start-up sequence moves the controls it lays out; they go where it says.
    for (const [name, at] of Object.entries(JSON.parse(page.start()))) {
        Object.assign(ui.controls[name].node.style, { left: at.x + 'px', top: at.y + 'px' });
    }
    const app = new PageApp(core, page, description, ui, JSON.parse(core.pageTexts()));
    // Shown before the address is opened, so a window it opens (a section's)
    // finds the main window's place.
    document.getElementById('Form1').hidden = false;
    app.sizeCanvas();
    app.openAddress(app.texts.addressRefused);
    app.keepAddress();
    // An address edited by hand opens its view too; a refused one leaves the view as it is.
    window.addEventListener('hashchange', () => app.openAddress(app.texts.editedAddressRefused));
    window.ruvexPage = app; // for the tests and the curious
    document.documentElement.dataset.ready = 'true';
}

function buildWindow(description) {
    const form = document.getElementById('Form1');
    const win = description.window;
    document.title = win.caption;
    form.style.font = fontOf(win.font);
    const menubar = element('div', 'menubar', form, { attrs: { role: 'menubar' } });
    const client = element('div', 'client', form, { style: { width: win.width + 'px', height: win.height + 'px', backgroundColor: win.backColor } });
    const controls = {};
    const containers = { '': client };
    for (const control of description.controls) {
        const node = makeControl(control);
        place(node, control.rect);
        (containers[control.container] || client).appendChild(node);
        controls[control.name] = { rect: control.rect, node, control };
        if (control.kind === 'frame') containers[control.name] = node;
    }
    drawLines(client, description.lines);
    return { form, menubar, client, controls };
}

function drawLines(parent, lines) {
    for (const line of lines) place(element('div', 'line', parent, { style: { backgroundColor: line.color } }), line.rect);
}

function makeControl(control) {
    const kinds = {
        label: () => element('div', 'label', null, { textContent: control.caption }),
        textBox: () => element('textarea', 'textbox', null, { readOnly: true, attrs: { 'aria-label': control.name } }),
        frame: () => frame(control),
        checkBox: () => choice('checkbox', control),
        optionButton: () => choice('radio', control),
        scrollBar: () => element('div'), // made a scroll bar by UprightScrollBar
        pictureBox: () => pictureBox(control),
    };
    const node = (kinds[control.kind] || kinds.label)();
    node.id = control.kind === 'pictureBox' ? control.name + 'Box' : control.name;
    node.classList.add('control');
    colour(node, control);
    node.style.textAlign = { left: 'left', right: 'right', centre: 'center' }[control.alignment] || 'left';
    if (!control.visible) node.hidden = true;
    // Cut off by its frame in the window: a narrow screen leaves it out too.
    if (control.clipped) node.classList.add('clipped');
    return node;
}

function choice(type, control) {
    const label = element('label', type === 'radio' ? 'option' : 'check');
    element('input', '', label, { type, name: control.array || control.name, tabIndex: 0 });
    element('span', '', label, { textContent: control.caption });
    return label;
}

// A frame draws its edge and caption as the desktop's group box does, and
// clips what lies in it to its own box: the controls inside are placed from
// its top-left corner, edge included.
function frame(control) {
    const attrs = control.caption ? { role: 'group', 'aria-label': control.caption } : { role: 'group' };
    const node = element('div', control.caption ? 'frame captioned' : 'frame', null, { attrs });
    element('div', 'edge', node);
    if (control.caption) element('span', 'caption', node, { textContent: control.caption });
    return node;
}

function pictureBox(control) {
    const box = element('div', 'picturebox');
    element('canvas', '', box, { id: control.name, tabIndex: 0, attrs: { role: 'img' } });
    return box;
}

// The running window: the core's session and the elements that show it.
class PageApp {
    constructor(core, page, description, ui, texts) {
        Object.assign(this, { core, page, description, ui, texts, ticking: null });
        this.canvas = document.getElementById('picDisplay');
        this.canvas.setAttribute('aria-label', texts.pictureName);
        this.context = this.canvas.getContext('2d', { alpha: false });
        this.width = page.pictureWidth();
        this.height = page.pictureHeight();
        this.image = new ImageData(this.width, this.height);
        Object.assign(this.canvas.style, { width: this.width + 'px', height: this.height + 'px' });
        this.sizeCanvas();
        this.followCanvasSize();
        this.wireControls();
        wireTurning(this, this.canvas, core.PointerSurface.DrawingArea, (event) => this.pointerAt(event));
        this.canvas.addEventListener('contextmenu', (event) => event.preventDefault());
        this.wireKeys();
        this.menus = new MenuBar(this, description.menus);
        this.show(JSON.parse(page.snapshot()));
    }

    // What an intent changed, shown: the picture, the controls, the requests.
    handle(changes) {
        if (changes & this.core.kPictureChanged) this.draw();
        if (changes & this.core.kControlsChanged) this.show(JSON.parse(this.page.snapshot()));
        if (changes & this.core.kRequestsWaiting) JSON.parse(this.page.requests()).forEach(({ kind, text }) => kRequests[kind](this, text));
        if (changes & (this.core.kPictureChanged | this.core.kControlsChanged)) this.keepAddress();
        return changes;
    }
    // A menu item chosen, by its name in the description.
    command(item) {
        this.menus.close();
        return this.handle(this.page.menu(item));
    }
    control(handler, value) {
        return this.handle(this.page.control(handler, value));
    }
    windowClosed(which) {
        return this.handle(this.page.windowClosed(this.core.WindowName[which]));
    }

    // An address naming a view opens on it; a refused one is told, the page
    // stays on the view it shows, and the address is made to name that view,
    // so a link copied later never passes the refused one on.
    openAddress(refused) {
        if (location.hash.length <= 1) return;
        this.handle(this.page.openAddress(location.hash));
        const refusal = this.page.addressRefusal();
        if (!refusal) return;
        tell(refused + ' ' + refusal);
        this.writeAddress();
    }

    // The backing store has a pixel for each device pixel the canvas covers.
    // Where that is the picture's own size (a ratio of 1, the window's
    // layout) the canvas shows the drawing area's picture itself; otherwise
    // the core draws the view again at that size (every point and pen
    // scaled), so lines stay sharp on any screen.
    sizeCanvas(deviceSize) {
        const box = this.canvas.getBoundingClientRect();
        const ratio = window.devicePixelRatio || 1;
        const [width, height] = deviceSize || [Math.round(box.width * ratio), Math.round(box.height * ratio)];
        if (width < 1 || height < 1 || (width === this.canvas.width && height === this.canvas.height && this.sized)) return;
        this.sized = true;
        Object.assign(this.canvas, { width, height });
        this.native = width === this.width && height === this.height;
        if (this.native) this.page.closeScreen();
        else this.page.openScreen(width, height);
        this.draw();
    }

    // The canvas's size in device pixels follows the layout (a phone turned,
    // the window's layout or the narrow one) and the pixel ratio (browser
    // zoom, a window moved to another screen).
    followCanvasSize() {
        if (typeof ResizeObserver === 'function') {
            // The exact device pixels where the browser tells them (some
            // report the CSS size there instead: then the ratio decides).
            const observer = new ResizeObserver(([entry]) => {
                const exact = entry.devicePixelContentBoxSize && entry.devicePixelContentBoxSize[0];
                const css = entry.contentRect.width * (window.devicePixelRatio || 1);
                const trusted = exact && Math.abs(exact.inlineSize - css) <= 1;
                this.sizeCanvas(trusted ? [exact.inlineSize, exact.blockSize] : null);
            });
            try {
                observer.observe(this.canvas, { box: 'device-pixel-content-box' });
            } catch {
                observer.observe(this.canvas);
            }
        }
        this.followPixelRatio();
    }

    // A query matches one ratio only, so after each change a new one is made
    // for the new ratio.
    followPixelRatio() {
        const query = matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`);
        query.addEventListener('change', () => {
            this.sizeCanvas();
            this.followPixelRatio();
        }, { once: true });
    }

    draw() {
        if (!this.sized) return;
        if (this.native) {
            this.image.data.set(this.page.pixels());
            this.context.putImageData(this.image, 0, 0);
        } else {
            putChanges(this.context, () => this.page.screenChanges());
        }
        if (this.presentation) this.presentation.draw();
    }

    // Every control as the snapshot has it.
    show(s) {
        this.snapshot = s;
        const c = this.ui.controls;
        c.Text1.node.value = s.description;
        c.LabAspect.node.textContent = s.aspectCaption;
        c.LabPerspec.node.textContent = s.distanceCaption;
        const chosen = { Option1: s.shape, optAnim: s.animButton };
        for (const { control, node } of Object.values(c)) {
            if (control.array in chosen) node.querySelector('input').checked = chosen[control.array] === control.index;
        }
        const check = c.chkPerspective.node.querySelector('input');
        check.checked = s.perspective === 1;
        check.indeterminate = s.perspective === 2;
        c.VScroll1.bar.show(s.aspectTenths);
        c.VScroll2.bar.show(s.distance);
        c.VScroll2.bar.enable(s.distanceEnabled);
        this.menus.show(s);
        if (this.sectionWindow) this.sectionWindow.show(s.section);
        this.schedule(s);
    }

    // The address follows the view, so the page can be passed on at the view
    // it shows. Written only once the view differs from the one the address
    // opened (a bare address stays bare until then), and at most a few times
    // a second: a turning solid changes it at every tick, and browsers limit
    // how often a page may rewrite its address. Rewriting it opens nothing.
    keepAddress() {
        if (this.keptAddress === undefined) this.keptAddress = this.page.viewAddress();
        if (this.addressTimer || this.ended) return;
        this.addressTimer = setTimeout(() => {
            this.addressTimer = null;
            if (this.page.viewAddress() !== this.keptAddress) this.writeAddress();
        }, kAddressDelay);
    }

    // The address of the view shown, now.
    writeAddress() {
        this.keptAddress = this.page.viewAddress();
        history.replaceState(history.state, '', this.keptAddress);
    }

    // One interval timer runs while the session's timers are on, at the
    // interval the session says a timer really ticks at.
    schedule({ timerRunning: on, tickInterval: interval }) {
        if (on && this.ticking && this.ticking.interval === interval) return;
        if (this.ticking) clearInterval(this.ticking.id);
        this.ticking = on ? { interval, id: setInterval(() => this.handle(this.page.tick()), interval) } : null;
    }

    // Each control with a handler hands its new value to the session by the
    // handler's name the description gives: a member of an array with its
    // index, the check box with its value (0 or 1), a scroll bar with its
    // new value.
    wireControls() {
        for (const entry of Object.values(this.ui.controls)) {
            const { control, node } = entry;
            if (!control.handler) continue;
            const run = (value) => this.control(control.handler, value);
            if (control.kind === 'scrollBar') {
                entry.bar = new UprightScrollBar(node, control, run);
                continue;
            }
            const input = node.querySelector('input');
            input.addEventListener('change', () => run(control.index ?? (input.checked ? 1 : 0)));
        }
        watchFocus(this.ui.client, this.canvas);
    }

    // Pointer positions in whole pixels of the picture from its top-left
    // corner, as the desktop's picture box reports them, whatever size the
    // picture is shown at: the view a position gives does not depend on the
    // screen.
    pointerAt(event) {
        const box = this.canvas.getBoundingClientRect();
        return [Math.floor(((event.clientX - box.left) * this.width) / box.width),
                Math.floor(((event.clientY - box.top) * this.height) / box.height)];
    }

    // Every key goes to the session with where it went; a key it takes is
    // not the browser's, and closes an open menu as a menu item does. A
    // menu's mnemonic opens it, as the menu bar's own.
    wireKeys() {
        document.addEventListener('keydown', (event) => {
            const modal = openDialog();
            if (!modal && event.altKey && !event.ctrlKey && this.menus.openByMnemonic(event.key)) return event.preventDefault();
            const [target, inText] = this.keyTarget(event.target, modal);
            const changes = this.page.key(event.key, event.shiftKey, event.ctrlKey, event.altKey || event.metaKey, target, inText);
            if (changes & this.core.kIntentTaken) {
                event.preventDefault();
                this.menus.close();
            }
            return this.handle(changes);
        });
    }

    // Where a key went, and whether to a text that keeps the copy key: a
    // text field, or a selected text while the picture has not the keys.
    keyTarget(target, modal) {
        const names = this.core.KeyTarget;
        const selection = document.getSelection();
        const selected = Boolean(selection && !selection.isCollapsed && selection.toString()) && !(target instanceof HTMLCanvasElement);
        const inText = Boolean(target.closest && target.closest('input, textarea, [contenteditable="true"]')) || selected;
        if (target === this.canvas) return [names.Picture, inText];
        if (this.presentation && target === this.presentation.canvas) return [names.FullScreen, inText];
        if (modal) return [names.Dialog, inText];
        if (this.sectionWindow && this.sectionWindow.box.contains(target)) return [names.SectionWindow, inText];
        return [inText ? names.Text : names.Window, inText];
    }

    // "Tutup Program", once the session has ended: the page asks to be
    // closed; a browser keeps a tab the user opened, so the window gives way
    // to the core's line that the program has ended.
    end() {
        this.ended = true;
        clearTimeout(this.addressTimer);
        if (this.presentation) this.presentation.close();
        document.querySelectorAll('dialog').forEach((box) => box.close());
        window.close();
        this.ui.form.hidden = true;
        Object.assign(document.getElementById('ended'), { textContent: this.texts.programEnded, hidden: false });
    }
}

// A surface over which the pointer turns the solid, the drawing area or the
// full screen: its moves, presses and releases go to the session at the
// position `positionOf` gives, with the browser's buttons (a touch or a pen
// in contact is the left). Only the primary pointer (the mouse, the first
// finger) turns the solid, as a touch screen's mouse does: another finger
// neither moves the view nor starts or ends a drag.
function wireTurning(app, surface, surfaceName, positionOf) {
    const actions = app.core.PointerAction;
    const send = (action, event, at) => app.handle(app.page.pointer(surfaceName, action, event.buttons, event.button, ...at));
    surface.addEventListener('pointermove', (event) => {
        if (!event.isPrimary) return;
        const events = event.getCoalescedEvents ? event.getCoalescedEvents() : [];
        send(actions.Move, event, positionOf(events.length ? events[events.length - 1] : event));
    });
    surface.addEventListener('pointerdown', (event) => {
        if (!event.isPrimary) return;
        surface.focus();
        if (event.pointerType !== 'mouse') surface.setPointerCapture(event.pointerId);
        send(actions.Press, event, positionOf(event));
    });
    surface.addEventListener('pointerup', (event) => {
        if (event.isPrimary) send(actions.Release, event, positionOf(event));
    });
}

// Puts the part of a picture the core reports changed on a canvas, band
// after band as `next` hands them over until an empty one; the pixels are
// read in place from the core's memory.
function putChanges(context, next) {
    for (let part = next(); part.width > 0 && part.height > 0; part = next()) {
        const data = new Uint8ClampedArray(part.data.buffer, part.data.byteOffset, part.data.length);
        context.putImageData(new ImageData(data, part.width, part.height), part.x, part.y);
    }
}
