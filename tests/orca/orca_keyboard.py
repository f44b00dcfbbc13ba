#!/usr/bin/python3
"""Drives the program by keyboard only while Orca reads it, and checks that what Orca says is
true: after every Tab and arrow key, the object that really has the focus (read over the
accessibility bus) is the one Orca names, with its state and its whole value. It goes round the
tab order of the five dip-switch configurators (in DMX and in master mode) and of both power
windows, through every button of every option group, and checks an address read back whole on
returning to its box (also after a card's label question), the banks in flat review, a refused
address, a figure over its limit, the keyboard route to the card menu, a data-sheet cell and the
show list read as a table.

Nothing waits a fixed time: every key is followed by a wait for what it must bring about (a new
focus, a box's text, Orca's words), with a generous limit, and then for Orca to fall silent."""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

SPOKEN = os.environ["SPOKEN"]
PID = int(os.environ["VELANTRA_PID"])
# Generous: on a machine busy with builds, Orca may take seconds to speak.
LIMIT = float(os.environ.get("VELANTRA_ORCA_LIMIT", "40"))
QUIET = 0.4  # Orca has finished speaking when nothing new comes for this long
TRANSCRIPT = []


def spoken():
    with open(SPOKEN, encoding="utf-8", errors="replace") as f:
        return f.read()


def pump():
    while GLib.MainContext.default().iteration(False):
        pass


def fail(message):
    print("\n".join(TRANSCRIPT))
    sys.exit(f"FAIL: {message}")


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)


NUDGES = 0


def nudge():
    """Qt 6.4 hands each key to the screen reader and acts on the reply only at the next input
    event: a small move of the pointer over the active window is one. (A key would do too, but
    Orca stops speaking at every key pressed, and what it was saying would be lost.)"""
    global NUDGES
    NUDGES += 1
    at = str(2 + NUDGES % 2)
    subprocess.run(["xdotool", "getactivewindow", "mousemove", "--window", "%1", at, at],
                   check=False, stderr=subprocess.DEVNULL)


def wait_until(condition, what, seconds=LIMIT):
    """Waits for a condition, nudging Qt with a Shift press now and then: a key whose reply from
    the screen reader came late is acted on at the next input event."""
    deadline = time.time() + seconds
    next_nudge = time.time() + 0.5
    while True:
        pump()
        result = condition()
        if result:
            return result
        if time.time() > deadline:
            fail(f"{what() if callable(what) else what} (waited {seconds:.0f} s)")
        if time.time() > next_nudge:
            nudge()
            next_nudge = time.time() + 1
        time.sleep(0.05)


def wait_quiet():
    """Waits until Orca has said nothing new for a while."""
    last, since = len(spoken()), time.time()
    deadline = time.time() + LIMIT
    while time.time() - since < QUIET and time.time() < deadline:
        time.sleep(0.05)
        now = len(spoken())
        if now != last:
            last, since = now, time.time()


def says(said, words):
    """Whether Orca said `words` as words of their own: "Show 1" is not in "Show 12"."""
    words = words.strip()
    return re.search(r"(?<![\w])" + re.escape(words) + r"(?![\w])", said) is not None


class Focus:
    """The objects of the program that took the focus, as the focus events report them; which
    of them really has it is read from its state."""

    def __init__(self):
        self.sources = []
        self.count = 0
        pyatspi.Registry.registerEventListener(self._hear, "object:state-changed:focused")

    def _hear(self, event):
        if event.detail1:
            try:
                if event.source.get_process_id() == PID:
                    self.sources = self.sources[-20:] + [event.source]
                    self.count += 1
            except GLib.Error:
                pass

    def current(self):
        for source in reversed(self.sources):
            try:
                if source.getState().contains(pyatspi.STATE_FOCUSED):
                    return source
            except GLib.Error:
                pass
        return None


FOCUS = Focus()


def identity(node):
    """What tells one control from another: "700" is a button of both current groups."""
    path = []
    while node is not None and node.getRole() != pyatspi.ROLE_APPLICATION:
        path.append(node.getIndexInParent())
        node = node.parent
    return tuple(path)


def group_name(node):
    parent = node.parent
    return parent.name if parent is not None and parent.getRole() != pyatspi.ROLE_FRAME else ""


def text_of(node):
    return node.queryText().getText(0, -1)


