#!/usr/bin/python3
"""Reads the running program from outside, as a screen reader does over AT-SPI.

Starts the program on the X display it is given, with its accessibility bridge on, and
walks title -> start screen -> Year 5, Term 2 -> Tenses through the accessible tree: each
window must name itself, the controls a pupil uses must be buttons and radio buttons
named so that they make sense heard alone, the keys must move the focus from control to
control (heard as focus events), and an answer must be heard as "Correct" or "Wrong" the
moment it shows. Usage: accessibility.py PROGRAM
"""

import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

TIMEOUT = 60.0
heard = []  # (event type, role of its source, name of its source, detail1)


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, condition):
    deadline = time.monotonic() + TIMEOUT
    while time.monotonic() < deadline:
        pump()
        found = condition()
        if found:
            return found
        time.sleep(0.05)
    fail("never came: %s (heard: %r)" % (what, heard[-8:]))


def listen(event):
    try:
        source = event.source
        heard.append((event.type, source.getRoleName(), source.name or "", event.detail1))
    except Exception:  # an object gone before it could be read
        pass


def walk(node, depth=0):
    if node is None or depth > 12:
        return
    yield node
    try:
        children = list(node)
    except Exception:
        return
    for child in children:
        yield from walk(child, depth + 1)


def the_app():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and (app.name or "").lower() == "quillmark":
            return app
    return None


def windows():
    app = the_app()
    return [w for w in app] if app else []


def window(name):
    return next((w for w in windows() if w.name == name), None)


def control(win, role, name):
    for node in walk(win):
        try:
            if node.getRoleName() == role and node.name == name and node.getState().contains(pyatspi.STATE_SHOWING):
                return node
        except Exception:
            pass
    return None


def named(win, role):
    names = []
    for node in walk(win):
        try:
            if node.getRoleName() == role and node.getState().contains(pyatspi.STATE_SHOWING):
                names.append(node.name)
        except Exception:
            pass
    return names


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() == "press":
            action.doAction(i)
            return
    fail("no press action on %s %r" % (node.getRoleName(), node.name))


def key(name, window_name):
    subprocess.run(["xdotool", "search", "--sync", "--name", "^" + window_name + "$", "windowfocus", "--sync",
                    "key", name], check=False, capture_output=True, timeout=TIMEOUT)


def main():
    program = sys.argv[1]
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
               PULSE_SERVER="unix:/nonexistent/pulse", ASAN_OPTIONS="detect_leaks=0")
    pyatspi.Registry.registerEventListener(listen, "object:state-changed:showing",
                                           "object:property-change:accessible-name", "object:state-changed:focused")
    run = subprocess.Popen([program], env=env)
    try:
        title = wait_for('the title screen, named "Quillmark"', lambda: window("Quillmark"))
        if any(w.name.strip() == "" for w in windows()):
            fail("a window with no name: %r" % [w.name for w in windows()])
        press(wait_for('"OK"', lambda: control(title, "push button", "OK")))

        start = wait_for("the start screen", lambda: window("Quillmark: choose a year and term"))
        buttons = wait_for("the terms", lambda: len(named(start, "push button")) >= 8 and named(start, "push button"))
        for term in ["Year 5, Term 1", "Year 5, Term 2", "Year 5, Term 3", "Year 6, Term 1", "Year 6, Term 2",
                     "Year 6, Term 3", "Exit"]:
            if term not in buttons:
                fail("the start screen has no button %r: %r" % (term, buttons))
        if named(start, "radio button") != ["Sound On", "Sound Off"]:
            fail("sound options: %r" % named(start, "radio button"))
        press(control(start, "push button", "Year 5, Term 2"))

        menu = wait_for("the menu", lambda: window("Year 5, Term 2: choose an exercise"))
        press(wait_for('"Tenses"', lambda: control(menu, "push button", "Tenses")))

        tenses = wait_for("the exercise", lambda: window("Tenses, Year 5, Term 2"))
        boxes = wait_for("the answer boxes", lambda: control(tenses, "push button", "PAST") and
                         [control(tenses, "push button", b) for b in ("PAST", "PRESENT", "FUTURE")])
        if not all(boxes):
            fail("answer boxes: %r" % named(tenses, "push button"))
        texts = named(tenses, "label")
        if not any(t.endswith((".", "?", "!")) and len(t.split()) >= 3 for t in texts):
            fail("no question sentence to read: %r" % texts)

        # Tab moves the focus to the first box, and the screen reader hears it.
        del heard[:]
        key("Tab", "Tenses")
        wait_for("the focus on an answer box, heard", lambda: any(
            t == "object:state-changed:focused" and d == 1 and role == "push button" and name == "PAST"
            for t, role, name, d in heard))

        # The answer, heard as it shows.
        del heard[:]
        key("Return", "Tenses")
        said = wait_for('"Correct" or "Wrong", heard', lambda: [
            name for t, role, name, d in heard
            if role == "notification" and (name == "Correct" or name.startswith("Wrong")) and
            (t == "object:state-changed:showing" and d == 1 or t == "object:property-change:accessible-name")])
        if said[0].startswith("Wrong") and not said[0].startswith("Wrong. The answer is: "):
            fail("a wrong answer is heard without the right one: %r" % said[0])
        print("heard: %s" % said[0], flush=True)

        # The same answer again gives the same words again, and they are heard again.
        del heard[:]
        key("Return", "Tenses")
        wait_for("the same verdict heard a second time", lambda: [
            name for t, role, name, d in heard if role == "notification" and name == said[0]])

        # Escape goes back to the menu.
        key("Escape", "Tenses")
        wait_for("the menu again, by Escape", lambda: window("Tenses, Year 5, Term 2") is None)
        print("PASS: the accessible tree, the focus and the feedback are heard over AT-SPI", flush=True)
    finally:
        run.terminate()
        try:
            run.wait(timeout=10)
        except subprocess.TimeoutExpired:
            run.kill()


if __name__ == "__main__":
    main()
