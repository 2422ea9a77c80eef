"""Reads Lexido over AT-SPI: the application's name, the toolbar's names, the welcome page, a
file handed over by a second start, and a pass of Type the Answer driven by keys alone (no
click): the question, then the answer with the verdict on what was typed. Exit 0 passed, 1 failed, 77 skipped (the accessibility bus did not start)."""
import os
import subprocess
import sys
import time

import pyatspi

exe, work = sys.argv[1], sys.argv[2]
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)


def wait_for(find, seconds=20):
    end = time.time() + seconds
    while time.time() < end:
        try:
            found = find()
        except Exception:  # the tree changes while it is walked
            found = None
        if found:
            return found
        time.sleep(0.2)
    return None


def app():
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        a = desktop.getChildAtIndex(i)
        if a is not None and a.name == "Lexido":
            return a
    return None


def find(root, pred):
    return pyatspi.findDescendant(root, pred) if root else None


def view_text():
    doc = find(app(), lambda o: o.getRole() == pyatspi.ROLE_DOCUMENT_FRAME)
    if not doc:
        return None
    t = doc.queryText()
    return t.getText(0, t.characterCount)


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


# The pass types its answer: the mode setting says Type the Answer.
view_mode = os.path.join(os.path.dirname(exe), "Settings", "ViewMode.cfg")
with open(view_mode) as f:
    setting = f.read()
with open(view_mode, "w") as f:
    f.write(setting.replace("pt_i Mode sv = 0", "pt_i Mode sv = 11"))
with open(os.path.join(work, "lesson.mix"), "w") as f:
    f.write("*Good morning\n=Guten Morgen\n*Thank you\n=Danke\n")
try:
    pyatspi.Registry.getDesktop(0).childCount
except Exception as e:
    print("SKIP: the accessibility bus did not start:", e)
    sys.exit(77)

first = subprocess.Popen([exe], cwd=work)
try:
    check(wait_for(app) is not None, 'an application named "Lexido" on the bus')
    welcome = wait_for(lambda: (view_text() or "").strip() and view_text())
    check(welcome and "Lexido" in welcome, "the welcome page is read: %r" % welcome)
    bar = find(app(), lambda o: o.getRole() == pyatspi.ROLE_TOOL_BAR)
    kids = [bar.getChildAtIndex(i) for i in range(bar.childCount)] if bar else []
    names = [k.name for k in kids if k.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON)]
    check(len(names) == 11 and all(names), "every toolbar button has a name: %r" % names)

    # A second start with a file hands it over and ends; the first shows it.
    second = subprocess.run([exe, "lesson.mix"], cwd=work, timeout=30)
    check(second.returncode == 0, "the second start ends with 0, not %d" % second.returncode)
    shown = wait_for(lambda: "Good morning" in (view_text() or "") and view_text())
    check(shown, "the handed file is shown: %r" % view_text())

    # A pass by keys alone: F5 starts it (the question), the answer typed with a slip and Enter
    # show the answer and the verdict.
    key("F5")
    question = wait_for(lambda: "Good morning" in (view_text() or "") and "Guten" not in view_text() and view_text())
    check(question, "the question is read: %r" % view_text())
    subprocess.run(["xdotool", "type", "--delay", "20", "Guten Morgn"], check=True)
    key("Return")
    answer = wait_for(lambda: "Guten Morgen" in (view_text() or "") and "Almost: Guten Morgn" in view_text() and view_text())
    check(answer, "the answer and the verdict are read: %r" % view_text())
    print("read:", repr(welcome), repr(question), repr(answer), names)
finally:
    first.terminate()
    try:
        first.wait(timeout=15)
    except subprocess.TimeoutExpired:
        first.kill()
sys.exit(1 if failures else 0)
