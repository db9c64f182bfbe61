"""Drives the window as a blind student would, keys only, with Orca
listening, and prints what Orca said after each key. Run by
scripts/screen-reader inside its virtual display and private buses."""
import os
import re
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

APP = sys.argv[1]
LOG = os.environ["AF_SCREEN_READER_LOG"]


def pump(seconds):
    ctx = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not ctx.iteration(False):
            time.sleep(0.02)


def spoken():
    """What Orca said, with the time of day it said it, in seconds."""
    with open(LOG, encoding="utf-8", errors="replace") as f:
        text = f.read()
    said = []
    for h, m, sec, words in re.findall(
            r"^(\d\d):(\d\d):(\d\d\.\d+) - SPEECH OUTPUT: '(.*?)'(?:\{.*\})?$", text, re.M):
        said.append((int(h) * 3600 + int(m) * 60 + float(sec), words))
    return said


def time_of_day():
    now = time.time()
    local = time.localtime(now)
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec + now % 1


def focused(app):
    def walk(node):
        for child in node:
            if child is None:
                continue
            if child.getState().contains(pyatspi.STATE_FOCUSED):
                return child
            hit = walk(child)
            if hit:
                return hit
        return None
    return walk(app)


def key(name, wait):
    subprocess.run(["xdotool", "key", name], check=True)
    pump(wait)


def settle(quiet=1.5, limit=20):
    """Until Orca has said nothing new for `quiet` seconds."""
    size, still = os.path.getsize(LOG), time.monotonic()
    end = time.monotonic() + limit
    while time.monotonic() < end and time.monotonic() - still < quiet:
        pump(0.1)
        if os.path.getsize(LOG) != size:
            size, still = os.path.getsize(LOG), time.monotonic()


orca = subprocess.Popen(["orca", "--replace", "-u", os.environ["XDG_CONFIG_HOME"] + "/orca",
                         "--debug-file", LOG], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
for _ in range(100):
    if os.path.exists(LOG) and os.path.getsize(LOG) > 0:
        break
    time.sleep(0.1)
pump(3)
app_process = subprocess.Popen([APP])
desktop = pyatspi.Registry.getDesktop(0)
app = None
for _ in range(100):
    app = next((a for a in desktop if a and a.name == "angular-frequency"), None)
    if app and focused(app):
        break
    pump(0.1)
settle()
steps = [("start-up", 0.0)]


def step(label, keys, until=None, wait=0.3, limit=40):
    steps.append((label, time_of_day()))
    for _ in range(limit):
        for k in keys:
            key(k, wait)
        if until is None or until(focused(app)):
            break
    settle()


def is_named(name):
    return lambda node: node is not None and node.name == name


# Controls are found by their roles and the symbols that name them, the same
# in every language the window may speak (LANGUAGE, LANG).
def has_role(role):
    return lambda node: node is not None and node.getRole() == role


def is_time(node):
    return has_role(pyatspi.ROLE_SPIN_BUTTON)(node) and not re.fullmatch(r"[rω]\d", node.name)


step("Tab to r1", ["Tab"], is_named("r1"), wait=0.4)
for _ in range(5):
    step("Up", ["Up"])
step("Up at 15", ["Up"])
step("Up at 15 again", ["Up"])
step("Shift+Tab to the time", ["shift+Tab"], is_time, wait=0.4)
step("Up", ["Up"])
step("Tab to the circle view", ["Tab"], has_role(pyatspi.ROLE_IMAGE), wait=0.4)
step("Tab to ANIM", ["Tab"], has_role(pyatspi.ROLE_PUSH_BUTTON), wait=0.4)
step("Space, and the run to its end", ["space"])
step("Tab to RESET", ["Tab"], has_role(pyatspi.ROLE_PUSH_BUTTON), wait=0.4)
step("Space", ["space"])
step("Tab to the time", ["Tab"], is_time, wait=0.4)
step("Up", ["Up"])
step("Tab to r1", ["Tab"], is_named("r1"), wait=0.4)
step("Down", ["Down"])

app_process.terminate()
app_process.wait(10)
orca.terminate()
try:
    orca.wait(10)
except subprocess.TimeoutExpired:
    # A loaded machine may keep it busy past the wait; what it said is in its log.
    orca.kill()
    orca.wait()

# Orca writes its log in bursts: each sentence goes to the step it was said in.
said = spoken()
if not any(when >= steps[1][1] for when, _ in said):
    sys.exit("screen-reader: Orca said nothing after start-up; its log is in " + LOG)
for k, (label, start) in enumerate(steps):
    end = steps[k + 1][1] if k + 1 < len(steps) else float("inf")
    if label == "start-up":
        continue
    print(f"{label}:")
    for when, words in said:
        if start <= when < end:
            print(f"  {words}")
