// "Save Gambar", "Ekspor Gambar…", "Layar Penuh", "Salin Gambar" and "Salin
// Kode Tampilan": the name dialog, the downloads of the files the core makes,
// the full-screen picture and the copies to the clipboard; part of the page's
// script (ruvex3d.js).

// Hands a file to the browser's downloads.
function download(name, bytes, type) {
    if (!bytes.length) throw new Error('no picture file');
    const link = element('a', '', document.body, { href: URL.createObjectURL(new Blob([bytes], { type })), download: name.replace(/^.*[\\/]/, '') });
    link.click();
    setTimeout(() => { URL.revokeObjectURL(link.href); link.remove(); }, 1000);
}

function tell(text) {
    const message = document.getElementById('message');
    Object.assign(message, { textContent: text, hidden: false });
    clearTimeout(tell.timer);
    tell.timer = setTimeout(() => { message.hidden = true; }, 8000);
}

// The name dialog of "Save Gambar" and "Ekspor Gambar…": a name box with the
// focus, Enter confirms, Esc or "Batal" cancels. `answer` gives the core's
// verdict on a name; a refusal is shown and the dialog stays open, so nothing
// is downloaded. Whatever its answer, the session hears that it has ended.
function nameDialog(app, options) {
    const { box, body } = dialog(options.id, options.caption, 360);
    const form = element('form', 'namedialog', body, { method: 'dialog' });
    const labelled = (caption, tag) => {
        const label = element('label', '', form);
        element('span', '', label, { textContent: caption });
        return element(tag, '', label, tag === 'input' ? { type: 'text' } : {});
    };
    const types = options.types && labelled(app.texts.typeCaption, 'select');
    (options.types || []).forEach((text, n) => element('option', '', types, { value: n + 1, textContent: text }));
    const input = labelled(app.texts.nameCaption, 'input');
    const refusal = element('p', 'refusal', form, { attrs: { role: 'alert' } });
    const buttons = element('div', 'buttons', form);
    element('button', 'button', buttons, { textContent: options.okCaption });
    element('button', 'button', buttons, { type: 'button', textContent: app.texts.cancelButton, onclick: () => box.close() });
    box.addEventListener('close', () => app.windowClosed('Dialog'));
    form.addEventListener('submit', (event) => {
        event.preventDefault();
        const verdict = JSON.parse(options.answer(input.value, types ? Number(types.value) : 0));
        if (verdict.refusal) {
            refusal.textContent = app.core.refusalMessage(verdict.name, verdict.refusal);
            return input.focus();
        }
        box.close();
        // A write that throws synchronously is told as a failed download too.
        return Promise.resolve().then(() => options.write(verdict)).catch(() => tell(app.core.notWrittenMessage(verdict.name)));
    });
    box.showModal();
    input.focus();
}

function saveDialog(app) {
    nameDialog(app, {
        id: 'saveDialog', caption: app.texts.saveTitle, okCaption: app.texts.saveButton,
        answer: (name) => app.core.saveName(name),
        write: (verdict) => download(verdict.name, app.page.bitmapFile().slice(), 'image/bmp'),
    });
}

// The core's file of the chosen type: a PNG is the command line's bytes for
// the same view, its resolution included.
function exportDialog(app) {
    nameDialog(app, {
        id: 'exportDialog', caption: app.texts.exportTitle, okCaption: app.texts.exportButton, types: JSON.parse(app.core.exportTypes()),
        answer: (name, type) => app.core.exportName(name, type),
        write: (verdict) => download(verdict.name, app.page.exportFile(verdict.type).slice(), verdict.type === 2 ? 'image/svg+xml' : 'image/png'),
    });
}

