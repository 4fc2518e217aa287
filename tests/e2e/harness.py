"""What the end-to-end tests share: runs of the real program, each with a fresh home and
a browser that only records, read through the accessibility bus as a screen reader
reads it, and the loop that runs the tests and reports them."""

import os
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

import pyatspi

RUNNING = []  # every program a test started, ended after the test


def wait_for(condition, what, timeout=15.0):
    """Returns condition's first true result; what says what was awaited, or is a
    function that says it as things stand when the time is up."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        result = condition()
        if result:
            return result
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what() if callable(what) else what}")


def check(condition, message):
    if not condition:
        raise AssertionError(message)


def start_accessibility_bus():
    """Starts the accessibility bus in this session and waits until programs can find it."""
    subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def bus_known():
        reply = subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
                                "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"],
                               capture_output=True, text=True).stdout
        return "boolean true" in reply
    wait_for(bus_known, "the accessibility bus")


class Program:
    """One run of the program. Set Program.executable and Program.settings_probe first."""

    executable = None
    settings_probe = None

    def __init__(self, home=None, platform="xcb"):
        self.home = home or tempfile.mkdtemp(prefix="vestastra-e2e-")
        fake_bin = os.path.join(self.home, "bin")
        os.makedirs(fake_bin, exist_ok=True)
        self.opened_log = os.path.join(self.home, "opened")
        with open(os.path.join(fake_bin, "xdg-open"), "w") as browser:
            browser.write(f'#!/bin/sh\nprintf "%s\\n" "$1" >> "{self.opened_log}"\n')
        os.chmod(os.path.join(fake_bin, "xdg-open"), 0o755)
        self.env = dict(os.environ, HOME=self.home, TMPDIR=self.home, XDG_CONFIG_HOME=os.path.join(self.home, ".config"),
                        XDG_RUNTIME_DIR=self.home, PATH=fake_bin + os.pathsep + os.environ["PATH"],
                        QT_QPA_PLATFORM=platform, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                        # Qt writes its warnings where a user sees them: on the terminal.
                        QT_FORCE_STDERR_LOGGING="1")
        self.env.pop("DESKTOP_SESSION", None)
        self.env.pop("XDG_CURRENT_DESKTOP", None)
        self.process = None
        self.stderr_path = None
        RUNNING.append(self)

    def start(self):
        descriptor, self.stderr_path = tempfile.mkstemp(prefix="stderr-", dir=self.home)
        with os.fdopen(descriptor, "w") as stderr:
            self.process = subprocess.Popen([self.executable], env=self.env, stdout=subprocess.DEVNULL, stderr=stderr)
        return self

    def kill(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def wait_exit(self, timeout=15):
        return self.process.wait(timeout=timeout)

    def stderr_lines(self):
        with open(self.stderr_path) as stderr:
            return stderr.read().splitlines()

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

    def nodes(self, predicate, root=None):
        """The nodes below root (default: the whole program) that satisfy predicate, in
        tree order; the items of lists are left out."""
        found = []

        def walk(node):
            try:
                if predicate(node):
                    found.append(node)
                if node.getRoleName() in ("combo box", "list"):
                    return
                for i in range(node.childCount):
                    walk(node.getChildAtIndex(i))
            except Exception:
                pass
        walk(root or self.app())
        return found

    def node(self, name, role=None, timeout=15.0):
        def match(node):
            return node.name == name and (role is None or node.getRoleName() == role) and showing(node)
        return wait_for(lambda: next(iter(self.nodes(match)), None), f"{role or 'control'} {name!r}", timeout)

    def processes_left(self):
        """Copies of the program still running with this run's home."""
        left = []
        for pid in subprocess.run(["pgrep", "-x", os.path.basename(self.executable)],
                                  capture_output=True, text=True).stdout.split():
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
        return subprocess.run([self.settings_probe], env=self.env, capture_output=True, text=True).stdout.strip()


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def window_of(node):
    """The top-level window holding node."""
    while node.parent.getRoleName() != "application":
        node = node.parent
    return node


def labels_of(node):
    """The names of what a control is labelled by, as a screen reader names it."""
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            names += [relation.getTarget(i).name for i in range(relation.getNTargets())]
    return names


def date_lists(program, part):
    """The date lists labelled by part ("month", "day" or "year")."""
    return program.nodes(lambda node: node.getRoleName() == "combo box" and part.capitalize() in labels_of(node))


def check_announced_input_window(program):
    """The input window as a screen reader announces it: a window, each frame by its own
    caption, each date list by its label, and only the offer that is shown."""
    first = program.node("First Name", "text")
    check(window_of(first).getRoleName() == "frame", f"the input window is a {window_of(first).getRoleName()}")
    for caption in ("Please Fill In The Below Details:", "Name", "Date Of Birth"):
        program.node(caption, "panel")
    for part in ("month", "day", "year"):
        lists = date_lists(program, part)
        check(len(lists) == 1 and lists[0].description == lists[0].name,
              f"the {part} list says {[(node.name, node.description) for node in lists]}")
    offers = program.nodes(lambda node: node.getRoleName() == "link" and showing(node)
                           and ("Co-brand" in node.name or "Home Business" in node.name))
    check(len(offers) == 1, f"the offers shown to a screen reader: {[node.name for node in offers]}")


def has_state(node, state):
    try:
        return node.getState().contains(state)
    except Exception:
        return False


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return node.name


def describe(node):
    return f"{node.getRoleName()} '{node.name}'"


def press(node, action="Press"):
    """Runs one of a control's accessible actions, as a screen reader's user does."""
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    check(action in names, f"{describe(node)} offers no {action!r} action, only {names}")
    actions.doAction(names.index(action))


def run_tests(tests, suite, on_failure=None):
    """Runs each test, ending every program it started; returns the exit status."""
    passed = failed = 0
    for test in tests:
        try:
            test()
            passed += 1
            print(f"PASS {test.__name__}", flush=True)
        except Exception:
            failed += 1
            print(f"FAIL {test.__name__}", flush=True)
            traceback.print_exc(file=sys.stdout)
            sys.stdout.flush()
            for program in RUNNING:
                if program.stderr_path and program.stderr_lines():
                    print("the program wrote:\n    " + "\n    ".join(program.stderr_lines()), flush=True)
            if on_failure:
                on_failure(test)
        for program in RUNNING:
            program.kill()
            shutil.rmtree(program.home, ignore_errors=True)
        RUNNING.clear()
    print(f"{suite}: {passed} passed, {failed} failed", flush=True)
    return 1 if failed else 0
