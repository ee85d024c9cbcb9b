"""The program's windows as the monkey knows them: what each one is, where
its controls lie, and the random actions it gets.

Every place is in window pixels (FLTK at scale 1 under Xvfb, no window
manager, so a window's X geometry is its client area)."""
import time

MAIN_TITLE = "Tavilo 4.02"
COPY_TITLE = "Datei(en) kopieren"
CHOOSER_TITLES = ("Neuen Ordner auswählen oder erstellen", "Ordner auswählen", "Select Folder")
INFO_TITLES = ("Info über Tavilo", "Info")
IMAGE_PREFIX = "Image: "
# FLTK's file chooser for the image window's "Kopieren nach...": it neither
# deletes nor asks questions of its own.
FILES_TITLE = "Image kopieren nach..."

# The copy window's controls: left, top, width, height.
COPY_CONTROLS = {
    "source tree": (11, 42, 166, 122), "source drives": (11, 168, 167, 19), "source up": (180, 43, 23, 22),
    "tree box": (207, 25, 14, 15), "tree label": (223, 26, 170, 14), "source all": (376, 44, 23, 22),
    "source files": (205, 42, 166, 146), "target up": (180, 228, 23, 22), "new folder": (180, 251, 23, 22),
    "delete folder": (180, 275, 23, 22), "target all": (376, 229, 23, 22), "delete files": (376, 253, 23, 22),
    "target tree": (11, 228, 166, 98), "target files": (205, 228, 166, 122), "target drives": (11, 329, 167, 19),
    "start": (64, 363, 131, 28), "close": (207, 362, 131, 28),
}
# What can move the copy window's source side away from its small start.
SOURCE_MOVERS = ("source tree", "source drives", "source up")
CHOOSER_CONTROLS = {
    "name": (94, 5, 283, 21), "new folder": (383, 5, 25, 23), "up": (383, 32, 25, 25), "files": (8, 63, 169, 164),
    "tree": (183, 63, 226, 140), "drives": (183, 207, 226, 20), "filter": (8, 232, 170, 20), "ok": (205, 235, 85, 25),
    "cancel": (300, 235, 85, 25),
}
# Folder names with odd characters for the folder chooser; no "j" or "y",
# which answer "Ja" in a question that may have come up meanwhile.
ODD_NAMES = ["neu", "Neuer Ordner", "a b  c", "ÄÖÜ äöü ß", "€uro", "日本語", "x" * 300, ".", "..", "../raus", "a/b",
             "/abs", "\\\\back\\slash", "*?<>|", "\"quoted\"", "'q'", "$(echo)", "`id`", "-rf", " vorn", "hinten ",
             "%s%n", "tab\tx", "...", "~", "&amp", "con", "nul.txt", "a:b", "\u202eRTL"]
KEYS = ["Up", "Down", "Home", "End", "Prior", "Next", "Escape", "Tab", "shift+Tab", "Return", "space", "a", "F1",
        "Left", "Right", "alt+F4", "ctrl+c", "ctrl+a", "Delete", "BackSpace", "Insert", "F5", "Menu"]
# Keys that may press the focused button: not on the copy window while its
# source side may be large.
PRESSING_KEYS = ("Return", "space", "KP_Enter")


def kind_of(w):
    if w["override"]:
        return "menu"
    name = w["name"]
    if name == MAIN_TITLE:
        return "main"
    if name == COPY_TITLE:
        return "copy"
    if name in CHOOSER_TITLES:
        return "chooser"
    if name in INFO_TITLES:
        return "info"
    if name.startswith(IMAGE_PREFIX):
        return "image"
    if name == FILES_TITLE:
        return "files"
    return "dialog"


def active_window(windows):
    """The window that takes input now: the top of the modal stack (the copy,
    info and image windows and every dialog are modal), else the main window."""
    by_kind = {}
    for w in windows:
        by_kind.setdefault(kind_of(w), []).append(w)
    for kind in ("dialog", "files", "chooser", "info", "image", "copy", "main"):
        if kind in by_kind:
            return kind, by_kind[kind][-1]
    return None, None


def in_rect(window, rect, rng):
    x, y, w, h = rect
    return window["x"] + x + rng.randrange(max(1, w)), window["y"] + y + rng.randrange(max(1, h))


def control_at(controls, window, x, y):
    for name, (cx, cy, cw, ch) in controls.items():
        if window["x"] + cx <= x < window["x"] + cx + cw and window["y"] + cy <= y < window["y"] + cy + ch:
            return name
    return None


class DeletionQuestion:
    """A message window's text, read through its Ctrl+C, and what it asks."""

    def __init__(self, text):
        self.text = text

    @property
    def deletes(self):
        return self.text is None or "LÖSCHEN" in self.text or "löschen ?" in self.text.lower()

    def folder(self):
        """The folder that the question names, or None (the selected files
        question names none)."""
        if not self.text:
            return None
        lines = [line for line in self.text.split("\n")]
        for i, line in enumerate(lines):
            if line.strip() == "Ordner":
                rest = [x for x in lines[i + 1:] if x.strip()]
                return rest[0] if rest else None
        return None


def read_text(run, w):
    """The text of message window `w` (its Ctrl+C), or None."""
    display = run.display
    display.clipboard_clear()
    display.xdo("mousemove", str(w["x"] + w["w"] // 2), str(w["y"] + 4), "key", "ctrl+c")
    until = time.monotonic() + 5
    while time.monotonic() < until and run.alive():
        text = display.clipboard()
        if text is not None:
            return text
        time.sleep(0.05)
    return None
