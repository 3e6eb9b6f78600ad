"""What a screen reader learns of the running editor through the desktop's accessibility bus
(AT-SPI): the segments as named check boxes, their state and its change announcements, the
named load-data box and the link. Prints one line per check; exits 1 if any failed."""
import sys
import time

import pyatspi
from gi.repository import GLib

failures = 0


def check(what, expected, actual):
    global failures
    if expected == actual:
        print(f"ok: {what}")
    else:
        print(f"FAILED: {what}: expected {expected!r}, got {actual!r}")
        failures += 1


def find_application(name, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == name:
                return application
        time.sleep(0.1)
    return None


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def pump_events(seconds):
    context, end = GLib.MainContext.default(), time.time() + seconds
    while time.time() < end:
        context.iteration(False)
        time.sleep(0.01)


def is_checked(node):
    return node.getState().contains(pyatspi.STATE_CHECKED)


application = find_application(sys.argv[1])
if application is None:
    print("FAILED: the editor never appeared on the accessibility bus")
    sys.exit(1)
nodes = list(descendants(application))
segments = {node.name: node for node in nodes if node.getRoleName() == "check box"}
check("33 segments are check boxes with names of their own", 33, len(segments))
for name in ["digit 1, upper left", "digit 1, middle", "digit 2, point", "digit 4, bottom",
             "colon, lower dot", "colon, upper dot"]:
    check(f"segment '{name}' is there and off", False, is_checked(segments[name]) if name in segments else None)

boxes = [node for node in nodes if node.getRoleName() == "text"]
check("the load-data box is named by its label", ["Данные для загрузки"], [box.name for box in boxes])
links = [node for node in nodes if node.getRoleName() == "link"]
check("the link is named by its address", ["http://sekel.test/"], [link.name for link in links])

announced = []
pyatspi.Registry.registerEventListener(
    lambda event: announced.append((event.source.name, event.detail1)), "object:state-changed:checked")
for name in ["digit 1, middle", "colon, upper dot"]:
    action = segments[name].queryAction()
    check(f"'{name}' offers one action", 1, action.nActions)
    action.doAction(0)
pump_events(1.5)
check("each toggle is announced, the colon's for both dots",
      sorted([("digit 1, middle", 1), ("colon, lower dot", 1), ("colon, upper dot", 1)]), sorted(announced))
check("the segments now read as on", [True, True, True],
      [is_checked(segments[name]) for name in ["digit 1, middle", "colon, lower dot", "colon, upper dot"]])
if boxes:
    check("the box reads the new bytes", "01 01 00 00", boxes[0].queryText().getText(0, -1))
sys.exit(1 if failures else 0)
