"""The real program with a real screen reader: Orca, speaking through speech-dispatcher
and espeak-ng into a silent sound device, while the program is driven by key presses
alone, as a blind user drives it. What Orca speaks after each step is checked against
a table of expected utterances. Run by run-e2e --screen-reader, which provides the X
server, openbox and the session bus.

    screenreader.py PROGRAM SETTINGS_PROBE [--record]

--record prints what was spoken at each step and checks nothing."""

import datetime
import os
import pty
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import xml.sax.saxutils

from harness import Program, check, start_accessibility_bus, wait_for

RECORD = "--record" in sys.argv[3:]
# Generous: a loaded machine may take its time for each step.
STEP_TIMEOUT = 60.0


def set_up_speech(home):
    """A silent sound device and speech-dispatcher on espeak-ng: otherwise it looks for
    PulseAudio and Orca waits for ever after its first utterance."""
    with open(os.path.join(home, ".asoundrc"), "w") as alsa:
        alsa.write("pcm.!default { type null }\nctl.!default { type hw card 0 }\n")
    config = os.path.join(home, ".config", "speech-dispatcher")
    shutil.copytree("/etc/speech-dispatcher", config)
    with open(os.path.join(config, "speechd.conf"), "a") as speechd:
        speechd.write('\nAudioOutputMethod "alsa"\nDefaultModule espeak-ng\n')


class ScreenReader:
    """Orca, its debug log read line by line as it writes it: through a terminal, which
    its log file then flushes at each line instead of in blocks."""

    # What Orca hands the synthesizer, marks and all: say-all speaks only through here.
    SPOKEN = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH DISPATCHER: Speaking '<speak>(.*)</speak>'")

    def __init__(self, home):
        self.home = home
        self.lines = []
        self.utterances = []  # (time, text) in the order spoken
        self.lock = threading.Lock()
        # The terminal's other end stays open here: Orca opens it by name later.
        self.master, self.slave = pty.openpty()
        env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                   XDG_DATA_HOME=os.path.join(home, ".local", "share"), XDG_RUNTIME_DIR=home)
        self.process = subprocess.Popen(["orca", "--debug-file", os.ttyname(self.slave), "-u",
                                         os.path.join(home, "orca")],
                                        env=env, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=open(os.path.join(home, "orca.stderr"), "w"))
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        pending = b""
        while True:
            try:
                chunk = os.read(self.master, 65536)
            except OSError:
                return
            if not chunk:
                return
            pending += chunk
            *complete, pending = pending.split(b"\n")
            with self.lock:
                for raw in complete:
                    line = raw.decode("utf-8", "replace").rstrip("\r")
                    self.lines.append(line)
                    spoken = self.SPOKEN.match(line)
                    if spoken:
                        text = xml.sax.saxutils.unescape(re.sub(r"<[^>]*>", "", spoken.group(2)))
                        self.utterances.append((spoken.group(1), text))

    def spoken(self, since=None, until=None):
        """What was spoken from the time since up to until (times as 'HH:MM:SS.ffffff')."""
        with self.lock:
            return [text for when, text in self.utterances
                    if (since is None or when >= since) and (until is None or when < until)]

    def running(self):
        return self.process.poll() is None

    def stop(self):
        if self.running():
            self.process.terminate()
            try:
                self.process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


def now():
    return datetime.datetime.now().strftime("%H:%M:%S.%f")


def xdotool(*args):
    return subprocess.run(["xdotool", *args], capture_output=True, text=True).stdout.split()


def press_keys(keys):
    xdotool("key", "--delay", "100", *keys)


# The path, one step a row: what the user does (keys), and what Orca must say before
# the next step, each in this order somewhere in what it speaks. Flat review (the
# keypad's 7, 8 and 9, with Insert for the top) reads what Tab does not reach. A tuple
# stands for any one of its texts.
FLAT_TOP, FLAT_NEXT = ["Insert+KP_Home"], ["KP_Page_Up"]
# The exit screen's word of support is drawn at random from four.
SUPPORT = ("Programs like this one can only be made", "Please visit", "is a free online discussion forum",
           "needs your help")
