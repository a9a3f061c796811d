// The page's front end: finds the window's elements (markup.js wrote them),
// turns each browser event into one call of the core's window session and
// shows what comes back (the picture, each element's state, the requests
// carried out with the browser); no rule of the program lives here
// (binding.cpp). assemble.js runs the page's five scripts in one scope.
// Where the browser cannot run the program, what it needs takes the place of the window (the style sheet).
const cannotRun = () => document.documentElement.classList.add('cannotrun');
if (typeof WebAssembly !== 'object' || typeof createRuvexCore !== 'function') return cannotRun();
createRuvexCore(coreOptions()).then(start, cannotRun);

// The one file carries the core's WebAssembly packed (gzip) as base64 in an
// element no script runs (assemble.js): unpacked and compiled while it is
// read, it is ready long before the core's script could have parsed and
// decoded it as its own text. The site's core fetches its file itself.
function coreOptions() {
    const packed = document.getElementById('core-wasm');
    if (!packed) return {};
    const instantiateWasm = (imports, receive) => {
        WebAssembly.instantiateStreaming(unpacked(packed.textContent, 'application/wasm'), imports).then(({ instance }) => receive(instance), cannotRun);
        return {};
    };
    return { instantiateWasm };
}

// What the one file carries packed (gzip) as base64, as a response of type
// `type` to read it from (the bytes streamed as one piece: a blob's stream
// hands them over in smaller pieces, each a task of its own).
function unpacked(base64, type) {
    const bytes = Uint8Array.fromBase64 ? Uint8Array.fromBase64(base64) : Uint8Array.from(atob(base64), (letter) => letter.charCodeAt(0));
    return new Response(new Response(bytes).body.pipeThrough(new DecompressionStream('gzip')), { headers: { 'Content-Type': type } });
}

// What each of the session's requests is in the browser, given its text and kind.
const kRequests = {
    saveDialog: fileDialog, exportDialog: fileDialog, copyPicture, copyText, sharePicture, openFullScreen, showInfoWindow,
    showHelp: () => dialog('help', true),
    showSectionWindow: (app) => showBesideWindow(app, 'SectionWindow'), showSizeWindow: (app) => showBesideWindow(app, 'SizeWindow'),
    closeFullScreen: (app) => app.presentation?.close(), closeSectionWindow: (app) => app.beside.SectionWindow?.close(),
    closeSizeWindow: (app) => app.beside.SizeWindow?.close(), closeProgram: (app) => app.end(),
    openMenuBar: (app, name) => app.menus.open(app.menus.tops.findIndex((top) => top.button.id === name)),
};

// A copy of the page's template `name` (markup.js), put at the end of the page's content.
const fromTemplate = (name) => document.querySelector('main').appendChild(document.getElementById('template-' + name).content.firstElementChild.cloneNode(true));

// Each step of the start a task of its own, so that a slow phone answers in
// between: the core's own start (its bindings), the session, the window's
// elements wired to it, the first picture.
const nextTask = () => new Promise((resolve) => setTimeout(resolve));

async function start(core) {
    await nextTask();
    const page = new core.RuvexPage();
    // The start-up sequence's places for the controls it lays out are in the markup already.
    page.start();
    if (matchMedia('(prefers-reduced-motion: reduce)').matches) page.reduceMotion();
    await nextTask();
    const app = new PageApp(core, page, document.getElementById('Form1'), JSON.parse(core.pageTexts()));
    await nextTask();
    // Shown from the first paint, it takes input once the session runs.
    app.form.inert = false;
    app.sizeCanvas();
    app.openAddress(false);
    // An address edited by hand opens its view too; a refused one leaves the view as it is.
    window.addEventListener('hashchange', () => app.openAddress(true));
    window.ruvexPage = app; // for the tests and the curious
    document.documentElement.dataset.ready = 'true';
}

// Every element in `root` that hands the session its handler's name and a
// value (data-handler): a box 0 or 1, a member of an array its index, a bar
// its position (shown as text beside it), a "−" or "+" its step; an upright
// scroll bar hands over its own moves.
function wireHandlers(app, root) {
    for (const node of root.querySelectorAll('[data-handler]')) {
        const { handler, index, step } = node.dataset, bar = node.type === 'range';
        const value = () => (index ? Number(index) : Number(bar ? node.value : node.checked));
        if (node.classList.contains('scrollbar')) node.bar = new UprightScrollBar(app, node);
        else if (step) node.addEventListener('click', () => app.control(handler, Number(step)));
        else node.addEventListener(bar ? 'input' : 'change', () => app.control(handler, value()));
        if (bar) node.shownText = node.parentNode.querySelector('output');
    }
}

