// The page side of the web backend: the elements behind the framework's window handles, the
// queue of clicks the dialog's modal loop waits on, the clipboard, and the list box's rows.
//
// The C++ side (page_bridge.cpp) calls these functions by handle number; this file keeps a
// table from handle to element and knows nothing of any dialog in particular. A click (or
// Enter, which clicks the default button) is queued and wakes the loop's wait: there is no
// polling and no timer. Only the rows of a list box that are in view are made into elements,
// so a list of tens of thousands of rows fills at once; each row says its place and the
// count (aria-posinset, aria-setsize), and the arrow keys walk the whole list.
var VelmoraPage = (function () {
  'use strict';

  const elements = new Map(); // handle -> element
  const rowDecoder = new TextDecoder(); // a byte outside well-formed UTF-8 reads as U+FFFD
  const listViews = new Map(); // handle -> ListView
  const clicks = []; // handles of the buttons clicked, oldest first
  let wakeLoop = null; // resolves the modal loop's wait
  let pastedText = ''; // the clipboard's text as last read
  let dialogRoot = null;
  let dialogSize = { width: 0, height: 0 };

  function queueClick(handle) {
    clicks.push(handle);
    if (wakeLoop) {
      const wake = wakeLoop;
      wakeLoop = null;
      wake();
    }
  }

  // One character for one, so the caret stays where it was ("ß" has no one-letter capital).
  function upperCase(text) {
    let result = '';
    for (const character of text) {
      const upper = character.toUpperCase();
      result += upper.length === character.length ? upper : character;
    }
    return result;
  }

  // A list box: an ARIA listbox whose rows are drawn only while in view.
  class ListView {
    constructor(element, rowHeight) {
      this.element = element;
      this.rowHeight = rowHeight;
      this.rows = [];
      this.selected = -1;
      this.dirty = true;
      this.drawn = []; // row elements, reused
      // The scroll position and the view's height as last read: reading either from the
      // element right after the page changed would make the browser lay it out first.
      this.top = 0;
      this.viewHeight = 0;
      this.first = 0; // the row shown first
      this.spacer = document.createElement('div');
      this.spacer.className = 'rows';
      // The rows in view sit one under another in a block moved to the first one's place:
      // a scroll or a new list moves one block, not each row.
      this.shownRows = document.createElement('div');
      this.spacer.append(this.shownRows);
      element.append(this.spacer);
      element.addEventListener('scroll', () => {
        this.top = element.scrollTop;
        this.draw();
      });
      element.addEventListener('keydown', (event) => this.onKey(event));
      element.addEventListener('click', (event) => {
        const row = event.target.closest('[role=option]');
        if (row) this.select(this.first + this.drawn.indexOf(row));
      });
    }
    reset() {
      this.rows = [];
      this.selected = -1;
      if (this.top) this.element.scrollTop = this.top = 0;
      this.dirty = true;
    }
    // A block of rows from the program, in order.
    append(texts) {
      if (!this.rows.length) this.rows = texts;
      else for (const text of texts) this.rows.push(text);
      this.dirty = true;
    }
    select(index) {
      if (!this.rows.length) return;
      this.selected = Math.max(0, Math.min(index, this.rows.length - 1));
      const top = this.selected * this.rowHeight;
      const view = this.element;
      if (top < view.scrollTop) view.scrollTop = top;
      else if (top + this.rowHeight > view.scrollTop + view.clientHeight)
        view.scrollTop = top + this.rowHeight - view.clientHeight;
      this.top = view.scrollTop;
      this.draw();
    }
    onKey(event) {
      const page = Math.max(1, Math.floor(this.element.clientHeight / this.rowHeight) - 1);
      const moves = { ArrowDown: 1, ArrowUp: -1, PageDown: page, PageUp: -page };
      let target;
      if (event.key in moves) target = this.selected < 0 ? 0 : this.selected + moves[event.key];
      else if (event.key === 'Home') target = 0;
      else if (event.key === 'End') target = this.rows.length - 1;
      else return;
      event.preventDefault();
      this.select(target);
    }
    draw() {
      this.dirty = false;
      const count = this.rows.length;
      this.spacer.style.height = count * this.rowHeight + 'px';
      if (!this.viewHeight) this.viewHeight = this.element.clientHeight; // fixed, as the dialog
      const first = this.first = Math.floor(this.top / this.rowHeight);
      const shown = Math.min(count - first, Math.ceil(this.viewHeight / this.rowHeight) + 1);
      this.shownRows.style.top = first * this.rowHeight + 'px';
      while (this.drawn.length < shown) {
        const row = document.createElement('div');
        row.setAttribute('role', 'option');
        row.id = this.element.id + '-row-' + this.drawn.length;
        row.style.height = row.style.lineHeight = this.rowHeight + 'px';
        this.shownRows.append(row);
        this.drawn.push(row);
      }
      let active = '';
      this.drawn.forEach((row, slot) => {
        const index = first + slot;
        row.hidden = slot >= shown;
        if (row.hidden) return;
        row.textContent = this.rows[index];
        row.setAttribute('aria-setsize', count);
        row.setAttribute('aria-posinset', index + 1);
        row.setAttribute('aria-selected', index === this.selected);
        if (index === this.selected) active = row.id;
      });
      if (active) this.element.setAttribute('aria-activedescendant', active);
      else this.element.removeAttribute('aria-activedescendant');
    }
  }

  // The dialog scaled as a whole to the window, centred; the page never scrolls sideways. The
  // dialog fills the window's width and height, but its text never shrinks below the size
  // of its font: where the window is too low for that (a phone held sideways), the page
  // scrolls up and down instead.
  function fitToWindow() {
    if (!dialogRoot) return;
    const margin = 8;
    const toWidth = (document.documentElement.clientWidth - margin) / dialogSize.width;
    const toHeight = (window.innerHeight - margin) / dialogSize.height;
    const scale = Math.max(Math.min(toWidth, Math.max(toHeight, 1), 3), 0.1);
    dialogRoot.style.transform = 'scale(' + scale + ')';
    dialogRoot.parentElement.style.width = dialogSize.width * scale + 'px';
    dialogRoot.parentElement.style.height = dialogSize.height * scale + 'px';
  }

  // A text box's font is at least 16 CSS pixels, drawn at the dialog's own size: a phone
  // (Safari on iOS) zooms the page into a box with a smaller font when it takes the focus.
  // The box is laid out 16 / size times as large and scaled back, so it looks as the
  // dialog's other controls do.
  function keepFromZooming(input, fontPixels, width, height) {
    const shrink = fontPixels / 16;
    if (shrink >= 1) return { width, height };
    input.style.fontSize = '16px';
    input.style.transform = 'scale(' + shrink + ')';
    input.style.setProperty('--shrink', shrink);
    return { width: width / shrink, height: height / shrink };
  }

  function fontOf(face, pointSize, weight, italic) {
    // The face as on Linux: "Courier New" is Liberation Mono, and any monospace face will do.
    const family = /^courier/i.test(face) ? '"' + face + '", "Liberation Mono", monospace'
                                          : (face ? '"' + face + '", ' : '') + 'sans-serif';
    return (italic ? 'italic ' : '') + weight + ' ' + pointSize + 'pt ' + family;
  }

  // What the dialog's base units are made of (framework/emulated/dialog_units.h): the width
  // of "A".."Z" "a".."z" together and the font's height, in whole CSS pixels.
  function measureFont(font) {
    const context = document.createElement('canvas').getContext('2d');
    context.font = font;
    const metrics = context.measureText('ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz');
    const height = Math.ceil(metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent);
    return { alphabetWidth: Math.round(metrics.width), height: height || 13 };
  }

  // The page's word list, fetched while the program itself downloads and compiles: by the
  // page's first script (start.js) where it has one, so that nothing is fetched twice.
  const started = typeof VelmoraStart === 'object' ? VelmoraStart : {};
  const wordList = started.wordList || fetch('dictionary.txt')
    .then((response) => (response.ok ? response.arrayBuffer() : null))
    .catch(() => null);

  // The program's WebAssembly from the download the first script started, compiled as it
  // arrives; from its bytes where the server does not call it application/wasm.
  if (started.wasm) {
    Module['instantiateWasm'] = function (imports, receiveInstance) {
      started.wasm
        .then((response) => WebAssembly.instantiateStreaming(response.clone(), imports)
          .catch(() => response.arrayBuffer().then((bytes) => WebAssembly.instantiate(bytes, imports))))
        .then((result) => receiveInstance(result.instance, result.module),
              (reason) => abort('the program could not be loaded: ' + reason));
      return {}; // the exports come through receiveInstance
    };
  }

  return {
    // "dictionary.txt" of the page's folder, or null when there is none (or no network).
    wordList() { return wordList; },
    // Makes the page the dialog: its title, font and an empty form; returns the font's
    // measures as alphabet width + height * 65536.
    createDialog(handle, caption, face, pointSize, weight, italic) {
      // The page's main landmark, named by a heading with the caption, which the page's
      // title bar would show on a desktop.
      const frame = document.createElement('main');
      frame.className = 'velmora-frame';
      const heading = document.createElement('h1');
      heading.className = 'visually-hidden';
      heading.textContent = caption;
      const form = document.createElement('form');
      form.className = 'velmora-dialog';
      form.style.font = fontOf(face, pointSize, weight, italic);
      form.setAttribute('aria-label', caption);
      form.addEventListener('submit', (event) => event.preventDefault());
      frame.append(heading, form);
      document.body.append(frame);
      document.title = caption;
      elements.set(handle, form);
      dialogRoot = form;
      const font = measureFont(form.style.font);
      form.dataset.rowHeight = font.height + 2;
      form.dataset.fontPixels = pointSize * 4 / 3;
      return font.alphabetWidth + font.height * 65536;
    },
    setDialogSize(handle, width, height) {
      const form = elements.get(handle);
      form.style.width = width + 'px';
      form.style.height = height + 'px';
      dialogSize = { width, height };
      fitToWindow();
      window.addEventListener('resize', fitToWindow);
    },
    // kind: button, default, group, edit, listbox or static. Tab stops keep the template's
    // order, which is the order the elements are added in.
    createControl(dialog, handle, kind, text, x, y, width, height, flags, name) {
      const form = elements.get(dialog);
      let element;
      if (kind === 'group') {
        element = document.createElement('fieldset');
        const legend = document.createElement('legend');
        legend.textContent = text;
        element.append(legend);
      } else if (kind === 'button' || kind === 'default') {
        element = document.createElement('button');
        element.type = kind === 'default' ? 'submit' : 'button';
        element.textContent = text;
        // The click is the whole command: cancelling it keeps the browser from submitting
        // the form (Enter in a box clicks the default button), which would lay the page out
        // again for each control it checks.
        element.addEventListener('click', (event) => {
          event.preventDefault();
          queueClick(handle);
        });
      } else if (kind === 'edit') {
        element = document.createElement('input');
        element.type = 'text';
        element.value = text;
        element.autocomplete = 'off';
        element.spellcheck = false;
        element.readOnly = !!(flags.readOnly);
        const size = keepFromZooming(element, Number(form.dataset.fontPixels), width, height);
        width = size.width;
        height = size.height;
        if (flags.upperCase) {
          element.setAttribute('autocapitalize', 'characters');
          element.addEventListener('input', () => {
            const start = element.selectionStart;
            const end = element.selectionEnd;
            element.value = upperCase(element.value);
            element.setSelectionRange(start, end);
          });
        }
      } else if (kind === 'listbox') {
        element = document.createElement('div');
        element.setAttribute('role', 'listbox');
        element.id = 'velmora-list-' + handle;
        listViews.set(handle, new ListView(element, Number(form.dataset.rowHeight)));
      } else {
        element = document.createElement('div');
        element.textContent = text;
      }
      element.className = 'control ' + kind + (flags.border ? ' bordered' : '') +
                           (flags.align ? ' align-' + flags.align : '');
      if (name) element.setAttribute('aria-label', name);
      if (kind !== 'group' && kind !== 'static')
        element.tabIndex = flags.tabStop ? 0 : -1;
      element.disabled = !!flags.disabled;
      element.hidden = !flags.visible;
      Object.assign(element.style, { left: x + 'px', top: y + 'px', width: width + 'px',
                                     height: height + 'px' });
      form.append(element);
      elements.set(handle, element);
    },
    focusFirstTabStop(dialog) {
      const first = elements.get(dialog).querySelector('[tabindex="0"]:not([disabled]):not([hidden])');
      if (first) first.focus();
    },
    destroyDialog(dialog) {
      const form = elements.get(dialog);
      for (const handle of Array.from(elements.keys())) {
        const element = elements.get(handle);
        if (element === form || form.contains(element)) {
          elements.delete(handle);
          listViews.delete(handle);
        }
      }
      form.parentElement.remove();
      if (dialogRoot === form) dialogRoot = null;
    },
    // The modal loop's wait: draws the lists that changed, then resolves with the handle of
    // the next button clicked.
    async nextClick() {
      for (const view of listViews.values()) if (view.dirty) view.draw();
      while (!clicks.length) await new Promise((resolve) => { wakeLoop = resolve; });
      return clicks.shift();
    },
    text(handle) {
      const element = elements.get(handle);
      if (!element) return '';
      if (element.localName === 'input') return element.value;
      if (element.localName === 'fieldset') return element.firstChild.textContent;
      return element.textContent;
    },
    setText(handle, text) {
      const element = elements.get(handle);
      if (!element) return;
      if (element.localName === 'input')
        element.value = element.getAttribute('autocapitalize') ? upperCase(text) : text;
      else if (element.localName === 'fieldset') element.firstChild.textContent = text;
      else element.textContent = text;
    },
    // WM_PASTE, first half: the clipboard's text, kept for clipboardText(); false when the
    // browser refuses to read it (no permission, not a secure context), as if it were empty.
    async readClipboard() {
      try {
        pastedText = await navigator.clipboard.readText();
        return true;
      } catch (refused) {
        pastedText = '';
        return false;
      }
    },
    clipboardText() { return pastedText; },
    // WM_PASTE, second half: the text (made one line by the program) replaces the selection
    // at the caret, in capitals in an upper-case box; a read-only box takes nothing.
    replaceSelection(handle, text) {
      const input = elements.get(handle);
      if (!input || input.localName !== 'input' || input.readOnly) return;
      if (input.getAttribute('autocapitalize')) text = upperCase(text);
      input.setRangeText(text, input.selectionStart, input.selectionEnd, 'end');
    },
    // WM_COPY: the selected text onto the clipboard; with nothing selected the clipboard
    // is left as it was.
    async copy(handle) {
      const input = elements.get(handle);
      if (!input || input.selectionStart === input.selectionEnd) return;
      try {
        await navigator.clipboard.writeText(input.value.slice(input.selectionStart, input.selectionEnd));
      } catch (refused) {
        // The browser keeps the clipboard to itself: nothing is copied.
      }
    },
    setSelection(handle, start, end) {
      const input = elements.get(handle);
      if (!input || input.localName !== 'input') return;
      const length = input.value.length;
      if (start < 0) {
        input.setSelectionRange(input.selectionEnd, input.selectionEnd);
        return;
      }
      if (end < 0 || end > length) end = length;
      input.setSelectionRange(Math.min(start, end), end);
    },
    scrollCaret(handle) {
      const input = elements.get(handle);
      if (input && input.localName === 'input')
        input.scrollLeft = input.selectionEnd >= input.value.length ? input.scrollWidth : 0;
    },
    // Emscripten's optimiser reads ES2019 and loses destructuring: neither is used here.
    // `count` rows at once, as NUL-terminated UTF-8 texts in `bytes` (a view of the
    // program's memory, read here and not kept); the list is cleared first when `reset`.
    listTakeRows(handle, reset, bytes, count) {
      const view = listViews.get(handle);
      if (!view) return;
      if (reset) view.reset();
      if (count) view.append(rowDecoder.decode(bytes).split('\0', count));
    },
    listCount(handle) {
      const view = listViews.get(handle);
      return view ? view.rows.length : -1;
    },
    listText(handle, index) {
      const view = listViews.get(handle);
      return view ? view.rows[index] : undefined;
    },
  };
})();
