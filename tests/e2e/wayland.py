"""End-to-end test of the real VLFreeVestastra on a Wayland desktop, with no X server.
Wayland lets no program place its windows or keep them on top, and no outside tool
type or click; so the program is driven and read through the accessibility bus alone,
and what the platform does not allow must pass without a word on the terminal. Run by
run-wayland, which provides the compositor and the buses.

    wayland.py PROGRAM SETTINGS_PROBE"""

import os
import sys
import time

from harness import (Program, check, check_announced_input_window, date_lists, describe, press, run_tests, showing,
                     start_accessibility_bus, text_of, wait_for, window_of)


class WaylandProgram(Program):
    def __init__(self):
        super().__init__()
        # As a Wayland session starts it: WAYLAND_DISPLAY alone says where to show it.
        for variable in ("DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE"):
            self.env.pop(variable, None)

    def control(self, window, description):
        """The control of window described as "role 'name'", whether or not it shows
        (a menu's entries show only while the menu is open)."""
        found = self.nodes(lambda node: describe(node) == description, root=window)
        check(found, f"no {description} in the window")
        return found[0]

    def quiet_check(self):
        """What Wayland does not allow must degrade without a word on the terminal."""
        lines = self.stderr_lines()
        check(not lines, "the program wrote to its terminal:\n    " + "\n    ".join(lines))


def answer_message(program, text):
    """Waits for a message box saying text, announced as one, and presses its OK."""
    box = window_of(program.node(text, "label"))
    check(box.getRoleName() in ("alert", "dialog"), f"the message {text!r} is announced as a {box.getRoleName()}")
    press(program.control(box, "push button 'OK'"))
    wait_for(lambda: not program.nodes(lambda node: node.name == text and showing(node)),
             f"the message {text!r} to close")


def test_session_without_x():
    program = WaylandProgram().start()
    check_announced_input_window(program)
    first = program.node("First Name", "text")
    press(program.node("Get My Vestastra Reading", "push button"))
    answer_message(program, "Please Enter Your First Name")
    last = program.node("Last Name", "text")
    # A screen reader's user enters text through the text interface.
    first.queryEditableText().setTextContents("ANN")
    last.queryEditableText().setTextContents("LEE")
    wait_for(lambda: text_of(first) == "ANN" and text_of(last) == "LEE", "the names in their boxes")
    # The lists offer no way to pick an item from outside; the date stays at the first
    # of each list, 1 January 1900.
    for description, shown in (("month", "January"), ("day", "1"), ("year", "1900")):
        lists = date_lists(program, description)
        check([node.name for node in lists] == [shown], f"the {description} list says {[n.name for n in lists]}")
    press(program.node("Get My Vestastra Reading", "push button"))

    for shown in ("Capricorn", "Earth"):
        program.node(shown, "label")
    program.node("Capricorn", "image")
    check(text_of(program.node("Positive Traits", "text")), "no positive traits shown")

    reading = window_of(program.node("Back", "push button"))
    check(reading.getRoleName() == "frame", f"the reading window is a {reading.getRoleName()}")
    press(program.control(reading, "menu item 'About Software'"))
    about = window_of(program.node("OK", "push button"))
    check(about.getRoleName() == "dialog", f"About is a {about.getRoleName()}")
    press(program.control(about, "push button 'OK'"))
    wait_for(lambda: not program.nodes(lambda node: describe(node) == "push button 'OK'" and showing(node)),
             "About to close")
    press(program.control(reading, "menu item 'Exit'"))
    exit_screen = window_of(program.node("Refer A Friend Now", "push button"))
    # The two e-mail boxes still hold their placeholders, neither an address.
    press(program.control(exit_screen, "push button 'Refer A Friend Now'"))
    answer_message(program, "Please Enter Proper Email Address")

    press(program.control(exit_screen, "push button 'Exit'"))
    check(program.wait_exit() == 0, "exit status not 0")
    check(not program.processes_left(), f"processes left: {program.processes_left()}")
    check(program.stored_date() == time.strftime("%Y-%m-%d"), f"stored {program.stored_date()!r}")
    program.quiet_check()


def main():
    Program.executable = os.path.abspath(sys.argv[1])
    Program.settings_probe = os.path.abspath(sys.argv[2])
    start_accessibility_bus()
    return run_tests([test_session_without_x], "wayland")


if __name__ == "__main__":
    sys.exit(main())
