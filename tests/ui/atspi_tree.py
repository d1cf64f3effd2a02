"""Reads the running game over the desktop's accessibility bus, as a screen reader does, and
prints one line per finding: the letter buttons' role and actions, the objects that tell the
outcome of line 1, and the focused object with the description a screen reader speaks with it."""
import sys
import time

import pyatspi


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


tree = list(objects(find_game()))
for node in tree:
    if node.name in ("D", "E"):
        print(f"letter {node.name}: {node.getRoleName()} {actions(node)}")
for node in tree:
    if node.name.startswith("Line 1:"):
        print(f"outcome: {node.getRoleName()} '{node.name}'")
for node in tree:
    if node.getState().contains(pyatspi.STATE_FOCUSED):
        print(f"focus: '{node.name}' '{node.description}'")
