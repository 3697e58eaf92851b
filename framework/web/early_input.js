// What the player does on the prerendered dialog before its program is ready: letters typed
// and text pasted go into the dialog's real text boxes and stay there; clicks on its buttons,
// and Enter, which clicks the default button, are kept here in order and handed to the
// program when it takes the dialog over (page.js), which then acts on each as if it came
// then. A browser lets a page read the clipboard only within a click, so an early click on
// a button other than the default one (Quick solve pastes the clipboard) reads it at once;
// the program uses that text if it pastes while handling the click.
var VelmoraEarlyInput = (function () {
  'use strict';

  const clicks = []; // { button, clipboard: a promise of the text, or null when refused }
  let watched = null;

  function readClipboardNow() {
    if (!navigator.clipboard || !navigator.clipboard.readText) return Promise.resolve(null);
    return navigator.clipboard.readText().catch(() => null);
  }

  function onClick(event) {
    const button = event.target.closest('button');
    if (!button) return;
    event.preventDefault(); // the program's click, not the form's submission
    clicks.push({ button, clipboard: button.type === 'submit' ? null : readClipboardNow() });
  }
  const onSubmit = (event) => event.preventDefault();

  return {
    // Keeps the clicks on the buttons of `form` from now on.
    watch(form) {
      watched = form;
      form.addEventListener('click', onClick);
      form.addEventListener('submit', onSubmit);
    },
    // Stops keeping clicks, and returns those kept, oldest first.
    handOver() {
      if (watched) {
        watched.removeEventListener('click', onClick);
        watched.removeEventListener('submit', onSubmit);
        watched = null;
      }
      return clicks.splice(0);
    },
  };
})();
