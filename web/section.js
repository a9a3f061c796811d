// "Irisan Bidang" (the section window) and "Ukuran Bangun" (the sizes of a
// school solid): a window beside the picture, not over it: the picture, the
// keys and the menus go on working while it is open. The two are
// alternatives, the core closing one as the other opens. Part of the page's
// script (ruvex3d.js).
function showBesideWindow(app, name) {
    app.beside[name] ||= besideWindow(app, name);
    app.show();
}

// The window from its template; its first bar has the focus, and closing it
// tells the session which window closed.
function besideWindow(app, name) {
    const root = document.documentElement.classList, box = dialog(name);
    wireHandlers(app, box);
    const place = () => placeSectionWindow(app.core, box);
    box.addEventListener('close', () => {
        if (app.beside[name] === box) delete app.beside[name];
        window.removeEventListener('resize', place);
        // The other window may have opened as this one closed.
        if (!Object.keys(app.beside).length) root.remove('sectionopen');
        app.windowClosed(name);
    });
    root.add('sectionopen');
    box.show();
    place();
    window.addEventListener('resize', place);
    box.querySelector('input').focus({ preventScroll: true });
    return box;
}

// The window never hides the picture, and its line ("Irisan:") is in view:
// laid out for a phone, a sheet whose room the picture leaves; otherwise
// where the core places a window beside the main one.
function placeSectionWindow(core, box) {
    const style = document.documentElement.style;
    const form = document.getElementById('Form1'), canvas = document.getElementById('picDisplay');
    box.classList.remove('compact');
    Object.assign(box.style, { left: '', top: '', right: '', bottom: '', width: '' });
    if (getComputedStyle(form).display === 'grid') {
        style.setProperty('--section-sheet', box.offsetHeight + 'px');
        const pictureTop = document.getElementById('picDisplayBox').getBoundingClientRect().top + scrollY;
        const sheetTop = box.getBoundingClientRect().top;
        style.setProperty('--section-room', Math.floor(Math.min(innerHeight, sheetTop + scrollY) - pictureTop - 4) + 'px');
        return;
    }
    style.removeProperty('--section-sheet');
    style.removeProperty('--section-room');
    const size = { x: 0, y: 0, width: box.offsetWidth, height: box.offsetHeight }, screen = { x: 0, y: 0, width: innerWidth, height: innerHeight };
    const at = core.placeBeside(form.getBoundingClientRect(), canvas.getBoundingClientRect(), size, screen);
    box.classList.toggle('compact', at.narrowed);
    Object.assign(box.style, { left: at.x + 'px', top: at.y + 'px', right: 'auto', bottom: 'auto', width: at.narrowed ? at.width + 'px' : '' });
    if (at.narrowed) canvas.scrollIntoView({ block: 'nearest', inline: 'nearest' });
}
