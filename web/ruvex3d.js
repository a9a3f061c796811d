// The page's front end: builds the window from the core's description, turns
// each browser event into one call of the core's window session and shows
// what comes back (the picture, each element's state, the requests carried
// out with the browser); no rule of the program lives here (binding.cpp).
// assemble.js runs the page's five scripts in one function scope.
const needs = document.getElementById('needs');
if (typeof WebAssembly !== 'object' || typeof createRuvexCore !== 'function') {
    needs.hidden = false;
    return;
}
createRuvexCore().then(start, () => { needs.hidden = false; });
// As the installable site (a manifest named), the page keeps itself for use offline.
if (document.querySelector('link[rel="manifest"]') && navigator.serviceWorker) {
    navigator.serviceWorker.register('sw.js').catch(() => {});
}

// Milliseconds between rewrites of the address while the view changes.
const kAddressDelay = 300;
// What each of the session's requests is in the browser, given its text and kind.
const kRequests = {
    saveDialog: fileDialog, exportDialog: fileDialog, copyPicture, copyText, sharePicture, openFullScreen, showSectionWindow,
    showSizeWindow, showInfoWindow, showHelp,
    closeFullScreen: (app) => app.presentation?.close(),
    closeSectionWindow: (app) => app.sectionWindow?.close(),
    closeSizeWindow: (app) => app.sizeWindow?.close(),
    openMenuBar: (app) => app.menus.open(0),
    closeProgram: (app) => app.end(),
};

// An element with its properties (id, textContent, type...), attributes and style.
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
    const form = buildWindow(description);
    // The start-up sequence moves the controls it lays out; they go where it says.
    for (const [name, at] of Object.entries(JSON.parse(page.start()))) {
        Object.assign(document.getElementById(name).style, { left: at.x + 'px', top: at.y + 'px' });
    }
    const app = new PageApp(core, page, description, form, JSON.parse(core.pageTexts()));
    // Shown before the address opens a window (a section's) that finds its place.
    form.hidden = false;
    app.sizeCanvas();
    app.openAddress(false);
    app.keepAddress();
    // An address edited by hand opens its view too; a refused one leaves the view as it is.
    window.addEventListener('hashchange', () => app.openAddress(true));
    window.ruvexPage = app; // for the tests and the curious
    document.documentElement.dataset.ready = 'true';
}

function buildWindow(description) {
    const form = document.getElementById('Form1');
    const win = description.window;
    document.title = win.caption;
    form.style.font = fontOf(win.font);
    const client = form.querySelector('.client');
    Object.assign(client.style, { width: win.width + 'px', height: win.height + 'px', backgroundColor: win.backColor });
    for (const control of description.controls) {
        const node = makeControl(control);
        place(node, control.rect);
        (document.getElementById(control.container) || client).appendChild(node);
    }
    drawLines(client, description.lines);
    return form;
}

function drawLines(parent, lines) {
    for (const line of lines) place(element('div', 'line', parent, { style: { backgroundColor: line.color } }), line.rect);
}

function makeControl(control) {
    const kinds = {
        label: () => element('div', 'label', null, { textContent: control.caption }),
        textBox: () => element('textarea', 'textbox', null, { readOnly: true, attrs: { 'aria-label': control.name } }),
        frame: () => frame(control),
        checkBox: () => choice('checkbox', 'check', control),
        optionButton: () => choice('radio', 'option', control),
        scrollBar: () => element('div'), // made a scroll bar by UprightScrollBar
        pictureBox: () => element('div', 'picturebox', null, { id: control.name + 'Box' }),
    };
    const node = (kinds[control.kind] || kinds.label)();
    if (control.kind === 'pictureBox') element('canvas', '', node, { id: control.name, tabIndex: 0, attrs: { role: 'img' } });
    else node.id = control.name;
    node.classList.add('control');
    colour(node, control);
    node.style.textAlign = { left: 'left', right: 'right', centre: 'center' }[control.alignment] || 'left';
    if (!control.visible) node.hidden = true;
    // Cut off by its frame in the window: a narrow screen leaves it out too.
    if (control.clipped) node.classList.add('clipped');
    return node;
}

function choice(type, className, control) {
    return labelled('input', className, null, control.caption, { type, name: control.array || control.name, tabIndex: 0 }).parentNode;
}