def descendants(node, depth=0):
    for child in node:
        if child is None:
            continue
        yield child
        if depth < 6:
            yield from descendants(child, depth + 1)


def window_of(node):
    while node.getRole() != pyatspi.ROLE_FRAME:
        node = node.parent
    return node


class Window:
    """What the check needs to know of the window looked at: the names of its option buttons."""

    def __init__(self, frame):
        self.title = frame.name
        self.options = {c.name.strip() for c in descendants(frame)
                        if c.getRole() == pyatspi.ROLE_RADIO_BUTTON}


def check_true(step, node, said, previous):
    """What Orca said on reaching `node` is true: its name, its group on entering one, its state
    and its whole value; and no other option is named."""
    name = node.name.strip()
    problems = []
    if not says(said, name):
        problems.append(f"the focus is on {name!r}, which Orca did not name")
    role = node.getRole()
    if role == pyatspi.ROLE_RADIO_BUTTON:
        group = group_name(node)
        if group and (previous is None or group_name(previous) != group) and not says(said, group):
            problems.append(f"the focus entered the group {group!r}, which Orca did not name")
        selected = node.getState().contains(pyatspi.STATE_CHECKED)
        if selected == ("not selected" in said):
            problems.append(f"{name!r} is {'' if selected else 'not '}selected")
        window = Window(window_of(node))
        others = sorted(o for o in window.options if o != name and says(said, o))
        if others:
            problems.append(f"Orca named {others} while the focus is on {name!r}")
    elif role == pyatspi.ROLE_TEXT:
        # The value as Orca reads it with the name, not as it echoed a selection before.
        value, named = text_of(node), said[said.rfind(name.strip()):]
        if value and not says(named, value):
            problems.append(f"{name!r} holds {value!r}, which Orca did not say whole")
    if problems:
        fail(f"{step}: " + "; ".join(problems) + f"; Orca said: {said!r}")


def said_since(mark):
    return " ".join(line.strip() for line in spoken()[mark:].splitlines() if line.strip())


def move(key, step, previous):
    """Presses a key that moves the focus; returns the object that has it afterwards, having
    checked what Orca said about it."""
    mark, events = len(spoken()), FOCUS.count
    keys(key)
    node = wait_until(lambda: FOCUS.count > events and FOCUS.current(),
                      f"{step}: the focus did not move")
    wait_until(lambda: says(said_since(mark), node.name), lambda: f"{step}: Orca did not name "
               f"{node.name!r}, which has the focus; it said {said_since(mark)!r}")
    wait_quiet()
    said = said_since(mark)
    TRANSCRIPT.append(f"{step}: {said}")
    check_true(step, node, said, previous)
    return node


def walk_group(entry, step):
    """Moves through every button of an option group with Down until the selection is back
    where it was."""
    usable = [b for b in entry.parent if b is not None and b.getRole() == pyatspi.ROLE_RADIO_BUTTON
              and b.getState().contains(pyatspi.STATE_SENSITIVE)
              and b.getState().contains(pyatspi.STATE_SHOWING)]
    if len(usable) < 2:
        return entry  # nothing to move to: Down does nothing, and Orca says nothing
    node, start = entry, identity(entry)
    for n in range(1, 21):
        node = move("Down", f"{step}, Down {n}", node)
        if identity(node) == start:
            return node
    fail(f"{step}: Down did not come round to {entry.name!r}")


def round_the_tab_order(step, start, done, stay_on=None):
    """Tabs from `start` until the focus is back on it, checking each stop, and goes through the
    buttons of each option group not yet in `done`. At a button named `stay_on`, it selects the
    next button with Down instead, and returns that button at the end."""
    node, seen, chosen = start, {identity(start)}, None
    for n in range(1, 121):
        node = move("Tab", f"{step}, Tab {n}", node)
        if identity(node) in seen:  # round: the start itself may have been disabled meanwhile
            return chosen
        seen.add(identity(node))
        if node.getRole() == pyatspi.ROLE_RADIO_BUTTON:
            group = identity(node.parent)
            if stay_on and node.name == stay_on and chosen is None:
                node = chosen = move("Down", f"{step}, Down from {stay_on}", node)
            elif group not in done:
                done.add(group)
                node = walk_group(node, f"{step}, {group_name(node) or node.name}")
    fail(f"{step}: Tab did not come round to {start.name!r}")


