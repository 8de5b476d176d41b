"""Reaching the game through AT-SPI alone, as a screen reader does.

Every wait polls the accessibility tree until a condition holds or a
generous limit passes: the machine may be busy, so nothing here is timed.
"""
import os
import subprocess
import tempfile
import time

import gi
gi.require_version("Atspi", "2.0")
from gi.repository import GLib  # noqa: E402
import pyatspi  # noqa: E402

LIMIT_SECONDS = 90


class Failure(Exception):
    pass


def pump():
    """Delivers the events that arrived, without waiting for more."""
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def outline():
    """The game's tree as it stands, for a failure's report."""
    app = game()
    if app is None:
        return "(the game is not on the bus)"
    lines = []
    for node in walk(app):
        try:
            if node.getRoleName() not in ("list item",):
                lines.append("%s %r%s" % (node.getRoleName(), node.name, "" if showing(node) else " (hidden)"))
        except Exception as error:
            lines.append("(unreadable: %s)" % error)
    return "\n  ".join(lines)


def wait_for(what, find):
    """Polls `find` until it gives something true; fails naming `what` and
    showing the game's tree."""
    deadline = time.monotonic() + LIMIT_SECONDS
    while time.monotonic() < deadline:
        pump()
        try:
            found = find()
        except Exception:  # a part that vanished while it was read
            found = None
        if found:
            return found
        time.sleep(0.1)
    raise Failure("waited in vain for %s; the game showed:\n  %s" % (what, outline()))


def end(process):
    """Ends `process` as a logout would (SIGTERM), killing it if it hangs."""
    process.terminate()
    try:
        process.wait(timeout=60)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class Game:
    """The game, started by the test once it listens; its output is shown
    when the test fails."""

    def __init__(self):
        self.output = tempfile.TemporaryFile(mode="w+")
        self.process = subprocess.Popen([os.environ["ARCADE_VORPEX"]], stdout=self.output,
                                        stderr=subprocess.STDOUT)

    def stop(self):
        end(self.process)
        self.output.seek(0)
        return self.output.read()


def run(test):
    """Runs `test(started_game)`: exit status 0, or 1 with why it failed."""
    started = Game()
    try:
        test(started)
    except Failure as failure:
        print("FAILED:", failure)
        print("--- the game's output:\n" + started.stop())
        return 1
    started.stop()
    return 0


def game():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "arcade-vorpex":
            return app
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def states(node):
    return node.getState()


def showing(node):
    return states(node).contains(pyatspi.STATE_SHOWING)


def find(root, name=None, role=None, shown=True, starts=None):
    """The first part under `root` with that name (or name start) and role."""
    for node in walk(root):
        if name is not None and node.name != name:
            continue
        if starts is not None and not (node.name or "").startswith(starts):
            continue
        if role is not None and node.getRoleName() != role:
            continue
        if shown and not showing(node):
            continue
        return node
    return None


def find_all(root, role, shown=True):
    return [n for n in walk(root) if n.getRoleName() == role and (not shown or showing(n))]


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i).lower() in ("press", "click", "activate"):
            action.doAction(i)
            return
    raise Failure("%r has no press action" % node.name)


class Announcements:
    """What the game tells as notifications appearing, in order, and the
    names of the parts it tells were checked."""

    def __init__(self):
        self.told = []
        self.checked = []
        pyatspi.Registry.registerEventListener(self._showing, "object:state-changed:showing")
        pyatspi.Registry.registerEventListener(self._checked, "object:state-changed:checked")

    def _showing(self, event):
        if event.detail1 and event.source.getRoleName() == "notification":
            self.told.append(event.source.name)

    def _checked(self, event):
        if event.detail1:
            self.checked.append(event.source.name)

    def wait_for(self, text):
        return wait_for("the announcement %r (heard: %r)" % (text, self.told), lambda: text in self.told)
