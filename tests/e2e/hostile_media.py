"""Hostile and extreme media, made on the spot: pictures and configuration
files that an attacker or a careless author could put on a medium. Each case
is a folder with its Tavilo.ini (or something in its place) and the files it
names. Nothing here is stored as a binary; every byte is written below.

make_case(kind, folder) builds one case; CASES lists them with what the
runner (hostile_media_test.py) does with each.
"""
import os
import random
import struct

# --------------------------------------------------------------- pictures


def _segment(marker, payload):
    return bytes([0xFF, marker]) + struct.pack(">H", len(payload) + 2) + payload


def _grey_jpeg_head(width, height, sof):
    """SOI, an all-ones quantisation table, a one-component frame and two
    Huffman tables of one code each: DC category 0 and, for AC, `ac_symbol`."""
    out = b"\xFF\xD8"
    out += _segment(0xDB, b"\x00" + b"\x01" * 64)
    out += _segment(sof, struct.pack(">BHHB", 8, height, width, 1) + b"\x01\x11\x00")
    return out


def _huffman(table_class, symbol):
    counts = bytes([1] + [0] * 15)  # one code, of length 1
    return _segment(0xC4, bytes([table_class << 4]) + counts + bytes([symbol]))


def _sos(ss, se):
    return _segment(0xDA, bytes([1, 1, 0x00, ss, se, 0x00]))


def _bits(count_zero_bits):
    """`count_zero_bits` zero bits, padded with one bits to a whole byte."""
    whole, rest = divmod(count_zero_bits, 8)
    return b"\x00" * whole + (bytes([(1 << (8 - rest)) - 1]) if rest else b"")


