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

    SPOKEN = re.compile(r"^(\d\d:\d\d:\d\d\.\d+) - SPEECH OUTPUT: '(.*)'")

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
                        self.utterances.append((spoken.group(1), spoken.group(2)))

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


# The path, one step a row: what the user does (keys), and what Orca must say before
# the next step, each in this order somewhere in what it speaks.
STEPS = [
    ("the program starts", [], ["Enter your name and date of birth", "First Name text"]),
    ("a name typed", ["a", "n", "n"], []),
    ("Tab to Middle Name", ["Tab"], ["Middle Name text"]),
    ("Tab to Last Name", ["Tab"], ["Last Name text"]),
    ("a letter in Last Name", ["l"], []),
    ("Tab to the month list", ["Tab"], ["Month combo box", "January"]),
    ("Down in the month list", ["Down"], ["February"]),
    ("Tab to the day list", ["Tab"], ["Day combo box", "1"]),
    ("Down in the day list", ["Down"], ["2"]),
    ("Tab to the year list", ["Tab"], ["Year combo box", "1900"]),
    ("Tab to the button", ["Tab"], ["Get My Vestastra Reading push button"]),
    ("the reading opens", ["Return"], ["Your reading: Aquarius", "Back push button"]),
    ("flat review top", ["Insert+KP_Home"], []),
    ("flat review next", ["KP_Page_Up"], []),
    ("flat review next", ["KP_Page_Up"], []),
    ("flat review next", ["KP_Page_Up"], []),
    ("flat review next", ["KP_Page_Up"], []),
    ("flat review next", ["KP_Page_Up"], []),
    ("flat review next", ["KP_Page_Up"], []),
    ("Ctrl+Tab from Back", ["ctrl+Tab"], []),
    ("flat review top", ["Insert+KP_Home"], []),
    ("flat review next", ["KP_Page_Up"], []),
    ("flat review next", ["KP_Page_Up"], []),
    ("flat review next", ["KP_Page_Up"], []),
    ("flat review next", ["KP_Page_Up"], []),
    ("flat review next", ["KP_Page_Up"], []),
    ("flat review next", ["KP_Page_Up"], []),
    ("flat review next", ["KP_Page_Up"], []),
    ("flat review next", ["KP_Page_Up"], []),
    ("flat review next", ["KP_Page_Up"], []),
    ("Tab to the tab strip", ["Tab"], []),
    ("Ctrl+PageDown", ["ctrl+Next"], []),
    ("About", ["alt+h", "a"], []),
    ("About closed", ["Escape"], []),
    ("Back", ["alt+b"], []),
    ("Exit", ["alt+f", "x"], []),
    ("flat review top", ["Insert+KP_Home"], []),
    ("flat review next", ["KP_Page_Up"], []),
    ("flat review next", ["KP_Page_Up"], []),
    ("Tab", ["Tab"], []),
    ("Tab", ["Tab"], []),
    ("Tab", ["Tab"], []),
    ("Tab", ["Tab"], []),
    ("Tab", ["Tab"], []),
    ("Tab", ["Tab"], []),
    ("space", ["space"], []),
    ("Return", ["Return"], []),
    ("Tab", ["Tab"], []),
]


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
        wait_for(lambda: reader.spoken() or not reader.running(), "Orca's first words", 30)
        if not reader.running():
            print("screen_reader: SKIPPED: Orca did not start:")
            print(open(os.path.join(home, "orca.stderr")).read())
            return 77
        program = Program(home=os.path.join(home, "user"))
        program.env["HOME"] = program.home
        starts = []
        for number, (what, keys, expected) in enumerate(STEPS):
            starts.append(now())
            if number == 0:
                program.start()
            else:
                xdotool("key", "--delay", "100", *keys)
            if RECORD:
                time.sleep(2.5)
                continue
            # ... wait for expectation
        time.sleep(2)
        for number, (what, keys, expected) in enumerate(STEPS):
            until = starts[number + 1] if number + 1 < len(starts) else None
            print(f"{what}: {reader.spoken(starts[number], until)}")
    except Exception:
        print("\n".join(reader.lines[-40:]))
        print(open(os.path.join(home, "orca.stderr")).read())
        raise
    finally:
        if RECORD:
            with open("/tmp/orca-debug.out", "w") as log:
                log.write("\n".join(reader.lines))
        if program:
            program.kill()
        reader.stop()
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
