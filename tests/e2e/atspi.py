#!/usr/bin/env python3
"""Reads the program's accessibility tree on the AT-SPI bus.

  atspi.py ready PID          exits 0 once the program is on the bus
  atspi.py tree PID           prints every object: role, name, relations
  atspi.py expect PID CHECK   exits 1 with a reason unless CHECK holds:
                              main     the main window's fields and links
                              about    the About window and its links
                              message  the message window
  atspi.py press PID NAME     does the press action of the object NAME
"""
import sys

import pyatspi


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def walk(node, depth=0):
    yield node, depth
    for child in node:
        if child is not None:
            yield from walk(child, depth + 1)


def describe(node):
    relations = ["%s:%s" % (r.getRelationType().value_nick,
                            ",".join(r.getTarget(i).name for i in range(r.getNTargets())))
                 for r in node.getRelationSet()]
    try:
        action = node.queryAction()
        actions = [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        actions = []
    return "%s %r %s %s" % (node.getRoleName(), node.name, " ".join(relations), actions)


def objects(app):
    return [node for node, _ in walk(app)]


def window(app, role, title):
    for node in app:
        if node is not None and node.getRoleName() == role and node.name == title:
            return node
    raise SystemExit("no %s titled %r among %s" % (role, title, [describe(n) for n in app]))


def by_role(node, role):
    return [n for n, _ in walk(node) if n.getRoleName() == role]


def expect_main(app):
    main = window(app, "frame", "Zazudedid Idarero")
    fields = by_role(main, "text")
    names = sorted(f.name for f in fields)
    if names != ["% of", "What's"]:
        raise SystemExit("fields are named %r" % names)
    for field in fields:
        labelled = [r for r in field.getRelationSet()
                    if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        if not labelled or labelled[0].getTarget(0).name != field.name:
            raise SystemExit("field %r has no labelled-by relation" % field.name)
    links = [l.name for l in by_role(main, "link")]
    if links != ["www.example.com"]:
        raise SystemExit("links: %r" % links)


def expect_about(app):
    about = window(app, "dialog", "About")
    links = sorted(l.name for l in by_role(about, "link"))
    if len(links) != 2 or "www.example.com" not in links:
        raise SystemExit("About links: %r" % links)


def expect_message(app):
    dialogs = [n for n in app if n is not None and n.getRoleName() == "dialog"]
    if len(dialogs) != 1:
        raise SystemExit("dialogs: %r" % [describe(n) for n in app])


def press(app, name):
    for node in objects(app):
        if node.name == name:
            action = node.queryAction()
            for i in range(action.nActions):
                if action.getName(i).lower() == "press":
                    action.doAction(i)
                    return
    raise SystemExit("nothing named %r can be pressed" % name)


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    app = application(int(sys.argv[2]))
    if app is None:
        sys.exit("the program is not on the accessibility bus")
    command = sys.argv[1]
    if command == "ready":
        return
    if command == "tree":
        for node, depth in walk(app):
            print("  " * depth + describe(node))
    elif command == "expect" and len(sys.argv) == 4:
        {"main": expect_main, "about": expect_about, "message": expect_message}[sys.argv[3]](app)
    elif command == "press" and len(sys.argv) == 4:
        press(app, sys.argv[3])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main()
