"""Reads the running Taskmere over AT-SPI as a screen reader would.

Run by accessibility.sh with the private buses set up and the window showing
a list of three entries; prints what it checked and exits non-zero on the
first thing a screen reader user would miss."""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

ENTRIES = [["1", "01/12/2026", "Not Started", "Water the plants", "Normal", "03/12/2026"],
           ["2", "01/12/2026", "In Progress", "Call Bob", "High", "04/12/2026"],
           ["3", "01/12/2026", "Completed", "Pay the rent", "Low", "05/12/2026"]]
HEADERS = ["No", "Entry Date", "Status", "Task Description", "Priority", "Due Date", "Due Time",
           "Resources", "Total Hours", "Cost", "Progress", "Completion Date", "Completion Time", "Comment"]


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def find_app(name, timeout=10.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.2)
    fail("no application named %r on the accessibility bus" % name)


def find(root, predicate, what, timeout=5.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = pyatspi.findDescendant(root, predicate)
        if found is not None:
            return found
        time.sleep(0.2)
    fail("found no " + what)


def events_after(keys, event_type, wait=3.0, until=None):
    """Presses keys (xdotool names) and collects the events of that type that follow."""
    seen = []

    def listener(event):
        seen.append((event.source, event.detail1))
        if until and until(event):
            pyatspi.Registry.stop()

    def press():
        subprocess.run(["xdotool", "key", "--delay", "80"] + keys, check=True)
        return False

    pyatspi.Registry.registerEventListener(listener, event_type)
    GLib.timeout_add(200, press)
    GLib.timeout_add(int(wait * 1000), lambda: pyatspi.Registry.stop() or False)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(listener, event_type)
    return seen


def cell_position(cell):
    """(row, column) of a table cell, from its place among the table's children."""
    if cell.getRole() != pyatspi.ROLE_TABLE_CELL:
        return None
    return divmod(cell.getIndexInParent(), 14)


def main():
    app = find_app("Taskmere")
    table_node = find(app, lambda a: a.getRole() == pyatspi.ROLE_TABLE, "table")
    if table_node.name != "three":
        fail("the table is named %r, not after the document" % table_node.name)
    table = table_node.queryTable()
    if (table.nRows, table.nColumns) != (4, 14):
        fail("the table reads as %d rows and %d columns" % (table.nRows, table.nColumns))
    headers = [table.getColumnHeader(c).name if table.getColumnHeader(c) else None for c in range(14)]
    if headers != HEADERS:
        fail("column headers read %r" % headers)
    due = table.getAccessibleAt(3, 5)
    if due.name != "05/12/2026" or due.getRole() != pyatspi.ROLE_TABLE_CELL:
        fail("the due date of entry 3 reads %r (%s)" % (due.name, due.getRoleName()))
    progress = table.getAccessibleAt(2, 10).queryValue()
    if progress.currentValue != 40:
        fail("the progress of entry 2 reads %r" % progress.currentValue)
    print("table: 4 rows, 14 columns, headers %s; cell (3, 5) %r" % (", ".join(headers), due.name))

    # Home goes to entry 1 in the current column, Down to entry 2, and the
    # side arrows on to its description.
    current = [c for c in range(14) for r in range(1, 4)
               if table.getAccessibleAt(r, c).getState().contains(pyatspi.STATE_SELECTED)]
    if len(current) != 1:
        focused = pyatspi.findDescendant(app, lambda a: a.getState().contains(pyatspi.STATE_FOCUSED))
        fail("%d cells are current; the focus is on %s" % (len(current), focused and focused.getRoleName()))
    col = 3
    keys = ["Home", "Down"] + (["Left"] * (current[0] - col) if current[0] > col else ["Right"] * (col - current[0]))
    focused = events_after(keys, "object:state-changed:focused",
                           until=lambda e: e.detail1 == 1 and cell_position(e.source) == (2, col))
    gained = [(cell_position(source), source.name) for source, on in focused if on == 1]
    if ((2, col), ENTRIES[1][col]) not in gained:
        fail("after %s the focus went %r" % (" ".join(keys), gained))
    print("focus after %s: %r" % (" ".join(keys), gained))

    # F2 opens the editor on that cell, named after it.
    opened = events_after(["F2"], "object:state-changed:focused",
                          until=lambda e: e.detail1 == 1 and e.source.getRole() != pyatspi.ROLE_TABLE_CELL)
    editors = [source.name for source, on in opened if on == 1 and source.getRole() != pyatspi.ROLE_TABLE_CELL]
    if HEADERS[col] + ", row 2" not in editors:
        fail("the editor was named %r" % editors)
    print("editor: %r" % editors[-1])
    subprocess.run(["xdotool", "key", "Escape"], check=True)

    # Insert Row: every field is named after its label.
    subprocess.run(["xdotool", "key", "ctrl+m"], check=True)
    dialog = find(app, lambda a: a.getRole() == pyatspi.ROLE_DIALOG and a.name == "Insert Row", "Insert Row dialog")
    combos = [a.name for a in pyatspi.findAllDescendants(dialog, lambda a: a.getRole() == pyatspi.ROLE_COMBO_BOX)]
    for label in ("Insert by:", "Status:", "Priority:"):
        if label not in combos:
            fail("the Insert Row lists are named %r, none %r" % (combos, label))
    print("Insert Row lists: %r" % combos)
    subprocess.run(["xdotool", "key", "Escape"], check=True)


if __name__ == "__main__":
    main()
