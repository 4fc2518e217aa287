"""End-to-end tests of the real VLFreeVestastra: started as a user starts it, driven by
real key presses and clicks (xdotool), read through the accessibility bus, as a screen
reader reads it. Run by run-e2e, which provides the X server, the buses and, when asked,
a window manager.

    e2e.py PROGRAM SETTINGS_PROBE                          runs the tests
    e2e.py PROGRAM SETTINGS_PROBE --window-manager         runs them, and those of a desktop
                                                           with a window manager, under one
    e2e.py PROGRAM SETTINGS_PROBE --screenshots DIR [SCALE] captures each window"""

import os
import signal
import subprocess
import sys
import tempfile
import time
import urllib.parse

import pyatspi

from harness import (Program, check, check_announced_input_window, date_lists, describe, has_state, run_tests, showing,
                     start_accessibility_bus, text_of, wait_for, window_of)

WINDOW_MANAGER = "--window-manager" in sys.argv[3:]
# The maker's main site this build opens, as the build was configured.
MAIN_SITE = os.environ.get("EXPECTED_MAIN_SITE", "")


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.split()


class XProgram(Program):
    # Windows, told apart by their window role.
    def windows(self):
        return xdotool("search", "--onlyvisible", "--pid", str(self.process.pid), "--name", "VL Vestastra")

    def roles(self):
        found = {}
        for window in self.windows():
            out = subprocess.run(["xprop", "-id", window, "WM_WINDOW_ROLE"], capture_output=True, text=True).stdout
            found[out.split('"')[1] if '"' in out else "message box"] = window
        return found

    def visible_roles(self):
        return sorted(self.roles())

    def window(self, role):
        return wait_for(lambda: self.roles().get(role), f"window {role}")

    def wait_roles(self, roles):
        return wait_for(lambda: self.visible_roles() == sorted(roles), f"visible windows {roles}")

    def focus(self, role):
        """Gives the window the keyboard: as a click on it does under a window manager,
        directly without one."""
        window = self.window(role)
        if WINDOW_MANAGER:
            xdotool("windowactivate", "--sync", window)
            wait_for(lambda: self.active_role() == role, f"window {role} to be active")
        else:
            xdotool("windowfocus", "--sync", window)

    def active_role(self):
        active = xdotool("getactivewindow")
        return next((role for role, window in self.roles().items() if [window] == active), None)


def click(node):
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x, y = extents.x + extents.width // 2, extents.y + extents.height // 2
    xdotool("mousemove", "--sync", str(x), str(y), "click", "1")
    return x, y


def keys(*names):
    xdotool("key", "--delay", "60", *names)


def choose(position):
    """Picks a list's item by its position with the arrow keys, which, unlike typing the
    item's text, does not depend on how quickly the keys arrive."""
    xdotool("key", "--delay", "15", "Home", *["Down"] * position)


def type_text(text):
    xdotool("type", "--delay", "60", text)


def message_shown(program, text):
    role = window_of(program.node(text, "label")).getRoleName()
    check(role in ("alert", "dialog"), f"the message {text!r} is announced as a {role}")
    return True


def check_window_role(program, control, role):
    found = window_of(program.node(*control)).getRoleName()
    check(found == role, f"the window holding {control} is announced as a {found}, not a {role}")


def refer_a_friend(program):
    """Fills the exit screen's refer-a-friend form as a user does and sends it."""
    for box, typed in (("Your Name", "Ann & Co"), ("Your Email Address", "ann@mail.example"),
                       ("Friend's Name", "Bob #1"), ("Friend's Email Address", "bob+x@mail.example")):
        click(program.node(box, "text"))
        type_text(typed)
    already_opened = len(program.opened())
    click(program.node("Refer A Friend Now", "push button"))
    address = wait_for(lambda: program.opened()[already_opened:], "the referral page to open")[0]
    query = urllib.parse.parse_qs(urllib.parse.urlsplit(address).query)
    check(query == {"taf1": ["Ann & Co"], "taf2": ["ann@mail.example"], "taf3": ["Your Message\r\n"],
                    "taf4": ["Bob #1"], "taf5": ["bob+x@mail.example"],
                    "taf6": [MAIN_SITE + "/vl-free-vestastra/"]}, f"referral sent {query}")


