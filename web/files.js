// What the page hands to the browser: the files the core makes (the name
// dialogs, the downloads), "Layar Penuh", the share and the copies to the
// clipboard; part of the page's script (ruvex3d.js).

// Hands a file to the browser's downloads, under the bare name the core allows.
function download(name, bytes, type) {
    if (!bytes.length) throw new Error('no picture file');
    const link = document.body.appendChild(Object.assign(document.createElement('a'), { href: URL.createObjectURL(new Blob([bytes], { type })), download: name }));
    link.click();
    setTimeout(() => { URL.revokeObjectURL(link.href); link.remove(); }, 1000);
}

function tell(text) {
    const message = Object.assign(document.getElementById('message'), { textContent: text, hidden: false });
    clearTimeout(tell.timer);
    tell.timer = setTimeout(() => { message.hidden = true; }, 8000);
}

// "Save Gambar" and "Ekspor Gambar…" as the core describes each: Enter
// confirms the name, Esc or the cancel button cancels. A name the core
// refuses is told and the dialog stays open; otherwise the file goes to the
// downloads as the core's answer names it. The session hears that it ended.
function fileDialog(app, text, kind) {
    const box = dialog(kind);
    const [form, types, input, refusal] = ['form', 'select', 'input', '.refusal'].map((part) => box.querySelector(part));
    box.addEventListener('close', () => app.windowClosed('Dialog'));
    form.addEventListener('submit', (event) => {
        event.preventDefault();
        const answer = JSON.parse(app.core.fileName(kind, input.value, types ? Number(types.value) : 0));
        if (answer.refusal) {
            refusal.textContent = answer.refusalMessage;
            return input.focus();
        }
        box.close();
        // A write that throws synchronously is told as a failed download too.
        const write = () => download(answer.name, app.page.pictureFile(kind, answer.type).slice(), answer.mediaType);
        return Promise.resolve().then(write).catch(() => tell(answer.notWrittenMessage));
    });
    box.showModal();
    input.focus();
}

// "Layar Penuh": the picture drawn by the core for the whole visible screen
// at its device pixels, or as many as the core allows (the browser enlarges
// the rest); the pointer over it goes to the session (wireTurning).
function openFullScreen(app) {
    const returnTo = document.activeElement, layer = fromTemplate('presentation'), canvas = layer.firstElementChild;
    const viewports = [window, window.visualViewport].filter(Boolean);
    let ratio = 1;
    const resize = () => {
        const view = window.visualViewport || { width: layer.clientWidth, height: layer.clientHeight };
        const shown = app.page.openPresentation(view.width, view.height, window.devicePixelRatio || 1);
        ratio = shown.ratio;
        canvas.style.width = shown.width / ratio + 'px';
        canvas.width = shown.width;
        presentation.fitBand();
        app.showChanges();
    };
    const presentation = {
        canvas,
        context: canvas.getContext('2d', { alpha: false }),
        fitBand: captionBand(app, layer, canvas, () => ratio),
        close() {
            app.page.closePresentation();
            app.presentation = null;
            viewports.forEach((viewport) => viewport.removeEventListener('resize', resize));
            if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
            Object.assign(canvas, { width: 0, height: 0 }); // its pixels given back with it
            layer.remove();
            app.showChanges();
            focusBack(returnTo);
        },
    };
    closeWithBrowser(app, layer, presentation);
    app.presentation = presentation;
    wireTurning(app, canvas, app.core.PointerSurface.FullScreen);
    viewports.forEach((viewport) => viewport.addEventListener('resize', resize));
    resize();
    canvas.focus();
    if (layer.requestFullscreen) layer.requestFullscreen().catch(() => {});
}

// The band under the picture for the core's caption, and what fits both to
// the core's sizes at ratioOf() device pixels a CSS pixel: the picture as
// tall as the core leaves it, the caption's text as high as it says. Done
// as the full screen opens and when the core says the caption changed.
function captionBand(app, layer, canvas, ratioOf) {
    const caption = layer.querySelector('.caption');
    return () => {
        const band = app.page.presentationBand(), ratio = ratioOf();
        if (canvas.height !== band.pictureHeight) {
            canvas.height = band.pictureHeight;
            canvas.style.height = band.pictureHeight / ratio + 'px';
        }
        caption.hidden = band.height === 0 || !band.caption;
        Object.assign(caption.style, { height: band.height / ratio + 'px', fontSize: band.textHeight / ratio + 'px' });
        if (caption.textContent !== band.caption) caption.textContent = band.caption;
    };
}

// Leaving the browser's own full screen closes the presentation, and the session hears of it.
function closeWithBrowser(app, layer, presentation) {
    layer.addEventListener('fullscreenchange', () => {
        if (document.fullscreenElement || app.presentation !== presentation) return;
        presentation.close();
        app.windowClosed('FullScreen');
    });
}

// "Salin Gambar": the core's PNG of the picture at its own size, handed over
// at once, while the click's user activation is still valid.
function copyPicture(app) {
    const png = () => new Blob([app.page.pngFile().slice()], { type: 'image/png' });
    return handOver(() => navigator.clipboard.write([new ClipboardItem({ 'image/png': png() })]), app.texts.pictureRefused);
}

// "Salin Kode Tampilan": the command that opens the view again, the core's.
function copyText(app, command) {
    return handOver(() => navigator.clipboard.writeText(command), app.texts.viewCodeRefused);
}

// "Bagikan Gambar": the core's PNG named after the shape, to the browser's
// sharing (a phone's share sheet). While a share is open another tap is
// ignored: the browser would refuse it, told as a failure.
function sharePicture(app, name) {
    const file = () => new File([app.page.pngFile().slice()], name, { type: 'image/png' });
    app.sharing ||= handOver(() => navigator.share({ files: [file()] }), app.texts.shareFailed).finally(() => { app.sharing = null; });
    return app.sharing;
}

// Whether the browser can share a picture file at all; where it cannot,
// "Bagikan Gambar" is not offered. A browser without sharing is told apart
// before a probe file is made: making one is slow at start.
function canSharePictures() {
    const probe = () => new File([new Uint8Array(8)], 'gambar.png', { type: 'image/png' });
    return typeof navigator.share === 'function' && navigator.canShare?.({ files: [probe()] }) === true;
}

// Hands something to the browser: a refusal, rejected or thrown (where the
// browser lacks the means), is told, a cancel by the user is quiet.
function handOver(write, refused) {
    return new Promise((resolve) => resolve(write())).catch((error) => { if (error?.name !== 'AbortError') tell(refused); });
}
