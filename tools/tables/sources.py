"""The public inputs of the table generator and report: code pages, OpenCC dictionaries, Unihan variants."""
import bz2
import os
import subprocess
import tempfile

OPENCC_DIR = "/usr/share/opencc"
UNIHAN_VARIANTS = "/usr/share/unicode/Unihan_Variants.txt.bz2"

# ---------------------------------------------------------------------------------------------
# Code spaces. A code is an int, first byte high: 0xB9FA is the pair B9 FA.


def gbk_trails():
    return list(range(0x40, 0x7F)) + list(range(0x80, 0xFF))


def gbk_codes():
    """Every position of the GBK-indexed tables, in entry order."""
    return [(lead << 8) | t for lead in range(0x81, 0xFF) for t in gbk_trails()]


def big5_codes():
    """Every position of the BIG5-indexed table, in entry order."""
    trails = list(range(0x40, 0x7F)) + list(range(0xA1, 0xFF))
    return [(lead << 8) | t for lead in range(0xA0, 0xFF) for t in trails]


def shift_jis_codes():
    """Every position of the Shift-JIS-indexed table, in entry order."""
    leads = list(range(0x81, 0xA0)) + list(range(0xE0, 0xFD))
    trails = list(range(0x40, 0x7F)) + list(range(0x80, 0xFD))
    return [(lead << 8) | t for lead in leads for t in trails]


def pair(code):
    return bytes([code >> 8, code & 0xFF])


# Regions of the GBK code space that the figures talk about.
def in_gbk_ext1(code):  # GBK/3: lead 81..A0
    return 0x81 <= code >> 8 <= 0xA0


def in_gbk_ext2(code):  # GBK/4: lead AA..FE, trail 40..A0
    return 0xAA <= code >> 8 <= 0xFE and (code & 0xFF) <= 0xA0


def in_gbk_ext(code):
    return in_gbk_ext1(code) or in_gbk_ext2(code)


def in_gb2312_hanzi(code):
    return 0xB0 <= code >> 8 <= 0xF7 and (code & 0xFF) >= 0xA1


def in_gb2312_symbols(code):
    return 0xA1 <= code >> 8 <= 0xA9 and (code & 0xFF) >= 0xA1


def in_gbk_user_defined(code):
    lead, t = code >> 8, code & 0xFF
    return ((0xAA <= lead <= 0xAF or 0xF8 <= lead <= 0xFE) and t >= 0xA1) or (0xA1 <= lead <= 0xA7 and t <= 0xA0)


def _decode(code, codec):
    try:
        c = pair(code).decode(codec)
    except UnicodeDecodeError:
        return None
    return c if len(c) == 1 else None


def _characters(codes, codec):
    chars = {}
    for code in codes:
        c = _decode(code, codec)
        if c is not None:
            chars[code] = c
    return chars


def gbk_characters():
    """GBK position -> character, code page 936 (Python's gbk codec). The 95 further characters of
    the GBK standard (A8 BC, A8 BF, A9 89..A9 95, FE 50..FE A0) are left out: Windows does not
    map them, so no table converts them or converts into them."""
    return _characters(gbk_codes(), "gbk")


def codes_of(chars):
    """Character -> lowest position holding it."""
    out = {}
    for code in sorted(chars):
        out.setdefault(chars[code], code)
    return out


def big5_characters():
    """BIG5 position -> character, code page 950."""
    return _characters(big5_codes(), "cp950")


def big5_encode(c):
    """The BIG5 code that code page 950 gives a character, or None."""
    try:
        b = c.encode("cp950")
    except UnicodeEncodeError:
        return None
    return (b[0] << 8) | b[1] if len(b) == 2 else None


def shift_jis_characters():
    """Shift-JIS position -> character, code page 932 (the user-defined rows F0..F9 left out)."""
    return _characters([code for code in shift_jis_codes() if not 0xF0 <= code >> 8 <= 0xF9], "cp932")


def is_private_use(c):
    return 0xE000 <= ord(c) <= 0xF8FF


# ---------------------------------------------------------------------------------------------
# OpenCC and Unihan.


def opencc_dictionary(name):
    """One of OpenCC's character dictionaries as {character: [candidates, first preferred]}."""
    with tempfile.TemporaryDirectory() as tmp:
        out = os.path.join(tmp, name + ".txt")
        subprocess.run(
            ["opencc_dict", "-i", os.path.join(OPENCC_DIR, name + ".ocd2"), "-o", out, "-f", "ocd2", "-t", "text"],
            check=True,
            stdout=subprocess.DEVNULL,
        )
        table = {}
        with open(out, encoding="utf-8") as f:
            for line in f:
                key, _, values = line.rstrip("\n").partition("\t")
                if len(key) == 1:
                    table[key] = [v for v in values.split(" ") if len(v) == 1]
        return table


def unihan_variants(field):
    """One Unihan variant field as {character: [variants in the file's order]}."""
    table = {}
    with bz2.open(UNIHAN_VARIANTS, "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            cp, key, value = line.rstrip("\n").split("\t")
            if key != field:
                continue
            variants = [chr(int(v.split("<")[0][2:], 16)) for v in value.split(" ")]
            table[chr(int(cp[2:], 16))] = variants
    return table


def package_version(name):
    out = subprocess.run(["dpkg-query", "-W", "-f=${Version}", name], capture_output=True, text=True)
    return out.stdout.strip() or "unknown"
