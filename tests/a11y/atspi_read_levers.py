#!/usr/bin/python3
"""Reads levers back through the accessibility bus, as a screen reader user would: opens Tools ›
Read levers, finds the levers of the ORVO 75's 12-lever bank as toggles named with their state,
presses two of them and reads the address they set. Exits the program through its menu."""
import pyatspi

from atspi_support import check, find, menu_item, press, wait_for, application


def toggle(node):
    """Flips a check box by its toggle action, as a screen reader's Space does."""
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check(f"{node.name} actions offer Toggle", "Toggle" in names, True)
    action.doAction(names.index("Toggle"))


app = wait_for(application, "the program on the accessibility bus")
wait_for(lambda: find(app, "frame", "VELANTRA configuration tools"), "the main window")
press(menu_item(app, ["Tools", "Read levers"]))
window = wait_for(lambda: find(app, "frame", "Read levers"), "the Read levers window")
bank = wait_for(lambda: find(window, None, "12-lever bank"), "the 12-lever bank")
lever3 = wait_for(lambda: find(bank, None, "Lever 3: OFF"), "lever 3, OFF")
# Qt offers a checkable button as a check box: a toggle, its state said as "checked".
check("lever 3 role", lever3.getRoleName(), "check box")
check("lever 3 checked", lever3.getState().contains(pyatspi.STATE_CHECKED), False)
toggle(lever3)
lever3 = wait_for(lambda: find(bank, None, "Lever 3: ON"), "lever 3 named ON once pressed", 5)
check("lever 3 checked once pressed", lever3.getState().contains(pyatspi.STATE_CHECKED), True)
toggle(wait_for(lambda: find(bank, None, "Lever 11: OFF"), "lever 11, OFF"))
wait_for(lambda: find(bank, None, "Lever 11: ON"), "lever 11 named ON once pressed", 5)
reading = wait_for(lambda: find(window, "label", "DMX address 4, 6 Ch"), "the reading", 5)
check("the reading", reading.name, "DMX address 4, 6 Ch")

press(menu_item(app, ["Exit"]))
print("PASS")
