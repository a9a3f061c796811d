// The page's front end: builds the window from the core's description, turns
// browser events into the core's handlers and copies the core's picture to
// the canvas. No rule of the program lives here: what a click, a key or a
// timer tick does, and every text shown, comes from the core (binding.cpp).
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
// The Windows key codes the core's key handler takes.
const kKeyCodes = { Home: 0x24, ArrowLeft: 0x25, ArrowUp: 0x26, ArrowRight: 0x27, ArrowDown: 0x28 };

function element(tag, className, parent) {
    const node = document.createElement(tag);
    if (className) node.className = className;
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
    const texts = JSON.parse(core.pageTexts());
    const page = new core.RuvexPage();
    const ui = buildWindow(description);
    // The start-up sequence moves the controls it lays out; they go where it says.
    for (const [name, at] of Object.entries(JSON.parse(page.start()))) {
        Object.assign(ui.controls[name].node.style, { left: at.x + 'px', top: at.y + 'px' });
    }
    const app = new PageApp(core, page, description, ui, texts);
    // Shown before the address is opened, so a window it opens (a section's)
    // finds the main window's place.
    document.getElementById('Form1').hidden = false;
    app.sizeCanvas();
    // An address naming a view opens on it; a refused one is told, the page
    // stays on the view it shows, and the address is made to name that view,
    // so a link copied later never passes the refused one on.
    const openAddress = (refused) => {
        if (app.ended) return;
        const refusal = location.hash.length > 1 ? page.openFragment(location.hash) : '';
        app.update();
        if (!refusal) return;
        tell(refused + ' ' + refusal);
        app.writeAddress();
    };
    openAddress(texts.addressRefused);
    // An address edited by hand opens its view too; a refused one leaves the view as it is.
    window.addEventListener('hashchange', () => openAddress(texts.editedAddressRefused));
    window.ruvexPage = app; // for the tests and the curious
    document.documentElement.dataset.ready = 'true';
}

function buildWindow(description) {
    const form = document.getElementById('Form1');
    const win = description.window;
    document.title = win.caption;
    form.style.font = fontOf(win.font);
    const menubar = element('div', 'menubar', form);
    menubar.setAttribute('role', 'menubar');
    const client = element('div', 'client', form);
    Object.assign(client.style, { width: win.width + 'px', height: win.height + 'px', backgroundColor: win.backColor });
    const controls = {};
    const containers = { '': client };
    for (const control of description.controls) {
        const node = makeControl(control);
        place(node, control.rect);
        (containers[control.container] || client).appendChild(node);
        controls[control.name] = { rect: control.rect, node, control };
        if (control.kind === 'frame') containers[control.name] = node;
    }
    for (const line of description.lines) {
        const node = element('div', 'line', client);
        place(node, line.rect);
        node.style.backgroundColor = line.color;
    }
    return { form, menubar, client, controls };
}

