"""What a screen reader finds in the running program, read from the AT-SPI tree.

accessible_names.py <amorist binary>

Runs inside an X server and a D-Bus session of its own (accessible_names.sh
sets them up). It starts the program, compares the names of every control of
the main window, the About window, the result window of a reading and the
refer-a-friend window with the names a listener should hear, and ends the run
through the refer-a-friend window's Exit, as a user would.
"""

import os
import subprocess
import sys
import tempfile

import pyatspi

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from screen_reader import (  # noqa: E402
    CONTROL_ROLES, RESULT_ROLES, TIMEOUT_S, Failure, compare, control, controls, press, press_last,
    text_of, the_program, wait_for, wait_window, window_with)

CAPTION = "Amorist v1.0"
HOME = "www.quillmoor.com"

BANNER = ("link: The Most Popular Online Quillmoor Discussion Board. Best Resource For "
          "Everything Quillmoor. Visit www.quillmoor.com Now")
CO_BRAND = ("link: Co-brand this software for your site.  Increase loyalty and traffic to "
            "your site. Put your site's name &  link here. See \"Help\" for details.Click "
            "Here for more info on co-branding.")
FULL_BRAND = ("link: Home Business Opportunity. Start your own Internet business and make "
              "money online. Get this software fully branded for your website. Click here "
              "for more details.")


def main_window_names(partner_month, offer):
    """The offer is the one promotion the start-up put in front; the other is never built."""
    return [
        BANNER,
        "link: Venus and Mars signs are opposite in nature and represent yin - yang planets. "
        "Knowing the Venus - Mars compatibility between people will help you understand your "
        "relationship better. Take the Amorist test to know how electric or dull your "
        "relationship is!",
        "text: Your name",
        "combo box: Your day of birth: 1",
        "combo box: Your month of birth: January",
        "combo box: Your year of birth: 1930",
        "text: Partner's name",
        "combo box: Partner's day of birth: 1",
        f"combo box: Partner's month of birth: {partner_month}",
        "combo box: Partner's year of birth: 1930",
        "push button: Get our romantic compatibility reading",
        "push button: Exit",
        offer,
    ]


def offer_shown(names):
    return FULL_BRAND if FULL_BRAND in names and CO_BRAND not in names else CO_BRAND


ABOUT_NAMES = [
    f"link: Click here to visit https://{HOME}",
    "link: Click here for more details",
    "push button: OK",
]

# ANN, 1 January 1930: Mars and Venus in Capricorn. BOB, 1 March 1930: Mars in
# Aquarius, Venus in Pisces. Capricorn to Pisces counts 3, Capricorn to
# Aquarius 2. The captions beside the values keep their own text as name.
RESULT_VALUE_NAMES = [
    "label: Your name: ANN",
    "label: Your date of birth: 1/January/1930",
    "label: Your partner's name: BOB",
    "label: Your partner's date of birth: 1/March/1930",
    "label: Your Mars sign: Capricorn",
    "label: Your partner's Venus sign: Pisces",
    "label: Your Venus sign: Capricorn",
    "label: Your partner's Mars sign: Aquarius",
    "image: First reading colour: Purple",
    "label: First reading colour name: Purple",
    "label: First reading keywords: Understanding",
    "image: Second reading colour: Beige",
    "label: Second reading colour name: Beige",
    "label: Second reading keywords: Difficult",
]
RESULT_FIXED_NAMES = [
    BANNER,
    "link: Your Name",
    "label: Your Date of Birth",
    "label: Your Partner's Name",
    "label: Your Partner's Date of Birth",
    "label: Your Mars Sign",
    "label: Your Partner's Venus Sign",
    "label: Keywords",
    "label: Your Romantic Compatibility",
    "label: Your Venus Sign",
    "label: Your Partner's Mars Sign",
    "label: Keywords",
    "label: Your Romantic Compatibility",
    "push button: Exit",
    "push button: Back",
    CO_BRAND,
    FULL_BRAND,
]
RESULT_PARAGRAPH_NAMES = [
    "label: First reading romantic compatibility: This is a very comfortable and easy "
    "relationship. There is no sudden or intense passion involved. It is more likely that such "
    "a relationship will develop over a period of time. You love each other and at the same "
    "time appreciate each other. This progresses in a gradual and steady manner. You will take "
    "time to get to know each other.",
    "label: Second reading romantic compatibility: You both may have nothing in common. You may "
    "like something about each other but neither of you will make the first move. There will "
    "always be some hesitancy between the both of you. You both may be different but you both "
    "can sense easily what is going on in each other's mind.",
]
RESULT_NAMES = RESULT_VALUE_NAMES + RESULT_PARAGRAPH_NAMES + RESULT_FIXED_NAMES

