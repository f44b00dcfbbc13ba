#!/usr/bin/python3
"""Drives the program through the accessibility bus, as a screen reader user would: opens the
ORVO 75 configurator from the menu, types an address into the "DMX address" box, and reads the
levers that are ON from the bank's description. Exits the program through its menu."""
import pyatspi

from atspi_support import (Listener, application, check, descendants, find, menu_item, press,
                           wait_for)


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
check("lever 3", find(bank, None, "Lever 3 of 12: ON") is not None, True)
check("lever 9", find(bank, None, "Lever 9 of 12: ON") is not None, True)
# Each lever is read once: what a screen review meets of the window names every lever of both
# banks exactly once, with its bank; the rectangles that draw them are not shown to it.
showing = [node.name for node in descendants(window)
           if node.getState().contains(pyatspi.STATE_SHOWING) and node.name.startswith("Lever ")]
check("levers in a screen review",
      sorted(showing), sorted([f"Lever {k} of 12: {'ON' if k in (3, 4, 6, 9) else 'OFF'}"
                                 for k in range(1, 13)] +
                                [f"Lever {k} of 4: OFF" for k in range(1, 5)]))

# A refused address shows the error label, an alert: a screen reader hears it appear.
ERROR = "! ERROR !  DMX address: 1 - 511"
showing = Listener("object:state-changed:showing")
box.queryEditableText().setTextContents("512")
error = wait_for(lambda: find(window, "alert", ERROR), "the error label, an alert", 5)
check("address 512, error label showing", error.getState().contains(pyatspi.STATE_SHOWING), True)
check("address 512, the alert heard showing",
      wait_for(lambda: True if ("alert", ERROR, 1) in showing.heard else None,
               "the event of the alert showing", 5), True)
showing.stop()
check("address 512, 12-lever bank", bank.description, "Levers ON: none")

press(menu_item(app, ["Exit"]))
print("PASS")
