#!/usr/bin/python3
"""The running program as a screen reader sees it, through the AT-SPI bus.

a11y_walk.py PID CASE ARGS...
  main TRANSLATE_CAPTION SOURCE EXPECTED
      the main window: names and roles, the lists' labels, the status line
      read as its text; the source typed through the bus, Translate pressed
      through its action, the translation read back, and the changes of the
      status line and the translation heard on the bus.
  popup EXPECTED COMMAND...
      the popup, asked for by running COMMAND: names and roles, its
      translation read back, its change heard.
  history SOURCE
      the History window, opened through its menu entry's action: names and
      roles, and the translation listed.

Prints one PASS/FAIL line per check; exits 1 when any failed. Every wait is
bounded.
"""
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

# get_action_name is marked deprecated, with nothing in its place in 2.46.
warnings.filterwarnings("ignore", category=DeprecationWarning)
failures = 0
heard = []  # (event type, source's role, source's name)


def check(what, ok, detail=""):
    global failures
    print(("PASS: " if ok else "FAIL: ") + what + (f" ({detail})" if detail and not ok else ""))
    if not ok:
        failures += 1
    return ok


def pump(seconds):
    """Lets the bus deliver events for a while."""
    end = time.monotonic() + seconds
    ctx = GLib.MainContext.default()
    while time.monotonic() < end:
        if not ctx.iteration(False):
            time.sleep(0.02)


def wait_for(condition, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            value = condition()
        except GLib.Error:
            value = None
        if value:
            return value
        pump(0.1)
    return None


def on_event(event):
    try:
        source = event.source
        heard.append((event.type, source.get_role_name(), source.get_name()))
    except GLib.Error:
        pass


def application(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def window(app, name):
    for i in range(app.get_child_count()):
        w = app.get_child_at_index(i)
        if w is not None and w.get_name() == name and \
                w.get_state_set().contains(Atspi.StateType.SHOWING):
            return w
    return None


def walk(obj, depth=0):
    yield obj
    if depth > 40:
        return
    for i in range(obj.get_child_count()):
        child = obj.get_child_at_index(i)
        if child is not None:
            yield from walk(child, depth + 1)


def showing(obj):
    return obj.get_state_set().contains(Atspi.StateType.SHOWING)


def check_names(title, top):
    """Every focusable object that is shown has a role and a name."""
    unnamed = []
    count = 0
    for obj in walk(top):
        states = obj.get_state_set()
        if not states.contains(Atspi.StateType.FOCUSABLE) or not showing(obj):
            continue
        count += 1
        role = obj.get_role_name()
        if not obj.get_name() or not role or role == "unknown":
            unnamed.append(f"{role or '?'} '{obj.get_name()}'")
    check(f"{title}: all {count} focusable objects have a name and a role",
          count > 0 and not unnamed, ", ".join(unnamed))


def find(top, role, name=None, shown=True):
    for obj in walk(top):
        if obj.get_role_name() == role and (name is None or obj.get_name() == name) \
                and (showing(obj) or not shown):
            return obj
    return None


def text_of(obj):
    return Atspi.Text.get_text(obj, 0, Atspi.Text.get_character_count(obj))


def labels(obj):
    names = []
    for relation in obj.get_relation_set():
        if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY:
            for i in range(relation.get_n_targets()):
                names.append(relation.get_target(i).get_name())
    return names


def press(obj, action):
    for i in range(Atspi.Action.get_n_actions(obj)):
        if Atspi.Action.get_action_name(obj, i) == action:
            return Atspi.Action.do_action(obj, i)
    return False


def heard_from(kind, role, name=None):
    return any(t.startswith(kind) and r == role and (name is None or n == name)
               for t, r, n in heard)


def case_main(app, caption, source, expected):
    main = wait_for(lambda: window(app, "Parlamo"), 20)
    if not check("the main window \"Parlamo\" is on the bus", main is not None):
        return
    check_names("main window", main)
    for name in ("Language pair", "Engine"):
        lists = [o for o in walk(main) if o.get_role_name() == "combo box" and name in labels(o)]
        check(f"a list is labelled \"{name}\"", len(lists) == 1)
    bar = find(main, "status bar")
    panel = bar and next((o for o in walk(bar) if o is not bar and o.get_role_name() == "label"
                          and o.get_description()), None)
    check("the status line is on the bus, named by its text, not \"Status\"",
          panel is not None and panel.get_name() != "Status",
          panel and panel.get_name())

    box = find(main, "text", "Source text")
    button = find(main, "push button", caption)
    result = find(main, "text", "Translation")
    if not check("the source box, the Translate button and the translation box are found",
                 None not in (box, button, result)):
        return
    check("the source text is typed in through the bus",
          Atspi.EditableText.set_text_contents(box, source) and text_of(box) == source)
    heard.clear()
    check("the Translate button's Press action runs", press(button, "Press"))
    got = wait_for(lambda: text_of(result) == expected, 60)
    check(f"the translation reads \"{expected}\" through the bus", got,
          f"it reads \"{text_of(result)}\"")
    check("the status line is named \"Translated.\" now",
          wait_for(lambda: panel.get_name() == "Translated.", 10), panel.get_name())
    pump(0.5)
    check("the status line's change was announced (accessible-name)",
          heard_from("object:property-change:accessible-name", "label", "Translated."))
    check("the translation's change was announced (text-changed)",
          heard_from("object:text-changed", "text", "Translation"))


def case_popup(app, expected, *command):
    check("the popup is asked for", subprocess.run(command, stdout=subprocess.DEVNULL,
                                                  timeout=60).returncode == 0)
    popup = wait_for(lambda: window(app, "Parlamo Translation"), 20)
    if not check("the popup \"Parlamo Translation\" is on the bus", popup is not None):
        return
    result = find(popup, "text", "Translation")
    if not check("the popup's translation box is found", result is not None):
        return
    got = wait_for(lambda: text_of(result) == expected, 60)
    check(f"the popup's translation reads \"{expected}\" through the bus", got,
          f"it reads \"{text_of(result)}\"")
    check_names("popup", popup)
    for name in ("Copy", "Open in Window"):
        button = find(popup, "push button", name)
        check(f"the popup's button \"{name}\" has an access key",
              button is not None and Atspi.Action.get_key_binding(button, 0) != "",
              button and Atspi.Action.get_key_binding(button, 0))
    pump(0.5)
    check("the popup's translation was announced (text-changed)",
          heard_from("object:text-changed", "text", "Translation"))


def case_history(app, source):
    main = wait_for(lambda: window(app, "Parlamo"), 20)
    # In a closed menu: not shown, but there, and its action triggers it.
    entry = main and find(main, "menu item", "History...", shown=False)
    if not check("the menu entry \"History...\" is found", entry is not None):
        return
    check("its action opens the History window",
          Atspi.Action.do_action(entry, 0) and wait_for(lambda: window(app, "History"), 20))
    history = window(app, "History")
    if history is None:
        return
    check_names("History window", history)
    check(f"the translation of \"{source}\" is listed",
          wait_for(lambda: any(o.get_name() == source for o in walk(history)), 10))


def main():
    pid, case, args = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
    listener = Atspi.EventListener.new(on_event)
    for kind in ("object:property-change:accessible-name", "object:text-changed"):
        listener.register(kind)
    app = wait_for(lambda: application(pid), 30)
    if not check(f"the program (pid {pid}) is listed on the accessibility bus", app is not None):
        return 1
    {"main": case_main, "popup": case_popup, "history": case_history}[case](app, *args)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
