#!/usr/bin/python3
"""Drives the program by keyboard only while Orca reads it, and checks what Orca said: the
ORVO 75 configurator's caption as it opens, the levers ON after an address, the refusal of an
address out of range, a power warning, a data-sheet cell."""
import os
import subprocess
import sys
import time

SPOKEN = os.environ["SPOKEN"]
TRANSCRIPT = []


def spoken():
    with open(SPOKEN, encoding="utf-8", errors="replace") as f:
        return f.read()


def keys(*names, pause=0.3):
    # Qt acts on a key that the screen reader let through only when the next input event comes:
    # a Shift press, which no window reacts to, follows every key.
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name, "shift"], check=True)
        time.sleep(pause)


def type_text(text):
    for ch in text:
        keys(ch)


class Step:
    def __init__(self, name):
        self.name = name
        self.mark = len(spoken())

    def said(self):
        return spoken()[self.mark:]

    def heard(self, expected, seconds):
        deadline = time.time() + seconds
        while time.time() < deadline and expected not in self.said():
            time.sleep(0.2)
        return expected in self.said()

    def expect(self, expected, seconds=15, record=True):
        self.heard(expected, seconds)
        time.sleep(0.5)  # what follows at once belongs to this step too
        said = " | ".join(line for line in self.said().splitlines() if line.strip())
        if record or expected not in self.said():
            TRANSCRIPT.append(f"{self.name}: {said}")
        if expected not in self.said() and not os.environ.get("EXPLORE"):
            print("\n".join(TRANSCRIPT))
            sys.exit(f"FAIL: {self.name}: Orca did not say {expected!r}")


def menu(*path):
    """Opens a menu command by keyboard: Alt, then for each item of the path the arrow key that
    reaches it, waiting each time until Orca has said the item."""
    for _ in range(3):
        said = Step("menu")
        keys("alt")
        if said.heard("Exit", 8):
            break
        keys("Escape")
    said.expect("Exit", 1, record=False)
    for key, item in path:
        said = Step("menu")
        keys(key)
        said.expect(item, 20, record=False)
    keys("Return")


ORVO75 = [("Right", "ORVO"), ("Down", "ORVO 75"), ("Right", "Dip-switch")]


def tab_to(name):
    """Tab until Orca names a control whose name has `name` in it."""
    for _ in range(30):
        tab = Step("Tab")
        keys("Tab")
        if tab.heard(name, 5):
            return


def close_and_open(*path):
    keys("alt+F4")
    menu(*ORVO75, *path)


# Each step: what it is, the keys it presses, what Orca must say.
STEPS = [
    ("open ORVO 75 Dip-switch from the menu", lambda: menu(*ORVO75),
     "ORVO 75 dip-switch configurator"),
    ("type 300", lambda: type_text("300"), "Levers ON: 3, 4, 6, 9"),
    ("type 600", lambda: (keys("ctrl+a"), type_text("600")), "DMX address: 1 - 511"),
    ("close it, open ORVO 75 Power from the menu", lambda: close_and_open(("Down", "Power")),
     "ORVO power configurator"),
    ("Tab to the first count box, type 90", lambda: (tab_to("count"), type_text("90")), "Max"),
    ("close the warning and the window, open ORVO 75 Data from the menu",
     lambda: (keys("Return"), time.sleep(2), close_and_open(("Down", "Power"), ("Down", "Data"))),
     "RGB Passive Fixtures, table of 27 rows"),
    ("Down: from the first row's first cell to the second row's", lambda: keys("Down"),
     "Corvale small"),
    ("Right: the next cell of that row, its LED count", lambda: keys("Right"), "3"),
]
Step("Orca starts").expect("VELANTRA configuration tools", 60)
for name, press, expected in STEPS:
    step = Step(name)
    press()
    step.expect(expected)

print("\n".join(TRANSCRIPT))
print("PASS")
