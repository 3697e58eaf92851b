// How a dialog's elements look and behave on the page before and after its program runs:
// the dialog's font and what its base units are measured from, the dialog scaled to the
// window, capitals in an upper-case box, and a text box a phone does not zoom into. Used by
// the prerendered page (prerender.js) and by the program's side (page.js), so the dialog
// looks the same before and after the program takes it over. The dialog-unit rule itself
// stays in C++ (framework/emulated/dialog_units.h).
//
// The page's first script and the program's JavaScript both carry this file: whichever runs
// first defines it, and the dialog keeps one fitting.
var VelmoraDialogElements = typeof VelmoraDialogElements === 'object' ? VelmoraDialogElements : (function () {
  'use strict';

  let fitted = null; // the dialog scaled to the window, and its size in CSS pixels

  // The dialog scaled as a whole to the window, centred; the page never scrolls sideways. The
  // dialog fills the window's width and height, but its text never shrinks below the size
  // of its font: where the window is too low for that (a phone held sideways), the page
  // scrolls up and down instead.
  function fitToWindow() {
    if (!fitted) return;
    const margin = 8;
    const toWidth = (document.documentElement.clientWidth - margin) / fitted.width;
    const toHeight = (document.documentElement.clientHeight - margin) / fitted.height;
    const scale = Math.max(Math.min(toWidth, Math.max(toHeight, 1), 3), 0.1);
    fitted.form.style.transform = 'scale(' + scale + ')';
    fitted.form.parentElement.style.width = fitted.width * scale + 'px';
    fitted.form.parentElement.style.height = fitted.height * scale + 'px';
  }
  window.addEventListener('resize', fitToWindow);

  // One character for one, so the caret stays where it was ("ß" has no one-letter capital).
  function upperCase(text) {
    let result = '';
    for (const character of text) {
      const upper = character.toUpperCase();
      result += upper.length === character.length ? upper : character;
    }
    return result;
  }

  return {
    upperCase,
    // The dialog (a form), `width` x `height` CSS pixels, fitted to the window from now on;
    // null when the dialog is gone.
    fit(form, width, height) {
      fitted = form ? { form, width, height } : null;
      fitToWindow();
    },
    // A box of the upper-case style shows what is typed or pasted into it in capitals.
    keepUpperCase(input) {
      input.setAttribute('autocapitalize', 'characters');
      input.addEventListener('input', () => {
        const start = input.selectionStart;
        const end = input.selectionEnd;
        input.value = upperCase(input.value);
        input.setSelectionRange(start, end);
      });
    },
    // A text box's font is at least 16 CSS pixels, drawn at the dialog's own size: a phone
    // (Safari on iOS) zooms the page into a box with a smaller font when it takes the focus.
    // The box is laid out 1 / shrink times as large and scaled back, so it looks as the
    // dialog's other controls do; returns that shrink.
    keepFromZooming(input, fontPixels) {
      const shrink = fontPixels / 16;
      if (shrink >= 1) return 1;
      input.style.fontSize = '16px';
      input.style.transform = 'scale(' + shrink + ')';
      input.style.setProperty('--shrink', shrink);
      return shrink;
    },
    fontOf(face, pointSize, weight, italic) {
      // The face as on Linux: "Courier New" is Liberation Mono, and any monospace face will do.
      const family = /^courier/i.test(face) ? '"' + face + '", "Liberation Mono", monospace'
                                            : (face ? '"' + face + '", ' : '') + 'sans-serif';
      return (italic ? 'italic ' : '') + weight + ' ' + pointSize + 'pt ' + family;
    },
    // What the dialog's base units are made of (framework/emulated/dialog_units.h): the width
    // of "A".."Z" "a".."z" together and the font's height, in whole CSS pixels.
    measureFont(font) {
      const context = document.createElement('canvas').getContext('2d');
      context.font = font;
      const metrics = context.measureText('ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz');
      const height = Math.ceil(metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent);
      return { alphabetWidth: Math.round(metrics.width), height: height || 13 };
    },
    // The focus on the dialog's first tab stop, unless the player has put it in the dialog.
    focusFirstTabStop(form) {
      if (form.contains(document.activeElement)) return;
      const first = form.querySelector('[tabindex="0"]:not([disabled]):not([hidden])');
      if (first) first.focus();
    },
  };
})();
