// "Irisan Bidang": the section window as a dialog beside the picture, not
// over it: the picture, the keys and the menus go on working while it is
// open. Its bars and box hand their values to the session, and it shows the
// snapshot's section; part of the page's script (ruvex3d.js).
function sectionWindow(app) {
    const layout = app.description.sectionWindow;
    const { box, body } = dialog(layout.name, layout.caption);
    box.classList.add('modeless');
    const form = element('div', 'sectionform', body);
    element('p', 'plane', form, { textContent: layout.planeEquation });
    const tilt = sectionBar(app, form, layout.tilt), distance = sectionBar(app, form, layout.distance);
    const outline = labelledInput(form, 'check', layout.outline, { type: 'checkbox' });
    outline.addEventListener('change', () => app.control(layout.outline.handler, outline.checked ? 1 : 0));
    const solid = labelledInput(form, 'text', layout.solid, { type: 'text', readOnly: true });
    const line = labelledInput(form, 'text sectionline', layout.section, { type: 'text', readOnly: true });
    okButton(box, element('div', 'buttons', body), layout.closeCaption);
    const place = () => placeSectionWindow(box, app.ui.form);
    box.addEventListener('close', () => {
        app.sectionWindow = null;
        window.removeEventListener('resize', place);
        document.documentElement.classList.remove('sectionopen');
        app.windowClosed('SectionWindow');
    });
    document.documentElement.classList.add('sectionopen');
    box.show();
    place();
    window.addEventListener('resize', place);
    tilt.input.focus({ preventScroll: true });
    const show = (section) => {
        [tilt.input.value, tilt.value.textContent] = [section.tilt, section.tiltText];
        [distance.input.value, distance.value.textContent] = [section.distance, section.distanceText];
        outline.checked = section.outline;
        if (solid.value !== section.solid) solid.value = section.solid;
        if (line.value !== section.line) line.value = section.line;
    };
    return { box, show, close: () => box.close() };
}

// A bar between its "−" and "+", each a step of the session's, and its value
// as text; the caption names the bar alone.
function sectionBar(app, form, description) {
    const row = element('div', 'bar', form);
    element('label', 'caption', row, { textContent: description.caption, htmlFor: description.name });
    const step = (button, steps) => element('button', 'step', row, {
        type: 'button', textContent: button.caption, title: button.name, attrs: { 'aria-label': button.name },
        onclick: () => app.control(description.stepHandler, steps),
    });
    step(description.decrease, -1);
    const input = element('input', '', row, { type: 'range', min: description.min, max: description.max, step: description.smallChange, id: description.name });
    step(description.increase, 1);
    input.addEventListener('input', () => app.control(description.handler, Number(input.value)));
    return { input, value: element('output', '', row) };
}

// A box or a text field in a label with its caption: a box before it, a text after.
function labelledInput(form, className, description, properties) {
    const row = element('label', className, form);
    const box = properties.type === 'checkbox';
    if (!box) element('span', 'caption', row, { textContent: description.caption });
    const input = element('input', '', row, { ...properties, id: description.name });
    if (box) element('span', '', row, { textContent: description.caption });
    return input;
}

// Opens the section window, or brings it forward.
function showSectionWindow(app) {
    if (!app.sectionWindow) app.sectionWindow = sectionWindow(app);
    app.sectionWindow.show(app.snapshot.section);
}

// The window never hides the picture, and its line ("Irisan:") is in view.
// Laid out for the width (a phone), it is a sheet at the screen's lower edge,
// or beside the picture on its side, and the picture takes the room the sheet
// leaves. In the window's own layout it stands beside the window where the
// screen has room for it; otherwise, made narrow, beside the picture, the
// picture scrolled into view.
function placeSectionWindow(box, form) {
    const style = document.documentElement.style;
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
    const frame = form.getBoundingClientRect();
    if (innerWidth - frame.right >= box.offsetWidth + 16) {
        Object.assign(box.style, { left: frame.right + 8 + 'px', top: Math.max(frame.top, 8) + 'px', right: 'auto', bottom: 'auto' });
        return;
    }
    if (innerHeight - frame.bottom >= box.offsetHeight + 16 && innerWidth >= box.offsetWidth + 16) {
        Object.assign(box.style, { left: Math.max(frame.left, 8) + 'px', top: frame.bottom + 8 + 'px', right: 'auto', bottom: 'auto' });
        return;
    }
    const canvas = document.getElementById('picDisplay');
    const picture = canvas.getBoundingClientRect();
    box.classList.add('compact');
    const left = Math.max(frame.right, picture.right) + 8;
    Object.assign(box.style, { left: left + 'px', width: Math.max(innerWidth - left - 8, 0) + 'px', top: '8px', right: 'auto', bottom: 'auto' });
    canvas.scrollIntoView({ block: 'nearest', inline: 'nearest' });
}
