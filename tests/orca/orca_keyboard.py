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


def hear(step, expected, seconds=15):
    """Waits until Orca has said `expected` after the step began; records what it said."""
    start = len(spoken())
    deadline = time.time() + seconds
    while time.time() < deadline:
        said = spoken()[start:]
        if expected in said:
            break
        time.sleep(0.2)
    return start


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
        deadline = time.time() + seconds
        while time.time() < deadline and expected not in self.said():
            time.sleep(0.2)
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


start = Step("Orca starts")
start.expect("VELANTRA configuration tools", 60)

ORVO75 = [("Right", "ORVO"), ("Down", "ORVO 75"), ("Right", "Dip-switch")]

step = Step("open ORVO 75 Dip-switch from the menu")
menu(*ORVO75)
step.expect("ORVO 75 dip-switch configurator")

step = Step("type 300")
type_text("300")
step.expect("Levers ON: 3, 4, 6, 9")

step = Step("type 600")
keys("ctrl+a")
type_text("600")
step.expect("DMX address: 1 - 511")

step = Step("close it, open ORVO 75 Power from the menu")
keys("alt+F4")
menu(*ORVO75, ("Down", "Power"))
step.expect("ORVO power configurator")

step = Step("Tab to the first count box, type 90")
for _ in range(30):
    tab = Step("Tab")
    keys("Tab")
    if tab.heard("count", 5):
        break
type_text("90")
step.expect("Max")

step = Step("close the warning and the window, open ORVO 75 Data from the menu")
keys("Return")
time.sleep(2)
keys("alt+F4")
menu(*ORVO75, ("Down", "Power"), ("Down", "Data"))
step.expect("RGB Passive Fixtures, table of 27 rows")

step = Step("Down: from the first row's first cell to the second row's")
keys("Down")
step.expect("Corvale small")

step = Step("Right: the next cell of that row, its LED count")
keys("Right")
step.expect("3")

print("\n".join(TRANSCRIPT))
print("PASS")
