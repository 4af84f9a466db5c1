"""Reads the running program's accessible tree over AT-SPI as a screen reader
would: the two unit groups with their entries, the checked source and target
unit, the result field after a value is typed, and the calculator's pad
reached by F2 and typed on.

Usage: atspi_check.py PROGRAM (inside a display and a session bus)."""
import subprocess
import sys
import time

import pyatspi


def walk(node, depth=0):
    if node is None or depth > 12:
        return
    yield node
    for child in node:
        yield from walk(child, depth + 1)


def wait_for(what, probe, seconds=20):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
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


def checked(group):
    return [e.name for e in group if e.getState().contains(pyatspi.STATE_CHECKED)]


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

        # The calculator by keyboard alone: F2 hands the pad the focus, where
        # typed keys press pad keys. Shortcuts want an active window, which
        # without a window manager only the X input focus makes.
        subprocess.run(["xdotool", "search", "--name", "^UMRIDO", "windowfocus", "--sync"], check=True)
        subprocess.run(["xdotool", "key", "--delay", "50", "F2"], check=True)
        shift = wait_for("the focused Shift key",
                         lambda: next((n for n in walk(app) if n.name == "Shift-Taste"
                                       and n.getState().contains(pyatspi.STATE_FOCUSED)), None))
        assert shift.getRoleName() == "push button", shift.getRoleName()
        subprocess.run(["xdotool", "type", "--delay", "50", "2^10="], check=True)
        display = by_name(app, "Kalkulator", "text")
        wait_for("the display showing 1024", lambda: text_of(display) == "1024")
        print("atspi_check: groups, entries, checked units, the typed result and the pad by keyboard read over AT-SPI")
    finally:
        program.terminate()
        program.wait(timeout=10)


if __name__ == "__main__":
    main()
