"""The window as a screen reader sees it, through AT-SPI only: roles,
values, bounds and texts of the spin controls, the events a key press
sends, what is said at a bound and around a run, and the circle view's
description. Keys go through the X server, as a user's do."""
import math
import subprocess
import sys
import time
import unittest
import warnings

import pyatspi
from gi.repository import GLib

APP = sys.argv.pop(1)
warnings.simplefilter("ignore", DeprecationWarning)  # pyatspi's own calls


def pump(seconds, until=lambda: False):
    ctx = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end and not until():
        if not ctx.iteration(False):
            time.sleep(0.01)
    return until()


def find(node, name, role=None):
    for child in node:
        if child is None:
            continue
        if child.name == name and (role is None or child.getRoleName() == role):
            return child
        hit = find(child, name, role)
        if hit:
            return hit
    return None


class ScreenReader(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.values = []  # (control, its value when the event came)
        cls.notes = []   # what the notifications said, in order
        pyatspi.Registry.registerEventListener(
            lambda e: cls.values.append((e.source.name, e.source.queryValue().currentValue)),
            "object:property-change:accessible-value")
        pyatspi.Registry.registerEventListener(
            lambda e: e.detail1 and e.source.getRoleName() == "notification" and cls.notes.append(e.source.name),
            "object:state-changed:showing")
        cls.process = subprocess.Popen([APP])
        desktop = pyatspi.Registry.getDesktop(0)
        cls.app = None
        for _ in range(200):
            cls.app = next((a for a in desktop if a and a.name == "angular-frequency"), None)
            if cls.app and find(cls.app, "r1", "spin button"):
                break
            pump(0.05)
        assert cls.app, "the program never showed up on the accessibility bus"
        pump(1)  # until the window has the input focus

    @classmethod
    def tearDownClass(cls):
        cls.process.terminate()
        cls.process.wait(10)

    def control(self, name, role=None):
        found = find(self.app, name, role)
        self.assertIsNotNone(found, name)
        return found

    def press(self, widget, key, times=1):
        widget.queryComponent().grabFocus()
        self.assertTrue(pump(3, lambda: widget.getState().contains(pyatspi.STATE_FOCUSED)), widget.name)
        for _ in range(times):
            subprocess.run(["xdotool", "key", key], check=True)
            pump(0.15)

    def test_1_window_and_spin_controls_at_start(self):
        self.assertIn(self.app[0].getRoleName(), ("frame", "window"))
        self.assertEqual(self.app[0].name, "Angular Frequency")
        inf = math.inf
        expected = {  # name: text, value, minimum, maximum
            "time": ("0 seconds", 0, 0, inf),
            "r1": ("10", 10, 1, 15),
            "r2": ("10", 10, 1, 15),
            "ω1": ("2 π radians per second", 2, 1, 10),
            "ω2": ("4 π radians per second", 4, 1, 10),
        }
        for name, (text, value, low, high) in expected.items():
            spin = self.control(name)
            self.assertEqual(spin.getRoleName(), "spin button", name)
            v = spin.queryValue()
            self.assertEqual((v.currentValue, v.minimumValue, v.maximumValue), (value, low, high), name)
            self.assertEqual(spin.queryText().getText(0, -1), text, name)
        self.assertEqual(self.control("step t, 0.005 seconds").getRoleName(), "radio button")
        self.assertTrue(self.control("15").description.startswith("the largest radius"))

    def test_2_steps_send_values_and_the_bound_is_said_once(self):
        r1 = self.control("r1", "spin button")
        self.values.clear()
        self.notes.clear()
        self.press(r1, "Up", 7)  # 11 .. 15, then two refused
        pump(1, lambda: self.notes)
        self.assertEqual(self.values, [("r1", v) for v in (11, 12, 13, 14, 15)])
        self.assertEqual(self.notes, ["15, maximum"])
        self.assertEqual(r1.queryValue().currentValue, 15)
        # Orca drops a value equal to the last one it spoke, whatever the
        # control: r1 going down to the 14 that r2 has just reached is said
        # by the window itself, and only that.
        self.notes.clear()
        self.press(self.control("r2", "spin button"), "Up", 4)
        self.press(r1, "Down")
        pump(1, lambda: self.notes)
        self.assertEqual(self.notes, ["14"])

    def test_3_circle_view_describes_the_time_on_show(self):
        self.press(self.control("time", "spin button"), "Up", 2)
        circle = self.control("circle view")
        self.assertEqual(circle.getRoleName(), "image")
        # 2 pi and 4 pi per second at 0.02 s: 7.2 and 14.4 degrees; heights 14 sin of them.
        self.assertTrue(pump(3, lambda: circle.description.startswith("Time 0.02 seconds.")), circle.description)
        self.assertEqual(circle.description, "Time 0.02 seconds. Vector 1: length 14, at 7 degrees, height 1.8. "
                                             "Vector 2: length 14, at 14 degrees, height 3.5.")

    def test_4_a_run_is_announced_at_its_start_and_end(self):
        self.notes.clear()
        self.press(self.control("ANIM", "push button"), "space")
        self.assertTrue(pump(10, lambda: len(self.notes) >= 2), self.notes)
        self.assertEqual(self.notes, [
            "running one second of time",
            "run ended: vector 1 turned once, vector 2 turned twice; time back to 0"])
        self.assertTrue(pump(3, lambda: self.control("wave view of vector 2").description.startswith("sine")))
        self.assertEqual(self.control("wave view of vector 2").description,
                         "sine curve, amplitude 14, two periods in one second, starting at 0 and rising")


if __name__ == "__main__":
    unittest.main(verbosity=2)
