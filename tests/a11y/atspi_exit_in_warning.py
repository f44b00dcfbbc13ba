#!/usr/bin/python3
"""Exit chosen through the accessibility bus while a power window's warning waits for its OK:
the menu stays reachable to a screen reader then. The program must end at once with status 0
(run-atspi-test.sh checks), and the pending change of the count box must return."""
from atspi_support import (application, check, find, finish_typing, menu_item, press,
                           type_in_background, wait_for)

TITLE = "ORVO power configurator"
BOX = "CC #1 count, Tessino RGB 560 mm"

app = wait_for(application, "the program on the accessibility bus")
wait_for(lambda: find(app, "frame", "VELANTRA configuration tools"), "the main window")
press(menu_item(app, ["ORVO", "ORVO 75", "Power"]))
window = wait_for(lambda: find(app, "frame", TITLE), "the power window")
wait_for(lambda: find(window, "text", BOX), "the count box")

# 3 fixtures of 3 LEDs per colour: 9 on an output that takes 6, a warning.
typing = type_in_background(TITLE, BOX, "3")
alert = wait_for(lambda: find(app, "alert"), "the warning")
check("warning title", alert.name, "Error!")
press(menu_item(app, ["Exit"]))
finish_typing(typing)
print("PASS")
