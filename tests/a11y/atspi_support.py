"""What the accessibility client scripts share: finding the program, its windows and controls on
the accessibility bus, pressing, checking."""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def wait_for(find, what, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        found = find()
        if found is not None:
            return found
        # Deliver the events a listener waits for, then look again.
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.1)
    sys.exit(f"FAIL: {what} not found")


class Listener:
    """Collects (role, name, detail1) of the sources of the events of a type, as a screen reader
    hears them, until stopped; wait_for delivers them."""

    def __init__(self, event_type):
        self.event_type = event_type
        self.heard = []
        pyatspi.Registry.registerEventListener(self._hear, event_type)

    def _hear(self, event):
        try:
            self.heard.append((event.source.getRoleName(), event.source.name, event.detail1))
        except GLib.Error:
            pass  # the source is gone already, as when a window closes

    def stop(self):
        pyatspi.Registry.deregisterEventListener(self._hear, self.event_type)


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
    """The program, known by its process when the runner gives it and by Qt's bridge: a GTK
    platform theme loads GTK's own bridge too, which puts a second, empty application of the same
    name and process on the bus."""
    pid = int(os.environ.get("VELANTRA_PID", "0"))
    for app in pyatspi.Registry.getDesktop(0):
        try:
            if app is not None and app.name == "velantra" and (
                    not pid or app.get_process_id() == pid) and app.get_toolkit_name() == "Qt":
                return app
        except GLib.Error:
            pass  # an application that left the bus meanwhile
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


def window_named(title):
    app = wait_for(application, "the program on the accessibility bus")
    return wait_for(lambda: find(app, "frame", title), f"the window {title!r}")


def type_in_background(window_title, box_name, text):
    """Sets the text of a box from a client of its own, as a second screen reader would, and
    returns at once. A change that shows a modal warning replies only once the warning has been
    closed: this client stays free to find the warning and close it. The returned process ends,
    status 0, when the box has replied."""
    return subprocess.Popen([sys.executable, __file__, "type", window_title, box_name, text])


def finish_typing(process, seconds=20):
    try:
        status = process.wait(seconds)
    except subprocess.TimeoutExpired:
        process.kill()
        sys.exit("FAIL: the typing did not return")
    if status != 0:
        sys.exit(f"FAIL: the typing failed with status {status}")


if __name__ == "__main__" and sys.argv[1:2] == ["type"]:
    _, _, title, name, contents = sys.argv
    # Wait as long as a user might take to close a warning.
    pyatspi.setTimeout(60000, 60000)
    box = wait_for(lambda: find(window_named(title), "text", name), f"the box {name!r}")
    box.queryEditableText().setTextContents(contents)