# The tests

def test_whole_session():
    program = XProgram().start()
    program.wait_roles(["frmMain"])
    check_announced_input_window(program)
    program.focus("frmMain")
    type_text("ann")
    first = program.node("First Name", "text")
    wait_for(lambda: text_of(first) == "ANN", "ANN in First Name")
    type_text("7")
    message_shown(program, "Please Enter Only Alphabet")
    keys("Return")
    program.wait_roles(["frmMain"])
    check(text_of(first) == "ANN", "a refused key changed the name")

    keys("Tab", "Tab")
    type_text("lee")
    keys("Tab")
    choose(6)
    keys("Tab")
    choose(20)
    keys("Tab")
    choose(90)
    for description, shown in (("month", "July"), ("day", "21"), ("year", "1990")):
        wait_for(lambda: [node.name for node in date_lists(program, description)] == [shown],
                 f"the {description} list to say {shown}")
    click(program.node("Get My Vestastra Reading", "push button"))
    program.wait_roles(["frmDisplay"])

    for shown in ("Leo", "Fire", "8 and 9", "Sunday", "Aries and Sagittarius", "Ruby"):
        program.node(shown, "label")
    check_window_role(program, ("Back", "push button"), "frame")
    check(text_of(program.node("Positive Traits", "text")).startswith("You are leaders"), "Leo's traits missing")
    program.node("Leo", "image")
    click(program.node("Fashion Profile", "page tab"))
    program.node("You are always willing to try out any outrageous outfit.", "label")
    fashion = text_of(program.node("Fashion Characteristics", "text"))
    check(fashion.startswith("You excel at wearing flashy, pricey jewelry."), "Leo's fashion text missing")

    program.focus("frmDisplay")
    keys("alt+b")
    program.wait_roles(["frmMain"])
    check(text_of(program.node("First Name", "text")) == "ANN", "Back lost the name")

    program.focus("frmMain")
    keys("alt+h", "a")
    program.wait_roles(["frmAbout", "frmMain"])
    check_window_role(program, ("OK", "push button"), "dialog")
    keys("Escape")
    program.wait_roles(["frmMain"])

    click(program.node("Visit our free astrology forum at " + urllib.parse.urlsplit(MAIN_SITE).hostname, "link"))
    wait_for(lambda: program.opened() == [MAIN_SITE], "the home page to open")

    program.focus("frmMain")
    keys("alt+f", "x")
    program.wait_roles(["frmNagScreen2"])
    check_window_role(program, ("Refer A Friend Now", "push button"), "frame")

    refer_a_friend(program)

    program.focus("frmNagScreen2")
    keys("alt+x")
    check(program.wait_exit() == 0, "exit status not 0")
    check(not program.processes_left(), f"processes left: {program.processes_left()}")
    check(program.stored_date() == time.strftime("%Y-%m-%d"), f"stored {program.stored_date()!r}")


def test_second_copy_is_refused():
    first = XProgram().start()
    second = XProgram(first.home)
    first.wait_roles(["frmMain"])
    stored = first.stored_date()
    second.start()
    message_shown(second, "Application is already running")
    second.focus("message box")
    keys("Return")
    check(second.wait_exit() == 0, "the refused copy did not end with status 0")
    check(first.process.poll() is None, "the first copy ended")
    first.wait_roles(["frmMain"])
    check(first.stored_date() == stored, "the refused copy touched the setting")


def test_killed_copy_does_not_block():
    first = XProgram().start()
    first.wait_roles(["frmMain"])
    first.process.send_signal(signal.SIGKILL)
    first.process.wait()
    XProgram(first.home).start().wait_roles(["frmMain"])


