#!/usr/bin/python3
"""What a screen reader sees of the running program, read over AT-SPI.

    accessible_tree.py PID tab INDEX   lists the window's accessible tree and
                                       checks the controls of selected tab INDEX
    accessible_tree.py PID message     presses the arrow button with both
                                       query boxes empty, reads the error box
                                       and closes it through its own button
    accessible_tree.py PID about       presses the About button, reads the
                                       About window and closes it with Esc
    accessible_tree.py PID keys K...   presses the keys K (xdotool names) and
                                       prints the page tabs that gained the
                                       focus meanwhile, one a line

Exits 1 with the reason on a failed check. Every wait is bounded; the whole
run is cut off after a minute.
"""

import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

# The controls of a tab as a screen reader lists them: role and name. A name
# ending in "*" is matched by its beginning.
TAB_CONTROLS = {
    0: [
        ("label", "СЕГМ"),
        ("text", "Сегмент"),
        ("label", "."),
        ("text", "Шаг"),
        ("label", "."),
        ("push button", "Найти описание неисправности"),
        ("image", "Обложка"),
    ],
    6: [
        ("image", "Фото любимой АТС"),
        ("panel", "Ссылка на сайт"),
        ("image", "Сайт КВАНТ"),
        ("label", "http*"),
        ("text", "Easter egg"),
        ("panel", "Ссылка на форум"),
        ("image", "Форум КВАНТ"),
        ("label", "http*"),
        ("label", "Здесь ссылки на  две лучшие веб-страницы*"),
    ],
    7: [
        ("image", "Фото"),
        ("label", "Иногда   Квант*"),
        ("push button", "Прочитать файл readme.txt"),
        ("push button", "О программе"),
    ],
    8: [
        ("push button", "Справка по типам УТП"),
    ],
}

TAB_CAPTIONS = [
    "Сегменты", "Типы оборудования", "Микротесты ЭУМ",
    "Импульсный тракт", "БГ, ВВК, УВП", "УСК",
    "Ссылки", "О программе", "P. S.: УТП",
]

# Roles that tell a screen reader nothing about what a control is.
VAGUE_ROLES = {"filler", "unknown", "invalid", "redundant object"}

MISSING_SEGMENT = "Вы забыли ввести номер сегмента"


def fail(reason):
    print("FAIL: " + reason, file=sys.stderr)
    sys.exit(1)


def wait_for(what, probe, seconds=20.0):
    """Calls probe until it returns something true; the bus may be slow to
    hear of a new window, and a call may fail while a window is torn down."""
    deadline = time.monotonic() + seconds
    while True:
        try:
            found = probe()
            if found:
                return found
        except Exception:  # a stale object or a slow reply: ask again
            pass
        if time.monotonic() > deadline:
            fail("timed out waiting for " + what)
        time.sleep(0.1)


def children(accessible):
    result = []
    for index in range(accessible.childCount):
        child = accessible.getChildAtIndex(index)
        if child is not None:
            result.append(child)
    return result


def showing(accessible):
    return accessible.getState().contains(pyatspi.STATE_SHOWING)


def program(pid):
    def probe():
        desktop = pyatspi.Registry.getDesktop(0)
        for application in children(desktop):
            if application.get_process_id() == pid:
                application.clearCache()
                return application
        return None
    return wait_for("the program on the accessibility bus", probe)


def window_named(application, name, role):
    def probe():
        application.clearCache()
        for window in children(application):
            if window.name == name and window.getRoleName() == role and showing(window):
                return window
        return None
    return wait_for("a %s named %r" % (role, name), probe)


def descendants(accessible, depth=0):
    """Every showing descendant, depth first, with its depth."""
    for child in children(accessible):
        if showing(child):
            yield depth, child
            yield from descendants(child, depth + 1)


def matches(expected, name):
    if expected.endswith("*"):
        return name.startswith(expected[:-1])
    return name == expected


def print_tree(window):
    print("[%s] %s" % (window.getRoleName(), window.name))
    for depth, accessible in descendants(window):
        line = accessible.name.replace("\r\n", " / ")
        if len(line) > 70:
            line = line[:70] + "…"
        description = accessible.description
        print("%s[%s] %s%s" % ("    " * (depth + 1), accessible.getRoleName(), line,
                               "  (" + description + ")" if description and description != accessible.name else ""))


def check_tab(application, index):
    window = window_named(application, "Зорналит", "frame")
    strip = wait_for("the page tab list", lambda: next(
        (child for child in children(window) if child.getRoleName() == "page tab list"), None))

    def selected_is_index():
        tabs = [child for child in children(strip) if child.getRoleName() == "page tab"]
        selected = [tab for tab in tabs if tab.getState().contains(pyatspi.STATE_SELECTED)]
        return tabs if len(selected) == 1 and selected[0].name == TAB_CAPTIONS[index] else None
    tabs = wait_for("tab %r to be the selected page tab" % TAB_CAPTIONS[index], selected_is_index, 10)
    print_tree(window)

    if [tab.name for tab in tabs] != TAB_CAPTIONS:
        fail("the page tabs are %r" % [tab.name for tab in tabs])

    controls = [(accessible.getRoleName(), accessible.name)
                for _, accessible in descendants(strip) if accessible.getRoleName() != "page tab"]
    for role, name in controls:
        if not name.strip():
            fail("a %s on tab %d has no name" % (role, index))
        if role in VAGUE_ROLES:
            fail("%r on tab %d has the vague role %r" % (name, index, role))
    expected = TAB_CONTROLS[index]
    if len(controls) != len(expected) or not all(
            role == want_role and matches(want_name, name)
            for (role, name), (want_role, want_name) in zip(controls, expected)):
        fail("tab %d shows %r, expected %r" % (index, controls, expected))

    # Apart from the page tabs, nothing else of the window may be on show:
    # the hidden multimedia control least of all.
    strays = [(accessible.getRoleName(), accessible.name)
              for accessible in children(window) if accessible is not strip and showing(accessible)]
    if strays:
        fail("besides the tab control the window shows %r" % strays)

    if index == 0:
        check_query_boxes(strip)