STEPS = [
    ("the program starts", [], ["Enter your name and date of birth", "First Name text"]),
    ("a first name typed", ["a", "n", "n"], []),
    ("a digit in the name", ["1"], ["alert VL Vestastra", "Please Enter Only Alphabet", "OK push button"]),
    ("the message closed", ["Return"], ["Enter your name and date of birth", "First Name text", "ANN"]),
    ("Tab to Middle Name", ["Tab"], ["Middle Name text"]),
    ("Tab to Last Name", ["Tab"], ["Last Name text"]),
    ("a last name typed", ["l", "e", "e"], []),
    ("Tab to the month list", ["Tab"], ["Month combo box", "January"]),
    ("Down in the month list", ["Down"], ["February"]),
    ("Down again", ["Down"], ["March"]),
    ("Up in the month list", ["Up"], ["February"]),
    ("Tab to the day list", ["Tab"], ["Day combo box", "1"]),
    ("Down in the day list", ["Down"], ["2"]),
    ("Tab to the year list", ["Tab"], ["Year combo box", "1900"]),
    ("Shift+Tab back to the month list, changed", ["shift+Tab", "shift+Tab"], ["Month combo box", "February"]),
    # Once, whole: its selection is not told before the box.
    ("Shift+Tab back to Last Name", ["shift+Tab"], [re.compile(r"shift\s*(\| [^|]* panel\.\s*)*\| Last Name text\. \| LEE \| selected")]),
    ("Tab to the month list again", ["Tab"], ["Month combo box", "February"]),
    ("Tab to the button", ["Tab", "Tab", "Tab"], ["Get My Vestastra Reading push button"]),
    ("the reading opens", ["Return"], ["Your reading: Aquarius", "Back push button"]),
    ("flat review: the top", FLAT_TOP, ["File Help Donate Make Money Online"]),
    ("flat review: the forum", FLAT_NEXT, ["Visit our free astrology forum"]),
    ("flat review: the tabs", FLAT_NEXT, ["Sun Sign Profile Fashion Profile"]),
    ("flat review: the sign's picture", FLAT_NEXT, ["Aquarius"]),
    ("flat review: headings", FLAT_NEXT, ["Your Sun Sign Lucky Number"]),
    ("flat review: the sign and its numbers", FLAT_NEXT, ["Aquarius 1 and 7"]),
    ("flat review: headings", FLAT_NEXT, ["Element Lucky Day"]),
    ("flat review: element and day", FLAT_NEXT, ["Air Wednesday"]),
    ("flat review: headings", FLAT_NEXT, ["Birthstone Compatibility"]),
    ("flat review: birthstone and signs", FLAT_NEXT, ["Amethyst Taurus and Virgo"]),
    ("the Help menu", ["alt+h"], ["Online Help"]),
    ("About", ["a"], ["VL Vestastra 1.15 dialog", "Western zodiac", "OK push button"]),
    ("About closed", ["Escape"], ["Your reading: Aquarius", "Back push button"]),
    ("Ctrl+Tab from Back, then Tab", ["ctrl+Tab", "Tab"], ["Fashion Profile page tab"]),
    ("Ctrl+PageDown in the tab strip", ["ctrl+Next"], ["Sun Sign Profile page tab"]),
    ("Tab to a long text", ["Tab"], ["Positive Traits read only text", "You are magnetic"]),
    ("say-all: the whole text", ["KP_Add"], ["You are magnetic", "always looking towards the future and welcoming change."]),
    ("Tab to the next text", ["Tab"], ["Negative Traits read only text", "You do not make friends"]),
    ("say-all: the whole text", ["KP_Add"], ["You do not make friends", "to you in a little more."]),
    ("Ctrl+PageDown from the text", ["ctrl+Next"], ["Fashion Characteristics read only text", "Shopping"]),
    ("flat review: the Fashion Profile", FLAT_TOP + FLAT_NEXT * 15,
     ["Boldness", "You are always willing to try out any outrageous outfit.",
      "Colorful", "You believe in wearing multi-colored clothes.", "Custom-made", "tailored clothes",
      "Traditional", "You would prefer to wear traditional clothes.",
      "Frilly", "You hate frills and fancy laces of any sort.",
      "Preferred Colors Undesirable Colors", "Black Beige", "Fashion Characteristics"]),
    ("say-all: the Fashion Characteristics", ["KP_Add"], ["Shopping", "often in their clothes and accessories."]),
    # A page comes up with the focus where it last was; a text, at the line say-all got to.
    ("Ctrl+Shift+Tab from the text", ["ctrl+shift+Tab"], ["Negative Traits read only text"]),
    ("Ctrl+PageUp from the text", ["ctrl+Prior"], ["Fashion Characteristics read only text"]),
    ("Ctrl+PageUp again", ["ctrl+Prior"], ["Negative Traits read only text"]),
    ("Back", ["alt+b"], ["Enter your name and date of birth", "push button"]),
    ("Tab to Exit", ["Tab"], ["Exit push button"]),
    ("Exit", ["Return"], ["Thank you for using VL Vestastra", "Exit push button"]),
    ("flat review: the support message", FLAT_TOP + FLAT_NEXT * 4, [SUPPORT]),
    ("Tab to the home page box", ["Tab"], ["Yes! Take me to", "check box"]),
    ("Tab to the picture", ["Tab"], ["VL Vestastra image"]),
    ("Tab to Your Name", ["Tab"], ["Refer A Friend panel", "Your Name text"]),
    ("Tab to the button", ["Tab"], ["Refer A Friend Now push button"]),
    ("Tab to Your Email Address", ["Tab"], ["Your Email Address text"]),
    ("Tab to Friend's Email Address", ["Tab"], ["Friend's Email Address text"]),
    ("a space in an address", ["space"], ["alert VL Vestastra", "Email Address Cannot Contain Space",
                                          "OK push button"]),
    ("the message closed", ["Return"], ["Thank you for using VL Vestastra", "Friend's Email Address text"]),
    ("Tab to Friend's Name", ["Tab"], ["Friend's Name text"]),
    ("Tab to Your Message", ["Tab"], ["Your Message text"]),
    ("Tab to the catalogue", ["Tab"], ["Download More Free Software panel", "See our free software catalogue link"]),
]
# Never spoken: a panel without a name, which a screen reader takes for a window.
UNNAMED = re.compile(r"^(frame|layered pane|panel|filler)\.?$")


