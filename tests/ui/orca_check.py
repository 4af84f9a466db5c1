"""Listens to the running program with Orca, the screen reader, along a fixed
keyboard journey, and checks what Orca speaks after each step: the lines it
must say, each once, and the lines it must not say.

Orca runs without a speech service (it would hang without a sound device);
it still writes every utterance to its debug log as a "SPEECH OUTPUT" line,
which this check reads as the journey goes.

Usage: orca_check.py PROGRAM (inside a display and a session bus, with the
program's settings in a fresh home). Needs Debian's orca and xdotool."""
import os
import re
import subprocess
import sys
import tempfile
import time

# Keys for xdotool ("type:" types the text), the lines Orca must speak
# after them, each exactly once (as logged: Orca ends a phrase with "."),
# and the lines it must not speak. Orca speaks German here; the program
# starts in German with Length, m -> m, and "1" in the input field.
SPOKEN = re.compile(r"SPEECH OUTPUT: '(.*)' ?[{\[]")
SELECTED_ALONE = "ausgewählt"
UNSELECTED = "Text ist nicht mehr ausgewählt."
JOURNEY = [
    ("typing a value: the result, once",
     ["type:5"], ["Ergebnis: 5."], []),
    ("Alt+Shift+Down: the target unit and the result",
     ["alt+shift+Down"], ["Nach: Dezimeter. Ergebnis: 50."], []),
    ("F5: both sides after a swap",
     ["F5"], ["Von: Dezimeter. Nach: Meter. Ergebnis: 5."], []),
    ("Ctrl+Down: the new quantity",
     ["ctrl+Down"], ["Leistung. Von: Joule pro Sekunde = Watt. Nach: Joule pro Sekunde = Watt. Ergebnis: 1."], []),
    ("the finder, Enter: quantity, units and result",
     ["F3", "type:psi", "Return"],
     ["Druck. Von: Pound-force per square inch = psi. Nach: Pascal = Newton pro Quadratmeter. Ergebnis: 6894,7573."],
     []),
    ("the finder, Shift+Enter: the target unit",
     ["F3", "type:bar", "shift+Return"], ["Nach: Bar. Ergebnis: 0,068947573."], []),
    ("Tab: the result field read whole, 'selected' once",
     ["Tab"], ["Ergebnis nur lesbar text.", "0,068947573 ausgewählt."], [SELECTED_ALONE, UNSELECTED]),
    ("Shift+Tab: back to the input field",
     ["shift+Tab"], ["Eingabe text.", "1 ausgewählt."], [SELECTED_ALONE, UNSELECTED]),
    ("F8: the language switch in the new language",
     ["F8"], ["English."], []),
    # Orca may skip a display that the next press replaces before it speaks.
    ("F2 and typed keys on the pad: the display after the presses",
     ["F2", "type:2^10="], ["Shift push button.", "1024."], []),
]


def run_orca(log, prefs):
    """Orca in this process, its debug log line-buffered, without speech."""
    from orca import debug
    debug.debugLevel = debug.LEVEL_INFO
    debug.debugFile = open(log, "w", buffering=1, encoding="utf-8")
    from orca import orca
    manager = orca.getSettingsManager()
    # No speech server: Orca logs what it would say and waits for nothing.
    manager.activate(prefs, {"speechServerFactory": "", "speechFactoryModules": [], "enableBraille": False})
    sys.exit(orca.main())


class SpeechLog:
    def __init__(self, path):
        self.path = path
        self.seen = 0

    def lines(self):
        try:
            with open(self.path, encoding="utf-8", errors="replace") as f:
                return f.read().splitlines()
        except FileNotFoundError:
            return []

    def spoken_since_last(self):
        lines = self.lines()
        new, self.seen = lines[self.seen:], len(lines)
        # "... SPEECH OUTPUT: 'text' {voice}" or "...'text'{voice}"
        return [m.group(1) for m in map(SPOKEN.search, new) if m]


def wait_for(what, probe, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if probe():
            return
        time.sleep(0.1)
    sys.exit(f"orca_check: {what} not within {seconds} s")


def press(keys):
    for key in keys:
        if key.startswith("type:"):
            subprocess.run(["xdotool", "type", "--delay", "120", key[5:]], check=True)
        else:
            subprocess.run(["xdotool", "key", key], check=True)
        time.sleep(0.3)


def main():
    if sys.argv[1] == "--orca":
        run_orca(sys.argv[2], sys.argv[3])
    scratch = tempfile.mkdtemp()
    log = SpeechLog(os.path.join(scratch, "orca.log"))
    orca = subprocess.Popen(["/usr/bin/python3", __file__, "--orca", log.path, os.path.join(scratch, "prefs")],
                            stdout=subprocess.DEVNULL, stderr=open(os.path.join(scratch, "orca.err"), "w"))
    program = None
    failures = []
    try:
        wait_for("Orca's start", lambda: any("SPEECH: Initialized" in l for l in log.lines()), 30)
        program = subprocess.Popen([sys.argv[1]])
        found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "UMRIDO"],
                               capture_output=True, text=True, timeout=20).stdout.split()
        subprocess.run(["xdotool", "windowfocus", "--sync", found[0]], check=True)
        wait_for("Orca's focus on the input field",
                 lambda: any("locusOfFocus" in l and "[text | Eingabe]" in l for l in log.lines()), 20)
        time.sleep(0.5)
        log.spoken_since_last()
        for title, keys, must, must_not in JOURNEY:
            press(keys)
            heard = []
            deadline = time.monotonic() + 8
            while time.monotonic() < deadline and not all(m in heard for m in must):
                time.sleep(0.2)
                heard += log.spoken_since_last()
            time.sleep(0.8)  # anything said twice comes within this
            heard += log.spoken_since_last()
            print(f"orca_check: {title}: {heard}")
            for m in must:
                if heard.count(m) != 1:
                    failures.append(f"{title}: {m!r} spoken {heard.count(m)} times")
            for m in must_not:
                if m in heard:
                    failures.append(f"{title}: {m!r} spoken")
    finally:
        if program is not None:
            program.terminate()
            program.wait(timeout=10)
        orca.terminate()
        try:
            orca.wait(timeout=10)
        except subprocess.TimeoutExpired:  # Orca sometimes hangs on its way out
            orca.kill()
            orca.wait()
    if failures:
        sys.exit("orca_check: " + "; ".join(failures) + f" (Orca's log: {log.path})")
    print("orca_check: every change of the journey spoken once")


if __name__ == "__main__":
    main()
