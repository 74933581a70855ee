"""A whole run of the program on a Wayland desktop, worked through the AT-SPI
tree (Wayland lets no client synthesise another's keys or clicks):

wayland_run.py <amorist binary> <desktop entry>

Runs inside a Wayland compositor and a D-Bus session of its own
(wayland_run.sh sets them up). The main window appears; a second copy started
meanwhile says "Application is already running" and ends; a reading shows the
result window with the right signs; its Exit leads to the refer-a-friend
window, whose Exit ends the run with status 0. The program names itself to the
compositor by its desktop entry, and prints nothing on stderr but the
protocol log asked for.
"""

import os
import re
import subprocess
import sys
import tempfile

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from screen_reader import (  # noqa: E402
    RESULT_ROLES, TIMEOUT_S, Failure, control, controls, press, press_last, the_program,
    wait_for, wait_window, window_with)

READING_BUTTON = "push button: Get our romantic compatibility reading"
ALREADY_RUNNING = "label: Application is already running"
REFER_CHECK_BOX = "check box: Visit www.quillmoor.com now"

# Both dates stay at 1 January 1930 (a list's choice needs keys), when Mars
# and Venus both stood in Capricorn.
RESULT_VALUES = [
    "label: Your name: ANN",
    "label: Your date of birth: 1/January/1930",
    "label: Your partner's name: BOB",
    "label: Your partner's date of birth: 1/January/1930",
    "label: Your Mars sign: Capricorn",
    "label: Your partner's Venus sign: Capricorn",
    "label: Your Venus sign: Capricorn",
    "label: Your partner's Mars sign: Capricorn",
]

# What WAYLAND_DEBUG=1 writes: a timestamp in brackets, then the message.
PROTOCOL_LINE = re.compile(r"^\[\s*\d+\.\d+\] ")


def start(app_path, log):
    # The protocol log shows what the program tells the compositor about itself.
    env = dict(os.environ, WAYLAND_DEBUG="1")
    return subprocess.Popen([app_path], stdout=log, stderr=log, env=env)


def ended(program, what):
    try:
        status = program.wait(timeout=TIMEOUT_S)
    except subprocess.TimeoutExpired:
        raise Failure(f"{what} still runs after {TIMEOUT_S:.0f}s")
    if status != 0:
        raise Failure(f"{what} ended with status {status}")


def second_copy(app_path, log, first):
    program = start(app_path, log)
    try:
        copy = wait_for("the second copy in the accessibility registry",
                        lambda: the_program(program.pid))
        box = wait_window(copy, ALREADY_RUNNING, "\"Application is already running\"")
        press(control(box, "push button: OK"))
        ended(program, "the refused copy")
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()
    if window_with(first, READING_BUTTON) is None:
        raise Failure("the first copy's main window went away")
    print("second copy: refused with \"Application is already running\", status 0")


def reading(main, app):
    for box, name in (("text: Your name", "ANN"), ("text: Partner's name", "BOB")):
        control(main, box).queryEditableText().setTextContents(name)
    press(control(main, READING_BUTTON))
    result = wait_window(app, "push button: Back", "result window")
    shown = {name for name, _ in controls(result, RESULT_ROLES)}
    missing = [value for value in RESULT_VALUES if value not in shown]
    if missing:
        raise Failure("the result window lacks " + "; ".join(missing))
    print("result window: both people and the four signs as expected")
    return result


def run(app_path, logs):
    pyatspi.Registry.getDesktop(0)  # starts the accessibility bus before the program looks
    program = start(app_path, logs[0])
    try:
        app = wait_for("\"amorist\" in the accessibility registry",
                       lambda: the_program(program.pid))
        main = wait_window(app, READING_BUTTON, "main window")
        print("main window: shown")
        second_copy(app_path, logs[1], app)
        result = reading(main, app)
        press(control(result, "push button: Exit"))
        refer = wait_window(app, REFER_CHECK_BOX, "refer-a-friend window")
        print("refer-a-friend window: shown after the result window's Exit")
        press_last(control(refer, "push button: Exit"))
        ended(program, "the run")
        print("the run: ended by the refer-a-friend window's Exit with status 0")
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()


def check_output(logs, app_id):
    """The first copy names itself by the desktop entry; neither prints anything else."""
    first = logs[0].read()
    if f'.set_app_id("{app_id}")' not in first:
        ids = sorted(set(re.findall(r'set_app_id\("[^"]*"\)', first))) or ["no set_app_id"]
        raise Failure(f"the app_id is not \"{app_id}\": {', '.join(ids)}")
    print(f"app_id: {app_id}")
    printed = [line for text in (first, logs[1].read()) for line in text.splitlines()
               if not PROTOCOL_LINE.match(line)]
    if printed:
        raise Failure("the program printed:\n" + "\n".join(printed))
    print("stderr: nothing but the protocol log")


def main():
    app_path, desktop_entry = sys.argv[1:3]
    app_id = os.path.basename(desktop_entry).removesuffix(".desktop")
    with tempfile.TemporaryFile(mode="w+") as first, tempfile.TemporaryFile(mode="w+") as second:
        logs = (first, second)
        try:
            run(app_path, logs)
            for log in logs:
                log.seek(0)
            check_output(logs, app_id)
        except Exception as failure:  # whatever went wrong, the program's output helps
            print(f"FAIL: {failure}", file=sys.stderr)
            for log in logs:
                log.seek(0)
                printed = [line for line in log.read().splitlines()
                           if not PROTOCOL_LINE.match(line)]
                print("--- program output\n" + "\n".join(printed), file=sys.stderr)
            return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