def test_copy_killed_while_starting_does_not_block_the_next():
    # An X server of its own that resets, as a bare one does, each time its last client
    # leaves: the copy killed here is that client, and the next one connects at once.
    # A copy that meets the server in the middle of its reset says it found no display
    # and ends with status 1, as it should; the one started after it must come up.
    server = subprocess.Popen(["Xvfb", "-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    try:
        display = ":" + server.stdout.readline().decode().strip()
        program = XProgram()
        program.env["DISPLAY"] = display

        def input_window_shown():
            return subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(program.process.pid), "--name",
                                   "^VL Vestastra 1.15$"], env=program.env, capture_output=True).stdout.strip()
        for delay_ms in range(0, 100, 4):
            program.start()
            time.sleep(delay_ms / 1000)
            program.process.send_signal(signal.SIGKILL)
            program.process.wait()
            for attempt in range(2):
                program.start()
                wait_for(lambda: program.process.poll() is not None or input_window_shown(),
                         f"the input window after a copy was killed {delay_ms} ms into its start")
                met_reset = program.process.poll() == 1 and any(
                    line.startswith("VL Vestastra needs a graphical display") for line in program.stderr_lines())
                if not met_reset:
                    break
            check(program.process.poll() is None, f"the next copy ended with status {program.process.returncode} "
                                                  f"after a copy was killed {delay_ms} ms into its start")
            program.kill()
    finally:
        server.kill()
        server.wait()


def test_damaged_settings_file_does_not_stop_start_up():
    program = XProgram()
    config = os.path.join(program.home, ".config")
    os.makedirs(config, exist_ok=True)
    with open(os.path.join(config, "VLFreeVestastra.conf"), "wb") as damaged:
        damaged.write(b"[Settings\n\x00\xff\xfe=garbage\n%%%\n")
    program.start().wait_roles(["frmMain"])


# The tests of a desktop with a window manager, which stacks the windows, gives them
# the focus and closes them.

def stacking():
    """The desktop's windows from the bottom to the top, as the window manager stacks them."""
    out = subprocess.run(["xprop", "-root", "_NET_CLIENT_LIST_STACKING"], capture_output=True, text=True).stdout
    return [int(window, 16) for window in out.split("#")[-1].replace(",", " ").split()] if "#" in out else []


def answer_message_with_click(program, text, over):
    """Waits for the message box saying text, checks the window manager keeps it above
    the window `over`, and clicks its OK where the screen shows it: a box drawn beneath
    another window would not get the click and would stay open."""
    box = window_of(program.node(text, "label"))
    box_window = int(program.window("message box"))
    over_window = int(program.window(over))

    def stacked_above():
        order = stacking()
        return box_window in order and over_window in order and order.index(box_window) > order.index(over_window)
    wait_for(stacked_above, f"the message {text!r} to be stacked above {over}", timeout=5)
    ok = program.nodes(lambda node: describe(node) == "push button 'OK'" and showing(node), root=box)
    check(ok, f"the message {text!r} has no OK button")
    x, y = click(ok[0])
    wait_for(lambda: "message box" not in program.roles(),
             f"the message {text!r} to close on a click on its OK at {x},{y}; it is beneath another window", timeout=5)


def type_after_message(program, role, typed):
    """Types into the window `role` once it has the keyboard back, as a user goes on typing."""
    wait_for(lambda: program.active_role() == role, f"window {role} to be active again after the message", timeout=5)
    type_text(typed)


# Qt marks more than the control with the focus as focused: the current tab of every tab
# strip, and the containers that pass their focus on, to a tab strip or to a box's
# viewport. Neither is a stop of its own for Tab.
NOT_FOCUS_STOPS = ("page tab", "filler")


def focused_control(program):
    """The control that has the keyboard focus, as a screen reader learns it."""
    found = program.nodes(lambda node: node.getRoleName() not in NOT_FOCUS_STOPS
                          and has_state(node, pyatspi.STATE_FOCUSED))
    return found[-1] if found else None