REFER_NAMES = [
    f"check box: Visit {HOME} now",
    "push button: Exit",
    "text: Your Name",
    "text: Your Email Address",
    "text: Friend's Name",
    "text: Friend's Email Address",
    "push button: Refer a friend now",
    "text: Your Message",
    "link: Click Here To Visit Quillmoor Softwares",
]


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=TIMEOUT_S)


def visible_windows(pid, *name):
    """The X windows of the program on screen (popup menus too), by title if one is given."""
    search = ["xdotool", "search", "--onlyvisible", "--pid", str(pid)]
    search += ["--name", f"^{name[0]}$"] if name else ["--name", ""]
    return subprocess.run(search, capture_output=True, text=True,
                          timeout=TIMEOUT_S).stdout.split()


def focus_window_of(pid):
    """Gives the program's one visible window the keyboard."""
    def single():
        found = visible_windows(pid, CAPTION)
        return found[0] if len(found) == 1 else None
    xdotool("windowfocus", "--sync", wait_for("single visible window", single))


def type_into(pid, box, keys):
    focus_window_of(pid)
    box.queryComponent().grabFocus()
    wait_for(f"focus on \"{box.name}\"", lambda: box.getState().contains(pyatspi.STATE_FOCUSED))
    xdotool("type", "--delay", "50", keys)


def check_main_window(app):
    main = wait_window(app, "push button: Get our romantic compatibility reading", "main window")
    names = [n for n, _ in controls(main, CONTROL_ROLES)]
    compare("main window", names, main_window_names("January", offer_shown(names)))
    return main


def check_about(app, pid):
    focus_window_of(pid)
    windows = len(visible_windows(pid))
    xdotool("key", "--clearmodifiers", "alt+h")
    # The menu's own window must be up, or its access key would type into a box.
    wait_for("Help menu", lambda: len(visible_windows(pid)) > windows)
    xdotool("key", "--clearmodifiers", "a")
    about = wait_window(app, "push button: OK", "About window")
    compare("About window", [n for n, _ in controls(about, CONTROL_ROLES)], ABOUT_NAMES)
    press(control(about, "push button: OK"))
    wait_for("About window closed", lambda: window_with(app, "push button: OK") is None)


def fill_entries(main, pid):
    """Names typed in lower case (the boxes take capitals), the partner's month by a key."""
    type_into(pid, control(main, "text: Your name"), "ann")
    type_into(pid, control(main, "text: Partner's name"), "bob")
    month = control(main, "combo box: Partner's month of birth: January")
    type_into(pid, month, "m")
    wait_for("the partner's month set to March",
             lambda: month.name == "Partner's month of birth: March")
    shown = (text_of(control(main, "text: Your name")),
             text_of(control(main, "text: Partner's name")))
    if shown != ("ANN", "BOB"):
        raise Failure(f"the name boxes hold {shown}, not ('ANN', 'BOB')")
    names = [n for n, _ in controls(main, CONTROL_ROLES)]
    compare("main window, filled in", names, main_window_names("March", offer_shown(names)))


def check_result(app, main):
    press(control(main, "push button: Get our romantic compatibility reading"))
    result = wait_window(app, "push button: Back", "result window")
    compare("result window", [n for n, _ in controls(result, RESULT_ROLES)], RESULT_NAMES)
    return result


def check_refer_a_friend(app, result):
    press(control(result, "push button: Exit"))
    refer = wait_window(app, f"check box: Visit {HOME} now", "refer-a-friend window")
    compare("refer-a-friend window", [n for n, _ in controls(refer, CONTROL_ROLES)], REFER_NAMES)
    return refer


def run(app_path, log):
    pyatspi.Registry.getDesktop(0)  # starts the accessibility bus before the program looks
    program = subprocess.Popen([app_path], stdout=log, stderr=subprocess.STDOUT)
    try:
        app = wait_for("\"amorist\" in the accessibility registry", the_program)
        main = check_main_window(app)
        check_about(app, program.pid)
        fill_entries(main, program.pid)
        result = check_result(app, main)
        refer = check_refer_a_friend(app, result)
        press_last(control(refer, "push button: Exit"))
        status = program.wait(timeout=TIMEOUT_S)
        if status != 0:
            raise Failure(f"the run ended with status {status}")
    finally:
        if program.poll() is None:
            program.kill()
            program.wait()


def main():
    with tempfile.TemporaryFile(mode="w+") as log:
        try:
            run(sys.argv[1], log)
        except Exception as failure:  # whatever went wrong, the program's output helps
            log.seek(0)
            print(f"FAIL: {failure}\n--- program output\n{log.read()}", file=sys.stderr)
            return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
