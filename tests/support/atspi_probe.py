#!/usr/bin/python3
# What a screen reader finds in TAVU's windows, through the accessibility bus:
#
#   atspi_probe.py controls TITLE   every control shown in the window whose
#                                   title starts with TITLE: "role<TAB>name"
#   atspi_probe.py focus            the control that has the focus: "role<TAB>name"
#   atspi_probe.py windows          the titles of TAVU's windows
#   atspi_probe.py bus              whether the accessibility bus answers
#   atspi_probe.py walk MAX         presses Tab until the focus is back where
#                                   it started, printing each control; exit 5
#                                   when it does not come back within MAX
#                                   presses, 6 when a press leaves the focus
#                                   where it was (a trap)
#
# Exit 3 when TAVU is not on the bus (yet).
import subprocess
import sys
import time

import pyatspi

# Roles a user operates; each needs a name a screen reader can say. Cells and
# list entries speak with their own text; the table or list around them is
# the control.
CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON: "button",
    pyatspi.ROLE_TOGGLE_BUTTON: "button",
    pyatspi.ROLE_CHECK_BOX: "check",
    pyatspi.ROLE_RADIO_BUTTON: "radio",
    pyatspi.ROLE_TEXT: "text",
    pyatspi.ROLE_ENTRY: "text",
    pyatspi.ROLE_SPIN_BUTTON: "spin",
    pyatspi.ROLE_COMBO_BOX: "combo",
    pyatspi.ROLE_LIST: "list",
    pyatspi.ROLE_LIST_BOX: "list",
    pyatspi.ROLE_TABLE: "table",
    pyatspi.ROLE_TREE_TABLE: "table",
    pyatspi.ROLE_PAGE_TAB: "tab",
    pyatspi.ROLE_PAGE_TAB_LIST: "tabs",
    pyatspi.ROLE_SCROLL_BAR: "scroll",
    pyatspi.ROLE_SLIDER: "slider",
    pyatspi.ROLE_DATE_EDITOR: "date",
    pyatspi.ROLE_IMAGE: "picture",
}
# A text view that takes the focus (the help page) is a control; labels are not.
FOCUSABLE_ONLY = {pyatspi.ROLE_LABEL: "text"}
# Inside these the children are entries, cells or parts of the control.
LEAVES = {pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST,
          pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_COMBO_BOX,
          pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_DATE_EDITOR, pyatspi.ROLE_SCROLL_BAR}


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name == "tavu":
            return app
    sys.exit(3)


def clean(text):
    return " ".join((text or "").split())


def spoken_name(node, role):
    """The name a screen reader says: the control's own, else the caption
    that labels it. A combo box's own name is only the entry chosen."""
    own = "" if role == pyatspi.ROLE_COMBO_BOX else clean(node.name)
    if own:
        return own
    for relation in node.getRelationSet():
        if relation.getRelationType() != pyatspi.RELATION_LABELLED_BY:
            continue
        for i in range(relation.getNTargets()):
            target = relation.getTarget(i)
            if target.getRole() == pyatspi.ROLE_LABEL and clean(target.name):
                return clean(target.name)
    return ""


def walk(node, out):
    """Controls shown below node, in tree order. The scroll bars of a scroll
    area sit in its containers (fillers) and are part of it; only stand-alone
    ones count."""
    inner = node.getRole() == pyatspi.ROLE_FILLER
    for child in node:
        if child is None:
            continue
        states = child.getState()
        if not states.contains(pyatspi.STATE_SHOWING):
            continue
        role = child.getRole()
        if role in CONTROLS and not (inner and role == pyatspi.ROLE_SCROLL_BAR):
            out.append((CONTROLS[role], spoken_name(child, role)))
        elif role in FOCUSABLE_ONLY and states.contains(pyatspi.STATE_FOCUSABLE):
            out.append((FOCUSABLE_ONLY[role], spoken_name(child, role)))
        if role in LEAVES:
            continue
        walk(child, out)


def window(title):
    for win in application():
        if win is not None and clean(win.name).startswith(title):
            return win
    sys.exit(4)


def focused(node):
    for child in node:
        if child is None:
            continue
        states = child.getState()
        if not states.contains(pyatspi.STATE_SHOWING):
            continue
        if states.contains(pyatspi.STATE_FOCUSED):
            # A box that hands its focus to a control inside (a button
            # box to its default button) says it is focused too.
            inner = None if child.getRole() in LEAVES else focused(child)
            return inner if inner is not None and inner.getRole() in CONTROLS else child
        # A tab bar's current tab says it is focused whether or not the bar
        # is: the bar itself tells.
        if child.getRole() in LEAVES or child.getRole() == pyatspi.ROLE_PAGE_TAB_LIST:
            continue
        found = focused(child)
        if found is not None:
            return found
    return None


def focus_now():
    for win in application():
        if win is None or not win.getState().contains(pyatspi.STATE_ACTIVE):
            continue
        node = focused(win)
        if node is None:
            return None
        extents = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        role = CONTROLS.get(node.getRole(), FOCUSABLE_ONLY.get(node.getRole(), node.getRoleName()))
        return (role, clean(node.name), extents.x, extents.y)
    return None


def tab_walk(limit):
    start = focus_now()
    if start is None:
        print("no control has the focus")
        sys.exit(5)
    print(f"{start[0]}\t{start[1]}")
    now = start
    for _ in range(limit):
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        before = now
        for _ in range(30):
            time.sleep(0.05)
            now = focus_now()
            if now != before:
                break
        if now == before:
            print(f"TRAP: Tab stays on {now[0]} {now[1]}")
            sys.exit(6)
        print(f"{now[0]}\t{now[1]}" if now else "none\t")
        if now == start:
            return
    print(f"the focus is not back after {limit} presses of Tab")
    sys.exit(5)


def main():
    command = sys.argv[1]
    if command == "bus":
        pyatspi.Registry.getDesktop(0).childCount
        return
    if command == "walk":
        tab_walk(int(sys.argv[2]))
        return
    if command == "windows":
        for win in application():
            if win is not None and win.getState().contains(pyatspi.STATE_SHOWING):
                print(clean(win.name))
    elif command == "controls":
        out = []
        walk(window(sys.argv[2]), out)
        for role, name in out:
            print(f"{role}\t{name}")
    elif command == "focus":
        now = focus_now()
        print(f"{now[0]}\t{now[1]}" if now else "none\t")


main()
