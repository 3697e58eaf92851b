// A list box on the page: an ARIA listbox whose rows are drawn only while in view, so a list
// of tens of thousands of rows fills at once. Each row says its place and the count
// (aria-posinset, aria-setsize), and the arrow keys walk the whole list. The rows come from
// the program in blocks (page.js); the element is the page's own or the prerendered one.
var VelmoraListView = (function () {
  'use strict';

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

  return ListView;
})();