def progressive_jpeg(width, height, repeats):
    """A grey progressive JPEG whose AC scan stands `repeats` times: every
    block is flat, so each scan is a few end-of-band runs, yet the decoder
    goes over the whole picture for each one."""
    blocks = (width // 8) * (height // 8)
    out = _grey_jpeg_head(width, height, 0xC2)
    out += _huffman(0, 0x00) + _huffman(1, 0xE0)  # AC: end-of-band run of 2^14 + 14 bits
    out += _sos(0, 0) + _bits(blocks)  # DC: category 0 for every block
    runs = -(-blocks // 16384)
    ac_scan = _sos(1, 63) + _bits(runs * 15)
    out += ac_scan * repeats
    return out + b"\xFF\xD9"


def baseline_jpeg(width, height):
    """A grey baseline JPEG, every block flat: small file, large picture."""
    blocks = (width // 8) * (height // 8)
    out = _grey_jpeg_head(width, height, 0xC0)
    out += _huffman(0, 0x00) + _huffman(1, 0x00)  # AC: end of block
    out += _sos(0, 63) + _bits(2 * blocks)
    return out + b"\xFF\xD9"


def gif_screen(screen_w, screen_h):
    """A GIF of 35 bytes: a logical screen of the given size, one 1 x 1 frame."""
    out = b"GIF89a" + struct.pack("<HHBBB", screen_w, screen_h, 0x80, 0, 0)
    out += b"\x00\x00\x00\xFF\xFF\xFF"  # two colours
    out += b"\x2C" + struct.pack("<HHHHB", 0, 0, 1, 1, 0)
    out += b"\x02\x02\x44\x01\x00"  # LZW: clear, index 0, end
    return out + b"\x3B"


# --------------------------------------------------------------- configuration


def ini_text(programm=(), extra=""):
    """A small valid configuration: one group, one entry, `programm` lines
    added to [Programm], `extra` appended."""
    lines = ["[Programm]", "Version=4.02", "Breite=600", "Hoehe=400", "Breite_Links=40", "ImageHoehe=60",
             "BemerkungsHoehe=30", *programm,
             "[Gruppen]", "Anzahl=1", "Gruppe_1=Gruppe", "[Gruppe_1]", "Anzahl=1", "Programm_1=Eintrag",
             "[Programm_1_1]", "Typ=Leer", "Location=bild.dat", "Bemerkung=Ein Bild",
             "[Hiermit_Ausfuehren]", "Anzahl=0"]
    return "\r\n".join(lines) + "\r\n" + extra


def _entry_picture(name):
    return ini_text().replace("Location=bild.dat", "Location=" + name)


def _write(folder, name, data):
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data.encode("utf-8") if isinstance(data, str) else data)


# --------------------------------------------------------------- the cases

# name: (what the runner does, how the case is made[, what the checker says])
#   menu    start the menu, close what it shows, the main window last
#   image   the same, with the image window opened by a click on the picture
#   check   run the checker
def _jpeg_scans(folder, repeats, width=16384, height=4096, key=None):
    _write(folder, "bild.jpg", progressive_jpeg(width, height, repeats))
    if key == "Logo":
        _write(folder, "Tavilo.ini", ini_text(["Logo=bild.jpg"]))
    elif key == "Leer_Image":
        _write(folder, "Tavilo.ini", ini_text(["Leer_Image=bild.jpg"]).replace("Location=bild.dat", "Location=x.exe"))
    else:
        _write(folder, "Tavilo.ini", _entry_picture("bild.jpg"))


def _gif(folder, w, h, logo):
    _write(folder, "leer.gif", gif_screen(w, h))
    _write(folder, "Tavilo.ini", ini_text(["Logo=leer.gif"] if logo else []).replace("bild.dat", "leer.gif"))


def _unknown_sections(folder):
    groups = "".join(f"[Gruppe_{g}]\r\nAnzahl=5\r\n" for g in range(1, 2001))
    names = "".join(f"Gruppe_{g}=G{g}\r\n" for g in range(1, 2001))
    unknown = "".join(f"[Abschnitt_{n}_{n * 7919 % 10007}]\r\nWert={n}\r\n" for n in range(5000))
    _write(folder, "Tavilo.ini", "[Programm]\r\nVersion=4.02\r\n[Gruppen]\r\nAnzahl=2000\r\n" + names + groups + unknown)


def _long_key(folder):
    key = "Schl\u00fcssel" * ((12 << 20) // 10)
    _write(folder, "Tavilo.ini", ini_text().replace("Typ=Leer", key + "=1\r\nTyp=Leer"))


def _keys_without_section(folder):
    with open(os.path.join(folder, "Tavilo.ini"), "wb") as f:
        for g in range(1, 1001):
            f.write("".join(f"Programm_{g}_{n}=Eintrag {n}\r\n" for n in range(1, 5001)).encode())
        f.write(ini_text().encode())


def _control_characters(folder):
    text = ini_text().replace("Location=bild.dat", "Location=programme\\rech\x1b]0;pwned\x07ner.sh")
    text += "[Programm_1_2]\r\nBemerkung=\x1b[2J\x9b31m\x7f\r\n\x1b[1;31mrot=\x08\x08\x08\r\n"
    _write(folder, "Tavilo.ini", text)


def _random_bytes(folder):
    rng = random.Random(25)
    _write(folder, "Tavilo.ini", bytes(rng.randrange(256) for _ in range(200000)))


def _beyond_cut(folder):
    with open(os.path.join(folder, "Tavilo.ini"), "wb") as f:
        line = b";" + b"-" * 1021 + b"\r\n"
        for _ in range(65 * 1024):
            f.write(line)
        f.write(ini_text().encode())


def _utf16(folder, codec, bom):
    _write(folder, "Tavilo.ini", bom + ini_text(["CD_Titel=Gr\u00fc\u00dfe"]).encode(codec))


def _nul_in_lines(folder):
    _write(folder, "Tavilo.ini", ini_text().replace("Bemerkung=Ein Bild", "Bemerkung=Ein\x00Bild"))


CASES = {
    # 1: a picture that costs unbounded work
    "jpeg-scans-2000": ("image", lambda d: _jpeg_scans(d, 2000)),
    "jpeg-scans-20000": ("menu", lambda d: _jpeg_scans(d, 20000)),
    "jpeg-scans-small": ("image", lambda d: _jpeg_scans(d, 20000, 2048, 2048)),
    "jpeg-scans-logo": ("menu", lambda d: _jpeg_scans(d, 2000, key="Logo")),
    "jpeg-scans-empty-image": ("menu", lambda d: _jpeg_scans(d, 2000, key="Leer_Image")),
    "check-jpeg-scans": ("check", lambda d: _jpeg_scans(d, 20000, 2048, 2048), "zu viele Durchläufe"),
    # 2: pictures that cost much memory
    "gif-screen": ("image", lambda d: _gif(d, 16384, 4096, False)),
    "gif-screen-logo": ("image", lambda d: _gif(d, 16384, 4096, True)),
    "gif-screen-4096-logo": ("image", lambda d: _gif(d, 4096, 4096, True)),
    "jpeg-large": ("image", lambda d: (_write(d, "bild.jpg", baseline_jpeg(16384, 4096)),
                                      _write(d, "Tavilo.ini", _entry_picture("bild.jpg")))),
    # 3, 4, 6: the checker on large and odd files
    "check-unknown-sections": ("check", _unknown_sections, "more sections that are never read"),
    "check-long-key": ("check", _long_key, "... is never read in [Programm_1_1]"),
    "check-keys-without-section": ("check", _keys_without_section, "more key lines before the first section"),
    "check-control-characters": ("check", _control_characters, "rech\\x1B]0;pwned\\x07ner.sh"),
    "check-random-bytes": ("check", _random_bytes),
    # 5: what stands in the place of the configuration file
    "ini-dangling-link": ("menu", lambda d: os.symlink("../gemeinsam/Tavilo.ini", os.path.join(d, "Tavilo.ini"))),
    "ini-link-loop": ("menu", lambda d: (os.symlink("Tavilo2.ini", os.path.join(d, "Tavilo.ini")),
                                         os.symlink("Tavilo.ini", os.path.join(d, "Tavilo2.ini")))),
    # 7: configuration files the menu cannot read as it is
    "ini-fifo": ("menu", lambda d: os.mkfifo(os.path.join(d, "Tavilo.ini"))),
    "ini-dev-zero": ("menu", lambda d: os.symlink("/dev/zero", os.path.join(d, "Tavilo.ini"))),
    "ini-beyond-cut": ("menu", _beyond_cut),
    "ini-utf16le": ("menu", lambda d: _utf16(d, "utf-16-le", b"\xFF\xFE")),
    "ini-utf16be": ("menu", lambda d: _utf16(d, "utf-16-be", b"\xFE\xFF")),
    "check-fifo": ("check", lambda d: os.mkfifo(os.path.join(d, "Tavilo.ini"))),
    "check-dev-zero": ("check", lambda d: os.symlink("/dev/zero", os.path.join(d, "Tavilo.ini"))),
    "check-utf16le": ("check", lambda d: _utf16(d, "utf-16-le", b"\xFF\xFE")),
    "check-nul-in-lines": ("check", _nul_in_lines),
}


def make_case(name, folder):
    os.makedirs(folder, exist_ok=True)
    CASES[name][1](folder)