def control_key(node):
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return (describe(node), extents.x, extents.y)


def xprop(window, name):
    return subprocess.run(["xprop", "-id", window, name], capture_output=True, text=True).stdout


def frame_of(window):
    """The window's frame on the screen, as the window manager drew it: x, y, width, height."""
    geometry = dict(line.strip().split(": ") for line in
                    subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True).stdout.splitlines()
                    if line.strip().startswith(("Absolute upper-left", "Width", "Height")))
    left, right, top, bottom = (int(extent) for extent in xprop(window, "_NET_FRAME_EXTENTS").split("=")[1].split(","))
    return (int(geometry["Absolute upper-left X"]) - left, int(geometry["Absolute upper-left Y"]) - top,
            int(geometry["Width"]) + left + right, int(geometry["Height"]) + top + bottom)


def centre_of(frame):
    x, y, width, height = frame
    return (x + width / 2, y + height / 2)


def test_window_manager_close():
    program = XProgram().start()
    program.wait_roles(["frmMain"])
    main_window = program.window("frmMain")
    wait_for(lambda: "=" in xprop(main_window, "_NET_FRAME_EXTENTS"), "the window manager to frame the input window")
    screen = [int(size) for size in xdotool("getdisplaygeometry")]
    # Centred by its frame, as the window manager draws it, and it cannot be maximised.
    wait_for(lambda: max(abs(a - b) for a, b in zip(centre_of(frame_of(main_window)),
                                                     (screen[0] / 2, screen[1] / 2))) <= 1,
             lambda: f"the input window's frame {frame_of(main_window)} to be centred on a screen of {screen}")
    check("MAXIMIZE" not in xprop(main_window, "_NET_WM_ALLOWED_ACTIONS"), "the input window can be maximised")
    program.focus("frmMain")
    keys("alt+h", "a")
    program.wait_roles(["frmAbout", "frmMain"])
    about = program.window("frmAbout")
    # A dialog of the input window, over it.
    check(f"window id # {hex(int(main_window))}" in xprop(about, "WM_TRANSIENT_FOR"),
          f"About is transient for {xprop(about, 'WM_TRANSIENT_FOR')!r}, not the input window {hex(int(main_window))}")
    check("_NET_WM_WINDOW_TYPE_DIALOG" in xprop(about, "_NET_WM_WINDOW_TYPE"), "About is no dialog")
    wait_for(lambda: "=" in xprop(about, "_NET_FRAME_EXTENTS"), "the window manager to frame About")
    wait_for(lambda: max(abs(a - b) for a, b in zip(centre_of(frame_of(about)), centre_of(frame_of(main_window)))) <= 1,
             lambda: f"About's frame {frame_of(about)} to be centred over the input window's {frame_of(main_window)}")
    program.focus("frmAbout")
    keys("alt+F4")
    program.wait_roles(["frmMain"])

    program.focus("frmMain")
    keys("alt+F4")
    program.wait_roles(["frmNagScreen2"])

    program.focus("frmNagScreen2")
    keys("alt+F4")
    check(program.wait_exit() == 0, "exit status not 0")
    check(not program.processes_left(), f"processes left: {program.processes_left()}")


