// The prerendered dialog (framework/web/private/dialog_markup.h: the build writes it into the
// page's HTML, and its places into dialog.css) made ready before the page first draws: in
// its font, whose measures give the places their pixels, scaled to the window, the focus on
// its first tab stop and the player's input kept (early_input.js). The program takes it over
// when it starts (page.js: VelmoraPrerendered.takeOver), so nothing moves and nothing typed
// is lost. This script runs where the page's HTML reaches it, just after the dialog.
var VelmoraPrerendered = (function () {
  'use strict';
  const elements = VelmoraDialogElements;
  const form = document.querySelector('form.velmora-dialog[data-template]');
  if (!form) return null;

  const data = form.dataset;
  const font = elements.fontOf(data.face, Number(data.pointSize), Number(data.weight),
                               'italic' in data);
  form.style.font = font;
  const measures = elements.measureFont(font);
  form.style.setProperty('--alphabet-width', measures.alphabetWidth);
  form.style.setProperty('--font-height', measures.height);
  form.dataset.measured = ''; // dialog.css shows it from now on
  const fontPixels = Number(data.pointSize) * 4 / 3;
  for (const input of form.querySelectorAll('input')) {
    elements.keepFromZooming(input, fontPixels);
    if (input.getAttribute('autocapitalize')) elements.keepUpperCase(input);
  }
  elements.fit(form, form.offsetWidth, form.offsetHeight);
  elements.focusFirstTabStop(form);
  VelmoraEarlyInput.watch(form);

  let taken = false;
  return {
    // The dialog for the program's dialog of `caption`, once: its form, its controls in
    // template order, and the clicks made so far. Null when it is not this one.
    takeOver(caption) {
      if (taken || form.getAttribute('aria-label') !== caption) return null;
      taken = true;
      return { form, controls: Array.from(form.querySelectorAll(':scope > [data-item]')),
               clicks: VelmoraEarlyInput.handOver() };
    },
  };
})();
