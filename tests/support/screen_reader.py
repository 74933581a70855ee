"""Reading and working the running program through the AT-SPI tree, as a
screen reader does. The desktop tests import it; they run inside a D-Bus
session of their own with QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 set.
"""

import os
import time
from collections import Counter

import pyatspi

TIMEOUT_S = float(os.environ.get("AMORIST_PROCESS_TIMEOUT", "30"))

# The roles a user acts on or reads a value from. The items of a list are the
# list's own business, and the menus are not part of these checks.
CONTROL_ROLES = {"text", "combo box", "push button", "check box", "link"}
RESULT_ROLES = CONTROL_ROLES | {"label", "image"}
NOT_DESCENDED = {"combo box", "menu bar"}


class Failure(Exception):
    pass


def wait_for(what, probe):
    """Polls probe until it returns something truthy, for at most TIMEOUT_S."""
    deadline = time.monotonic() + TIMEOUT_S
    while True:
        try:
            found = probe()
        except Exception:  # the tree changes under us while windows come and go
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            raise Failure(f"no {what} within {TIMEOUT_S:.0f}s")
        time.sleep(0.1)


def children(acc):
    return [acc.getChildAtIndex(i) for i in range(acc.childCount)]


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def controls(window, roles):
    """Every control of a window as ("role: name", accessible), in the tree's order."""
    found = []

    def walk(acc):
        role = acc.getRoleName()
        if role in roles:
            found.append((f"{role}: {acc.name}", acc))
        if role not in NOT_DESCENDED:
            for child in children(acc):
                walk(child)

    walk(window)
    return found


def the_program(pid=None):
    """The program in the registry; the copy with this process id when one is given."""
    desktop = pyatspi.Registry.getDesktop(0)
    return next((app for app in children(desktop) if app.name == "amorist" and
                 (pid is None or app.get_process_id() == pid)), None)


def window_with(app, entry):
    """The window on screen that holds a control named as entry says."""
    for window in children(app):
        if showing(window) and any(name == entry for name, _ in controls(window, RESULT_ROLES)):
            return window
    return None


def wait_window(app, entry, what):
    return wait_for(what, lambda: window_with(app, entry))


def compare(what, shown, expected):
    missing = Counter(expected) - Counter(shown)
    unexpected = Counter(shown) - Counter(expected)
    if missing or unexpected:
        lines = [f"{what}: the names differ"]
        lines += [f"  missing:    {name}" for name in sorted(missing.elements())]
        lines += [f"  unexpected: {name}" for name in sorted(unexpected.elements())]
        raise Failure("\n".join(lines))
    print(f"{what}: {len(shown)} names as expected")
    for name in shown:
        print(f"  {name[:110]}")


def control(window, entry):
    for name, acc in controls(window, RESULT_ROLES):
        if name == entry:
            return acc
    raise Failure(f"no control \"{entry}\"")


def press(acc):
    action = acc.queryAction()
    for i in range(action.nActions):
        if action.getName(i) == "Press":
            action.doAction(i)
            return
    raise Failure(f"\"{acc.name}\" cannot be pressed")


def press_last(acc):
    """Presses a button that ends the program, which never answers the press."""
    try:
        press(acc)
    except Exception:
        pass


def text_of(acc):
    return acc.queryText().getText(0, -1)