// An input in a label with its caption: a box's after it, a text's before.
function labelled(tag, className, parent, caption, properties) {
    const row = element('label', className, parent);
    const box = properties.type === 'checkbox' || properties.type === 'radio';
    if (!box) element('span', 'caption', row, { textContent: caption });
    const input = element(tag, '', row, properties);
    if (box) element('span', '', row, { textContent: caption });
    return input;
}

// A frame draws its edge and caption as the desktop's group box does and clips
// what lies in it, placed from its top-left corner, edge included.
function frame(control) {
    const attrs = control.caption ? { role: 'group', 'aria-label': control.caption } : { role: 'group' };
    const node = element('div', control.caption ? 'frame captioned' : 'frame', null, { attrs });
    element('div', 'edge', node);
    if (control.caption) element('span', 'caption', node, { textContent: control.caption });
    return node;
}

// A box, an option button or a bar hands the session its handler's name and
// its new value: a member of an array its index, a box 0 or 1, a bar its position.
function handValue(app, input, handler, index) {
    const bar = input.type === 'range';
    input.addEventListener(bar ? 'input' : 'change', () => app.control(handler, index ?? (bar ? Number(input.value) : Number(input.checked))));
}

// Each element as the core says it shows: its value, its text, ticked or
// greyed; a scroll bar shows its own. An element not built (a window not
// open) is passed over.
function showStates(states) {
    for (const [id, state] of Object.entries(states)) {
        const { value, text, checked, indeterminate } = state, found = document.getElementById(id);
        if (found && found.bar) found.bar.show(state);
        const node = found && !found.bar && (found.querySelector('input') || found);
        if (!node) continue;
        if (value !== undefined && node.value !== String(value)) node.value = value;
        if (text !== undefined) (node.shownText || node).textContent = text;
        if (checked !== undefined && 'checked' in node) node.checked = checked;
        else if (checked !== undefined) node.setAttribute('aria-checked', String(checked));
        if (indeterminate !== undefined) node.indeterminate = indeterminate;
        // A bar of a window greyed with its "−" and "+".
        if (state.enabled !== undefined) node.parentNode.querySelectorAll('input, button').forEach((part) => { part.disabled = !state.enabled; });
    }
}

// The running window: the core's session and the elements that show it.
class PageApp {
    constructor(core, page, description, form, texts) {
        Object.assign(this, { core, page, description, form, texts, ticking: null });
        this.canvas = document.getElementById('picDisplay');
        this.canvas.setAttribute('aria-label', texts.pictureName);
        this.context = this.canvas.getContext('2d', { alpha: false });
        this.width = page.pictureWidth();
        this.height = page.pictureHeight();
        this.image = new ImageData(this.width, this.height);
        Object.assign(this.canvas.style, { width: this.width + 'px', height: this.height + 'px' });
        this.followCanvasSize();
        this.wireControls();
        wireTurning(this, this.canvas, core.PointerSurface.DrawingArea, (event) => this.pointerAt(event));
        this.canvas.addEventListener('contextmenu', (event) => event.preventDefault());
        this.wireKeys();
        this.menus = new MenuBar(this, description.menus);
        this.show();
    }

