// The page's front end: builds the window from the core's description, turns
// browser events into the core's handlers and copies the core's picture to
// the canvas. No rule of the program lives here: what a click, a key or a
// timer tick does, and every text shown, comes from the core (binding.cpp).
'use strict';
(function () {
    const needs = document.getElementById('needs');
    if (typeof WebAssembly !== 'object' || typeof createRuvexCore !== 'function') {
        needs.hidden = false;
        return;
    }
    createRuvexCore().then(start, () => { needs.hidden = false; });

    // The desktop's timers tick no faster than this (ui/animationtimer.h).
    const kMinimumTickMs = 15;
    // The Windows key codes the core's key handler takes.
    const kKeyCodes = { Home: 0x24, ArrowLeft: 0x25, ArrowUp: 0x26, ArrowRight: 0x27, ArrowDown: 0x28 };

    function element(tag, className, parent) {
        const node = document.createElement(tag);
        if (className) node.className = className;
        if (parent) parent.appendChild(node);
        return node;
    }
    function place(node, rect) {
        Object.assign(node.style, { left: rect.x + 'px', top: rect.y + 'px', width: rect.width + 'px', height: rect.height + 'px' });
    }
    function fontOf(font) {
        return `${font.italic ? 'italic ' : ''}${font.bold ? 'bold ' : ''}${font.size}pt "${font.family}", "Liberation Sans", Arial, sans-serif`;
    }
    function colour(node, control) {
        if (control.foreColor) node.style.color = control.foreColor;
        if (control.backColor) node.style.backgroundColor = control.backColor;
        if (control.font) node.style.font = fontOf(control.font);
    }
    // "&Spasiologi": the caption without its mnemonic, and the mnemonic's letter.
    const plain = (caption) => caption.replace(/&(.)/g, '$1');
    const mnemonic = (caption) => (/&(.)/.exec(caption) || [])[1];

    function start(core) {
        const description = JSON.parse(core.windowDescriptionJson());
        const page = new core.RuvexPage();
        const ui = buildWindow(description, page);
        const placesText = page.start(ui.controls['Option1(0)'].rect.y * 15);
        JSON.parse(placesText).forEach(([left, top], n) => {
            const button = ui.controls[`Option1(${n})`].node;
            button.style.left = left / 15 + 'px';
            button.style.top = top / 15 + 'px';
        });
        const app = new PageApp(core, page, description, ui);
        app.update();
        document.getElementById('Form1').hidden = false;
        window.ruvexPage = app; // for the tests and the curious
        document.documentElement.dataset.ready = 'true';
    }

    function buildWindow(description, page) {
        const form = document.getElementById('Form1');
        const win = description.window;
        document.title = win.caption;
        form.style.font = fontOf(win.font);
        const menubar = element('div', 'menubar', form);
        menubar.setAttribute('role', 'menubar');
        const client = element('div', 'client', form);
        Object.assign(client.style, { width: win.width + 'px', height: win.height + 'px', backgroundColor: win.backColor });
        const controls = {};
        const containers = { '': client };
        for (const control of description.controls) {
            const node = makeControl(control, page);
            place(node, control.rect);
            (containers[control.container] || client).appendChild(node);
            controls[control.name] = { rect: control.rect, node, control };
            if (control.kind === 'frame') containers[control.name] = node;
        }
        for (const line of description.lines) {
            const node = element('div', 'line', client);
            place(node, line.rect);
            node.style.backgroundColor = line.color;
        }
        return { form, menubar, client, controls };
    }

    function makeControl(control, page) {
        const kinds = {
            label: () => { const n = element('div', 'label'); n.textContent = control.caption; return n; },
            textBox: () => { const n = element('textarea', 'textbox'); n.readOnly = true; n.setAttribute('aria-label', control.name); return n; },
            frame: () => { const n = element('fieldset', 'frame'); if (control.caption) element('legend', '', n).textContent = control.caption; return n; },
            checkBox: () => choice('checkbox', control),
            optionButton: () => choice('radio', control),
            scrollBar: () => scrollBar(control),
            pictureBox: () => pictureBox(control),
        };
        const node = (kinds[control.kind] || kinds.label)();
        node.id = control.kind === 'pictureBox' ? control.name + 'Box' : control.name;
        node.classList.add('control');
        colour(node, control);
        node.style.textAlign = { left: 'left', right: 'right', centre: 'center' }[control.alignment] || 'left';
        if (!control.visible) node.hidden = true;
        return node;
    }

    function choice(type, control) {
        const label = element('label', type === 'radio' ? 'option' : 'check');
        const input = element('input', '', label);
        input.type = type;
        input.name = control.name.replace(/\(\d+\)$/, '');
        input.tabIndex = 0;
        element('span', '', label).textContent = control.caption;
        return label;
    }

    // A scroll bar's Min may lie above its Max (the thumb's top or left end
    // is Min either way); a range input's min is its left end, so a reversed
    // bar shows lo + hi - value.
    function scrollBar(control) {
        const input = element('input', 'scrollbar');
        input.type = 'range';
        const range = control.range;
        const lo = Math.min(range.min, range.max), hi = Math.max(range.min, range.max);
        Object.assign(input, { min: lo, max: hi, step: range.smallChange });
        input.dataset.reversed = String(range.min > range.max);
        if (control.rect.height > control.rect.width) input.classList.add('vertical');
        input.setAttribute('aria-label', control.name);
        return input;
    }
    const reversedValue = (input, value) => (input.dataset.reversed === 'true' ? Number(input.min) + Number(input.max) - value : value);

    function pictureBox(control) {
        const box = element('div', 'picturebox');
        const canvas = element('canvas', '', box);
        canvas.id = control.name;
        canvas.tabIndex = 0;
        canvas.setAttribute('role', 'img');
        canvas.setAttribute('aria-label', 'Gambar bangun ruang');
        return box;
    }

    // The running window: the core's page object and the elements that show
    // its state.
    class PageApp {
        constructor(core, page, description, ui) {
            Object.assign(this, { core, page, description, ui, ticking: null, state: null });
            this.canvas = document.getElementById('picDisplay');
            this.context = this.canvas.getContext('2d', { alpha: false });
            this.width = page.pictureWidth();
            this.height = page.pictureHeight();
            this.image = new ImageData(this.width, this.height);
            this.scratch = element('canvas');
            Object.assign(this.scratch, { width: this.width, height: this.height });
            this.sizeCanvas();
            matchMedia(`(resolution: ${devicePixelRatio}dppx)`).addEventListener('change', () => { this.sizeCanvas(); this.draw(); });
            this.wireControls();
            this.wirePointer();
            this.wireKeys();
            this.menus = buildMenus(this, description.menus);
        }

        // The backing store has a device pixel for each device pixel on the
        // screen; the picture is scaled up without smoothing, so at a ratio of
        // 1 each picture pixel is one canvas pixel and above it a block.
        sizeCanvas() {
            const ratio = window.devicePixelRatio || 1;
            this.canvas.style.width = this.width + 'px';
            this.canvas.style.height = this.height + 'px';
            this.canvas.width = Math.round(this.width * ratio);
            this.canvas.height = Math.round(this.height * ratio);
            this.context.imageSmoothingEnabled = false;
        }

        draw() {
            this.image.data.set(this.page.pixels());
            if (this.canvas.width === this.width && this.canvas.height === this.height) {
                this.context.putImageData(this.image, 0, 0);
            } else {
                this.scratch.getContext('2d').putImageData(this.image, 0, 0);
                this.context.imageSmoothingEnabled = false;
                this.context.drawImage(this.scratch, 0, 0, this.canvas.width, this.canvas.height);
            }
            if (this.presentation) this.presentation.draw();
        }

        // After every call into the core: the picture and every control.
        update() {
            this.draw();
            const s = JSON.parse(this.page.state());
            this.state = s;
            const c = this.ui.controls;
            c.Text1.node.value = s.description;
            c.LabAspect.node.textContent = s.aspectCaption;
            c.LabPerspec.node.textContent = s.distanceCaption;
            for (const [name, entry] of Object.entries(c)) {
                const index = /\((\d+)\)$/.exec(name);
                const input = entry.node.querySelector && entry.node.querySelector('input');
                if (index && name.startsWith('Option1')) input.checked = Number(index[1]) === s.shape;
                if (index && name.startsWith('optAnim')) input.checked = Number(index[1]) === s.anim;
            }
            const check = c.chkPerspective.node.querySelector('input');
            check.checked = s.perspective === 1;
            check.indeterminate = s.perspective === 2;
            c.VScroll1.node.value = reversedValue(c.VScroll1.node, s.aspect);
            c.VScroll2.node.value = reversedValue(c.VScroll2.node, s.distance);
            c.VScroll2.node.disabled = !s.distanceEnabled;
            if (this.menus) this.menus.showSpeed(s.speed);
            this.schedule(s);
        }

        // One interval timer runs while either of the core's timers is on.
        schedule(s) {
            const on = s.timer1 || s.timer2;
            const interval = Math.max(s.interval, kMinimumTickMs);
            if (on && this.ticking && this.ticking.interval === interval) return;
            if (this.ticking) clearInterval(this.ticking.id);
            this.ticking = on ? { interval, id: setInterval(() => this.tick(), interval) } : null;
        }

        tick() {
            if (this.state.timer1) this.page.timer1Tick();
            if (this.state.timer2) this.page.timer2Tick();
            this.update();
        }

        call(handler, ...args) {
            const result = this.page[handler](...args);
            this.update();
            return result;
        }

        wireControls() {
            const c = this.ui.controls;
            for (const [name, entry] of Object.entries(c)) {
                const index = /\((\d+)\)$/.exec(name);
                const input = entry.node.querySelector && entry.node.querySelector('input');
                if (!index || !input) continue;
                const handler = name.startsWith('Option1') ? 'optionClick' : 'animClick';
                input.addEventListener('change', () => this.call(handler, Number(index[1])));
            }
            const check = c.chkPerspective.node.querySelector('input');
            check.addEventListener('change', () => this.call('perspectiveClick', check.checked ? 1 : 0));
            c.VScroll1.node.addEventListener('input', (e) => this.call('aspectChange', reversedValue(e.target, Number(e.target.value))));
            c.VScroll2.node.addEventListener('input', (e) => this.call('distanceChange', reversedValue(e.target, Number(e.target.value))));
        }

        // Pointer positions in whole CSS pixels from the picture's top-left
        // corner, as the desktop's picture box reports them.
        pointerAt(event) {
            const box = this.canvas.getBoundingClientRect();
            return [Math.floor(event.clientX - box.left), Math.floor(event.clientY - box.top)];
        }

        // Buttons as the core counts them (1 left, 2 right, 4 middle), which is
        // the browser's `buttons` mask; a touch or a pen in contact is the left.
        wirePointer() {
            const canvas = this.canvas;
            const buttonOf = (event) => [1, 4, 2][event.button] || 0;
            canvas.addEventListener('pointermove', (event) => {
                const events = event.getCoalescedEvents ? event.getCoalescedEvents() : [];
                const last = events.length ? events[events.length - 1] : event;
                this.call('pointerMoved', event.buttons, ...this.pointerAt(last));
            });
            canvas.addEventListener('pointerdown', (event) => {
                canvas.focus();
                if (event.pointerType !== 'mouse') canvas.setPointerCapture(event.pointerId);
                this.call('mouseDown', buttonOf(event), ...this.pointerAt(event));
            });
            canvas.addEventListener('pointerup', (event) => {
                this.call('mouseUp', buttonOf(event), ...this.pointerAt(event));
                if (event.button === 2) this.command('mnuSave');
            });
            canvas.addEventListener('contextmenu', (event) => event.preventDefault());
        }

        wireKeys() {
            this.canvas.addEventListener('keydown', (event) => {
                const code = kKeyCodes[event.key];
                if (code === undefined || event.ctrlKey || event.altKey || event.metaKey) return;
                if (this.call('keyDown', code, event.shiftKey ? 1 : 0)) event.preventDefault();
            });
            document.addEventListener('keydown', (event) => {
                const shortcut = shortcutOf(event);
                const item = shortcut && this.menus.byShortcut[shortcut];
                if (item) {
                    event.preventDefault();
                    this.command(item);
                } else if (event.altKey && !event.ctrlKey && this.menus.openByMnemonic(event.key)) {
                    event.preventDefault();
                } else if (event.key === 'F10' && !event.shiftKey) {
                    event.preventDefault();
                    this.menus.open(0);
                }
            });
        }

        // What a menu item does, by its name in the description.
        command(name) {
            this.menus.close();
            const speed = /^mnuSpeed\((\d)\)$/.exec(name);
            if (speed) return this.call('speedClick', Number(speed[1]));
            const info = this.description.infoWindows.find((w) => w.menuItem === name);
            if (info) return showInfoWindow(info);
            const actions = {
                mnuHome: () => this.call('home'),
                mnuSave: () => saveDialog(this),
                mnuExport: () => exportDialog(this),
                mnuFullScreen: () => toggleFullScreen(this),
                mnuExit: () => { this.call('stopAnimation'); window.close(); },
                MnuPetunjuk: () => showHelp(this.description.helpWindow),
            };
            if (actions[name]) actions[name]();
        }
    }

    // "Ctrl+S", "F1", ... as the description writes shortcuts; Home is the
    // drawing area's own key and not a page-wide shortcut.
    function shortcutOf(event) {
        if (event.key === 'Home' || event.altKey || event.metaKey) return null;
        const key = event.key.length === 1 ? event.key.toUpperCase() : event.key;
        if (event.ctrlKey && key.length === 1) return 'Ctrl+' + key;
        return /^F\d+$/.test(key) && !event.ctrlKey ? key : null;
    }
    // The menu bar from the description: a button per menu on the bar, a list
    // of menu items under it, submenus one level further.
    function buildMenus(app, menus) {
        const bar = app.ui.menubar;
        const byShortcut = {};
        const speedItems = [];
        const tops = [];
        let openIndex = -1;

        function makeItem(entry, list) {
            if (entry.kind === 'separator') {
                element('div', 'separator', list).setAttribute('role', 'separator');
                return;
            }
            const item = element('button', 'menuitem', list);
            item.type = 'button';
            item.id = entry.name;
            item.tabIndex = -1;
            item.setAttribute('role', entry.checkable ? 'menuitemradio' : 'menuitem');
            element('span', 'caption', item).textContent = plain(entry.caption);
            if (entry.shortcut) {
                element('span', 'shortcut', item).textContent = entry.shortcut;
                item.setAttribute('aria-keyshortcuts', entry.shortcut.replace('Ctrl', 'Control'));
                byShortcut[entry.shortcut] = entry.name;
            }
            if (entry.checkable) speedItems.push(item);
            if (entry.kind === 'menu') {
                item.setAttribute('aria-haspopup', 'menu');
                const sub = makeList(entry, item);
                item.appendChild(sub);
                item.addEventListener('click', (e) => { e.stopPropagation(); sub.hidden = !sub.hidden; focusFirst(sub); });
            } else {
                item.addEventListener('click', (e) => { e.stopPropagation(); app.command(entry.name); });
            }
        }
        function makeList(entry) {
            const list = element('div', 'menu');
            list.setAttribute('role', 'menu');
            list.setAttribute('aria-label', plain(entry.caption));
            list.hidden = true;
            entry.items.forEach((child) => makeItem(child, list));
            list.addEventListener('keydown', (e) => moveInMenu(e, list));
            return list;
        }
        function focusFirst(list) {
            const first = list.querySelector(':scope > .menuitem');
            if (first) first.focus();
        }
        function moveInMenu(event, list) {
            const items = [...list.querySelectorAll(':scope > .menuitem')];
            const at = items.indexOf(document.activeElement);
            const steps = { ArrowDown: 1, ArrowUp: -1 };
            if (event.key in steps && at >= 0) {
                items[(at + steps[event.key] + items.length) % items.length].focus();
            } else if (event.key === 'Escape') {
                close();
            } else if (event.key === 'ArrowRight' || event.key === 'ArrowLeft') {
                if (list.parentElement !== bar && !list.parentElement.classList.contains('menuitem')) open((openIndex + (event.key === 'ArrowRight' ? 1 : -1) + tops.length) % tops.length);
            } else {
                return;
            }
            event.preventDefault();
            event.stopPropagation();
        }
        function open(index) {
            close();
            openIndex = index;
            tops[index].list.hidden = false;
            tops[index].button.setAttribute('aria-expanded', 'true');
            focusFirst(tops[index].list);
        }
        function close() {
            if (openIndex < 0) return;
            const top = tops[openIndex];
            top.list.hidden = true;
            top.list.querySelectorAll('.menu').forEach((sub) => { sub.hidden = true; });
            top.button.setAttribute('aria-expanded', 'false');
            openIndex = -1;
        }

        menus.forEach((entry, index) => {
            const holder = element('div', 'menuholder', bar);
            const button = element('button', 'menutitle', holder);
            button.type = 'button';
            button.id = entry.name;
            button.textContent = plain(entry.caption);
            button.setAttribute('aria-haspopup', 'menu');
            button.setAttribute('aria-expanded', 'false');
            const list = makeList(entry);
            holder.appendChild(list);
            tops.push({ button, list, key: (mnemonic(entry.caption) || '').toLowerCase() });
            button.addEventListener('click', (e) => { e.stopPropagation(); openIndex === index ? close() : open(index); });
        });
        document.addEventListener('click', close);
        return {
            byShortcut, open, close,
            openByMnemonic(key) {
                const index = tops.findIndex((top) => top.key === key.toLowerCase());
                if (index >= 0) open(index);
                return index >= 0;
            },
            showSpeed(index) {
                speedItems.forEach((item, n) => item.setAttribute('aria-checked', String(n === index)));
            },
        };
    }

    // A modal dialog named by its caption, closed by its button or Esc; the
    // focus goes back where it was.
    function dialog(name, caption, width) {
        const box = element('dialog', 'window', document.body);
        box.id = name;
        const title = element('div', 'titlebar', box);
        title.id = name + 'Title';
        title.textContent = caption;
        box.setAttribute('aria-labelledby', title.id);
        const body = element('div', 'body', box);
        if (width) body.style.width = width + 'px';
        box.addEventListener('close', () => box.remove());
        return { box, body };
    }

    function okButton(box, parent, caption) {
        const ok = element('button', 'button', parent);
        ok.type = 'button';
        ok.textContent = caption;
        ok.addEventListener('click', () => box.close());
        return ok;
    }

    function pictureAddress(name) {
        const pictures = JSON.parse(document.getElementById('pictures').textContent || '{}');
        return pictures[name];
    }

    function showInfoWindow(info) {
        const { box, body } = dialog(info.name, info.caption, info.width);
        Object.assign(body.style, { height: info.height + 'px', backgroundColor: info.backColor, position: 'relative' });
        const address = info.picture && pictureAddress(info.picture);
        if (address) {
            const img = element('img', 'picture', body);
            img.src = address;
            img.alt = '';
        }
        const label = element('div', 'label', body);
        place(label, info.label.rect);
        colour(label, info.label);
        if (info.label.backStyle !== 'opaque') label.style.backgroundColor = 'transparent';
        label.textContent = info.label.text;
        for (const line of info.lines) {
            const node = element('div', 'line', body);
            place(node, line.rect);
            node.style.backgroundColor = line.color;
        }
        const ok = okButton(box, body, info.ok.caption);
        place(ok, info.ok.rect);
        box.showModal();
        ok.focus();
    }

    function showHelp(help) {
        const { box, body } = dialog(help.name, help.caption, help.width);
        const text = element('div', 'helptext', body);
        Object.assign(text.style, { color: help.foreColor, backgroundColor: help.backColor, font: fontOf(help.font), maxHeight: help.height + 'px' });
        text.textContent = help.text;
        text.tabIndex = 0;
        const ok = okButton(box, element('div', 'buttons', body), help.okCaption);
        box.showModal();
        ok.focus();
    }
    // Hands a file to the browser's downloads.
    function download(app, name, blob) {
        const link = element('a', '', document.body);
        link.href = URL.createObjectURL(blob);
        link.download = name.replace(/^.*[\\/]/, '');
        link.click();
        setTimeout(() => { URL.revokeObjectURL(link.href); link.remove(); }, 1000);
    }

    function tell(text) {
        const message = document.getElementById('message');
        message.textContent = text;
        message.hidden = false;
        clearTimeout(tell.timer);
        tell.timer = setTimeout(() => { message.hidden = true; }, 8000);
    }

    // The name dialog of "Save Gambar" and "Ekspor Gambar…": a name box with
    // the focus, Enter confirms, Esc cancels, an empty name cancels. `answer`
    // gives the core's verdict on a name; a refusal is shown and the dialog
    // stays open, so nothing is downloaded.
    function nameDialog(app, options) {
        app.call('stopAnimation');
        const { box, body } = dialog(options.id, options.caption, 360);
        const form = element('form', 'namedialog', body);
        form.method = 'dialog';
        let types = null;
        if (options.types) {
            const label = element('label', '', form);
            element('span', '', label).textContent = 'Jenis file:';
            types = element('select', '', label);
            options.types.forEach((text, n) => { const o = element('option', '', types); o.value = n + 1; o.textContent = text; });
        }
        const label = element('label', '', form);
        element('span', '', label).textContent = 'Nama file:';
        const input = element('input', '', label);
        input.type = 'text';
        input.value = options.initial || '';
        const refusal = element('p', 'refusal', form);
        refusal.setAttribute('role', 'alert');
        const buttons = element('div', 'buttons', form);
        const ok = element('button', 'button', buttons);
        ok.textContent = options.okCaption;
        const cancel = element('button', 'button', buttons);
        cancel.type = 'button';
        cancel.textContent = 'Batal';
        cancel.addEventListener('click', () => box.close());
        form.addEventListener('submit', (event) => {
            event.preventDefault();
            if (input.value === '') return box.close();
            const verdict = JSON.parse(options.answer(input.value, types ? Number(types.value) : 0));
            if (verdict.refusal) {
                refusal.textContent = `Gambar tidak disimpan dengan nama\n${verdict.name}\n\n${verdict.refusal}`;
                input.focus();
                return;
            }
            box.close();
            Promise.resolve(options.write(verdict)).catch(() => tell(`Gambar tidak dapat disimpan ke file\n${verdict.name}`));
        });
        box.showModal();
        input.focus();
    }

    function saveDialog(app) {
        nameDialog(app, {
            id: 'saveDialog', caption: 'Save Gambar Bangun Ruang *.bmp', okCaption: 'Simpan',
            answer: (name) => app.core.saveName(name),
            write: (verdict) => {
                const bytes = app.page.bitmapFile().slice();
                if (!bytes.length) throw new Error('no bitmap encoder');
                download(app, verdict.name, new Blob([bytes], { type: 'image/bmp' }));
            },
        });
    }

    function exportDialog(app) {
        const types = JSON.parse(app.core.exportTypes());
        nameDialog(app, {
            id: 'exportDialog', caption: 'Ekspor Gambar Bangun Ruang', okCaption: 'Ekspor', types,
            answer: (name, type) => app.core.exportName(name, type),
            write: (verdict) => {
                if (verdict.type === 2) return download(app, verdict.name, new Blob([app.page.svgFile()], { type: 'image/svg+xml' }));
                const scale = verdict.type === 1 ? 4 : 1;
                const canvas = element('canvas');
                Object.assign(canvas, { width: app.width * scale, height: app.height * scale });
                const image = new ImageData(canvas.width, canvas.height);
                image.data.set(scale === 1 ? app.page.pixels() : app.page.scaledPixels(scale));
                canvas.getContext('2d').putImageData(image, 0, 0);
                return new Promise((resolve, reject) => canvas.toBlob((blob) => {
                    if (!blob) return reject(new Error('no PNG'));
                    download(app, verdict.name, blob);
                    resolve();
                }, 'image/png'));
            },
        });
    }

    // "Layar Penuh": the presentation picture, drawn by the core at the
    // screen's scale, on a canvas over the whole screen; Esc or F11 returns.
    function toggleFullScreen(app) {
        if (app.presentation) return app.presentation.close();
        const layer = element('div', 'presentation', document.body);
        const canvas = element('canvas', '', layer);
        canvas.tabIndex = 0;
        canvas.setAttribute('aria-label', app.description.window.fullScreenCaption);
        const context = canvas.getContext('2d', { alpha: false });
        let image = null;
        const resize = () => {
            const w = Math.max(1, Math.round(layer.clientWidth)), h = Math.max(1, Math.round(layer.clientHeight));
            Object.assign(canvas, { width: w, height: h });
            image = new ImageData(w, h);
            app.page.openPresentation(w, h);
            app.presentation.draw();
        };
        app.presentation = {
            draw() { image.data.set(app.page.presentationPixels()); context.putImageData(image, 0, 0); },
            close() {
                app.page.closePresentation();
                app.presentation = null;
                window.removeEventListener('resize', resize);
                if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
                layer.remove();
                app.canvas.focus();
            },
        };
        canvas.addEventListener('pointermove', (e) => { app.page.presentationMouseMove(Math.floor(e.offsetX), Math.floor(e.offsetY)); app.update(); });
        canvas.addEventListener('keydown', (e) => {
            const code = kKeyCodes[e.key];
            if (e.key === 'Escape') { e.preventDefault(); app.presentation.close(); }
            else if (code !== undefined && app.call('keyDown', code, e.shiftKey ? 1 : 0)) e.preventDefault();
        });
        const left = () => { if (!document.fullscreenElement && app.presentation) app.presentation.close(); };
        layer.addEventListener('fullscreenchange', left);
        window.addEventListener('resize', resize);
        resize();
        canvas.focus();
        if (layer.requestFullscreen) layer.requestFullscreen().catch(() => {});
    }
})();
