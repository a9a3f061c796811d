// The window's controls that a browser has no element for: the upright scroll
// bar with its arrows, and the yellow ring around the control with the
// keyboard focus; part of the page's script (ruvex3d.js).

// An upright scroll bar as the desktop draws it: an arrow at each end, the
// track and the thumb between. Its stored Min may lie above its Max (the
// distance bar runs 350..100); the top is Min either way, as on the desktop:
// the upper arrow, a click in the track above the thumb, ArrowUp, PageUp and
// Home move towards Min. It holds no value of its own: `changed` hands a
// value to the core, and show() shows the core's.
class UprightScrollBar {
    constructor(node, control, changed) {
        const range = control.range;
        Object.assign(this, { node, range, changed, value: range.value, enabled: true });
        this.towardsMax = range.max >= range.min ? 1 : -1;
        node.classList.add('scrollbar');
        const attrs = {
            role: 'scrollbar', 'aria-orientation': control.orientation || 'vertical', 'aria-label': control.name,
            'aria-valuemin': Math.min(range.min, range.max), 'aria-valuemax': Math.max(range.min, range.max),
        };
        for (const [name, value] of Object.entries(attrs)) node.setAttribute(name, value);
        this.tabStop = control.tabStop;
        this.up = element('div', 'arrow up', node);
        this.track = element('div', 'track', node);
        this.thumb = element('div', 'thumb', this.track);
        this.down = element('div', 'arrow down', node);
        this.wire();
        this.enable(control.enabled);
        this.show(range.value);
    }

    // Clamped into the range; the core hears of a value that moved.
    set(value) {
        const lo = Math.min(this.range.min, this.range.max), hi = Math.max(this.range.min, this.range.max);
        const clamped = Math.min(hi, Math.max(lo, value));
        if (this.enabled && clamped !== this.value) this.changed(clamped);
    }
    // `steps` small or large changes downwards (negative: upwards).
    step(steps, size) {
        this.set(this.value + steps * size * this.towardsMax);
    }

    show(value) {
        this.value = value;
        this.node.setAttribute('aria-valuenow', value);
        const span = this.range.max - this.range.min;
        const room = this.track.clientHeight - this.thumb.offsetHeight;
        this.thumb.style.top = (span ? Math.round(((value - this.range.min) / span) * room) : 0) + 'px';
    }

    enable(enabled) {
        this.enabled = enabled;
        this.node.classList.toggle('disabled', !enabled);
        this.node.setAttribute('aria-disabled', String(!enabled));
        this.node.tabIndex = enabled && this.tabStop ? 0 : -1;
    }

    wire() {
        const small = (steps) => () => this.step(steps, this.range.smallChange), large = (steps) => () => this.step(steps, this.range.largeChange);
        const keys = {
            ArrowUp: small(-1), ArrowLeft: small(-1), ArrowDown: small(1), ArrowRight: small(1), PageUp: large(-1), PageDown: large(1),
            Home: () => this.set(this.range.min), End: () => this.set(this.range.max),
        };
        this.node.addEventListener('keydown', (event) => {
            if (!keys[event.key] || event.ctrlKey || event.altKey || event.metaKey) return;
            event.preventDefault();
            keys[event.key]();
        });
        this.node.addEventListener('pointerdown', (event) => this.press(event));
    }

    // An arrow or the track steps once and again while held; the thumb is
    // dragged.
    press(event) {
        if (!this.enabled || event.button !== 0) return;
        event.preventDefault();
        if (this.tabStop) this.node.focus();
        if (event.target === this.thumb) return this.drag(event);
        const above = event.clientY < this.thumb.getBoundingClientRect().top;
        const action = event.target === this.up ? () => this.step(-1, this.range.smallChange)
            : event.target === this.down ? () => this.step(1, this.range.smallChange)
                : () => this.step(above ? -1 : 1, this.range.largeChange);
        action();
        let repeat = setTimeout(function again() { action(); repeat = setTimeout(again, 50); }, 350);
        const stop = () => { clearTimeout(repeat); window.removeEventListener('pointerup', stop); };
        window.addEventListener('pointerup', stop);
    }

    drag(event) {
        const startY = event.clientY, startTop = this.thumb.offsetTop;
        const room = this.track.clientHeight - this.thumb.offsetHeight;
        const span = this.range.max - this.range.min;
        const move = (e) => {
            const top = Math.min(room, Math.max(0, startTop + e.clientY - startY));
            if (room > 0) this.set(Math.round(this.range.min + (top / room) * span));
        };
        const stop = () => { window.removeEventListener('pointermove', move); window.removeEventListener('pointerup', stop); };
        window.addEventListener('pointermove', move);
        window.addEventListener('pointerup', stop);
    }
}

// The yellow ring around whichever control of the window has the keyboard
// focus, as the desktop draws it: one ring over the window's client area, on
// the edge of the focused control's whole box (a control clipped by its frame
// keeps its whole ring), and none for the drawing area, whose own border turns
// yellow instead.
function watchFocus(client, framesItself) {
    const ring = element('div', 'focusring', client);
    ring.hidden = true;
    const follow = () => {
        const focused = document.activeElement;
        const control = focused && focused !== framesItself && client.contains(focused) && focused.closest('.control');
        ring.hidden = !control;
        if (!control) return;
        const box = control.getBoundingClientRect(), origin = client.getBoundingClientRect();
        place(ring, { x: box.left - origin.left, y: box.top - origin.top, width: box.width, height: box.height });
    };
    document.addEventListener('focusin', follow);
    document.addEventListener('focusout', () => setTimeout(follow));
}
