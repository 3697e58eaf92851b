"""Reads and drives the Velmora window through the accessibility tree (AT-SPI), as a screen
reader such as Orca does, with pyatspi (run it with Debian's python3). Commands:
  controls          the controls taking the focus, by role and name; the selection box
                    editable, the clipboard box read-only
  set-letters TEXT  sets the selection box's text through its editable-text interface
  press NAME        presses the push button NAME through its action interface
  rows              prints the list's rows; none may be selected or focused
  text NAME         prints the text of the text box NAME
  rows-outside      asks the list about row -1 (none current) and the row after the last
                    with the table requests Qt 6.4's own list view crashed on; the caller
                    checks that the program still runs
A failed check or a missing window ends it with status 1 and a message.
"""
import sys

import pyatspi
from gi.repository import Atspi, GLib

# Roles by their AT-SPI constants: the names at-spi2-core gives them differ between
# releases (a push button is "push button" in 2.46, "button" in 2.56).
FOCUSABLE_CONTROLS = {
    (pyatspi.ROLE_TEXT, "Selection"),
    (pyatspi.ROLE_PUSH_BUTTON, "Solve"),
    (pyatspi.ROLE_LIST, "Solutions"),
    (pyatspi.ROLE_TEXT, "Answer for the clipboard"),
    (pyatspi.ROLE_PUSH_BUTTON, "Quick solve"),
}


def fail(message):
    sys.exit("accessibility_tree.py: " + message)


def window():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in (desktop.getChildAtIndex(i) for i in range(desktop.childCount)):
        if app is not None and app.name == "velmora" and app.childCount > 0:
            return app.getChildAtIndex(0)
    fail("the program is not in the accessibility tree")


def controls(parent):
    """Every object below PARENT, except the list's rows."""
    for child in (parent.getChildAtIndex(i) for i in range(parent.childCount)):
        yield child
        if child.getRole() != pyatspi.ROLE_LIST:
            yield from controls(child)


def control(role, name):
    for found in controls(window()):
        if found.getRole() == role and found.name == name:
            return found
    fail("no %s named '%s'" % (role, name))


def has(accessible, state):
    return accessible.getState().contains(state)


def check_controls():
    focusable = [c for c in controls(window()) if has(c, pyatspi.STATE_FOCUSABLE)]
    if sorted((c.getRole(), c.name) for c in focusable) != sorted(FOCUSABLE_CONTROLS):
        fail("the controls taking the focus are %s"
             % sorted((c.getRoleName(), c.name) for c in focusable))
    selection = control(pyatspi.ROLE_TEXT, "Selection")
    if not has(selection, pyatspi.STATE_EDITABLE) or has(selection, pyatspi.STATE_READ_ONLY):
        fail("the selection box is not reported editable")
    if not has(control(pyatspi.ROLE_TEXT, "Answer for the clipboard"), pyatspi.STATE_READ_ONLY):
        fail("the clipboard box is not reported read-only")


def press(name):
    action = control(pyatspi.ROLE_PUSH_BUTTON, name).queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if not action.doAction(names.index("Press") if "Press" in names else 0):
        fail("pressing '%s' failed" % name)


def rows():
    solutions = control(pyatspi.ROLE_LIST, "Solutions")
    for row in (solutions.getChildAtIndex(i) for i in range(solutions.childCount)):
        if row.getRole() != pyatspi.ROLE_LIST_ITEM:
            fail("a row of the list is a %s" % row.getRoleName())
        if has(row, pyatspi.STATE_SELECTED) or has(row, pyatspi.STATE_FOCUSED):
            fail("row '%s' is current" % row.name)
        print(row.name)


def rows_outside():
    solutions = control(pyatspi.ROLE_LIST, "Solutions")
    requests = [
        lambda row: Atspi.Table.is_selected(solutions, row, 0),
        lambda row: Atspi.Table.get_row_extent_at(solutions, row, 0),
        lambda row: Atspi.Table.get_column_extent_at(solutions, row, 0),
        lambda row: Atspi.Table.get_row_column_extents_at_index(solutions, row),
    ]
    for row in (-1, solutions.childCount):
        for request in requests:
            try:
                request(row)
            except GLib.Error:
                pass


def set_letters(text):
    if not control(pyatspi.ROLE_TEXT, "Selection").queryEditableText().setTextContents(text):
        fail("the selection box did not take '%s'" % text)


def main(command, *arguments):
    commands = {
        "controls": check_controls,
        "set-letters": set_letters,
        "press": press,
        "rows": rows,
        "text": lambda name: print(control(pyatspi.ROLE_TEXT, name).queryText().getText(0, -1)),
        "rows-outside": rows_outside,
    }
    commands[command](*arguments)


if __name__ == "__main__":
    main(*sys.argv[1:])
