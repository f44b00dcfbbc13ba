#!/usr/bin/python3
"""Drives the ORVO 75 power window through the accessibility bus: types a count that breaks the
limit of LEDs per colour, finds the warning that is announced, closes it with its OK button, and
reads the figure it warned about. Exits the program through its menu."""
import pyatspi

from atspi_support import (application, check, find, finish_typing, menu_item, press,
                           type_in_background, wait_for)

TITLE = "ORVO power configurator"
BOX = "CC #1 count, Tessino RGB 560 mm"
WARNING = "Max 6 led / colour on each constant current output !"


def text_of(node):
    return node.queryText().getText(0, -1)


app = wait_for(application, "the program on the accessibility bus")
wait_for(lambda: find(app, "frame", "VELANTRA configuration tools"), "the main window")
press(menu_item(app, ["ORVO", "ORVO 75", "Power"]))
window = wait_for(lambda: find(app, "frame", TITLE), "the power window")
wait_for(lambda: find(window, "text", BOX), "the count box")
leds = wait_for(lambda: find(window, "text", "LEDs per colour, CC #1"), "the LED figure")
check("fresh window, LEDs per colour", text_of(leds), "0")

# 3 fixtures of 3 LEDs per colour: 9 on an output that takes 6.
typing = type_in_background(TITLE, BOX, "3")
alert = wait_for(lambda: find(app, "alert"), "the warning")
check("warning title", alert.name, "Error!")
check("warning showing", alert.getState().contains(pyatspi.STATE_SHOWING), True)
check("warning text", find(alert, "label", WARNING) is not None, True)
press(wait_for(lambda: find(alert, "push button", "OK"), "the warning's OK button"))
finish_typing(typing)
check("warning closed", find(app, "alert"), None)
check("3 fixtures, LEDs per colour", text_of(leds), "9")

press(menu_item(app, ["Exit"]))
print("PASS")