def heard_in_order(spoken, expected):
    """Whether each expected text comes, in order, within what was spoken. A pattern
    stands for what must be heard in a row, utterances joined by " | "."""
    heard = " | ".join(spoken)
    position = 0
    for texts in expected:
        if isinstance(texts, re.Pattern):
            match = texts.search(heard, position)
            if not match:
                return False
            position = match.end()
            continue
        found = [(at, text) for text in (texts if isinstance(texts, tuple) else (texts,))
                 for at in [heard.find(text, position)] if at >= 0]
        if not found:
            return False
        at, text = min(found)
        position = at + len(text)
    return True


def main():
    program_path = sys.argv[1]
    Program.executable = program_path
    Program.settings_probe = sys.argv[2]
    start_accessibility_bus()
    home = tempfile.mkdtemp(prefix="vestastra-orca-")
    set_up_speech(home)
    reader = ScreenReader(home)
    failed = []
    program = None
    try:
        wait_for(lambda: reader.spoken() or not reader.running(), "Orca's first words", STEP_TIMEOUT)
        if not reader.running():
            with open(os.path.join(home, "orca.stderr")) as stderr:
                print("screen_reader: SKIPPED: Orca could not be started:\n" + stderr.read())
            return 77
        program = Program(home=os.path.join(home, "user"))
        program.env["HOME"] = program.home
        starts = []
        passed = 0
        for number, (what, keys, expected) in enumerate(STEPS):
            starts.append(now())
            if RECORD:
                press_keys(keys) if number else program.start()
                time.sleep(2.5)
                continue
            # Waits for the words, however long a loaded machine takes: never a fixed pause.
            try:
                press_keys(keys) if number else program.start()
                wait_for(lambda: heard_in_order(reader.spoken(starts[-1]), expected), what, STEP_TIMEOUT)
            except AssertionError:
                failed.append(what)
                print(f"FAIL {what}: expected {expected}, heard {reader.spoken(starts[-1])}", flush=True)
                break
            passed += 1
            print(f"PASS {what}: {reader.spoken(starts[-1])}", flush=True)
        if RECORD:
            for number, (what, keys, expected) in enumerate(STEPS):
                until = starts[number + 1] if number + 1 < len(starts) else None
                print(f"{what}: {reader.spoken(starts[number], until)}")
        unnamed = [text for text in reader.spoken() if UNNAMED.match(text)]
        if unnamed:
            failed.append("unnamed panels")
            print(f"FAIL unnamed panels spoken: {unnamed}", flush=True)
        print(f"screen_reader: {passed} of {len(STEPS)} steps heard as expected"
              + (f"; failed: {failed}" if failed else ""), flush=True)
    finally:
        if program:
            program.kill()
            if failed:
                print("\n".join(["The program's errors:"] + program.stderr_lines()[-20:]))
        reader.stop()
        if failed or RECORD:
            # Orca's whole log, for whoever looks into a failure.
            kept = os.path.join(tempfile.gettempdir(), "vestastra-orca-debug.out")
            with open(kept, "w") as log:
                log.write("\n".join(reader.lines))
            print(f"Orca's log: {kept}")
        shutil.rmtree(home, ignore_errors=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