def check_query_boxes(strip):
    """The segment box stands left of the step box, as the names say."""
    boxes = {accessible.name: accessible for _, accessible in descendants(strip)
             if accessible.getRoleName() == "text"}
    segment, step = boxes.get("Сегмент"), boxes.get("Шаг")
    if segment is None or step is None:
        fail("the query boxes are named %r" % sorted(boxes))
    left = lambda box: box.queryComponent().getExtents(pyatspi.DESKTOP_COORDS).x
    if not left(segment) < left(step):
        fail("the box named Сегмент is not left of the box named Шаг")
    for box in (segment, step):
        if box.queryText().getText(0, -1) != "":
            fail("the box %s is not empty at start" % box.name)


def press(accessible):
    actions = accessible.queryAction()
    for index in range(actions.nActions):
        if actions.getName(index) in ("Press", "press", "click"):
            actions.doAction(index)
            return
    fail("%r offers no press action" % accessible.name)


def press_button(application, name):
    """Presses the main window's push button of that accessible name once it is there."""
    window = window_named(application, "Зорналит", "frame")
    button = wait_for("the button %r" % name, lambda: next(
        (accessible for _, accessible in descendants(window)
         if accessible.getRoleName() == "push button" and accessible.name == name), None))
    press(button)


def check_message(application):
    press_button(application, "Найти описание неисправности")

    def error_box():
        application.clearCache()
        for candidate in children(application):
            if candidate.name == "Ошибка!" and showing(candidate):
                return candidate
        return None
    box = wait_for("the error box", error_box, 10)
    print("[%s] %s" % (box.getRoleName(), box.name))
    texts = []
    for depth, accessible in descendants(box):
        print("%s[%s] %s" % ("    " * (depth + 1), accessible.getRoleName(), accessible.name))
        if accessible.getRoleName() == "label":
            texts.append(accessible.name)
    if MISSING_SEGMENT not in texts:
        fail("the error box reads %r, not %r" % (texts, MISSING_SEGMENT))
    label = next(accessible for _, accessible in descendants(box)
                 if accessible.getRoleName() == "label" and accessible.name == MISSING_SEGMENT)
    try:
        full_text = label.queryText().getText(0, -1)
    except NotImplementedError:
        full_text = None
    if full_text is not None and full_text != MISSING_SEGMENT:
        fail("the error text reads %r through the text interface" % full_text)

    buttons = [accessible for _, accessible in descendants(box) if accessible.getRoleName() == "push button"]
    if len(buttons) != 1 or not buttons[0].name.strip():
        fail("the error box has the buttons %r" % [button.name for button in buttons])
    button_name = buttons[0].name
    press(buttons[0])
    wait_for("the error box to close", lambda: error_box() is None, 10)
    print("closed by its %r button" % button_name)


def check_about(application):
    press_button(application, "О программе")
    # The title bar of the About window is blank; its accessible name is not.
    about = window_named(application, "О программе", "frame")
    print_tree(about)
    pictures = [accessible.name for _, accessible in descendants(about) if accessible.getRoleName() == "image"]
    if pictures != ["Картинка «О программе»"]:
        fail("the About window shows the pictures %r" % pictures)
    subprocess.run(["xdotool", "key", "Escape"], check=True, timeout=20)

    def closed():
        application.clearCache()
        return not any(child.name == "О программе" and showing(child) for child in children(application))
    wait_for("the About window to close on Esc", closed, 10)


def focused_page_tabs_while_pressing(keys):
    """The names of the page tabs that a screen reader hears taking the
    focus while the keys are pressed."""
    focused = []

    def heard(event):
        try:
            if event.detail1 == 1 and event.source.getRoleName() == "page tab":
                focused.append(event.source.name)
        except Exception:  # the source went away meanwhile
            pass

    def press_keys():
        subprocess.run(["xdotool", "key", "--delay", "300"] + keys, check=True, timeout=20)
        GLib.timeout_add(1000, lambda: pyatspi.Registry.stop() or False)
        return False

    pyatspi.Registry.registerEventListener(heard, "object:state-changed:focused")
    # The program learns of a new listener through the registry: give it a
    # moment before the keys go.
    GLib.timeout_add(1500, press_keys)
    pyatspi.Registry.start()
    pyatspi.Registry.deregisterEventListener(heard, "object:state-changed:focused")
    return focused


def main():
    signal.alarm(60)
    pyatspi.setTimeout(5000, 15000)
    if len(sys.argv) < 3:
        fail(__doc__)
    application = program(int(sys.argv[1]))
    if sys.argv[2] == "tab" and len(sys.argv) == 4:
        check_tab(application, int(sys.argv[3]))
    elif sys.argv[2] == "message":
        check_message(application)
    elif sys.argv[2] == "about":
        check_about(application)
    elif sys.argv[2] == "keys" and len(sys.argv) > 3:
        for name in focused_page_tabs_while_pressing(sys.argv[3:]):
            print(name)
    else:
        fail(__doc__)


if __name__ == "__main__":
    main()
