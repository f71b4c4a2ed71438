#!/usr/bin/python3
"""Drives Zorvix through AT-SPI as a screen reader user would: finds the setup screen's
controls by name and role, presses START! through its action, reads the card's operands and
sign by their names, types the answer on the keypad, presses CHECK and waits to hear the result.
Exit 0 passed, 1 failed, 77 the accessibility bus cannot be reached here."""
import os
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

SKIP = 77
SIGNS = {"plus": lambda a, b: a + b, "minus": lambda a, b: a - b, "times": lambda a, b: a * b,
         "divided by": lambda a, b: a / b}


def log(message):
    print("atspi-test: " + message, flush=True)


def fail(message):
    log("FAIL: " + message)
    raise SystemExit(1)


def walk(root, limit=4000):
    """Every accessible below root, breadth first, bounded so a broken tree cannot loop."""
    queue, seen = [root], 0
    while queue and seen < limit:
        node = queue.pop(0)
        seen += 1
        yield node
        try:
            queue.extend(c for c in node if c is not None)
        except Exception:
            pass


def safe(call, default=None):
    try:
        return call()
    except Exception:
        return default


def find(root, name=None, role=None, description=None, showing=None):
    for node in walk(root):
        if name is not None and safe(lambda: node.name) != name:
            continue
        if role is not None and safe(node.getRole) != role:
            continue
        if description is not None and safe(lambda: node.description) != description:
            continue
        if showing is not None and safe(lambda: node.getState().contains(pyatspi.STATE_SHOWING)) != showing:
            continue
        return node
    return None


def describe(root, depth=1):
    lines = []
    for child in (safe(lambda: list(root), []) or []):
        if child is None:
            continue
        lines.append("%s%s %r showing=%s" % ("  " * depth, safe(child.getRoleName), safe(lambda: child.name),
                                             safe(lambda: child.getState().contains(pyatspi.STATE_SHOWING))))
        if depth < 2:
            lines.extend(describe(child, depth + 1))
    return lines


def wait_for(what, probe, seconds=20.0, context=None):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = probe()
        if found:
            return found
        pump(0.1)
    if context is not None:
        log("accessible tree:\n" + "\n".join(describe(context)))
    fail("timed out waiting for " + what)


def pump(seconds):
    """Lets the GLib loop deliver events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.pending():
            context.iteration(False)
        time.sleep(0.01)


def press(node, label):
    action = safe(node.queryAction)
    if action is None:
        fail(label + " offers no action")
    names = [action.getName(i) for i in range(action.nActions)]
    index = names.index("Press") if "Press" in names else 0
    if not action.doAction(index):
        fail("the action of " + label + " did not run")


def find_application(desktop):
    for app in desktop:
        if app is not None and "zorvix" in (safe(lambda: app.name) or "").lower():
            return app
    return None


def main(program):
    try:
        desktop = pyatspi.Registry.getDesktop(0)
        list(desktop)
    except Exception as error:
        log("SKIP: the accessibility bus cannot be reached: %s" % error)
        return SKIP

    heard = []

    def listen(event):
        source = safe(lambda: event.source.name, "")
        heard.append((event.type, source))

    pyatspi.Registry.registerEventListener(listen, "object:property-change:accessible-name",
                                           "object:state-changed:showing", "object:announcement")

    child = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
    try:
        app = wait_for("Zorvix on the accessibility bus", lambda: find_application(desktop))
        log("found application %r" % app.name)

        # The setup screen, read by names and roles.
        start = wait_for("the START! button", lambda: find(app, "START!", pyatspi.ROLE_PUSH_BUTTON))
        for name, role in (("END", pyatspi.ROLE_PUSH_BUTTON), ("INDIVIDUAL PROBLEMS", pyatspi.ROLE_RADIO_BUTTON),
                           ("ADD", pyatspi.ROLE_RADIO_BUTTON), ("TYPE OF TEST", None)):
            if find(app, name, role) is None:
                fail("setup screen lacks %s" % name)
        individual = find(app, "INDIVIDUAL PROBLEMS", pyatspi.ROLE_RADIO_BUTTON)
        if not individual.getState().contains(pyatspi.STATE_CHECKED):
            fail("INDIVIDUAL PROBLEMS is not the chosen method")
        press(start, "START!")

        card = wait_for("the card window", lambda: find(app, "Individual Flashcards", pyatspi.ROLE_FRAME, showing=True),
                        context=app)
        log("card window open")
        press(wait_for("START on the card", lambda: find(card, "START", pyatspi.ROLE_PUSH_BUTTON, showing=True)), "START")

        def operand(description):
            node = find(card, role=pyatspi.ROLE_LABEL, description=description, showing=True)
            return node.name if node is not None and node.name else None

        first = wait_for("the first number", lambda: operand("first number"))
        second = wait_for("the second number", lambda: operand("second number"))
        sign = find(card, role=pyatspi.ROLE_LABEL, description="operation", showing=True)
        sign = sign or find(card, description="operation", showing=True)
        if sign is None or sign.name not in SIGNS:
            fail("the sign is not read as an operation: %r" % (sign and sign.name))
        log("card reads: %s %s %s" % (first, sign.name, second))
        result = SIGNS[sign.name](float(first), float(second))
        typed = ("%d" % result) if result == int(result) else repr(result)

        keys = {"-": "minus"}
        for ch in typed:
            key = find(card, keys.get(ch, ch), pyatspi.ROLE_PUSH_BUTTON, showing=True)
            if key is None:
                fail("no keypad key for %r" % ch)
            press(key, "keypad " + ch)
            pump(0.3)
        answer = find(card, "answer", showing=True)
        if answer is None:
            fail("no answer box named answer")
        # A pressed button clicks after its short press animation; give the keys time to land.
        def reads():
            text = answer.queryText()
            return text.getText(0, text.characterCount) == typed
        wait_for("the answer box to read %r" % typed, reads, seconds=5)
        log("typed %s" % typed)

        del heard[:]
        press(find(card, "CHECK", pyatspi.ROLE_PUSH_BUTTON, showing=True), "CHECK")

        def announced():
            for kind, source in heard:
                if source in ("right", "wrong"):
                    return (kind, source)
            return None

        kind, source = wait_for("the announcement of the result", announced, seconds=10)
        log("heard %s from %s" % (kind, source))
        if source != "right":
            fail("heard %r for a right answer" % source)
        log("PASS")
        return 0
    finally:
        if child.poll() is None:
            child.send_signal(signal.SIGTERM)
            try:
                child.wait(timeout=5)
            except subprocess.TimeoutExpired:
                child.kill()
                child.wait()


if __name__ == "__main__":
    if len(sys.argv) != 2:
        print("usage: atspi_drive.py <zorvix program>", file=sys.stderr)
        sys.exit(2)
    sys.exit(main(os.path.abspath(sys.argv[1])))