def test_message_boxes_take_clicks_and_give_the_focus_back():
    program = XProgram().start()
    program.wait_roles(["frmMain"])
    program.focus("frmMain")
    click(program.node("Get My Vestastra Reading", "push button"))
    answer_message_with_click(program, "Please Enter Your First Name", "frmMain")
    first = program.node("First Name", "text")
    type_after_message(program, "frmMain", "ann7")
    answer_message_with_click(program, "Please Enter Only Alphabet", "frmMain")
    type_after_message(program, "frmMain", "x")
    wait_for(lambda: text_of(first) == "ANNX", lambda: f"ANNX in First Name (it holds {text_of(first)!r}; "
             f"the focus is on {describe(focused_control(program)) if focused_control(program) else 'nothing'})",
             timeout=5)

    keys("alt+f", "x")
    program.wait_roles(["frmNagScreen2"])
    program.focus("frmNagScreen2")
    # The two e-mail boxes still hold their different placeholders, neither an address.
    click(program.node("Refer A Friend Now", "push button"))
    answer_message_with_click(program, "Please Enter Proper Email Address", "frmNagScreen2")

    email = program.node("Your Email Address", "text")
    click(email)
    wait_for(lambda: text_of(email) == "", "the placeholder to leave the e-mail box")
    type_text("ann")
    keys("space")
    answer_message_with_click(program, "Email Address Cannot Contain Space", "frmNagScreen2")
    type_after_message(program, "frmNagScreen2", "@mail.example")
    wait_for(lambda: text_of(email) == "ann@mail.example",
             lambda: f"typing to go on in the e-mail box (it holds {text_of(email)!r})", timeout=5)


def tab_walk(program, role, must_visit):
    """Walks the window `role` with Tab until the focus comes back to where it started,
    checking that it visits every control that takes the focus once, then walks back
    with Shift+Tab the same way in reverse."""
    program.focus(role)
    start = wait_for(lambda: focused_control(program), f"a control with the focus in {role}")
    window = window_of(start)
    takes_focus = program.nodes(lambda node: node.getRoleName() not in NOT_FOCUS_STOPS and all(
        has_state(node, state) for state in (pyatspi.STATE_FOCUSABLE, pyatspi.STATE_SHOWING, pyatspi.STATE_SENSITIVE)),
        root=window)
    expected = sorted(control_key(node) for node in takes_focus)

    def step(key, previous):
        keys(key)

        def moved():
            now = focused_control(program)
            return control_key(now) if now and control_key(now) != previous else None
        return wait_for(moved, f"{key} to move the focus on from {previous[0]} in {role}", timeout=5)

    walk = [control_key(start)]
    for _ in range(len(expected) + 1):
        now = step("Tab", walk[-1])
        if now == walk[0]:
            break
        check(now not in walk, f"Tab in {role} came back to {now[0]} before the first control: "
                               f"{[key[0] for key in walk]}")
        walk.append(now)
    else:
        raise AssertionError(f"Tab in {role} never came back to {walk[0][0]}: {[key[0] for key in walk]}")
    visited = [key[0] for key in walk]
    check(sorted(walk) == expected, f"Tab in {role} visits {visited}; never "
                                    f"{[key[0] for key in expected if key not in walk]}, which take the focus")
    for control in must_visit:
        check(control in visited, f"Tab in {role} never reaches {control}: {visited}")

    back = [walk[0]]
    for _ in walk:
        back.append(step("shift+Tab", back[-1]))
    check(back == [walk[0]] + walk[:0:-1] + [walk[0]],
          f"Shift+Tab in {role} visits {[key[0] for key in back]}, Tab visited {visited}")


def test_tab_walks_every_window():
    program = XProgram().start()
    problems = []

    def walk(role, must_visit):
        # Every window is walked, so that one run tells of all of them.
        try:
            tab_walk(program, role, must_visit)
        except AssertionError as problem:
            problems.append(str(problem))

    program.wait_roles(["frmMain"])
    walk("frmMain", ["text 'First Name'", "text 'Middle Name'", "text 'Last Name'", "combo box 'January'",
                     "combo box '1'", "combo box '1900'", "push button 'Get My Vestastra Reading'",
                     "push button 'Exit'"])
    program.focus("frmMain")
    click(program.node("First Name", "text"))
    type_text("ann")
    click(program.node("Last Name", "text"))
    type_text("lee")
    click(program.node("Get My Vestastra Reading", "push button"))
    program.wait_roles(["frmDisplay"])
    walk("frmDisplay", ["push button 'Back'", "page tab list 'Sun Sign Profile'", "text 'Positive Traits'",
                        "text 'Negative Traits'"])

    program.focus("frmDisplay")
    keys("alt+h", "a")
    program.wait_roles(["frmAbout", "frmDisplay"])
    walk("frmAbout", ["push button 'OK'"])
    keys("Escape")
    program.wait_roles(["frmDisplay"])

    program.focus("frmDisplay")
    keys("alt+f", "x")
    program.wait_roles(["frmNagScreen2"])
    walk("frmNagScreen2", ["push button 'Exit'", "text 'Your Name'", "text 'Your Email Address'",
                           "text 'Friend's Name'", "text 'Friend's Email Address'", "push button 'Refer A Friend Now'"])
    check(not problems, "\n".join(problems))


