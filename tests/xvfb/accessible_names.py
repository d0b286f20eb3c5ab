"""Reads a running program's accessible tree over AT-SPI, as a screen reader does, and checks that
the main window's boxes and buttons are heard by role, name and description.
    accessible_names.py PROGRAM_NAME"""
import sys
import time

import pyatspi

EXPECTED = {
    ("text", "Coefficient a, the x squared term"),
    ("text", "Coefficient b, the x term"),
    ("text", "Coefficient c, the constant term"),
    ("text", "First root"),
    ("text", "Second root"),
    ("push button", "Calculate"),
    ("push button", "Clear"),
}


def heard(node):
    """(role, name, description) of the node and everything below it."""
    found = [(node.getRoleName(), node.name, node.description)]
    for child in node:
        found += heard(child)
    return found


def main():
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == sys.argv[1]:
                controls = [c for c in heard(application) if c[0] in ("text", "push button")]
                if {(role, name) for role, name, _ in controls} >= EXPECTED:
                    silent = [c for c in controls if not c[2]]
                    print("\n".join(map(str, controls)))
                    print("without a description:", silent or "none")
                    return 1 if silent else 0
        time.sleep(0.5)
    print("the expected names were not heard within 30 s", file=sys.stderr)
    return 1


sys.exit(main())
