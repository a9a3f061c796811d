// What a browser has no element for: the upright scroll bar and the yellow
// focus ring; part of the page's script (ruvex3d.js).

// An upright scroll bar as the desktop draws it. It holds no value of its
// own: an arrow, the track, a key or a drag asks the core where it moves to
// (window/scrollbarmoves.h) and hands that to the session.
class UprightScrollBar {
    constructor(app, node) {
        Object.assign(this, { app, node, name: node.id, handler: node.dataset.handler, tabStop: 'tabStop' in node.dataset });
        [this.up, this.track, this.down] = node.children;
        this.thumb = this.track.firstElementChild;
        this.wire();
    }

    // The session hears of a value that moved.
    moveTo(value) {
        if (this.enabled && value !== this.value) this.app.control(this.handler, value);
    }

    // The core's state of the bar: its value, where its thumb stands (0 top,
    // 1 bottom) and whether it takes input.
    show({ value, thumb, enabled, valueText }) {
        this.value = value;
        this.node.setAttribute('aria-valuenow', value);
        this.node.setAttribute('aria-valuetext', valueText);
        this.thumb.style.top = Math.round(thumb * (this.track.clientHeight - this.thumb.offsetHeight)) + 'px';
        this.enabled = enabled;
        this.node.setAttribute('aria-disabled', String(!enabled));
        this.node.tabIndex = enabled && this.tabStop ? 0 : -1;
    }

    // A key moves the bar as the core says, where it moves it at all.
    wire() {
        this.node.addEventListener('keydown', (event) => {
            const moved = this.app.core.scrolledByKey(this.name, event.key, event.ctrlKey, event.altKey, event.metaKey, this.value);
            if (moved === null) return;
            event.preventDefault();
            this.moveTo(moved);
        });
        this.node.addEventListener('pointerdown', (event) => this.press(event, this.app.core.ScrollMove));
    }

    // An arrow or the track moves the bar once and again while held; the
    // thumb is dragged.
    press(event, moves) {
        if (!this.enabled || event.button !== 0) return;
        event.preventDefault();
        if (this.tabStop) this.node.focus();
        if (event.target === this.thumb) return this.drag(event);
        const above = event.clientY < this.thumb.getBoundingClientRect().top;
        const move = event.target === this.up ? moves.LineUp : event.target === this.down ? moves.LineDown : above ? moves.PageUp : moves.PageDown;
        const action = () => this.moveTo(this.app.core.scrolledValue(this.name, move, this.value));
        action();
        let repeat = setTimeout(function again() { action(); repeat = setTimeout(again, 50); }, 350);
        window.addEventListener('pointerup', () => clearTimeout(repeat), { once: true });
    }

    drag(event) {
        const startY = event.clientY, startTop = this.thumb.offsetTop;
        const room = this.track.clientHeight - this.thumb.offsetHeight;
        const move = (e) => {
            const top = Math.min(room, Math.max(0, startTop + e.clientY - startY));
            if (room > 0) this.moveTo(this.app.core.scrollValueAt(this.name, top / room));
        };
        window.addEventListener('pointermove', move);
        window.addEventListener('pointerup', () => window.removeEventListener('pointermove', move), { once: true });
    }
}

// The yellow ring around the control with the keyboard focus, as the
// desktop draws it, over the client area so that a control clipped by its
// frame keeps its whole ring; none for the drawing area, whose border turns.
function watchFocus(client, framesItself) {
    const ring = client.querySelector('.focusring');
    const follow = () => {
        const focused = document.activeElement;
        const control = focused && focused !== framesItself && client.contains(focused) && focused.closest('.control');
        ring.hidden = !control;
        if (!control) return;
        const box = control.getBoundingClientRect(), origin = client.getBoundingClientRect();
        Object.assign(ring.style, { left: box.left - origin.left + 'px', top: box.top - origin.top + 'px', width: box.width + 'px', height: box.height + 'px' });
    };
    document.addEventListener('focusin', follow);
    document.addEventListener('focusout', () => setTimeout(follow));
}