// "Layar Penuh": the presentation picture, drawn by the core for the whole
// visible screen (a phone's too, upright or sideways) at its device pixels,
// or as many as the core allows (the browser enlarges the rest). The pointer
// and the keys over it go to the session, a position as a pixel of its
// picture.
function openFullScreen(app) {
    const layer = element('div', 'presentation', document.body);
    const canvas = element('canvas', '', layer, { tabIndex: 0, attrs: { 'aria-label': app.description.window.fullScreenCaption } });
    const context = canvas.getContext('2d', { alpha: false });
    let ratio = 1;
    const resize = () => {
        const view = window.visualViewport;
        const cssWidth = view ? view.width : layer.clientWidth, cssHeight = view ? view.height : layer.clientHeight;
        const shown = app.page.openPresentation(cssWidth, cssHeight, window.devicePixelRatio || 1);
        ratio = shown.ratio;
        Object.assign(canvas.style, { width: shown.width / ratio + 'px', height: shown.height / ratio + 'px' });
        Object.assign(canvas, { width: shown.width, height: shown.height });
        app.presentation.draw();
    };
    const viewports = [window, window.visualViewport].filter(Boolean);
    const closed = () => viewports.forEach((viewport) => viewport.removeEventListener('resize', resize));
    app.presentation = presentation(app, layer, context, closed);
    wireTurning(app, canvas, app.core.PointerSurface.FullScreen, (event) => {
        const box = canvas.getBoundingClientRect();
        return [Math.floor((event.clientX - box.left) * ratio), Math.floor((event.clientY - box.top) * ratio)];
    });
    viewports.forEach((viewport) => viewport.addEventListener('resize', resize));
    resize();
    canvas.focus();
    if (layer.requestFullscreen) layer.requestFullscreen().catch(() => {});
}

// The open full screen: drawn with every change, closed by the session or by
// leaving the browser's own full screen (its Esc, a swipe), which the session
// then hears of.
function presentation(app, layer, context, closed) {
    const canvas = context.canvas;
    const shown = {
        canvas,
        draw: () => putChanges(context, () => app.page.presentationChanges()),
        close() {
            app.page.closePresentation();
            app.presentation = null;
            closed();
            if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
            // The canvas's pixels are given back with it.
            Object.assign(canvas, { width: 0, height: 0 });
            layer.remove();
            app.draw();
            app.canvas.focus();
        },
    };
    layer.addEventListener('fullscreenchange', () => {
        if (document.fullscreenElement || app.presentation !== shown) return;
        shown.close();
        app.windowClosed('FullScreen');
    });
    return shown;
}

// "Salin Gambar": the core's PNG of the picture at its own size, whatever
// the screen's pixel ratio, through the asynchronous clipboard, handed over
// at once, while the click's user activation is still valid.
function copyPicture(app) {
    const refused = () => tell(app.texts.pictureRefused);
    if (!navigator.clipboard || !navigator.clipboard.write || typeof ClipboardItem !== 'function') return refused();
    const png = () => new Blob([app.page.pngFile().slice()], { type: 'image/png' });
    return refusedIfThrown(() => navigator.clipboard.write([new ClipboardItem({ 'image/png': png() })]), refused);
}

// "Bagikan Gambar": the picture shown, aids included, at its own size, as the
// core's PNG file named after the shape, through the browser's sharing (a
// phone's share sheet). The file is made at once, so the click's user
// activation is still valid when the browser takes it. A cancel is quiet; a
// failure told. While a share is open, another tap is ignored: the browser
// would refuse it and the page would tell a failure while the first share
// goes on.
function sharePicture(app, name) {
    if (app.sharing) return app.sharing;
    const file = () => new File([app.page.pngFile().slice()], name, { type: 'image/png' });
    const failed = (error) => { if (!error || error.name !== 'AbortError') tell(app.texts.shareFailed); };
    app.sharing = refusedIfThrown(() => navigator.share({ files: [file()] }), failed).finally(() => { app.sharing = null; });
    return app.sharing;
}

// Whether the browser can share a picture file at all; where it cannot,
// "Bagikan Gambar" is not offered.
function canSharePictures() {
    try {
        const probe = new File([new Uint8Array(8)], 'gambar.png', { type: 'image/png' });
        return typeof navigator.share === 'function' && typeof navigator.canShare === 'function' && navigator.canShare({ files: [probe] });
    } catch {
        return false;
    }
}

// A clipboard may refuse by throwing rather than by rejecting: both are told
// the same way, and neither escapes as an error of the page.
function refusedIfThrown(write, refused) {
    try {
        return Promise.resolve(write()).catch(refused);
    } catch {
        return Promise.resolve(refused());
    }
}

// "Salin Kode Tampilan": the command that opens the view again, the core's.
function copyText(app, command) {
    const refused = () => tell(app.texts.viewCodeRefused);
    if (!navigator.clipboard || !navigator.clipboard.writeText) return refused();
    return refusedIfThrown(() => navigator.clipboard.writeText(command), refused);
}
