// "Irisan Bidang": the section window as a dialog beside the picture, not
// over it: the picture, the keys and the menus go on working while it is
// open. Its bars and box call the core, and it shows what the core reports
// (state().section); part of the page's script (ruvex3d.js).
function sectionWindow(app) {
    const layout = app.description.sectionWindow;
    const { box, body } = dialog(layout.name, layout.caption);
    box.classList.add('modeless');
    const form = element('div', 'sectionform', body);
    element('p', 'plane', form).textContent = layout.planeEquation;
    const bar = (description) => {
        const row = element('label', 'bar', form);
        element('span', 'caption', row).textContent = description.caption;
        const input = element('input', '', row);
        Object.assign(input, { type: 'range', min: description.min, max: description.max, step: description.smallChange });
        input.id = description.name;
        const value = element('output', '', row);
        input.addEventListener('input', () => app.call(description.handler, Number(input.value)));
        return { input, value };
    };
    const tilt = bar(layout.tilt);
    const distance = bar(layout.distance);
    const outlineRow = element('label', 'check', form);
    const outline = element('input', '', outlineRow);
    outline.type = 'checkbox';
    outline.id = layout.outline.name;
    element('span', '', outlineRow).textContent = layout.outline.caption;
    outline.addEventListener('change', () => app.call(layout.outline.handler, outline.checked));
    const text = (description) => {
        const row = element('label', 'text', form);
        element('span', 'caption', row).textContent = description.caption;
        const input = element('input', '', row);
        Object.assign(input, { type: 'text', readOnly: true, id: description.name });
        return input;
    };
    const solid = text(layout.solid);
    const line = text(layout.section);
    const close = okButton(box, element('div', 'buttons', body), layout.closeCaption);
    box.addEventListener('keydown', (event) => {
        if (event.key !== 'Escape') return;
        event.preventDefault();
        box.close();
    });
    box.addEventListener('close', () => { app.sectionWindow = null; app.call('frmIrisan_Unload'); });
    box.show();
    placeBeside(box, app.ui.form);
    tilt.input.focus();
    return {
        box,
        show(section) {
            tilt.input.value = section.tilt;
            tilt.value.textContent = section.tiltText;
            distance.input.value = section.distance;
            distance.value.textContent = section.distanceText;
            outline.checked = section.outline;
            if (solid.value !== section.solid) solid.value = section.solid;
            if (line.value !== section.line) line.value = section.line;
        },
        close: () => box.close(),
        closeButton: close,
    };
}

// Opens the section window, or brings it forward; the section is drawn while
// it is open.
function openSectionWindow(app) {
    if (!app.sectionWindow) app.sectionWindow = sectionWindow(app);
    if (!app.state.section.shown) app.call('mnuIrisan_Click');
    app.sectionWindow.show(app.state.section);
}

// Beside the window where the screen has room for it, so the picture stays in
// view; otherwise where the style sheet puts it (the screen's lower corner,
// a phone's lower edge).
function placeBeside(box, form) {
    const frame = form.getBoundingClientRect();
    if (frame.width === 0 || innerWidth - frame.right < box.offsetWidth + 16) return;
    Object.assign(box.style, { left: frame.right + 8 + 'px', top: frame.top + 'px', right: 'auto', bottom: 'auto' });
}
