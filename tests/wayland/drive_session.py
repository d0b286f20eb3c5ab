"""Drives the program on a Wayland compositor through AT-SPI, as a user's assistive technology
would: the main window active with the focus in the a box and as its reference picture shows it,
a calculation, each of the three messages opened and dismissed and its answer printed, About,
Help and System Info's message, then Exit, after which Help keeps the program running. The
compositor's screenshots (weston --debug) are left in the working folder.
    drive_session.py PROGRAM_NAME REFERENCE_FOLDER"""
import glob
import os
import shutil
import subprocess
import sys
import time

import screen

import pyatspi
from gi.repository import GLib

NAME, REFERENCES = sys.argv[1:3]
BACKGROUND = (0xC0, 0x00, 0x00)  # the main window's
failures = []


def everything(node):
    """The node and all below it; a window closing meanwhile takes its part of the tree along."""
    try:
        found = [node]
        for child in node:
            if child is not None:
                found += everything(child)
        return found
    except GLib.Error:
        return []


def application():
    for candidate in pyatspi.Registry.getDesktop(0):
        if candidate is not None and candidate.name == NAME:
            return candidate
    return None


def find(role, name, within=None, wait=10):
    """The first node of that role and name, waited for; None if it does not come."""
    deadline = time.monotonic() + wait
    while time.monotonic() < deadline:
        root = within or application()
        if root is not None:
            for node in everything(root):
                try:
                    if node.getRoleName() == role and node.name == name:
                        return node
                except GLib.Error:
                    pass
        time.sleep(0.2)
    return None


def gone(role, name):
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        if find(role, name, wait=0.2) is None:
            return True
    return False


def check(what, condition):
    print(("ok      " if condition else "FAILED  ") + what)
    if not condition:
        failures.append(what)


def has(node, state):
    """Whether the node comes to have the state within five seconds."""
    deadline = time.monotonic() + 5
    while not node.getState().contains(state):
        if time.monotonic() > deadline:
            return False
        time.sleep(0.1)
    return True


def press(node):
    node.queryAction().doAction(0)


def text(node):
    return node.queryText().getText(0, -1)


def typed(box, content):
    box.queryEditableText().setTextContents(content)


def answer_message(expected):
    """The program's message box with `expected` in it, closed with its OK button."""
    label = find("label", expected)
    check(f'the message "{expected}" shows', label is not None)
    if expected.startswith("Please enter"):
        screenshot("wayland-message")
    ok = find("push button", "OK", within=label.parent) if label is not None else None
    if ok is None:
        return
    press(ok)
    check(f'the message "{expected}" goes with OK', gone("label", expected))


def screenshot(name):
    """The compositor's screen now, kept as NAME.png, and its file."""
    shots = os.environ["XDG_RUNTIME_DIR"]
    for old in glob.glob(os.path.join(shots, "wayland-screenshot-*.png")):
        os.remove(old)
    subprocess.run(["weston-screenshooter"], cwd=shots, check=True)
    shot = glob.glob(os.path.join(shots, "wayland-screenshot-*.png"))[0]
    shutil.copy(shot, name + ".png")
    return shot


def shows_as_reference(name):
    """Whether the main window's client area shows as the reference picture NAME does; tried
    three times over a blink of the text cursor, which shows in the reference."""
    reference = screen.read_png(os.path.join(REFERENCES, name + ".png"))
    for _ in range(3):
        shown = screen.read_png(screenshot("wayland-" + name))
        if screen.differing(shown, screen.area_of(shown, BACKGROUND), reference) == 0:
            return True
        time.sleep(0.35)
    return False


def printed_lines(picture, area):
    """The runs of pixel rows with something printed left of the coefficient boxes, each with
    its pixels."""
    left, top, _, _ = area
    _, _, rows = picture
    runs, run = [], []
    for y in range(top, top + 56):  # above the boxes, left of them
        strip = rows[y][left:left + 40]
        if any(pixel != BACKGROUND for pixel in strip):
            run.append(strip)
        elif run:
            runs, run = runs + [run], []
    return runs + [run] if run else runs


def main():
    box_a = find("text", "Coefficient a, the x squared term", wait=30)
    if box_a is None:
        print("the program was not heard within 30 s", file=sys.stderr)
        return 1
    check("the main window opens active with the focus in the a box",
          has(find("frame", "Brintamo"), pyatspi.STATE_ACTIVE) and
          has(box_a, pyatspi.STATE_FOCUSED))
    check("the main window shows as on the other platforms", shows_as_reference("Brintamo-1x"))
    boxes = [box_a, find("text", "Coefficient b, the x term"),
             find("text", "Coefficient c, the constant term")]
    roots = [find("text", "First root"), find("text", "Second root")]
    calculate = find("push button", "Calculate")

    for box, content in zip(boxes, ["1", "-3", "2"]):
        typed(box, content)
    press(calculate)
    time.sleep(0.5)
    check("CALCULATE fills the roots: 2 and 1", [text(r) for r in roots] == ["2", "1"])

    for a, b, c, message in [
            ("", "-3", "2", "Please enter a number into all of the boxes."),
            ("1", "0", "1", "There are no roots.  The Curve does not go below the x-Axis"),
            ("0", "2", "1", "Please do not mess around with this program.  If you are not going "
                            "to use it responsibly, you should not use it at all.")]:
        for box, content in zip(boxes, [a, b, c]):
            typed(box, content)
        press(calculate)
        answer_message(message)
    time.sleep(0.5)
    shown = screen.read_png(screenshot("wayland-printed"))
    in_use = screen.read_png(os.path.join(REFERENCES, "Brintamo-in-use-1x.png"))
    check("each message's answer printed as on the other platforms, one line each",
          printed_lines(shown, screen.area_of(shown, BACKGROUND)) ==
          printed_lines(in_use, (0, 0, in_use[0], in_use[1]))[:3])

    press(find("menu item", "About"))
    about = find("frame", "About Brintamo") or find("dialog", "About Brintamo")
    check("About opens", about is not None)
    screenshot("wayland-about")
    if about is not None:
        press(find("push button", "System Info", within=about))
        answer_message("System Information Is Unavailable At This Time")
        press(find("push button", "OK", within=about))
        check("About closes with OK", gone("frame", "About Brintamo") and
              gone("dialog", "About Brintamo"))
    press(find("menu item", "Help"))
    check("Help opens", find("frame", "Help") is not None)
    screenshot("wayland-help")
    press(find("menu item", "Exit"))
    check("Exit closes the main window, Help staying open",
          gone("frame", "Brintamo") and find("frame", "Help") is not None)
    return 1 if failures else 0


sys.exit(main())