def expect(step, press, expected):
    mark = len(spoken())
    press()
    wait_until(lambda: expected in said_since(mark),
               lambda: f"{step}: Orca did not say {expected!r}; it said {said_since(mark)!r}")
    wait_quiet()
    TRANSCRIPT.append(f"{step}: {said_since(mark)}")


def type_text(box, text):
    """Types into the focused box, waiting each time until the box holds what was typed."""
    for ch in text:
        before = text_of(box)
        keys(ch)
        wait_until(lambda: text_of(box) != before, f"typing {ch!r}: the box did not change")
    wait_quiet()


def application():
    for app in pyatspi.Registry.getDesktop(0):
        try:
            # Qt's bridge, not the empty one GTK's adds under a GTK platform theme (same process).
            if (app is not None and app.get_process_id() == PID
                    and app.get_toolkit_name() == "Qt"):
                return app
        except GLib.Error:
            pass
    return None


def find(node, role, name):
    for child in descendants(node):
        if child.getRole() == role and child.name == name:
            return child
    return None


def open_window(title, *path):
    """Opens a window by its menu command, over the accessibility bus: Qt 6.4's menu bar loses
    keys now and then while the screen reader is slow to answer, and the main menu is no
    concern of this check."""
    mark = len(spoken())
    node = wait_until(lambda: find(application(), pyatspi.ROLE_MENU_BAR, ""), "no menu bar")
    for caption in path:
        node = find(node, pyatspi.ROLE_MENU_ITEM, caption)
        if node is None:
            fail(f"no menu item {caption!r}")
    action = node.queryAction()
    action.doAction(0)
    wait_until(lambda: title in said_since(mark), f"Orca did not say {title!r}")
    node = wait_until(lambda: FOCUS.current() if FOCUS.current() and
                      window_of(FOCUS.current()).name == title else None,
                      f"no focus in {title!r}")
    wait_quiet()
    TRANSCRIPT.append(f"open {title}: {said_since(mark)}")
    return node


def close_window():
    mark = len(spoken())
    keys("alt+F4")
    wait_until(lambda: "VELANTRA configuration tools" in said_since(mark),
               "closing: Orca did not say the main window's name")
    wait_quiet()


def configurator(title, path, address):
    """Types an address, goes round the tab order in DMX mode and in master mode through every
    option group, and checks the address is read whole each time the focus returns to it."""
    box = open_window(title, *path)
    type_text(box, address)
    # The mode is left alone the first time round: choosing it sets the address to 1.
    done = {identity(find(window_of(box), pyatspi.ROLE_RADIO_BUTTON, "DMX (slave)").parent)}
    round_the_tab_order(f"{title} (DMX)", box, done)
    if round_the_tab_order(f"{title} (master)", box, done, stay_on="DMX (slave)") is None:
        fail(f"{title}: no DMX (slave) button")
    close_window()


def card_menu(step, key):
    """The card menu opens from the keyboard wherever the focus is."""
    expect(step, lambda: keys(key), "Print")
    expect(f"{step}: Escape", lambda: keys("Escape"), "")


ORVO75 = ["ORVO", "ORVO 75"]
ORVO36 = ["ORVO", "ORVO 36"]

# On a busy machine Orca may be ready only after the main window has shown, and then says
# nothing of it: its own greeting and the program on the bus are what the check waits for.
wait_until(lambda: "Screen reader on" in spoken(), "Orca did not start", 180)
wait_until(lambda: application() and find(application(), pyatspi.ROLE_FRAME,
                                          "VELANTRA configuration tools"),
           "the main window is not on the accessibility bus", 180)
wait_quiet()
TRANSCRIPT.append(f"Orca starts: {said_since(0)}")

configurator("ORVO 75 dip-switch configurator", [*ORVO75, "Dip-switch"], "300")
configurator("ORVO 36 dip-switch configurator", [*ORVO36, "Dip-switch"], "510")
configurator("ORVO FLUO / Nembra dip-switch configurator", ["ORVO", "ORVO FLUO", "Dip-Switch"],
             "21")
configurator("Intelligent fixture configurator", ["Intelligent Fixt.", "RGB", "Dip-switch"], "7")
configurator("DOR fixture configurator", ["Intelligent Fixt.", "DOR", "Dip-Switch"], "42")



