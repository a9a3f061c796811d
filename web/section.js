// "Irisan Bidang": the section window beside the picture, not over it: the
// picture, the keys and the menus go on working while it is open; part of
// the page's script (ruvex3d.js).
function showSectionWindow(app) {
    app.sectionWindow ||= sectionWindow(app);
    app.show();
}

function sectionWindow(app) {
    const layout = app.description.sectionWindow;
    const { box, body } = dialog(layout.name, layout.caption);
    box.classList.add('modeless');
    const form = element('div', 'sectionform', body);
    element('p', 'plane', form, { textContent: layout.planeEquation });
    const tilt = sectionBar(app, form, layout.tilt);
    sectionBar(app, form, layout.distance);
    const { outline, solid, section } = layout;
    handValue(app, labelled('input', 'check', form, outline.caption, { type: 'checkbox', id: outline.name }), outline.handler);
    labelled('input', 'text', form, solid.caption, { type: 'text', readOnly: true, id: solid.name });
    labelled('input', 'text sectionline', form, section.caption, { type: 'text', readOnly: true, id: section.name });
    okButton(box, element('div', 'buttons', body), layout.closeCaption);
    const place = () => placeSectionWindow(app.core, box);
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
    tilt.focus({ preventScroll: true });
    return box;
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
