// "Irisan Bidang": the section window beside the picture, not over it: the
// picture, the keys and the menus go on working while it is open; part of
// the page's script (ruvex3d.js).
function showSectionWindow(app) {
    app.sectionWindow ||= besideWindow(app, app.description.sectionWindow, 'SectionWindow', sectionForm);
    app.show();
}

// "Ukuran Bangun", the sizes of a school solid, laid out and placed as
// "Irisan Bidang" is; the two are alternatives, the core closing one as the
// other opens.
function showSizeWindow(app) {
    app.sizeWindow ||= besideWindow(app, app.description.sizeWindow, 'SizeWindow', sizeForm);
    app.show();
}

// A window beside the picture, its form filled by `fill`, which returns the
// control to focus; closing it tells the session which window closed.
function besideWindow(app, layout, name, fill) {
    const key = name[0].toLowerCase() + name.slice(1), root = document.documentElement.classList;
    const { box, body } = dialog(layout.name, layout.caption);
    box.classList.add('modeless');
    const first = fill(app, element('div', 'sectionform', body), layout);
    okButton(box, element('div', 'buttons', body), layout.closeCaption);
    const place = () => placeSectionWindow(app.core, box);
    box.addEventListener('close', () => {
        if (app[key] === box) app[key] = null;
        window.removeEventListener('resize', place);
        // The other window may have opened as this one closed.
        if (!app.sectionWindow && !app.sizeWindow) root.remove('sectionopen');
        app.windowClosed(name);
    });
    root.add('sectionopen');
    box.show();
    place();
    window.addEventListener('resize', place);
    first.focus({ preventScroll: true });
    return box;
}

function sectionForm(app, form, layout) {
    element('p', 'plane', form, { textContent: layout.planeEquation });
    const tilt = sectionBar(app, form, layout.tilt);
    sectionBar(app, form, layout.distance);
    const { outline, solid, section } = layout;
    handValue(app, labelled('input', 'check', form, outline.caption, { type: 'checkbox', id: outline.name }), outline.handler);
    labelled('input', 'text', form, solid.caption, { type: 'text', readOnly: true, id: solid.name });
    labelled('input', 'text sectionline', form, section.caption, { type: 'text', readOnly: true, id: section.name });
    return tilt;
}

// The bars r and t, the choice of π, the net's bar, the notice (for a shape
// without these sizes, a bola's net) and the worked numbers, to select and copy.
function sizeForm(app, form, layout) {
    const radius = sectionBar(app, form, layout.radius);
    sectionBar(app, form, layout.height);
    const pi = element('div', 'pi', form, { attrs: { role: 'radiogroup' } });
    layout.pi.captions.forEach((caption, index) => {
        const id = `${layout.pi.name}(${index})`;
        handValue(app, labelled('input', 'option', pi, caption, { type: 'radio', name: layout.pi.name, id }), layout.pi.handler, index);
    });
    sectionBar(app, form, layout.net);
    element('p', 'notice', form, { hidden: true });
    element('textarea', 'numbers', form, { readOnly: true, rows: 7, id: layout.numbersName, attrs: { 'aria-label': layout.numbersName } });
    return radius;
}

function showSizeNotice(app) {
    const notice = app.sizeWindow?.querySelector('.notice');
    if (notice) Object.assign(notice, { textContent: app.snapshot.sizes.notice, hidden: !app.snapshot.sizes.notice });
}

// A bar between its "−" and "+", each a step of the session's, and its value
// as text; the caption names the bar alone.
function sectionBar(app, form, bar) {
    const row = element('div', 'bar', form);
    element('label', 'caption', row, { textContent: bar.caption, htmlFor: bar.name });
    const step = (button, steps) => element('button', 'step', row, {
        type: 'button', textContent: button.caption, title: button.name, attrs: { 'aria-label': button.name },
        onclick: () => app.control(bar.stepHandler, steps),
    });
    step(bar.decrease, -1);
    const input = element('input', '', row, { type: 'range', min: bar.min, max: bar.max, step: bar.smallChange, id: bar.name });
    step(bar.increase, 1);
    handValue(app, input, bar.handler);
    input.shownText = element('output', '', row);
    return input;
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
