#!/usr/bin/python3
"""Walks the running utility's window through AT-SPI, visiting every page of
both modes and the about box, and fails on any control a person can act on
that has no accessible name. Started by run_atspi_walk.sh."""

import configparser
import os
import subprocess
import sys
import time

import pyatspi

ACTIONABLE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE,
    pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_PAGE_TAB_LIST,
    pyatspi.ROLE_SLIDER, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM,
}
# Parts of a control that carry the control's own name, not controls of their own.
PARTS = {pyatspi.ROLE_SCROLL_BAR}
DEADLINE = 20.0


def wait_for(what, condition, window=None):
    end = time.monotonic() + DEADLINE
    while time.monotonic() < end:
        try:
            found = condition()
        except Exception:  # the tree changes under the walk while a page is built
            found = None
        if found:
            return found
        time.sleep(0.05)
    shots = os.environ.get("ORV_ATSPI_SHOTS")
    if shots:
        subprocess.run(["import", "-window", "root", os.path.join(shots, "failure.png")])
    if window is not None:  # what was there instead
        for _, path in nodes(window):
            print(" > ".join(path))
    sys.exit(f"FAIL: timed out waiting for {what}")


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def sensitive(node):
    return node is not None and node.getState().contains(pyatspi.STATE_SENSITIVE)


def nodes(node, path=()):
    """Every showing node below node, with its path of roles and names."""
    for child in node:
        if child is None or not showing(child):
            continue
        here = path + (f"{child.getRoleName()} '{child.name}'",)
        yield child, here
        if child.getRole() not in PARTS:
            yield from nodes(child, here)


def unnamed(window):
    missing = []
    for node, path in nodes(window):
        if node.getRole() in ACTIONABLE and not node.name.strip():
            if node.getRole() in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM) and \
                    node.getState().contains(pyatspi.STATE_INVISIBLE):
                continue
            missing.append(" > ".join(path))
    return missing


def find(window, role, name):
    for node, _ in nodes(window):
        if node.getRole() == role and node.name == name:
            return node
    return None


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("Press", "press", "click", "SetFocus"):
            action.doAction(i)
            return
    action.doAction(0)


