"""Reads the running program's accessible tree over AT-SPI as a screen reader
would: the two unit groups with their entries, the checked source and target
unit, the result field after a value is typed, the entries' names and events
after Ctrl+Down (a new quantity) and F8 (the other language), the
calculator's pad reached by F2 and typed on, the unit finder's field and
result list while it is open, and the table of all units.

Usage: atspi_check.py PROGRAM (inside a display and a session bus)."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def walk(node, depth=0):
    if node is None or depth > 12:
        return
    yield node
    for child in node:
        yield from walk(child, depth + 1)


def wait_for(what, probe, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        # Events reach the listeners (and the client's name cache) only
        # while the main loop runs.
        while GLib.MainContext.default().iteration(False):
            pass
        found = probe()
        if found:
            return found
        time.sleep(0.2)
    sys.exit(f"atspi_check: {what} not found within {seconds} s")


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name.lower() == "umrido" and app.childCount > 0:
            return app
    return None


def by_name(app, name, role=None):
    for node in walk(app):
        if node.name == name and (role is None or node.getRoleName() == role):
            return node
    return None


def fresh(node):
    """Drops what the client cached of `node` and below; true."""
    node.clear_cache()
    return True


def checked(group):
    return [e.name for e in group if e.getState().contains(pyatspi.STATE_CHECKED)]


def showing(node):
    return node is not None and node.getState().contains(pyatspi.STATE_SHOWING)


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def main():
    program = subprocess.Popen([sys.argv[1]])
    try:
        app = wait_for("the program on the accessibility bus", application)
        source = wait_for("the group 'Von'", lambda: by_name(app, "Von"))
        target = by_name(app, "Nach")
        entries = [e.name for e in source]
        assert len(entries) == 21 and "Kilometer (km)" in entries, entries
        assert all(e.getRoleName() == "radio button" for e in source)
        assert checked(source) == ["Meter (m)"] and checked(target) == ["Meter (m)"], (checked(source), checked(target))
        # Each entry covers its row of the selector (rows 18 pixels apart, 16
        # high) and is described by its symbol.
        for group in (source, target):
            box = group.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            for row, entry in enumerate(group):
                e = entry.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                assert (e.x, e.y, e.width, e.height) == (box.x, box.y + 18 * row, box.width, 16), (group.name, row, e)
        assert source[6].description == "km" and target[20].description == "sm", (source[6].description, target[20].description)

        # A screen reader's "press" on an entry picks that unit.
        km = next(e for e in source if e.name == "Kilometer (km)")
        km.queryAction().doAction(0)
        wait_for("the checked source unit km", lambda: checked(source) == ["Kilometer (km)"])
        assert checked(target) == ["Meter (m)"], checked(target)

        # Type a value into the input field with real key events.
        edit_v = by_name(app, "Eingabe", "text")
        edit_n = by_name(app, "Ergebnis", "text")
        assert edit_v is not None and edit_n is not None
        edit_v.queryComponent().grabFocus()
        subprocess.run(["xdotool", "key", "--delay", "50", "End", "BackSpace", "5"], check=True)
        wait_for("EditN showing 5000", lambda: text_of(edit_n) == "5000")

        # A client keeps the names it has read; the program's events must
        # bring them up to date, and the events of the new marker must carry
        # the new names.
        # Shortcuts need the window active: no window manager gives it the
        # keyboard here.
        window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "UMRIDO"],
                                capture_output=True, text=True, check=True, timeout=20).stdout.split()[0]
        subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
        checks = []
        pyatspi.Registry.registerEventListener(
            lambda e: checks.append((e.source.parent.name, e.source.name, e.detail1)), "object:state-changed:checked")
        [e.name for e in source] + [e.name for e in target]
        subprocess.run(["xdotool", "key", "ctrl+Down"], check=True)
        watt = "Joule pro Sekunde = Watt (J/s = W)"
        wait_for("the checked source unit J/s after Ctrl+Down", lambda: checked(source) == [watt])
        entries = [e.name for e in source]
        assert len(entries) == 17 and entries[:2] == [watt, "Kilowatt (kW)"], entries
        assert [e.name for e in target] == entries, [e.name for e in target]
        # The source marker moved from km's row (row 6) to the first: both
        # events carry the names of the new quantity's units.
        wait_for("the checked event with the new name", lambda: ("Von", watt, 1) in checks)
        assert ("Von", entries[6], 0) in checks and not any("Meter" in name for _, name, _ in checks), checks
        assert checked(target) == [watt], checked(target)

        subprocess.run(["xdotool", "key", "F8"], check=True)
        wait_for("the group 'From' after F8", lambda: source.name == "From" and target.name == "To")
        english = [e.name for e in source]
        assert len(english) == 17 and english[:2] == ["Joule per second = Watt (J/s = W)", "Kilowatt (kW)"], english
        assert checked(target) == ["Joule per second = Watt (J/s = W)"], checked(target)

        # The calculator by keyboard alone (now in English): F2 hands the pad
        # the focus, where typed keys press pad keys.
        subprocess.run(["xdotool", "key", "--delay", "50", "F2"], check=True)
        shift = wait_for("the focused Shift key",
                         lambda: next((n for n in walk(app) if n.name == "Shift"
                                       and n.getState().contains(pyatspi.STATE_FOCUSED)), None))
        assert shift.getRoleName() == "push button", shift.getRoleName()
        subprocess.run(["xdotool", "type", "--delay", "50", "2^10="], check=True)
        display = by_name(app, "Calculator", "text")
        wait_for("the display showing 1024", lambda: text_of(display) == "1024")


        # Back to German for the rest.
        subprocess.run(["xdotool", "key", "F8"], check=True)
        wait_for("the group 'Von' after F8 again", lambda: source.name == "Von")

        # The unit finder (F3): its field and result list are in the tree
        # while it is open, the field keeping the focus as the list fills.
        edit_v.queryComponent().grabFocus()
        subprocess.run(["xdotool", "key", "F3"], check=True)
        query = wait_for("the finder's field", lambda: by_name(app, "Einheit suchen", "text"))
        wait_for("the finder's field showing", lambda: showing(query))
        results = by_name(app, "Gefundene Einheiten", "list")
        assert results is not None and showing(results)
        subprocess.run(["xdotool", "type", "--delay", "50", "bar"], check=True)
        wait_for("the result bar", lambda: results.childCount > 0 and results[0].name.startswith("bar"))
        assert query.getState().contains(pyatspi.STATE_FOCUSED)
        assert results[0].getState().contains(pyatspi.STATE_SELECTED)
        subprocess.run(["xdotool", "key", "Escape"], check=True)
        wait_for("the finder closed", lambda: not showing(query) and results.childCount == 0)

        # 5 psi by the finder, and F9: the table of all units, named by its heading.
        edit_v.queryComponent().grabFocus()
        subprocess.run(["xdotool", "key", "F3"], check=True)
        wait_for("the finder's field again", lambda: showing(query))
        subprocess.run(["xdotool", "type", "--delay", "50", "psi"], check=True)
        wait_for("the result psi", lambda: fresh(results) and results.childCount > 0 and "=psi" in results[0].name)
        subprocess.run(["xdotool", "key", "Return"], check=True)
        wait_for("psi as the source", lambda: len(checked(source)) == 1 and checked(source)[0].endswith("(lbf./in²=psi)"))
        assert len([e for e in source]) == 21
        subprocess.run(["xdotool", "key", "--delay", "50", "5", "F9"], check=True)
        # The panel is made on first use, after the client cached the tree.
        table = wait_for("the table 'Alle Einheiten'", lambda: fresh(app) and by_name(app, "Alle Einheiten", "table"))
        cells = table.queryTable()
        assert cells.nRows == 21 and cells.nColumns == 3, (cells.nRows, cells.nColumns)
        assert cells.getColumnDescription(0) == "Wert", cells.getColumnDescription(0)
        bar = next(r for r in range(cells.nRows) if cells.getAccessibleAt(r, 1).name == "bar")
        wait_for("the bar row's value", lambda: cells.getAccessibleAt(bar, 0).name == "0.34473786")
        print("atspi_check: groups, entries, checked units, the typed result, the pad by keyboard, the finder"
              " and the all-units table read over AT-SPI")
    finally:
        program.terminate()
        program.wait(timeout=10)


if __name__ == "__main__":
    main()
