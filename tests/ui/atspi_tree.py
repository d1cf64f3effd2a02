"""Plays line 1 of the running game and reads it over the desktop's accessibility bus, as a
screen reader does, printing one line per finding: each description change the game sends (the
event a screen reader speaks at once), the letter buttons' role and actions, the objects that
tell the outcome of line 1, and the focused object with its description."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def find_game():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(100):
        for app in desktop:
            if app is not None and app.name and "exel" in app.name:
                return app
        time.sleep(0.1)
    sys.exit("the game is not on the accessibility bus")


def objects(node):
    yield node
    for child in node:
        if child is not None:
            yield from objects(child)


def actions(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def heard(event):
    if event.source is not None and event.source.name.startswith("Line "):
        print(f"event: '{event.source.name}' '{event.source.description}'")


def play():
    subprocess.run(["xdotool", "type", "--delay", "30", "sea"], check=True)
    subprocess.run(["xdotool", "key", "Return"], check=True)
    GLib.timeout_add(1500, pyatspi.Registry.stop)
    return False


game = find_game()
pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-description")
GLib.timeout_add(200, play)
pyatspi.Registry.start()

tree = list(objects(game))
for node in tree:
    if node.name in ("D", "E"):
        print(f"letter {node.name}: {node.getRoleName()} {actions(node)}")
for node in tree:
    if node.name.startswith("Line 1:"):
        print(f"outcome: {node.getRoleName()} '{node.name}'")
for node in tree:
    if node.getState().contains(pyatspi.STATE_FOCUSED):
        print(f"focus: '{node.name}' '{node.description}'")
