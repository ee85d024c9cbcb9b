"""The monkey's random actions in each window of the program (a base of the
monkey's Run: it brings rng, display, log, alive, sandbox, dir and proc)."""
import time

from monkey_windows import (CHOOSER_CONTROLS, COPY_CONTROLS, KEYS, ODD_NAMES, PRESSING_KEYS, SOURCE_MOVERS,
                            DeletionQuestion, active_window, control_at, in_rect, kind_of, read_text)

LIST_MENUS = ("source tree", "target tree", "source files", "target files")


class Actions:
    def init_actions(self):
        self.reached = set()
        self.answers = {"Ja": 0, "Nein": 0}
        self.copy_id = None
        self.source_small = False  # the copy window's source side is still at its small start
        self.menu_may_copy = False  # the open menu is the copy window's own, with "Start kopieren"
        self.last_kind = None
        self.made_target = False  # the chooser made and chose a folder: the copy window's target

    def point_in(self, w):
        return w["x"] + self.rng.randrange(max(1, w["w"])), w["y"] + self.rng.randrange(max(1, w["h"]))

    def settle(self, limit=3.0):
        """Waits until the window list stays the same for a moment: a window
        that the last action opens is known before the next one."""
        until = time.monotonic() + limit
        last = None
        while time.monotonic() < until and self.alive():
            now = [(w["id"], w["x"], w["y"], w["w"], w["h"]) for w in self.display.windows()]
            if now == last:
                return
            last = now
            time.sleep(0.03)

    def press(self, x, y, button, count):
        """`count` presses of `button` at x, y; a later press only while no
        question came up (it would land on the question)."""
        for i in range(count):
            if i:
                self.settle(0.3)
                if any(kind_of(w) == "dialog" for w in self.display.windows()):
                    self.log("  a question came up: no further press")
                    return
            self.display.xdo("mousemove", str(x), str(y), "click", str(button))

    def random_input(self, w, x, y, keys=KEYS):
        rng = self.rng
        kind = rng.choices(["click", "double", "triple", "right", "key", "drag", "wheel"],
                           [32, 12, 3, 12, 25, 6, 8])[0]
        self.log(f"{kind} at {x - w['x']},{y - w['y']} in {w['name'] or 'menu'}")
        if kind in ("click", "double", "triple"):
            self.press(x, y, 1, {"click": 1, "double": 2, "triple": 3}[kind])
        elif kind == "right":
            self.press(x, y, 3, 1)
        elif kind == "key":
            key = rng.choice(keys)
            self.log(f"  key {key}")
            self.display.xdo("mousemove", str(x), str(y), "key", key)
        elif kind == "drag":
            self.display.xdo("mousemove", str(x), str(y), "mousedown", "1", "mousemove_relative", "--",
                             str(rng.randint(-80, 80)), str(rng.randint(-80, 80)), "mouseup", "1")
        else:
            self.display.xdo("mousemove", str(x), str(y), "click", "--repeat", str(rng.randint(1, 6)), "--delay",
                             "20", rng.choice(["4", "5"]))
        return kind

    def act(self):
        """One action in the window that takes input now; False when there is none."""
        windows = self.display.windows()
        kind, w = active_window(windows)
        if w is None:
            return False
        self.reached.add(kind)
        if kind == "copy" and (w["id"] != self.copy_id or self.last_kind in ("dialog", "chooser")):
            # Shown afresh, or active again after a dialog: the source side is back at its start.
            self.copy_id = w["id"]
            self.source_small = True
        self.last_kind = kind
        menus = [m for m in windows if m["override"] and m["w"] > 40 and m["h"] > 20]
        if menus:
            self.reached.add("menu")
        if kind == "dialog":
            self.act_dialog(w)
        elif menus and self.rng.random() < 0.7:
            self.act_menu(menus[-1])
        else:
            {"main": self.act_main, "copy": self.act_copy, "chooser": self.act_chooser, "info": self.act_plain, "files": self.act_plain,
             "image": self.act_image}[kind](w)
        self.settle()
        return True

    def act_menu(self, menu):
        if self.menu_may_copy and not self.source_small:
            self.log("Escape for the copy window's menu: its source may be a large tree")
            self.display.xdo("key", "Escape")
            return
        x, y = self.point_in(menu)
        self.log(f"click at {x - menu['x']},{y - menu['y']} in a menu")
        self.display.xdo("mousemove", str(x), str(y), "click", "1")

    def act_main(self, w):
        self.menu_may_copy = False
        if self.rng.random() < 0.2:
            # The row of the buttons (Installieren, Starten, Kopieren, CD durchsuchen): the ways to the copy window.
            # Four buttons of 100 pixels from the middle less 215, above the status bar:
            # "Kopieren" and "CD durchsuchen" last.
            left = self.rng.choice([w["w"] // 2 + 115, w["w"] // 2 + 115, w["w"] // 2 + 5, 0])
            x, y = in_rect(w, (left, w["h"] - 52, 100 if left else w["w"], 22), self.rng)
            self.log(f"click at {x - w['x']},{y - w['y']} in the button row")
            self.press(x, y, 1, 1)
            return
        if self.rng.random() < 0.1:
            # The picture panel below the group list: the way to the image window.
            x, y = in_rect(w, (10, w["h"] * 55 // 100, w["w"] * 35 // 100, w["h"] * 35 // 100), self.rng)
            self.log(f"click at {x - w['x']},{y - w['y']} where the picture panel lies")
            self.press(x, y, 1, 1)
            return
        self.random_input(w, *self.point_in(w))

    def act_plain(self, w):
        self.menu_may_copy = False
        if self.rng.random() < 0.08:
            self.log(f"close box of {w['name']}")
            self.display.close(w["id"])
            return
        self.random_input(w, *self.point_in(w))

    def act_image(self, w):
        rng = self.rng
        r = rng.random()
        wid = str(int(w["id"], 16))
        if r < 0.3:
            size = (rng.randint(1, 1280), rng.randint(1, 1024))
            self.log(f"resize the image window to {size[0]}x{size[1]}")
            self.display.xdo("windowsize", wid, str(size[0]), str(size[1]))
        elif r < 0.5:
            self.log("maximise the image window (the whole screen, as a window manager would)")
            self.display.xdo("windowmove", wid, "0", "0", "windowsize", wid, "1280", "1024")
        elif r < 0.65:
            # Its menu ("Kopieren nach...") rather than a click, which closes it.
            self.menu_may_copy = False
            self.random_input(w, *self.point_in(w), keys=["Escape", "Return", "Tab", "space", "ctrl+c"])
        else:
            self.act_plain(w)

    def act_copy(self, w):
        rng = self.rng
        if self.source_small and rng.random() < 0.12:
            if rng.random() < 0.4:
                name = rng.choice(["tree box", "source all", "tree label"])
                self.log(f"click on {name} before copying")
                self.press(*in_rect(w, COPY_CONTROLS[name], rng), 1, 1)
                self.settle()
            self.log("click on Start kopieren: the source is the small tree the window started at")
            self.press(*in_rect(w, COPY_CONTROLS["start"], rng), 1, 1)
            return
        if self.made_target:
            self.made_target = False
            if rng.random() < 0.6:
                self.log("click on the delete-folder button: the target may be the folder the chooser made")
                self.press(*in_rect(w, COPY_CONTROLS["delete folder"], rng), 1, 1)
                return
        if rng.random() < 0.75:
            names = [n for n in COPY_CONTROLS if n != "start" or self.source_small]
            x, y = in_rect(w, COPY_CONTROLS[rng.choice(names)], rng)
        else:
            x, y = self.point_in(w)
        control = control_at(COPY_CONTROLS, w, x, y)
        if control == "start" and not self.source_small:
            x, y = in_rect(w, COPY_CONTROLS["close"], rng)
            control = "close"
        keys = KEYS if self.source_small else [k for k in KEYS if k not in PRESSING_KEYS]
        kind = self.random_input(w, x, y, keys)
        if kind == "key" or kind == "drag" or control in SOURCE_MOVERS:
            self.source_small = False
        self.menu_may_copy = kind == "right" and control not in LIST_MENUS

    def act_chooser(self, w):
        rng = self.rng
        self.menu_may_copy = False
        if rng.random() < 0.35:
            name = rng.choice(ODD_NAMES)
            self.log(f"type {name!r} as the new folder's name")
            x, y = in_rect(w, CHOOSER_CONTROLS["name"], rng)
            self.display.xdo("mousemove", str(x), str(y), "click", "1", "key", "ctrl+a", "BackSpace")
            self.display.xdo("type", "--delay", "15", "--", name)
            r = rng.random()
            if r < 0.6:
                self.log("  click on the new-folder button")
                self.press(*in_rect(w, CHOOSER_CONTROLS["new folder"], rng), 1, 1)
                self.settle()
                if rng.random() < 0.5 and not any(kind_of(x) == "dialog" for x in self.display.windows()):
                    # The new folder becomes the copy window's target, where its deletion is the monkey's own.
                    self.log("  click on OK")
                    self.press(*in_rect(w, CHOOSER_CONTROLS["ok"], rng), 1, 1)
                    self.made_target = True
            elif r < 0.8:
                self.log("  key Return")
                self.display.xdo("key", "Return")
            return
        if rng.random() < 0.7:
            x, y = in_rect(w, CHOOSER_CONTROLS[rng.choice(list(CHOOSER_CONTROLS))], rng)
        else:
            x, y = self.point_in(w)
        self.random_input(w, x, y)

    def act_dialog(self, w):
        rng = self.rng
        self.menu_may_copy = False
        question = DeletionQuestion(read_text(self, w))
        self.log(f"message {w['name']!r}: {question.text!r}")
        if not question.deletes:
            if rng.random() < 0.2:
                self.log("  close box")
                self.display.close(w["id"])
            else:
                self.random_input(w, *self.point_in(w), keys=["Return", "space", "Escape", "Tab", "ctrl+c", "a",
                                                              "Left", "Right", "alt+F4"])
            return
        folder = question.folder()
        if folder is not None and self.sandbox.deletable(folder, self.dir, self.proc.pid):
            self.log(f"  Ja: {folder} is the monkey's own scratch folder")
            self.answers["Ja"] += 1
            self.display.xdo("mousemove", str(w["x"] + w["w"] // 2), str(w["y"] + 4), "key", "j")
            return
        if question.text is None:
            self.log("  close box: a window whose text cannot be read (it may ask a deletion)")
            self.display.close(w["id"])
            return
        self.answers["Nein"] += 1
        if rng.random() < 0.5:
            self.log("  Nein (close box): not the monkey's own scratch folder")
            self.display.close(w["id"])
        else:
            self.log("  Nein (key n): not the monkey's own scratch folder")
            self.display.xdo("mousemove", str(w["x"] + w["w"] // 2), str(w["y"] + 4), "key", "n")
