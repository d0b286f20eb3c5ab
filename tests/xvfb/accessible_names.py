"""Reads a running program's accessible tree over AT-SPI, as a screen reader does, and checks that
the main window's boxes and buttons are heard by role, name and description.
    accessible_names.py PROGRAM_NAME"""
import sys
import time

import pyatspi

# The equation row's labels name the boxes next to them.
LABELLED_BY = {
    "Coefficient a, the x squared term": "x squared",
    "Coefficient b, the x term": "x",
    "First root": "x equals",
    "Second root": "x equals",
}

EXPECTED = {
    ("text", "Coefficient a, the x squared term"),
    ("text", "Coefficient b, the x term"),
    ("text", "Coefficient c, the constant term"),
    ("text", "First root"),
    ("text", "Second root"),
    ("push button", "Calculate"),
    ("push button", "Clear"),
}


def labels(node):
    """The names of what labels the node."""
    return [relation.getTarget(0).name for relation in node.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY]


def heard(node):
    """(role, name, description, labels) of the node and everything below it."""
    found = [(node.getRoleName(), node.name, node.description, labels(node))]
    for child in node:
        found += heard(child)
    return found


def main():
    deadline = time.monotonic() + 30
    while time.monotonic() < deadline:
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == sys.argv[1]:
                controls = [c for c in heard(application) if c[0] in ("text", "push button")]
                if {(role, name) for role, name, _, _ in controls} >= EXPECTED:
                    print("\n".join(map(str, controls)))
                    wrong = [c for c in controls if not c[2] or
                             c[1] in LABELLED_BY and c[3] != [LABELLED_BY[c[1]]]]
                    print("without a description or their label:", wrong or "none")
                    return 1 if wrong else 0
        time.sleep(0.5)
    print("the expected names were not heard within 30 s", file=sys.stderr)
    return 1


sys.exit(main())