// Each element as the core says it shows: its value, its text, ticked or
// greyed; a scroll bar shows its own. An element not built (a window not
// open) is passed over.
function showStates(states) {
    for (const [id, state] of Object.entries(states)) {
        const { value, text, checked, indeterminate, hidden } = state, found = document.getElementById(id);
        if (found && found.bar) found.bar.show(state);
        const node = found && !found.bar && (found.querySelector('input') || found);
        if (!node) continue;
        if (value !== undefined && node.value !== String(value)) node.value = value;
        if (text !== undefined) (node.shownText || node).textContent = text;
        if (checked !== undefined && 'checked' in node) node.checked = checked;
        else if (checked !== undefined) node.setAttribute('aria-checked', String(checked));
        if (indeterminate !== undefined) node.indeterminate = indeterminate;
        if (hidden !== undefined) node.hidden = hidden;
        // A bar of a window greyed with its "−" and "+".
        if (state.enabled !== undefined) node.parentNode.querySelectorAll('input, button').forEach((part) => { part.disabled = !state.enabled; });
    }
}

// The running window: the core's session and the elements that show it.
class PageApp {
    constructor(core, page, form, texts) {
        Object.assign(this, { core, page, form, texts, ticking: null, beside: {}, words: document.getElementById('pictureWords'), said: document.getElementById('pictureSaid') });
        this.canvas = document.getElementById('picDisplay');
        this.context = this.canvas.getContext('2d', { alpha: false });
        this.record = page.changesRecord();
        this.followCanvasSize();
        wireHandlers(this, form);
        watchFocus(form.querySelector('.client'), this.canvas);
        wireTurning(this, this.canvas, core.PointerSurface.DrawingArea);
        this.canvas.addEventListener('contextmenu', (event) => event.preventDefault());
        this.wireKeys();
        // A touch screen's turning buttons: each the key over the picture.
        const turn = (key) => this.handle(page.key(key, false, false, false, false, 'Picture', false, false, false));
        form.querySelectorAll('.turns button').forEach((button) => button.addEventListener('click', () => turn(button.dataset.key)));
        this.menus = new MenuBar(this);
        this.show();
    }

    // What an intent changed, shown: the picture, the controls, the requests.
    handle(changes) {
        if (changes & this.core.kCaptionChanged) this.presentation?.fitBand();
        if (changes & this.core.kPictureChanged) this.showChanges();
        if (changes & this.core.kControlsChanged) this.show();
        if (changes & this.core.kRequestsWaiting) JSON.parse(this.page.requests()).forEach(({ kind, text }) => kRequests[kind](this, text, kind));
        if (changes & this.core.kAddressDue) this.keepAddress();
        if (changes & this.core.kPictureWordsDue) this.tellPicture();
        return changes;
    }
    // A menu item chosen, by its name (its element's id).
    command(item) { this.menus.close(); return this.handle(this.page.menu(item)); }
    control(handler, value) { return this.handle(this.page.control(handler, value)); }
    windowClosed(which) { return this.handle(this.page.windowClosed(this.core.WindowName[which])); }

    // Every element as the session has it, and the timer it runs.
    show() {
        const { states, ...timer } = JSON.parse(this.page.shown());
        showStates(states);
        this.schedule(timer);
    }

    // An address naming a view opens on it; a refused one is told and made to
    // name the view shown, so a link copied later never passes it on.
    openAddress(edited) {
        this.handle(this.page.openAddress(location.hash));
        const refusal = this.page.addressRefusalMessage(edited);
        if (!refusal) return;
        tell(refusal);
        this.writeAddress();
    }

    // A backing-store pixel for each device pixel the canvas covers, drawn
    // by the core for that size and shown whole.
    sizeCanvas(deviceSize) {
        const box = this.canvas.getBoundingClientRect(), ratio = window.devicePixelRatio || 1;
        const [width, height] = deviceSize || [Math.round(box.width * ratio), Math.round(box.height * ratio)];
        if (width < 1 || height < 1 || (width === this.canvas.width && height === this.canvas.height && this.sized)) return;
        this.sized = true;
        Object.assign(this.canvas, { width, height });
        this.page.showScreen(width, height);
        this.showChanges();
    }

    // The canvas's device pixels follow the layout (a phone turned) and the
    // pixel ratio (browser zoom, a window moved to another screen).
    followCanvasSize() {
        // The exact device pixels where the browser tells them right.
        const exactPixels = 'devicePixelContentBoxSize' in ResizeObserverEntry.prototype;
        new ResizeObserver(([entry]) => {
            const exact = exactPixels && entry.devicePixelContentBoxSize[0];
            const trusted = exact && Math.abs(exact.inlineSize - entry.contentRect.width * (window.devicePixelRatio || 1)) <= 1;
            this.sizeCanvas(trusted ? [exact.inlineSize, exact.blockSize] : null);
        }).observe(this.canvas, { box: exactPixels ? 'device-pixel-content-box' : 'content-box' });
        this.followPixelRatio();
    }