class Walk:
    def __init__(self, program, strings):
        self.program = program
        self.texts = configparser.ConfigParser(interpolation=None, strict=False)
        self.texts.optionxform = str
        self.texts.read(strings, encoding="utf-8")
        self.failures = []
        self.visited = []

    def text(self, section, key, default):
        return self.texts.get(section, key, fallback=default)

    def app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == self.program:
                return app
        return None

    def window(self, title=None):
        for frame in self.app() or []:
            if frame is not None and showing(frame) and (title is None or frame.name == title):
                return frame
        return None

    def check(self, where, window):
        self.visited.append(where)
        shots = os.environ.get("ORV_ATSPI_SHOTS")
        if shots:
            name = "".join(c if c.isalnum() else "_" for c in where)
            subprocess.run(["import", "-window", "root",
                            os.path.join(shots, f"{len(self.visited):02d}_{name}.png")], check=True)
        for path in unnamed(window):
            self.failures.append(f"{where}: {path}")

    def open_page(self, window, tab, landmark):
        tab_node = wait_for(f"the tab '{tab}'", lambda: find(window, pyatspi.ROLE_PUSH_BUTTON, tab))
        press(tab_node)
        role, name = landmark
        wait_for(f"the page of '{tab}'", lambda: find(window, role, name), window)
        self.check(f"page '{tab}'", window)

    def run(self, title):
        main = wait_for("the main window", lambda: self.window(title))
        fm = "FormMain"
        # The pages other than the link page open only once the adapter is bound,
        # and the mode buttons are enabled from then on.
        wait_for("the adapter", lambda: sensitive(
            find(main, pyatspi.ROLE_PUSH_BUTTON, self.text(fm, "BtnSoftAP", "AP Mode"))))
        station = [
            (self.text(fm, "LbLinkInfo", "Link Info"),
             (pyatspi.ROLE_PUSH_BUTTON, self.text("FrameLinkInfo", "BtnTChart", "Chart"))),
            (self.text(fm, "LbSiteSurvey", "Site Survey"),
             (pyatspi.ROLE_PUSH_BUTTON, self.text("FrameSurvey", "BtnScan", "Scan"))),
            (self.text(fm, "LbProfile", "Profile"),
             (pyatspi.ROLE_PUSH_BUTTON, self.text("FrameProfile", "BtnAdd", "Add"))),
            (self.text(fm, "LbAdapter", "Adapter"),
             (pyatspi.ROLE_LABEL, self.text("FrameAdapter", "LbSetting", "Adapter Setting"))),
        ]
        for tab, landmark in station:
            self.open_page(main, tab, landmark)

        ap_mode = wait_for("the AP mode button",
                           lambda: find(main, pyatspi.ROLE_PUSH_BUTTON, self.text(fm, "BtnSoftAP", "AP Mode")))
        press(ap_mode)
        access_point = [
            (self.text(fm, "LbAPInfo", "Link Info"),
             (pyatspi.ROLE_PUSH_BUTTON, self.text("FrameAPInfo", "BtnRefresh", "Refresh"))),
            (self.text(fm, "LbAPCfg", "Configuration"),
             (pyatspi.ROLE_PUSH_BUTTON, self.text("FrameAPCfg", "BtnShare", "Share"))),
            (self.text(fm, "LbAPFilter", "MAC Filter"),
             (pyatspi.ROLE_LABEL, self.text("FrameAPFilter", "LbType", "Filter Type"))),
        ]
        wait_for("the access point pages",
                 lambda: find(main, pyatspi.ROLE_PUSH_BUTTON, access_point[1][0]))
        for tab, landmark in access_point:
            self.open_page(main, tab, landmark)

        about = wait_for("the About button", lambda: find(main, pyatspi.ROLE_PUSH_BUTTON,
                                                          self.text(fm, "BtnAbout", "About")))
        press(about)
        box = wait_for("the about box", lambda: self.other_window(main))
        self.check("about box", box)
        press(wait_for("the about box's close button",
                       lambda: find(box, pyatspi.ROLE_PUSH_BUTTON,
                                    self.text("FormAbout", "BtnClose", "Close"))))
        wait_for("the about box to close", lambda: self.other_window(main) is None)

        press(wait_for("the station mode button",
                       lambda: find(main, pyatspi.ROLE_PUSH_BUTTON,
                                    self.text(fm, "BtnStation", "Station Mode"))))
        self.open_page(main, station[2][0], station[2][1])
        self.wizard(main)

    def other_window(self, main):
        index = main.getIndexInParent()
        for frame in self.app():
            if frame is not None and showing(frame) and frame.getIndexInParent() != index:
                return frame
        return None

    def wizard(self, main):
        nt = "FrameNetType"
        press(find(main, pyatspi.ROLE_PUSH_BUTTON, self.text("FrameProfile", "BtnAdd", "Add")))
        next_name = self.text(nt, "BtnNext", "Next")
        next_button = wait_for("the wizard", lambda: find(main, pyatspi.ROLE_PUSH_BUTTON, next_name))
        self.check("wizard: network type", main)
        edits = [n for n, _ in nodes(main) if n.getRole() == pyatspi.ROLE_TEXT]
        if len(edits) < 2:
            sys.exit("FAIL: the network type page has no name and SSID edits")
        edits[0].queryEditableText().setTextContents("")
        press(next_button)  # with no profile name: the message box says so
        box = wait_for("the message box", lambda: self.other_window(main))
        self.check("message box", box)
        press(wait_for("the message box's OK button",
                       lambda: find(box, pyatspi.ROLE_PUSH_BUTTON,
                                    self.text("BtnCaption", "BtnOk", "Ok"))))
        wait_for("the message box to close", lambda: self.other_window(main) is None)
        for edit, value in zip(edits, ("Walk", "WalkNet")):
            edit.queryEditableText().setTextContents(value)
        press(next_button)
        back_name = self.text("FrameWlMode", "BtnBack", "Back")
        wait_for("the wireless mode page", lambda: find(main, pyatspi.ROLE_PUSH_BUTTON, back_name))
        self.check("wizard: wireless mode", main)
        press(wait_for("the wizard's Exit button",
                       lambda: find(main, pyatspi.ROLE_PUSH_BUTTON,
                                    self.text("FrameWlMode", "BtnExit", "Exit"))))


def main():
    program, strings, title = sys.argv[1:4]  # the application is named by its title
    walk = Walk(program, strings)
    walk.run(title)
    for failure in walk.failures:
        print(f"FAIL unnamed control on {failure}")
    print(f"visited: {', '.join(walk.visited)}")
    return 1 if walk.failures else 0


if __name__ == "__main__":
    sys.exit(main())
