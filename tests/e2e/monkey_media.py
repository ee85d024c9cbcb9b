"""Random media for the monkey test: a Tavilo.ini with random and broken
values and the files it names. Every path value stays inside the medium:
none holds "..", none starts with a slash or backslash."""
import os
import struct

ODD_TEXTS = [
    "", " ", "Zeile", "Sehr langer Text " * 40, "@C1@b@.Format", "&Kopieren &&", "Tab\tText", "Ünïcödé ÄÖÜ ß €",
    "a;touch x", "$(reboot)", "`id`", "\"Anführung\"", "'x'", "[Klammer]", "=", "%s%n%x", "\u202eRTL", "日本語",
    "x" * 3000, "Zwei\\nZeilen", "\x01\x02", "\xff\xfe", "-", "Leer",
]
TYPES = ["Programm", "Installation", "Nur Kopieren", "Leer", "PROGRAMM", "programm", "Program", "", "xyz"]
NUMBERS = ["0", "1", "2", "3", "-1", "-100", "abc", "", "$FF", "0x20", "99999999999", "7 ", "5x", "1e3", "10001"]
SIZES = ["0", "-100", "1", "50", "99", "100", "250", "400", "500", "640", "700", "900", "1200", "abc", "", "3000"]
COLOURS = ["$FFC1C1", "$000000", "$FFFFFF", "16777215", "blau", "", "$1", "$FFFFFFFF", "-1", "0x00FF00"]
FONTS = ["Arial", "Times New Roman", "Courier New", "Keine Schrift", "", "x" * 50, "a,b", "-*-helvetica-*", "Tahoma"]
PICTURE_KINDS = ["good", "truncated", "flipped", "random", "empty", "mislabelled", "huge", "tiny", "zero", "large"]


def bmp(width, height, pixels=None, claimed=None):
    """A 24-bit BMP; `claimed` overrides the size written in the header."""
    row = (width * 3 + 3) & ~3
    data = pixels if pixels is not None else bytes(row * height)
    cw, ch = claimed or (width, height)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, cw, ch, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + data


def picture_bytes(rng, kind, good):
    if kind == "good":
        return good
    if kind == "truncated":
        return good[: rng.randrange(max(1, len(good)))]
    if kind == "flipped":
        data = bytearray(good)
        for _ in range(rng.randint(1, 40)):
            data[rng.randrange(len(data))] = rng.randrange(256)
        return bytes(data)
    if kind == "random":
        return bytes(rng.randrange(256) for _ in range(rng.randint(1, 4000)))
    if kind == "empty":
        return b""
    if kind == "huge":
        return bmp(4, 4, claimed=(rng.choice([40000, 2 ** 30, 70000]), rng.choice([40000, -40000, 2 ** 30])))
    if kind == "tiny":
        return bmp(1, 1, bytes(4))
    if kind == "zero":
        return bmp(0, 0, b"")
    if kind == "large":
        return bmp(1600, 1200, bytes([rng.randrange(256)]) * (4800 * 1200))
    return good  # mislabelled: good bytes under another extension


def safe_path(text):
    """A path value that cannot leave the medium."""
    text = text.replace("..", "_")
    return text.lstrip("/\\")


