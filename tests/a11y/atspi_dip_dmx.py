#!/usr/bin/python3
"""Drives the program through the accessibility bus, as a screen reader user would: opens the
ORVO 75 configurator from the menu, types an address into the "DMX address" box, and reads the
levers that are ON from the bank's description. Exits the program through its menu."""
import sys
import time

import pyatspi


def wait_for(find, what, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} not found")


def descendants(node, depth=0):
    if node is None or depth > 12:
        return
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child, depth + 1)


def find(node, role=None, name=None):
    for child in descendants(node):
        if (role is None or child.getRoleName() == role) and (name is None or child.name == name):
            return child
    return None


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "velantra":
            return app
    return None


def menu_item(app, path):
    node = find(app, "menu bar")
    for caption in path:
        node = find(node, "menu item", caption)
        if node is None:
            sys.exit(f"FAIL: menu item {caption} not found")
    return node


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "click", "activate", "Press", "SetFocus"):
            action.doAction(i)
            return
    action.doAction(0)


def check(label, got, expected):
    print(f"{label}: {got!r}")
    if got != expected:
        sys.exit(f"FAIL: {label}: expected {expected!r}, got {got!r}")


app = wait_for(application, "the program on the accessibility bus")
wait_for(lambda: find(app, "frame", "VELANTRA configuration tools"), "the main window")
press(menu_item(app, ["ORVO", "ORVO 75", "Dip-switch"]))
window = wait_for(lambda: find(app, "frame", "ORVO 75 dip-switch configurator"),
                  "the ORVO 75 configurator")
box = wait_for(lambda: find(window, "text", "DMX address"), "the DMX address box")
bank = wait_for(lambda: find(window, None, "12-lever DIP-switch bank"), "the 12-lever bank")
check("fresh window, 12-lever bank", bank.description, "Levers ON: 1")

box.queryEditableText().setTextContents("300")
wait_for(lambda: bank if bank.description == "Levers ON: 3, 4, 6, 9" else None,
         "the levers of address 300", 5)
check("address 300, 12-lever bank", bank.description, "Levers ON: 3, 4, 6, 9")
check("lever 3", find(window, None, "Lever 3 ON") is not None, True)
check("lever 9", find(window, None, "Lever 9 ON") is not None, True)

box.queryEditableText().setTextContents("512")
error = wait_for(lambda: find(window, "label", "! ERROR !  DMX address: 1 - 511"),
                 "the error label", 5)
check("address 512, error label showing", error.getState().contains(pyatspi.STATE_SHOWING), True)
check("address 512, 12-lever bank", bank.description, "Levers ON: none")

press(menu_item(app, ["Exit"]))
print("PASS")
