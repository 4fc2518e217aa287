"""End-to-end tests of the real VLFreeVestastra: started as a user starts it, driven by
real key presses and clicks (xdotool), read through the accessibility bus, as a screen
reader reads it. Run by run-e2e, which provides the X server and the buses.

    e2e.py PROGRAM SETTINGS_PROBE                          runs the tests
    e2e.py PROGRAM SETTINGS_PROBE --screenshots DIR [SCALE] captures each window"""

import os
import signal
import subprocess
import sys
import tempfile
import time
import traceback
import urllib.parse

import pyatspi

PROGRAM = os.path.abspath(sys.argv[1])
SETTINGS_PROBE = os.path.abspath(sys.argv[2])
RUNNING = []  # every program a test started, ended after the test


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.split()


def wait_for(condition, what, timeout=15.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.1)
    raise AssertionError(f"timed out waiting for {what}")


def check(condition, message):
    if not condition:
        raise AssertionError(message)


class Program:
    """One run of the program with a fresh home, and a browser that only records."""

    def __init__(self, home=None):
        self.home = home or tempfile.mkdtemp(prefix="vestastra-e2e-")
        fake_bin = os.path.join(self.home, "bin")
        os.makedirs(fake_bin, exist_ok=True)
        self.opened_log = os.path.join(self.home, "opened")
        with open(os.path.join(fake_bin, "xdg-open"), "w") as browser:
            browser.write(f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{self.opened_log}"\n')
        os.chmod(os.path.join(fake_bin, "xdg-open"), 0o755)
        self.env = dict(os.environ, HOME=self.home, TMPDIR=self.home, XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                        XDG_RUNTIME_DIR=self.home, PATH=fake_bin + os.pathsep + os.environ["PATH"],
                        QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        self.env.pop("DESKTOP_SESSION", None)
        self.env.pop("XDG_CURRENT_DESKTOP", None)
        self.process = None
        RUNNING.append(self)

    def start(self):
        self.process = subprocess.Popen([PROGRAM], env=self.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        return self

    def kill(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def wait_exit(self, timeout=15):
        return self.process.wait(timeout=timeout)

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
        xdotool("windowfocus", "--sync", self.window(role))

    # The accessibility tree of this process.
    def app(self):
        def find():
            for app in pyatspi.Registry.getDesktop(0):
                try:
                    if app and app.get_process_id() == self.process.pid:
                        return app
                except Exception:
                    pass
            return None
        return wait_for(find, "the program on the accessibility bus")

    def nodes(self, predicate):
        found = []

        def walk(node):
            try:
                role = node.getRoleName()
                if predicate(node):
                    found.append(node)
                if role in ("combo box", "list"):
                    return
                for i in range(node.childCount):
                    walk(node.getChildAtIndex(i))
            except Exception:
                pass
        walk(self.app())
        return found

    def node(self, name, role=None):
        def match(node):
            return node.name == name and (role is None or node.getRoleName() == role) and showing(node)
        return wait_for(lambda: next(iter(self.nodes(match)), None), f"{role or 'control'} {name!r}")

    def processes_left(self):
        """Copies of the program still running with this run's home."""
        left = []
        for pid in subprocess.run(["pgrep", "-x", "VLFreeVestastra"], capture_output=True, text=True).stdout.split():
            try:
                with open(f"/proc/{pid}/environ", "rb") as environ:
                    if f"HOME={self.home}".encode() in environ.read().split(b"\0"):
                        left.append(pid)
            except OSError:
                pass
        return left

    def opened(self):
        if not os.path.exists(self.opened_log):
            return []
        with open(self.opened_log) as log:
            return log.read().splitlines()

    def stored_date(self):
        return subprocess.run([SETTINGS_PROBE], env=self.env, capture_output=True, text=True).stdout.strip()


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return node.name


def click(node):
    extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x, y = extents.x + extents.width // 2, extents.y + extents.height // 2
    xdotool("mousemove", "--sync", str(x), str(y), "click", "1")


def keys(*names):
    xdotool("key", "--delay", "60", *names)


def choose(position):
    """Picks a list's item by its position with the arrow keys, which, unlike typing the
    item's text, does not depend on how quickly the keys arrive."""
    xdotool("key", "--delay", "15", "Home", *["Down"] * position)


def type_text(text):
    xdotool("type", "--delay", "60", text)


def message_shown(program, text):
    program.node(text, "label")
    return True


# The tests

def test_whole_session():
    program = Program().start()
    program.wait_roles(["frmMain"])
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
        wait_for(lambda: program.nodes(lambda node: node.description == "Date Of Birth " + description
                                       and node.name == shown), f"the {description} list to say {shown}")
    click(program.node("Get My Vestastra Reading", "push button"))
    program.wait_roles(["frmDisplay"])

    for shown in ("Leo", "Fire", "8 and 9", "Sunday", "Aries and Sagittarius", "Ruby"):
        program.node(shown, "label")
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
    keys("Escape")
    program.wait_roles(["frmMain"])

    click(program.node("Visit our free astrology forum at www.vestastra.example", "link"))
    wait_for(lambda: program.opened() == ["http://www.vestastra.example"], "the home page to open")

    program.focus("frmMain")
    keys("alt+f", "x")
    program.wait_roles(["frmNagScreen2"])

    for box, typed in (("Your Name", "Ann & Co"), ("Your Email Address", "ann@mail.example"),
                       ("Friend's Name", "Bob #1"), ("Friend's Email Address", "bob+x@mail.example")):
        click(program.node(box, "text"))
        type_text(typed)
    click(program.node("Refer A Friend Now", "push button"))
    address = wait_for(lambda: program.opened()[1:], "the referral page to open")[0]
    query = urllib.parse.parse_qs(urllib.parse.urlsplit(address).query)
    check(query == {"taf1": ["Ann & Co"], "taf2": ["ann@mail.example"], "taf3": ["Your Message\r\n"],
                    "taf4": ["Bob #1"], "taf5": ["bob+x@mail.example"],
                    "taf6": ["http://www.vestastra.example/vl-free-vestastra/"]}, f"referral sent {query}")

    program.focus("frmNagScreen2")
    keys("alt+x")
    check(program.wait_exit() == 0, "exit status not 0")
    check(not program.processes_left(), f"processes left: {program.processes_left()}")
    check(program.stored_date() == time.strftime("%Y-%m-%d"), f"stored {program.stored_date()!r}")


def test_second_copy_is_refused():
    first = Program().start()
    second = Program(first.home)
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
    first = Program().start()
    first.wait_roles(["frmMain"])
    first.process.send_signal(signal.SIGKILL)
    first.process.wait()
    Program(first.home).start().wait_roles(["frmMain"])


def test_damaged_settings_file_does_not_stop_start_up():
    program = Program()
    config = os.path.join(program.home, ".config")
    os.makedirs(config, exist_ok=True)
    with open(os.path.join(config, "VLFreeVestastra.conf"), "wb") as damaged:
        damaged.write(b"[Settings\n\x00\xff\xfe=garbage\n%%%\n")
    program.start().wait_roles(["frmMain"])


def take_screenshots(folder, scale):
    """Walks through a session of the real program and captures each window."""
    os.makedirs(folder, exist_ok=True)
    program = Program()
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


def main():
    subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    if len(sys.argv) > 3 and sys.argv[3] == "--screenshots":
        take_screenshots(sys.argv[4], sys.argv[5] if len(sys.argv) > 5 else "1")
        return 0
    tests = [test_whole_session, test_second_copy_is_refused, test_killed_copy_does_not_block,
             test_damaged_settings_file_does_not_stop_start_up]
    passed = failed = 0
    for test in tests:
        try:
            test()
            passed += 1
            print(f"PASS {test.__name__}", flush=True)
        except Exception:
            failed += 1
            print(f"FAIL {test.__name__}", flush=True)
            traceback.print_exc()
            shot = os.path.join(tempfile.gettempdir(), f"e2e-{test.__name__}.png")
            if subprocess.run(["import", "-window", "root", shot], capture_output=True).returncode == 0:
                print(f"screen at the failure: {shot}", flush=True)
        for program in RUNNING:
            program.kill()
        RUNNING.clear()
    print(f"e2e: {passed} passed, {failed} failed", flush=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