def test_tab_on_exit_screen_types_nothing_into_the_referral():
    program = XProgram().start()
    program.wait_roles(["frmMain"])
    program.focus("frmMain")
    keys("alt+f", "x")
    program.wait_roles(["frmNagScreen2"])
    program.focus("frmNagScreen2")
    # Round the window twice each way, whatever holds the focus on the way.
    keys(*["Tab"] * 24, *["shift+Tab"] * 24)
    refer_a_friend(program)


def take_screenshots(folder, scale):
    """Walks through a session of the real program and captures each window."""
    os.makedirs(folder, exist_ok=True)
    program = XProgram()
    program.env["QT_SCALE_FACTOR"] = scale
    program.start()

    def capture(role, name):
        time.sleep(0.5)
        subprocess.run(["import", "-window", program.window(role), os.path.join(folder, name + ".png")], check=True)

    program.wait_roles(["frmMain"])
    program.focus("frmMain")
    type_text("anna")
    keys("Tab", "Tab")
    type_text("lee")
    keys("Tab")
    choose(6)
    keys("Tab")
    choose(22)
    keys("Tab")
    choose(90)
    capture("frmMain", "input-window")
    keys("Tab", "space")
    program.wait_roles(["frmDisplay"])
    capture("frmDisplay", "reading-sun-sign")
    program.focus("frmDisplay")
    keys("Tab", "Right")
    capture("frmDisplay", "reading-fashion")
    program.focus("frmDisplay")
    keys("alt+h", "a")
    program.wait_roles(["frmAbout", "frmDisplay"])
    capture("frmAbout", "about-window")
    keys("Escape")
    program.focus("frmDisplay")
    keys("alt+f", "x")
    program.wait_roles(["frmNagScreen2"])
    capture("frmNagScreen2", "exit-screen")
    program.focus("frmNagScreen2")
    keys("alt+x")
    program.wait_exit()


def save_screen(test):
    shot = os.path.join(tempfile.gettempdir(), f"e2e-{test.__name__}.png")
    if subprocess.run(["import", "-window", "root", shot], capture_output=True).returncode == 0:
        print(f"screen at the failure: {shot}", flush=True)


def main():
    Program.executable = os.path.abspath(sys.argv[1])
    Program.settings_probe = os.path.abspath(sys.argv[2])
    start_accessibility_bus()
    if len(sys.argv) > 3 and sys.argv[3] == "--screenshots":
        take_screenshots(sys.argv[4], sys.argv[5] if len(sys.argv) > 5 else "1")
        return 0
    tests = [test_whole_session, test_second_copy_is_refused, test_killed_copy_does_not_block,
             test_copy_killed_while_starting_does_not_block_the_next, test_damaged_settings_file_does_not_stop_start_up]
    if WINDOW_MANAGER:
        tests += [test_window_manager_close, test_message_boxes_take_clicks_and_give_the_focus_back,
                  test_tab_walks_every_window, test_tab_on_exit_screen_types_nothing_into_the_referral]
    return run_tests(tests, "e2e with a window manager" if WINDOW_MANAGER else "e2e", save_screen)


if __name__ == "__main__":
    sys.exit(main())
