#!/usr/bin/python3
"""Prints what a screen reader finds of a running program through AT-SPI, one accessible
per line: its depth as indentation, its role, then its name in quotes.

  atspi_tree.py PROGRAM [SECONDS]   waits up to SECONDS (10) for PROGRAM on the bus
  atspi_tree.py --focus SECONDS     prints "listening", then, for SECONDS, each accessible that
                                    takes the focus, after what holds it: 'menu "M" > menu item "I"' (popup
                                    menus are no window's child: they are heard so)
  atspi_tree.py --check PROGRAM [WINDOW]
                                    fails on a control of a shown window (or only of WINDOW)
                                    that has no name (of its own or from the label it is
                                    labelled by) or shares its role and name with another
                                    control of that window; prints "controls N nameless M
                                    duplicates K" and one line per caption with text,
                                    "x y width height role name", for checking on screen that
                                    no caption is cut off
  atspi_tree.py --extents PROGRAM ROLE NAME   "x y width height" of that shown accessible
"""
import sys
import time

import pyatspi
from gi.repository import GLib


def find(program, seconds):
    """The program's accessible application; exits when it does not come within seconds."""
    end = time.monotonic() + seconds
    while True:
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name.lower() == program.lower() and app.childCount > 0:
                return app
        if time.monotonic() > end:
            sys.exit(f"atspi_tree: no program '{program}' on the accessibility bus")
        time.sleep(0.1)


def shown(node, depth=0):
    """(accessible, depth) for the node and what of it shows, in reading order; the
    application's windows are told even when hidden."""
    try:
        showing = node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:  # gone while being read
        return
    if not showing and depth > 1:
        return
    yield node, depth
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from shown(child, depth + 1)


CONTROLS = {"push button", "check box", "radio button", "combo box", "text", "password text",
            "spin button", "slider", "toggle button", "list", "tree", "table", "page tab",
            "entry", "menu item", "check menu item", "radio menu item"}
CAPTIONS = {"label", "check box", "radio button"}


def heard_name(node):
    """The name a screen reader says first: its labels' (a list's own name is its current
    value), else the control's own."""
    names = []
    for relation in node.getRelationSet():
        if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
            for i in range(relation.getNTargets()):
                names.append(relation.getTarget(i).name.strip())
    return " ".join(n for n in names if n) or node.name.strip()


def check(program, only=None):
    app = find(program, 10)
    controls = nameless = duplicates = 0
    captions = []
    for w in range(app.childCount):
        window = app.getChildAtIndex(w)
        if window is None or not window.getState().contains(pyatspi.STATE_SHOWING):
            continue
        if only is not None and window.name != only:
            continue
        seen = set()
        for node, _ in shown(window, 1):
            role = node.getRoleName()
            if role in CONTROLS:
                controls += 1
                name = heard_name(node)
                if not name:
                    nameless += 1
                    print(f"nameless {role} in \"{window.name}\"", file=sys.stderr)
                elif (role, name) in seen:
                    duplicates += 1
                    print(f"duplicate {role} \"{name}\" in \"{window.name}\"", file=sys.stderr)
                seen.add((role, name))
            if role in CAPTIONS and node.name.strip():
                e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                # a box or button with no text of its own is about as wide as high
                if role == "label" or e.width > 2 * e.height:
                    kind = role.replace(" ", "_")
                    text = " ".join(node.name.split())
                    captions.append(f"{e.x} {e.y} {e.width} {e.height} {kind} {text}")
    print(f"controls {controls} nameless {nameless} duplicates {duplicates}")
    print("\n".join(captions))
    return 0 if controls and not nameless and not duplicates else 1


def extents(program, role, name):
    for node, _ in shown(find(program, 10)):
        if node.getRoleName() == role and node.name == name:
            e = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            print(e.x, e.y, e.width, e.height)
            return 0
    return 1


def print_focus(seconds):
    def heard(event):
        if event.detail1:
            try:
                parent = event.source.parent
                within = f"{parent.getRoleName()} \"{parent.name}\" > " if parent else ""
                print(f"{within}{event.source.getRoleName()} \"{event.source.name}\"", flush=True)
            except Exception:
                pass

    pyatspi.Registry.registerEventListener(heard, "object:state-changed:focused")

    def listening():
        print("listening", flush=True)  # what a caller waits for before it moves the focus
        return False

    GLib.idle_add(listening)
    GLib.timeout_add(int(seconds * 1000), pyatspi.Registry.stop)
    pyatspi.Registry.start()


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    if sys.argv[1] == "--extents":
        sys.exit(extents(*sys.argv[2:5]))
    if sys.argv[1] == "--check":
        sys.exit(check(sys.argv[2], sys.argv[3] if len(sys.argv) > 3 else None))
    if sys.argv[1] == "--focus":
        print_focus(float(sys.argv[2]))
        return
    app = find(sys.argv[1], float(sys.argv[2]) if len(sys.argv) > 2 else 10)
    # Read whole, then written at once: a reader that stops at the line it wants (grep -q
    # under pipefail) must not break the walk half-way.
    tree = [f"{'  ' * depth}{node.getRoleName()} \"{node.name}\"" for node, depth in shown(app)]
    print("\n".join(tree))


if __name__ == "__main__":
    main()