function makeControl(control) {
    const kinds = {
        label: () => { const n = element('div', 'label'); n.textContent = control.caption; return n; },
        textBox: () => { const n = element('textarea', 'textbox'); n.readOnly = true; n.setAttribute('aria-label', control.name); return n; },
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
    const input = element('input', '', label);
    input.type = type;
    input.name = control.array || control.name;
    input.tabIndex = 0;
    element('span', '', label).textContent = control.caption;
    return label;
}

// A frame draws its edge and caption as the desktop's group box does, and
// clips what lies in it to its own box: the controls inside are placed from
// its top-left corner, edge included.
function frame(control) {
    const node = element('div', 'frame');
    node.setAttribute('role', 'group');
    element('div', 'edge', node);
    if (control.caption) {
        node.setAttribute('aria-label', control.caption);
        node.classList.add('captioned');
        element('span', 'caption', node).textContent = control.caption;
    }
    return node;
}

function pictureBox(control) {
    const box = element('div', 'picturebox');
    const canvas = element('canvas', '', box);
    canvas.id = control.name;
    canvas.tabIndex = 0;
    canvas.setAttribute('role', 'img');
    return box;
}

// The running window: the core's page object and the elements that show
// its state.
class PageApp {
    constructor(core, page, description, ui, texts) {
        Object.assign(this, { core, page, description, ui, texts, ticking: null, state: null });
        this.canvas = document.getElementById('picDisplay');
        this.canvas.setAttribute('aria-label', texts.pictureName);
        this.context = this.canvas.getContext('2d', { alpha: false });
        this.width = page.pictureWidth();
        this.height = page.pictureHeight();
        this.image = new ImageData(this.width, this.height);
        this.canvas.style.width = this.width + 'px';
        this.canvas.style.height = this.height + 'px';
        this.sizeCanvas();
        this.followCanvasSize();
        this.wireControls();
        this.wirePointer();
        this.wireKeys();
        this.menus = buildMenus(this, description.menus);
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

    // After every call into the core: the picture and every control.
    update() {
        this.draw();
        const s = JSON.parse(this.page.state());
        this.state = s;
        const c = this.ui.controls;
        c.Text1.node.value = s.description;
        c.LabAspect.node.textContent = s.aspectCaption;
        c.LabPerspec.node.textContent = s.distanceCaption;
        for (const { control, node } of Object.values(c)) {
            const chosen = s.chosen[control.array];
            if (chosen !== undefined) node.querySelector('input').checked = chosen === control.index;
        }
        const check = c.chkPerspective.node.querySelector('input');
        check.checked = s.perspective === 1;
        check.indeterminate = s.perspective === 2;
        c.VScroll1.bar.show(s.aspect);
        c.VScroll2.bar.show(s.distance);
        c.VScroll2.bar.enable(s.distanceEnabled);
        if (this.menus) this.menus.showSpeed(s.speed);
        if (this.menus) this.menus.showChecks({ mnuBackLines: s.backLines, mnuAxes: s.axes, mnuDragToTurn: s.dragToTurn });
        // A section opened by the address, and the window's values after any change.
        if (s.section.shown && !this.sectionWindow && this.menus) openSectionWindow(this);
        if (this.sectionWindow) this.sectionWindow.show(s.section);
        this.schedule(s);
        this.keepAddress();
    }

    // The address follows the view, so the page can be passed on at the view
    // it shows. Written only once the view differs from the one the address
    // opened (a bare address stays bare until then), and at most a few times
    // a second: a turning solid changes it at every tick, and browsers limit
    // how often a page may rewrite its address. Rewriting it opens nothing.
    keepAddress() {
        if (this.keptAddress === undefined) this.keptAddress = this.page.viewAddress();
        if (this.addressTimer) return;
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

    // One interval timer runs while either of the core's timers is on, at
    // the interval the core says a timer really ticks at.
    schedule(s) {
        const on = (s.timer1 || s.timer2) && !this.ended;
        const interval = s.tick;
        if (on && this.ticking && this.ticking.interval === interval) return;
        if (this.ticking) clearInterval(this.ticking.id);
        this.ticking = on ? { interval, id: setInterval(() => this.tick(), interval) } : null;
    }

    tick() {
        if (this.state.timer1) this.page.Timer1_Timer();
        if (this.state.timer2) this.page.Timer2_Timer();
        this.update();
    }

    // After "Tutup Program" nothing reaches the core any more.
    call(handler, ...args) {
        if (this.ended) return undefined;
        const result = this.page[handler](...args);
        this.update();
        return result;
    }

    // Each control with a handler calls it by the name the description
    // gives: a member of an array with its index, the check box with its
    // value (0 or 1), a scroll bar with its new value.
    wireControls() {
        for (const entry of Object.values(this.ui.controls)) {
            const { control, node } = entry;
            if (!control.handler) continue;
            const run = (value) => this.call(control.handler, value);
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

    // The drawing area's pointer; a right button's release saves the picture.
    wirePointer() {
        wireTurning(this, this.canvas, (event) => this.pointerAt(event), (event) => {
            if (event.button === 2) this.command('mnuSave');
        });
        this.canvas.addEventListener('contextmenu', (event) => event.preventDefault());
    }

    wireKeys() {
        this.canvas.addEventListener('keydown', (event) => {
            const code = kKeyCodes[event.key];
            if (code === undefined || event.ctrlKey || event.altKey || event.metaKey) return;
            if (this.call('picDisplay_KeyDown', code, event.shiftKey ? 1 : 0)) event.preventDefault();
        });
        document.addEventListener('keydown', (event) => {
            const shortcut = shortcutOf(event);
            const item = shortcut && !textKeepsCopyKey(event, shortcut) && this.menus.byShortcut[shortcut];
            // While a dialog is open, or once the program has ended, the
            // window's shortcuts and menus do nothing (nor the browser's own
            // for the same keys).
            if (this.ended || openDialog()) {
                if (item) event.preventDefault();
            } else if (item) {
                event.preventDefault();
                this.command(item);
            } else if (event.altKey && !event.ctrlKey && this.menus.openByMnemonic(event.key)) {
                event.preventDefault();
            } else if (event.key === 'F10' && !event.shiftKey) {
                event.preventDefault();
                this.menus.open(0);
            }
        });
    }

    // What a menu item does, by its name in the description.
    command(name) {
        this.menus.close();
        if (this.ended || openDialog()) return undefined;
        const speed = /^mnuSpeed\((\d)\)$/.exec(name);
        if (speed) return this.call('mnuSpeed_Click', Number(speed[1]));
        const info = this.description.infoWindows.find((w) => w.menuItem === name);
        if (info) return showInfoWindow(info);
        const actions = {
            mnuHome: () => this.call('mnuHome_Click'),
            mnuSave: () => saveDialog(this),
            mnuExport: () => exportDialog(this),
            mnuFullScreen: () => toggleFullScreen(this),
            mnuExit: () => this.end(),
            MnuPetunjuk: () => showHelp(this.description.helpWindow),
            // The switches turn over the state the core reports.
            mnuBackLines: () => this.call('backLinesClick', !this.state.backLines),
            mnuAxes: () => this.call('axesClick', !this.state.axes),
            mnuDragToTurn: () => this.call('setDragToTurn', !this.state.dragToTurn),
            mnuCopyPicture: () => copyPicture(this),
            mnuIrisan: () => openSectionWindow(this),
            mnuShare: () => sharePicture(this),
            mnuCopyViewCode: () => copyViewCode(this),
        };
        if (actions[name]) actions[name]();
    }

    // "Tutup Program": the timers stop in the core and the page asks to be
    // closed; a browser keeps a tab the user opened, so the window gives way
    // to the core's line that the program has ended.
    end() {
        this.call('stopAnimation');
        this.ended = true;
        if (this.ticking) clearInterval(this.ticking.id);
        this.ticking = null;
        clearTimeout(this.addressTimer);
        if (this.presentation) this.presentation.close();
        document.querySelectorAll('dialog').forEach((box) => box.close());
        window.close();
        this.ui.form.hidden = true;
        const line = document.getElementById('ended');
        line.textContent = this.texts.programEnded;
        line.hidden = false;
    }
}

// A surface over which the pointer turns the solid, the drawing area or the
// full screen: its moves, presses and releases go to the drawing area's
// handlers, at the position over the drawing area `positionOf` gives, with
// the buttons as the core counts them (1 left, 2 right, 4 middle: the
// browser's `buttons` mask; a touch or a pen in contact is the left). Only
// the primary pointer (the mouse, the first finger) turns the solid: another
// finger neither moves the view nor starts or ends a drag.
function wireTurning(app, surface, positionOf, released) {
    const buttonOf = (event) => [1, 4, 2][event.button] || 0;
    surface.addEventListener('pointermove', (event) => {
        if (!event.isPrimary) return;
        const events = event.getCoalescedEvents ? event.getCoalescedEvents() : [];
        const last = events.length ? events[events.length - 1] : event;
        app.call('pointerMoved', event.buttons, ...positionOf(last));
    });
    surface.addEventListener('pointerdown', (event) => {
        if (!event.isPrimary) return;
        surface.focus();
        if (event.pointerType !== 'mouse') surface.setPointerCapture(event.pointerId);
        app.call('picDisplay_MouseDown', buttonOf(event), ...positionOf(event));
    });
    surface.addEventListener('pointerup', (event) => {
        if (!event.isPrimary) return;
        app.call('picDisplay_MouseUp', buttonOf(event), ...positionOf(event));
        if (released) released(event);
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

// A text keeps the copy key (Ctrl+C) for its own copy: a text field with the
// keys, and a text with a selection (the help, an information window, the
// section window's lines) while the picture has not the keys.
function textKeepsCopyKey(event, shortcut) {
    if (shortcut !== 'Ctrl+C') return false;
    const target = event.target;
    if (target.closest && target.closest('input, textarea, [contenteditable="true"]')) return true;
    const selection = document.getSelection();
    return Boolean(selection && !selection.isCollapsed && selection.toString()) && !(target instanceof HTMLCanvasElement);
}

// "Ctrl+S", "F1", ... as the description writes shortcuts; Home is the
// drawing area's own key and not a page-wide shortcut.
function shortcutOf(event) {
    if (event.key === 'Home' || event.altKey || event.metaKey) return null;
    const key = event.key.length === 1 ? event.key.toUpperCase() : event.key;
    if (event.ctrlKey && key.length === 1) return 'Ctrl+' + key;
    return /^F\d+$/.test(key) && !event.ctrlKey ? key : null;
}