def review_levers(step):
    """Orca's flat review from the focus up to the banks' line (keypad 7, previous line): each
    lever is read once, with its bank."""
    for n in range(1, 16):
        mark = len(spoken())
        keys("KP_Home")
        wait_until(lambda: said_since(mark), f"{step}: flat review said nothing")
        wait_quiet()
        line = said_since(mark)
        if "Lever" in line:
            TRANSCRIPT.append(f"{step}, {n} lines up: {line}")
            return line
    fail(f"{step}: flat review met no lever")


# Flat review of the banks, a refused address, and the card menu from the address box.
box = open_window("ORVO 75 dip-switch configurator", *ORVO75, "Dip-switch")
expect("type 300", lambda: (keys("ctrl+a"), [keys(c) for c in "300"]), "Levers ON: 3, 4, 6, 9")
# A card's label question and back: the address is read whole again, and the copy confirmed.
expect("Control+Shift+C: the label question", lambda: keys("ctrl+shift+c"), "Label for the card")
expect("Return: no label, back in the window", lambda: keys("Return"), "Copied as text")
if not says(TRANSCRIPT[-1], "DMX address text. 300"):
    fail(f"back from the label question, the address was not read whole: {TRANSCRIPT[-1]!r}")
# The banks' line: the 4-lever bank, then the 12-lever one (left to right), each lever once in
# order with its bank and state.
line = review_levers("flat review")
# (The capture may break Orca's words between lines: "Lever 11 of 12" / ": OFF".)
levers = [re.sub(r"\s+:", ":", lever)
          for lever in re.findall(r"Lever \d+(?: of \d+)?\s*:?\s*(?:ON|OFF)", line)]
wanted = [f"Lever {k} of 4: OFF" for k in range(1, 5)] + [
    f"Lever {k} of 12: {'ON' if k in (3, 4, 6, 9) else 'OFF'}" for k in range(1, 13)]
if levers != wanted:
    fail(f"flat review: the banks' line reads {levers!r}, not {wanted!r}")
expect("flat review ends", lambda: keys("KP_Subtract"), "")
expect("type 600", lambda: (keys("ctrl+a"), [keys(c) for c in "600"]), "DMX address: 1 - 511")
card_menu("Shift+F10 in the address box", "shift+F10")
close_window()

# The power windows: round the tab order, then a count over the limit and what the figure says.
for title, path in [("ORVO power configurator", [*ORVO75, "Power"]),
                    ("ORVO 36 power configurator", [*ORVO36, "Power"])]:
    start = open_window(title, *path)
    round_the_tab_order(title, start, set())
    close_window()

start = open_window("ORVO power configurator", *ORVO75, "Power")
if "Control 1, CC #1" not in TRANSCRIPT[-1]:
    fail(f"the window did not say how to reach the count boxes: {TRANSCRIPT[-1]!r}")
node = move("ctrl+1", "Control+1: the first count box of CC #1", start)
if node.name != "CC #1 count, Pomra RGB":
    fail(f"Control+1 went to {node.name!r}")
expect("type 9 (nine LEDs per colour on one output)", lambda: keys("9"), "Max")
expect("close the warning", lambda: keys("Return"), node.name)
for n in range(80):
    if node.name == "LEDs per colour, CC #1":
        break
    node = move("shift+Tab", f"Shift+Tab to the LEDs per colour {n + 1}", node)
said = TRANSCRIPT[-1]
if "limit" not in said or "6" not in said:
    fail(f"over the limit, Orca did not say the limit: {said!r}")
close_window()

open_window("Passive fixtures data", *ORVO75, "Data")
if "RGB Passive Fixtures, table of 27 rows" not in TRANSCRIPT[-1]:
    fail(f"the data sheet is not read as a table: {TRANSCRIPT[-1]!r}")
expect("Down: from the first row's first cell to the second row's", lambda: keys("Down"),
       "Corvale small")
expect("Right: the next cell of that row, its LED count", lambda: keys("Right"), "3")
close_window()

# The show list, a picture, is read as a table: a show and its colours.
open_window("Easy run menu", "Master funct.", "Easy run (RGB)")
if "Built-in shows and their colours" not in TRANSCRIPT[-1]:
    fail(f"the show list does not have the focus: {TRANSCRIPT[-1]!r}")
expect("Down: show 1 and its colours", lambda: keys("Down"), "red, green, blue, white")
if not says(TRANSCRIPT[-1], "01"):
    fail(f"the show's number was not read: {TRANSCRIPT[-1]!r}")
close_window()

print("\n".join(TRANSCRIPT))
print("PASS")