    // What an intent changed, shown: the picture, the controls, the requests.
    handle(changes) {
        if (changes & this.core.kPictureChanged) this.draw();
        if (changes & this.core.kControlsChanged) this.show();
        if (changes & this.core.kRequestsWaiting) JSON.parse(this.page.requests()).forEach(({ kind, text }) => kRequests[kind](this, text, kind));
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

    // Every element as the snapshot has it, and the timer it runs.
    show() {
        this.snapshot = JSON.parse(this.page.snapshot());
        showStates(JSON.parse(this.page.elementStates()));
        showSizeNotice(this);
        if (this.presentation) this.presentation.draw(); // the caption's band
        this.schedule(this.snapshot);
    }

    // An address naming a view opens on it; a refused one is told and made to
    // name the view shown, so a link copied later never passes it on.
    openAddress(edited) {
        if (location.hash.length <= 1) return;
        this.handle(this.page.openAddress(location.hash));
        const refusal = this.page.addressRefusalMessage(edited);
        if (!refusal) return;
        tell(refusal);
        this.writeAddress();
    }

    // A backing-store pixel for each device pixel the canvas covers: at the
    // picture's own size the drawing area's picture itself, otherwise the view
    // drawn again by the core at that size, so lines stay sharp on any screen.
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

    // The canvas's device pixels follow the layout (a phone turned) and the
    // pixel ratio (browser zoom, a window moved to another screen).
    followCanvasSize() {
        // The exact device pixels where the browser tells them right.
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
        this.followPixelRatio();
    }

    // A query matches one ratio only: after each change, one for the new ratio.
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

    // The address follows the view, so the page can be passed on at the view
    // it shows: once the view differs from the one it opened (a bare address
    // stays bare until then), and at most a few times a second, as browsers
    // limit how often a page rewrites it. Rewriting it opens nothing.
    keepAddress() {
        if (this.keptAddress === undefined) this.keptAddress = this.page.viewAddress();
        if (this.addressTimer || this.ended) return;
        this.addressTimer = setTimeout(() => {
            this.addressTimer = null;
            if (this.page.viewAddress() !== this.keptAddress) this.writeAddress();
        }, kAddressDelay);
    }

    writeAddress() {
        this.keptAddress = this.page.viewAddress();
        history.replaceState(history.state, '', this.keptAddress);
    }

    // One interval timer while the session's timers are on, at the interval they really tick at.
    schedule({ timerRunning: on, tickInterval: interval }) {
        if (on && this.ticking && this.ticking.interval === interval) return;
        if (this.ticking) clearInterval(this.ticking.id);
        this.ticking = on ? { interval, id: setInterval(() => this.handle(this.page.tick()), interval) } : null;
    }

    wireControls() {
        for (const control of this.description.controls.filter(({ handler }) => handler)) {
            const node = document.getElementById(control.name);
            if (control.kind !== 'scrollBar') handValue(this, node.querySelector('input'), control.handler, control.index);
            else node.bar = new UprightScrollBar(this, node, control);
        }
        watchFocus(this.form.querySelector('.client'), this.canvas);
    }

    // Pointer positions in whole pixels of the picture, as the desktop's
    // picture box reports them, whatever size it is shown at.
    pointerAt(event) {
        const box = this.canvas.getBoundingClientRect();
        return [Math.floor(((event.clientX - box.left) * this.width) / box.width),
                Math.floor(((event.clientY - box.top) * this.height) / box.height)];
    }

    // Every key goes to the session with where it went; one it takes is not
    // the browser's and closes an open menu. A menu's mnemonic opens it.
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

    // Where a key went, and whether to a text that keeps the copy key (a
    // field, or a selection while the picture has not the keys).
    keyTarget(target, modal) {
        const names = this.core.KeyTarget;
        const selection = document.getSelection();
        const selected = Boolean(selection && !selection.isCollapsed && selection.toString()) && !(target instanceof HTMLCanvasElement);
        const inText = Boolean(target.closest && target.closest('input, textarea, [contenteditable="true"]')) || selected;
        if (target === this.canvas) return [names.Picture, inText];
        if (this.presentation && target === this.presentation.canvas) return [names.FullScreen, inText];
        if (modal) return [names.Dialog, inText];
        if (this.sectionWindow && this.sectionWindow.contains(target)) return [names.SectionWindow, inText];
        if (this.sizeWindow && this.sizeWindow.contains(target)) return [names.SizeWindow, inText];
        return [inText ? names.Text : names.Window, inText];
    }

    // "Tutup Program": the page asks to be closed; as a browser keeps a tab
    // the user opened, the window gives way to the core's line that it has ended.
    end() {
        this.ended = true;
        clearTimeout(this.addressTimer);
        if (this.presentation) this.presentation.close();
        document.querySelectorAll('dialog').forEach((box) => box.close());
        window.close();
        this.form.hidden = true;
        Object.assign(document.getElementById('ended'), { textContent: this.texts.programEnded, hidden: false });
    }
}

// The drawing area or the full screen, over which the pointer turns the
// solid: moves, presses and releases go to the session at the position
// `positionOf` gives, with the browser's buttons. Only the primary pointer
// (the mouse, the first finger) turns it, as a touch screen's mouse does.
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

// The changed part of a picture on a canvas, band after band as the core
// hands them over, read in place from its memory.
function putChanges(context, next) {
    for (let part = next(); part.width > 0 && part.height > 0; part = next()) {
        const data = new Uint8ClampedArray(part.data.buffer, part.data.byteOffset, part.data.length);
        context.putImageData(new ImageData(data, part.width, part.height), part.x, part.y);
    }
}