    // A query matches one ratio only: after each change, one for the new ratio.
    followPixelRatio() {
        const query = matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`);
        query.addEventListener('change', () => { this.sizeCanvas(); this.followPixelRatio(); }, { once: true });
    }

    // What the last call redrew (an intent's change, or a whole picture
    // drawn at a new size), from the core's record of it: nothing more is
    // asked of the core.
    showChanges() {
        if (!this.sized) return;
        putRecorded(this.context, this.core, this.record, 0);
        if (this.presentation) putRecorded(this.presentation.context, this.core, this.record, 1);
    }

    // The address follows the view, so the page can be passed on at the view
    // it shows, at most a few times a second, as browsers limit how often a
    // page rewrites it; the core gives the address to write, if any.
    // Rewriting it opens nothing.
    keepAddress() {
        this.addressTimer ||= setTimeout(() => {
            this.addressTimer = null;
            this.writeAddress();
        }, this.texts.addressDelay);
    }

    writeAddress() {
        const address = this.page.addressToWrite();
        if (address) history.replaceState(history.state, '', address);
    }

    // The picture in words, for a screen reader once the view has rested for
    // the core's delay, as the core gives them, and only if they differ.
    tellPicture() {
        clearTimeout(this.wordsTimer);
        this.wordsTimer = setTimeout(() => {
            const words = this.page.pictureWords();
            if (words && words !== this.words.textContent) this.words.textContent = this.said.textContent = words;
        }, this.texts.pictureWordsRest);
    }

    // One interval timer while the session's timers are on, at the interval they really tick at.
    schedule({ timerRunning: on, tickInterval: interval }) {
        if (on && this.ticking && this.ticking.interval === interval) return;
        if (this.ticking) clearInterval(this.ticking.id);
        this.ticking = on ? { interval, id: setInterval(() => this.handle(this.page.tick()), interval) } : null;
    }

    // Every key goes to the session with where it went; one it takes is not
    // the browser's and closes an open menu (a menu's letter opens it again).
    wireKeys() {
        document.addEventListener('keydown', (event) => {
            const changes = this.page.key(event.key, event.shiftKey, event.ctrlKey, event.altKey, event.metaKey, ...this.keyPlace(event.target));
            if (changes & this.core.kIntentTaken) {
                event.preventDefault();
                this.menus.close();
            }
            return this.handle(changes);
        });
    }

    // Where a key went, from which the core tells who takes it: the canvas
    // or the window beside the main one it went to, whether a dialog is open
    // over the window, whether to a field, whether text is selected.
    keyPlace(target) {
        const selection = document.getSelection();
        const [beside = ''] = Object.entries(this.beside).find(([, box]) => box.contains(target)) || [];
        const place = target === this.canvas ? 'Picture' : target === this.presentation?.canvas ? 'FullScreen' : beside;
        const field = Boolean(target.closest && target.closest('input, textarea, [contenteditable="true"]'));
        const selected = Boolean(selection && !selection.isCollapsed && selection.toString());
        return [place, Boolean(document.querySelector('dialog[open]:not(.modeless)')), field, selected];
    }

    // "Tutup Program": the page asks to be closed; as a browser keeps a tab
    // the user opened, the window gives way to the core's line that it has ended.
    end() {
        if (this.presentation) this.presentation.close();
        document.querySelectorAll('dialog').forEach((box) => box.close());
        window.close();
        this.form.hidden = true;
        Object.assign(document.getElementById('ended'), { textContent: this.texts.programEnded, hidden: false });
    }
}

// The drawing area or the full screen, over which the pointer turns the
// solid: moves, presses and releases go to the session with the browser's
// buttons, at the place of `at` in the surface's box (the core makes it a
// pixel of the picture). Only the primary pointer (the mouse, the first
// finger) turns it, as a touch screen's mouse does.
function wireTurning(app, surface, surfaceName) {
    const actions = app.core.PointerAction;
    const send = (action, event, at = event) => {
        const box = surface.getBoundingClientRect();
        const [x, y] = [at.clientX - box.left, at.clientY - box.top];
        app.handle(app.page.pointer(surfaceName, action, event.buttons, event.button, x, y, box.width, box.height));
    };
    surface.addEventListener('pointermove', (event) => {
        if (!event.isPrimary) return;
        const events = event.getCoalescedEvents ? event.getCoalescedEvents() : [];
        send(actions.Move, event, events.length ? events[events.length - 1] : event);
    });
    surface.addEventListener('pointerdown', (event) => {
        if (!event.isPrimary) return;
        surface.focus();
        if (event.pointerType !== 'mouse') surface.setPointerCapture(event.pointerId);
        send(actions.Press, event);
    });
    surface.addEventListener('pointerup', (event) => event.isPrimary && send(actions.Release, event));
}

// The part of a surface's picture the last call changed, as the core's
// record has it (bindingpage.h), put on its canvas: for the drawing area's
// canvas (0) or "Layar Penuh" (1), its place and its RGBA bytes read in place
// from the core's memory.
function putRecorded(context, core, record, surface) {
    const at = record / 4 + surface * core.kRecordFields;
    const [x, y, width, height, address] = core.HEAP32.subarray(at, at + core.kRecordFields);
    const data = new Uint8ClampedArray(core.HEAPU8.buffer, address, width * height * 4);
    if (width > 0 && height > 0) context.putImageData(new ImageData(data, width, height), x, y);
}
