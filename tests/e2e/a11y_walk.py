#!/usr/bin/python3
"""The running program as a screen reader meets it, through the AT-SPI bus.

a11y_walk.py PID main CAPTION SOURCE EXPECTED | popup EXPECTED COMMAND... | history SOURCE
Prints a PASS/FAIL line per check, exits 1 when one failed; every wait is bounded.
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
heard = []  # (event type, role, name) of what the bus announced


def check(what, ok, detail=""):
    global failures
    failures += 0 if ok else 1
    print(("PASS: " if ok else "FAIL: ") + what + ("" if ok or not detail else f" ({detail})"))
    return ok


def wait_for(condition, seconds):
    """Polls while the bus delivers its events (on GLib's default context)."""
    end = time.monotonic() + seconds
    while True:
        try:
            value = condition()
        except GLib.Error:
            value = None
        if value or time.monotonic() > end:
            return value
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.05)


def on_event(event):
    try:
        heard.append((event.type, event.source.get_role_name(), event.source.get_name()))
    except GLib.Error:
        pass


def walk(obj, depth=0):
    yield obj
    for i in range(obj.get_child_count() if depth < 40 else 0):
        child = obj.get_child_at_index(i)
        if child is not None:
            yield from walk(child, depth + 1)


def showing(obj):
    return obj.get_state_set().contains(Atspi.StateType.SHOWING)


def window(app, name):
    return next((w for w in walk(app, 39) if w.get_name() == name and showing(w)), None)


def find(top, role, name=None, shown=True):
    return next((o for o in walk(top) if o.get_role_name() == role
                 and name in (None, o.get_name()) and (showing(o) or not shown)), None)


def text_of(obj):
    return Atspi.Text.get_text(obj, 0, Atspi.Text.get_character_count(obj))


def labels(obj):
    return [r.get_target(i).get_name() for r in obj.get_relation_set()
            if r.get_relation_type() == Atspi.RelationType.LABELLED_BY
            for i in range(r.get_n_targets())]


def press(obj, action):
    return any(Atspi.Action.get_action_name(obj, i) == action and Atspi.Action.do_action(obj, i)
               for i in range(Atspi.Action.get_n_actions(obj)))


def was_heard(kind, role, name):
    return wait_for(lambda: any(t.startswith(kind) and (r, n) == (role, name)
                                for t, r, n in heard), 5)


def check_names(title, top):
    """Every focusable object on screen has a role and a name."""
    focusable = [o for o in walk(top)
                 if o.get_state_set().contains(Atspi.StateType.FOCUSABLE) and showing(o)]
    unnamed = [f"{o.get_role_name()} '{o.get_name()}'" for o in focusable
               if not o.get_name() or o.get_role_name() in ("", "unknown")]
    check(f"{title}: all {len(focusable)} focusable objects have a name and a role",
          focusable and not unnamed, ", ".join(unnamed))


def case_main(app, caption, source, expected):
    main = wait_for(lambda: window(app, "Parlamo"), 20)
    if not check("the main window \"Parlamo\" is on the bus", main):
        return
    check_names("main window", main)
    for name in ("Language pair", "Engine"):
        check(f"a list is labelled \"{name}\"", [o for o in walk(main) if o.get_role_name()
                                                == "combo box" and name in labels(o)])
    bar = find(main, "status bar")
    panel = bar and next((o for o in walk(bar) if o.get_role_name() == "label"
                          and o.get_description()), None)
    check("the status line is named by its text, not \"Status\"",
          panel and panel.get_name() != "Status", panel and panel.get_name())
    box, button = find(main, "text", "Source text"), find(main, "push button", caption)
    result = find(main, "text", "Translation")
    if not check("the source box, the Translate button and the translation are found",
                 None not in (box, button, result)):
        return
    check("the source text is typed in through the bus",
          Atspi.EditableText.set_text_contents(box, source) and text_of(box) == source)
    heard.clear()
    check("the Translate button's Press action runs", press(button, "Press"))
    check(f"the translation reads \"{expected}\" through the bus",
          wait_for(lambda: text_of(result) == expected, 60), text_of(result))
    check("the status line is named \"Translated.\" now",
          wait_for(lambda: panel.get_name() == "Translated.", 10), panel.get_name())
    check("the status line's change was announced",
          was_heard("object:property-change:accessible-name", "label", "Translated."))
    check("the translation's change was announced",
          was_heard("object:text-changed", "text", "Translation"))


def case_popup(app, expected, *command):
    heard.clear()
    check("the popup is asked for",
          subprocess.run(command, stdout=subprocess.DEVNULL, timeout=60).returncode == 0)
    popup = wait_for(lambda: window(app, "Parlamo Translation"), 20)
    result = popup and find(popup, "text", "Translation")
    if not check("the popup and its translation box are on the bus", result):
        return
    check(f"the popup's translation reads \"{expected}\" through the bus",
          wait_for(lambda: text_of(result) == expected, 60), text_of(result))
    check_names("popup", popup)
    for name in ("Copy", "Open in Window"):
        button = find(popup, "push button", name)
        check(f"the popup's button \"{name}\" has an access key",
              button and Atspi.Action.get_key_binding(button, 0))
    check("the popup's translation was announced",
          was_heard("object:text-changed", "text", "Translation"))


def case_history(app, source):
    main = wait_for(lambda: window(app, "Parlamo"), 20)
    # In a closed menu: not on screen, but there, and its action triggers it.
    entry = main and find(main, "menu item", "History...", shown=False)
    history = entry and Atspi.Action.do_action(entry, 0) and \
        wait_for(lambda: window(app, "History"), 20)
    if not check("the menu entry \"History...\" opens the History window", history):
        return
    check_names("History window", history)
    check(f"the translation of \"{source}\" is listed",
          wait_for(lambda: any(o.get_name() == source for o in walk(history)), 10))
    # The dialog is modal: the action's answer must not wait for it to close.
    entry = find(main, "menu item", "Selection Shortcut...", shown=False)
    dialog = entry and Atspi.Action.do_action(entry, 0) and \
        wait_for(lambda: window(app, "Selection Shortcut"), 20)
    if check("the menu entry \"Selection Shortcut...\" opens its dialog", dialog):
        check_names("Selection Shortcut dialog", dialog)
        check("its Cancel button closes it", press(find(dialog, "push button", "Cancel"), "Press")
              and wait_for(lambda: not window(app, "Selection Shortcut"), 10))


def main():
    pid, case, args = int(sys.argv[1]), sys.argv[2], sys.argv[3:]
    listener = Atspi.EventListener.new(on_event)
    for kind in ("object:property-change:accessible-name", "object:text-changed"):
        listener.register(kind)
    desktop = Atspi.get_desktop(0)
    app = wait_for(lambda: next((a for a in walk(desktop, 39)
                                 if a.get_process_id() == pid), None), 30)
    if check(f"the program (pid {pid}) is listed on the accessibility bus", app):
        {"main": case_main, "popup": case_popup, "history": case_history}[case](app, *args)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