class Medium:
    def __init__(self, rng, root, pictures):
        self.rng = rng
        self.root = root
        self.good = [open(os.path.join(pictures, f), "rb").read() for f in sorted(os.listdir(pictures))
                     if f.lower().endswith((".gif", ".jpg", ".bmp"))]
        self.names = {"pictures": [], "programs": [], "documents": [], "folders": []}

    def write(self, relative, data, mode=0o644):
        path = os.path.join(self.root, relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        os.chmod(path, mode)

    def make_files(self):
        rng = self.rng
        for i in range(rng.randint(0, 12)):
            kind = rng.choice(PICTURE_KINDS)
            good = rng.choice(self.good)
            ext = {b"GI": ".gif", b"\xff\xd8": ".jpg", b"BM": ".bmp"}.get(good[:2], ".bmp")
            if kind == "mislabelled" or rng.random() < 0.1:
                ext = rng.choice([".gif", ".jpg", ".bmp", ".png", ".JPG", ".Gif", ".tif", ""])
            name = f"bilder/bild{i}{ext}"
            self.write(name, picture_bytes(rng, kind, good))
            self.names["pictures"].append(name)
        for i in range(rng.randint(0, 4)):
            name = rng.choice([f"programme/prog{i}.sh", f"programme/Prog {i}.sh", f"setup{i}.sh"])
            self.write(name, b"#!/bin/sh\nexit 0\n", 0o755 if rng.random() < 0.7 else 0o644)
            self.names["programs"].append(name)
        for i in range(rng.randint(0, 4)):
            name = rng.choice([f"doku/text{i}.txt", f"doku/Handbuch{i}.PDF", f"doku/ohne_endung{i}"])
            self.write(name, b"Nur Text, kein Programm.\n")
            self.names["documents"].append(name)
        for i in range(rng.randint(0, 2)):
            os.makedirs(os.path.join(self.root, f"ordner{i}/unter"), exist_ok=True)
            self.names["folders"].append(f"ordner{i}")

    def any_path(self):
        rng = self.rng
        pool = sum(self.names.values(), [])
        choice = rng.random()
        if pool and choice < 0.6:
            path = rng.choice(pool)
            if rng.random() < 0.3:
                path = path.upper() if rng.random() < 0.5 else path.replace("/", "\\")
            return path
        if choice < 0.8:
            return rng.choice(["fehlt.jpg", "nicht/da.exe", "", " ", "setup.exe", "bilder", "."])
        return safe_path(rng.choice(ODD_TEXTS))

    def text(self):
        return self.rng.choice(ODD_TEXTS) if self.rng.random() < 0.5 else f"Eintrag {self.rng.randint(1, 999)}"

    def ini(self):
        rng = self.rng
        lines = []

        def key(name, value, p=0.8):
            if rng.random() < p:
                lines.append(f"{name}={value}")

        if rng.random() < 0.95:
            lines.append("[Programm]")
            key("Version", rng.choice(["4.02"] * 12 + ["", "2.9", "3", "abc", "40"]), 0.97)
            key("CD_Titel", self.text())
            pics = self.names["pictures"] or ["fehlt.gif"]
            key("Logo", rng.choice(pics + ["", "fehlt.gif"]), 0.6)
            key("LogoPos", rng.choice(["rechts", "", "links", "RECHTS"]), 0.5)
            key("Breite", rng.choice(SIZES), 0.7)
            key("Hoehe", rng.choice(SIZES), 0.7)
            key("Border_Style", rng.choice(["0", "1", "", "2"]), 0.8)
            for k in ("Breite_Links", "ImageHoehe", "BemerkungsHoehe"):
                key(k, rng.choice(["0", "30", "50", "100", "150", "-20", "x", "45"]), 0.8)
            for k in ("BorderFarbe", "FensterFarbe", "VerlaufFarbe", "VerlaufFarbe2", "RahmenFarbe", "RahmenFarbe2",
                      "TitelFarbe", "Fenster_Schriftfarbe", "Rahmen_SchriftFarbe"):
                key(k, rng.choice(COLOURS), 0.25)
            key("FontName", rng.choice(FONTS), 0.4)
            key("Leer_Image", rng.choice(pics + ["fehlt.jpg"]), 0.4)
            key("Leere_Bemerkung", self.text(), 0.5)
            key("ShowOnlyUsedButton", rng.choice(["0", "1", "ja", ""]), 0.4)
            for k in ("Gruppen_Ueberschrift", "Gruppen_Ueberschrift2", "Programm_Ueberschrift",
                      "Programm_Ueberschrift2"):
                key(k, self.text(), 0.3)
        groups = rng.choice([0, 1, 2, 3, 5, 8, 40])
        if rng.random() < 0.9:
            lines.append("[Gruppen]")
            key("Anzahl", rng.choice([str(groups)] * 6 + NUMBERS), 0.95)
            key("Show_Gruppen", rng.choice(["1", "0", "", "x"]), 0.3)
            for g in range(1, groups + 2):
                key(f"Gruppe_{g}", self.text(), 0.8)
        for g in range(1, groups + 2):
            if rng.random() < 0.1:
                continue
            entries = rng.choice([0, 1, 2, 4, 7, 12, 30, 60])
            lines.append(f"[Gruppe_{g}]")
            key("Anzahl", rng.choice([str(entries)] * 6 + NUMBERS), 0.95)
            for e in range(1, entries + 2):
                key(f"Programm_{e}", self.text(), 0.75)
            for e in range(1, entries + 2):
                if rng.random() < 0.2:
                    continue
                lines.append(f"[Programm_{g}_{e}]")
                key("Typ", rng.choice(TYPES))
                key("Location", self.any_path())
                key("Parameter", rng.choice(["", "/s", "--klein", "\"a b\" 'c'", "$HOME", ";ls"]), 0.4)
                key("Screenshot", self.any_path(), 0.7)
                key("Link", rng.choice(["[http://www.tavilo.example/x+Seite]", "[a+b+c]", "[ohne plus]", "+]",
                                        "[" + "x" * 500 + "+" + "y" * 500 + "]", "", "[+]"]), 0.5)
                key("Bemerkung", self.text(), 0.7)
        if rng.random() < 0.85:
            lines.append("[Hiermit_Ausfuehren]")
            rows = rng.randint(0, 4)
            key("Anzahl", rng.choice([str(rows)] * 5 + NUMBERS), 0.9)
            for n in range(1, rows + 2):
                key(f"Ext_{n}", rng.choice([".txt", ".pdf", "", ".TXT", "txt", ".sh", ".jpg"]))
                key(f"Prog_{n}", rng.choice(self.names["programs"] or ["fehlt.sh"]))
        if rng.random() < 0.05:
            lines.insert(rng.randrange(len(lines) + 1), "kaputte Zeile ohne Gleichheitszeichen")
        if rng.random() < 0.05 and lines:
            lines.insert(rng.randrange(len(lines) + 1), lines[rng.randrange(len(lines))])
        text = rng.choice(["\r\n", "\n"]).join(lines) + "\r\n"
        data = text.encode("utf-8", errors="replace")
        if rng.random() < 0.1:
            data = text.encode("cp1252", errors="replace")
        if rng.random() < 0.05:
            data = b"\xef\xbb\xbf" + data
        return data


def make_medium(rng, root, pictures):
    """Fills `root` with random files and, mostly, a Tavilo.ini naming them."""
    medium = Medium(rng, root, pictures)
    medium.make_files()
    if rng.random() < 0.97:
        medium.write("Tavilo.ini", medium.ini())
