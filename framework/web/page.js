// The page side of the web backend: the elements behind the framework's window handles, the
// queue of clicks the dialog's modal loop waits on, the clipboard, and the list box's rows
// (list_view.js).
//
// The C++ side (page_bridge.cpp) calls these functions by handle number; this file keeps a
// table from handle to element and knows nothing of any dialog in particular. A click (or
// Enter, which clicks the default button) is queued and wakes the loop's wait: there is no
// polling and no timer. Where the page's HTML already holds the dialog (prerender.js), the
// program takes its elements over instead of making new ones, with what the player typed
// and the clicks made meanwhile (early_input.js); a page without one (the framework's
// contract test) gets new elements.
var VelmoraPage = (function () {
  'use strict';

  const look = VelmoraDialogElements;
  const elements = new Map(); // handle -> element
  const rowDecoder = new TextDecoder(); // a byte outside well-formed UTF-8 reads as U+FFFD
  const listViews = new Map(); // handle -> VelmoraListView
  // The buttons clicked, oldest first: { handle } or, made before the program was ready,
  // { button, clipboard } (early_input.js).
  const clicks = [];
  let wakeLoop = null; // resolves the modal loop's wait
  let pastedText = ''; // the clipboard's text as last read
  let clickClipboard = null; // the text read within the click being handled, if any
  let adopted = []; // the prerendered controls not yet taken over, in template order

  function queueClick(handle) {
    clicks.push({ handle });
    if (wakeLoop) {
      const wake = wakeLoop;
      wakeLoop = null;
      wake();
    }
  }

  function handleOf(element) {
    for (const handle of elements.keys()) if (elements.get(handle) === element) return handle;
    return 0;
  }

  // The element of `markup` (the framework's dialog_markup.cpp, as the page's HTML has its
  // prerendered controls).
  function elementOf(markup) {
    const template = document.createElement('template');
    template.innerHTML = markup;
    return template.content.firstElementChild;
  }

  // The prerendered control when it is the one `markup` makes (a page from another build may
  // hold another), its style aside: the page sets that.
  function sameControl(prerendered, made) {
    if (!prerendered) return false;
    const unstyled = prerendered.cloneNode(true);
    unstyled.removeAttribute('style');
    return unstyled.isEqualNode(made);
  }

  return {
    // Makes the page the dialog, or takes over the one its HTML holds: its title, font and
    // form; returns the font's measures as alphabet width + height * 65536.
    createDialog(handle, caption, face, pointSize, weight, italic) {
      const prerendered = typeof VelmoraPrerendered === 'object' && VelmoraPrerendered
        ? VelmoraPrerendered.takeOver(caption) : null;
      let form;
      if (prerendered) {
        form = prerendered.form;
        adopted = prerendered.controls;
        for (const click of prerendered.clicks) clicks.push(click);
      } else {
        // The page's main landmark, named by a heading with the caption, which the page's
        // title bar would show on a desktop.
        const frame = document.createElement('main');
        frame.className = 'velmora-frame';
        const heading = document.createElement('h1');
        heading.className = 'visually-hidden';
        heading.textContent = caption;
        form = document.createElement('form');
        form.className = 'velmora-dialog';
        form.setAttribute('aria-label', caption);
        frame.append(heading, form);
        document.body.append(frame);
      }
      form.addEventListener('submit', (event) => event.preventDefault());
      form.style.font = look.fontOf(face, pointSize, weight, italic);
      document.title = caption;
      elements.set(handle, form);
      const font = look.measureFont(form.style.font);
      form.dataset.rowHeight = font.height + 2;
      form.dataset.fontPixels = pointSize * 4 / 3;
      return font.alphabetWidth + font.height * 65536;
    },
    setDialogSize(handle, width, height) {
      const form = elements.get(handle);
      form.style.width = width + 'px';
      form.style.height = height + 'px';
      look.fit(form, width, height);
    },
    // kind: button, default, group, edit, listbox or static; markup: the control's element.
    // Tab stops keep the template's order, which is the order the elements are added in; a
    // prerendered control keeps its value and focus.
    createControl(dialog, handle, kind, markup, x, y, width, height) {
      const form = elements.get(dialog);
      const [prerendered, made] = [adopted.shift(), elementOf(markup)];
      const element = sameControl(prerendered, made) ? prerendered : made;
      if (prerendered && prerendered !== element) prerendered.remove();
      const isNew = !element.parentElement;
      if (kind === 'button' || kind === 'default') {
        // The click is the whole command: cancelling it keeps the browser from submitting
        // the form (Enter in a box clicks the default button), which would lay the page out
        // again for each control it checks.
        element.addEventListener('click', (event) => {
          event.preventDefault();
          queueClick(handle);
        });
      } else if (kind === 'edit') {
        const shrink = look.keepFromZooming(element, Number(form.dataset.fontPixels));
        width /= shrink;
        height /= shrink;
        if (element.getAttribute('autocapitalize') && isNew) look.keepUpperCase(element);
      } else if (kind === 'listbox') {
        element.id = 'velmora-list-' + handle;
        listViews.set(handle, new VelmoraListView(element, Number(form.dataset.rowHeight)));
      }
      Object.assign(element.style, { left: x + 'px', top: y + 'px', width: width + 'px',
                                     height: height + 'px' });
      if (isNew) form.append(element);
      elements.set(handle, element);
    },
    focusFirstTabStop(dialog) {
      look.focusFirstTabStop(elements.get(dialog));
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
      look.fit(null);
    },
    // The modal loop's wait: draws the lists that changed, then resolves with the handle of
    // the next button clicked. A click made before the program was ready brings the
    // clipboard's text read within it, for readClipboard.
    async nextClick() {
      for (const view of listViews.values()) if (view.dirty) view.draw();
      while (!clicks.length) await new Promise((resolve) => { wakeLoop = resolve; });
      const click = clicks.shift();
      clickClipboard = click.clipboard || null;
      return click.button ? handleOf(click.button) : click.handle;
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
        element.value = element.getAttribute('autocapitalize') ? look.upperCase(text) : text;
      else if (element.localName === 'fieldset') element.firstChild.textContent = text;
      else element.textContent = text;
    },
    // WM_PASTE, first half: the clipboard's text, kept for clipboardText(); false when the
    // browser refuses to read it (no permission, not a secure context), as if it were empty.
    // A click made before the program was ready has read it already, within the click.
    async readClipboard() {
      const early = clickClipboard;
      clickClipboard = null;
      try {
        pastedText = early ? await early : await navigator.clipboard.readText();
        if (pastedText === null) throw new Error('refused within the click');
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
      if (input.getAttribute('autocapitalize')) text = look.upperCase(text);
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
