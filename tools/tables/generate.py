#!/usr/bin/python3
"""Writes the five table sources in convert/tables/ from the code pages, OpenCC, Unihan and overrides.py.

Run by hand (/usr/bin/python3 tools/tables/generate.py, the Debian interpreter whose codecs SOURCES.md names) after changing an input; the build reads only the
committed output. Needs python3, opencc (opencc_dict), libopencc-data and unicode-data.
"""
import os
import sys
import unicodedata
from collections import defaultdict

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import overrides as ov  # noqa: E402
from sources import (  # noqa: E402
    big5_characters, big5_codes, big5_encode, codes_of, gbk_characters, gbk_codes, in_gb2312_hanzi,
    in_gbk_ext, is_private_use, opencc_dictionary, package_version, shift_jis_characters,
    shift_jis_codes, unihan_variants)

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
OUT_DIR = os.path.join(ROOT, "convert", "tables")

# OpenCC dictionaries beyond the two character dictionaries: they lead a Japanese form (発, 髪,
# 鹸 ...) to the Traditional character whose Simplified form it then takes. OpenCC's Taiwan and
# Hong Kong variant dictionaries would add a handful of regional forms and move every count
# further from the stated ones, so they stay out.
VARIANT_DICTIONARIES = ["JPVariantsRev", "JPShinjitaiCharacters"]


BIG5_CHARACTERS = big5_characters()


class Inputs:
    def __init__(self):
        self.gbk = gbk_characters()
        self.gbk_code = codes_of(self.gbk)
        self.big5 = BIG5_CHARACTERS
        self.shift_jis = shift_jis_characters()
        self.ts = opencc_dictionary("TSCharacters")
        self.st = opencc_dictionary("STCharacters")
        self.variant_dicts = [opencc_dictionary(n) for n in VARIANT_DICTIONARIES]
        self.unihan_simplified = unihan_variants("kSimplifiedVariant")
        self.unihan_traditional = unihan_variants("kTraditionalVariant")
        self.unihan_links = [unihan_variants("kSemanticVariant"), unihan_variants("kZVariant")]

    def code(self, c):
        """GBK code of a character named in overrides.py; a character GBK lacks is an error."""
        if c not in self.gbk_code:
            raise SystemExit("not a GBK character: %s U+%04X" % (c, ord(c)))
        return self.gbk_code[c]

    def target(self, c):
        """GBK code of a character that a table may point to, or None."""
        if c in self.gbk_code and not is_private_use(c):
            return self.gbk_code[c]
        return None


def simplified_of(inp, c):
    if c in inp.ts:
        return inp.ts[c][0]
    if c in inp.unihan_simplified:
        return inp.unihan_simplified[c][0]
    return c


def follow_to_fixed_point(mapping):
    """Each source's target followed through the mapping until it stops, so that no target changes again."""
    out = {}
    for source, target in mapping.items():
        seen = {source}
        while target in mapping and target not in seen:
            seen.add(target)
            target = mapping[target]
        if target != source:
            out[source] = target
    return out


def build_trad_to_simp(inp):
    """Extension-area characters: OpenCC's first Simplified candidate, else Unihan's; a variant that
    neither knows follows an OpenCC Japanese form or a Unihan semantic/Z variant to a GB2312
    character. Outside the extension areas only the named characters and marks change."""
    mapping = {}
    for code, c in inp.gbk.items():
        if not in_gbk_ext(code):
            continue
        s = simplified_of(inp, c)
        if s == c:
            for d in inp.variant_dicts:
                if c in d and d[c][0] != c:
                    s = simplified_of(inp, d[c][0])
                    if s != c:
                        break
        if s == c:
            for links in inp.unihan_links:
                for v in links.get(c, []):
                    sv = simplified_of(inp, v)
                    t = inp.target(sv)
                    if sv != c and t is not None and in_gb2312_hanzi(t):
                        s = sv
                        break
                if s != c:
                    break
        t = inp.target(s)
        if s != c and t is not None:
            mapping[code] = t
    for source, target in ov.TRAD_TO_SIMP_GB2312 + ov.TRAD_TO_SIMP_PUNCTUATION + ov.TRAD_TO_SIMP_ENTRIES:
        mapping[inp.code(source)] = inp.code(target)
    for target, sources in ov.TRAD_TO_SIMP_GROUPS.items():
        t = inp.code(target)
        for code in [k for k, v in mapping.items() if v == t]:
            del mapping[code]
        for s in sources:
            mapping[inp.code(s)] = t
    return follow_to_fixed_point(mapping)


def build_simp_to_trad(inp, trad_to_simp):
    """OpenCC's first Traditional candidate for the GB2312 and extension-area characters that Unihan
    calls Simplified (they have a kTraditionalVariant), then the named
    choices; a character that is some entry's target keeps its own code, and a target with several
    sources keeps the one that kind 3 brings it back to (the named groups excepted)."""
    mapping = {}
    for code, c in inp.gbk.items():
        if not (in_gb2312_hanzi(code) or in_gbk_ext(code)) or c not in inp.st:
            continue
        # A character Unihan knows no Traditional form of is a standard character, not a
        # Simplified one: OpenCC's entries for it (挨 → 捱, 杯 → 盃) choose among variants.
        if not any(v != c for v in inp.unihan_traditional.get(c, [])):
            continue
        # OpenCC lists the usual form first; a character listed first as itself stays (借 before
        # 藉, 了 before 瞭). A first form that GBK lacks gives way to the next.
        for cand in inp.st[c]:
            if cand == c:
                break
            t = inp.target(cand)
            if t is not None:
                mapping[code] = t
                break
    for source, target in ov.SIMP_TO_TRAD_CHOICES + ov.SIMP_TO_TRAD_PUNCTUATION:
        mapping[inp.code(source)] = inp.code(target)
    for c in ov.SIMP_TO_TRAD_KEEP:
        mapping.pop(inp.code(c), None)
    groups = {inp.code(t): {inp.code(s) for s in sources} for t, sources in ov.SIMP_TO_TRAD_GROUPS.items()}
    for t, sources in groups.items():
        for s in sources:
            mapping[s] = t
    named = {inp.code(s) for s, _ in ov.SIMP_TO_TRAD_CHOICES + ov.SIMP_TO_TRAD_PUNCTUATION}

    by_target = defaultdict(list)
    for s, t in mapping.items():
        by_target[t].append(s)
    for t, sources in by_target.items():
        if len(sources) < 2 or t in groups:
            continue
        keep = [s for s in sources if s in named] or [s for s in sources if trad_to_simp.get(t) == s]
        keep = keep[:1] or sorted(sources, key=lambda s: (not in_gb2312_hanzi(s), s))[:1]
        for s in sources:
            if s not in keep:
                del mapping[s]
    targets = set(mapping.values())
    return {s: t for s, t in mapping.items() if s not in targets and s != t}


def build_gbk_to_big5(inp, simp_to_trad):
    """The BIG5 code of the same character, else, for a GB2312 character, of kind 4's Traditional
    form, else the overrides; A1 40 (not listed) for the rest. The rare Simplified characters of
    GBK's extension areas (鲀, 鸻 ...) are not read through their Traditional form: a BIG5 text
    has no use for a character its writer never typed in Simplified form."""
    near = {inp.code(s): big5_code_of(t) for s, t in ov.GBK_TO_BIG5_NEAR_FORMS}
    other = {inp.code(s): big5_code_of(t) for s, t in ov.GBK_TO_BIG5_OTHER_FORMS}
    mapping = {}
    for code, c in inp.gbk.items():
        if c == "\u3000":
            continue  # the ideographic space is BIG5's A1 40, the table's filler
        b = big5_in_standard_rows(c)
        if b is None and code in simp_to_trad and in_gb2312_hanzi(code):
            b = big5_in_standard_rows(inp.gbk[simp_to_trad[code]])
        if b is not None:
            mapping[code] = b
    mapping.update(near)
    mapping.update(other)
    return mapping


def big5_in_standard_rows(c):
    """The BIG5 code of a character outside the irregular rows C6 A1..C8 FE and the user-defined
    rows FA..FE, which code page 950 fills with kana, circled numbers and the like that other BIG5
    systems place elsewhere or not at all, nor the seven ideographs F9 D6..F9 DC (碁銹裏墻恒粧嫺) that
    code page 950 adds to BIG5; such characters get A1 40. Where code page 950 holds
    the character twice (═ ╞ ╪ ╡ in rows A2 and F9), the code that Big5ToGbkTable brings back."""
    b = big5_encode(c)
    if b is None or 0xC6A1 <= b <= 0xC8FE or b >> 8 >= 0xFA or 0xF9D6 <= b <= 0xF9DC:
        return None
    if b in ov.BIG5_OWN_CODES:
        return next((code for code, d in BIG5_CHARACTERS.items() if d == c and code not in ov.BIG5_OWN_CODES), b)
    return b


def big5_code_of(c):
    b = big5_in_standard_rows(c)
    if b is None:
        raise SystemExit("not a BIG5 character: %s U+%04X" % (c, ord(c)))
    return b


def build_big5_to_gbk(inp):
    """Every BIG5 character of rows A1..F9 to the GBK code of the same character, with the near forms
    and own codes of overrides.py; row A0, the irregular rows C6 A1..C8 FE and FA..FE keep their own
    codes (not listed); A3 C0..A3 FE repeat A4 40..A4 7E."""
    mapping = {}
    own = set(ov.BIG5_OWN_CODES)
    near = dict(ov.BIG5_TO_GBK_NEAR_FORMS)
    for code in big5_codes():
        lead = code >> 8
        if lead == 0xA0 or lead >= 0xFA or 0xC6A1 <= code <= 0xC8FE or code in own:
            continue
        if code in near:
            mapping[code] = near[code]
        elif 0xA3C0 <= code <= 0xA3FE:
            continue  # filled below from row A4
        elif code in inp.big5:
            c = inp.big5[code]
            if c not in inp.gbk_code:
                raise SystemExit("BIG5 %04X %s has no GBK code and no override" % (code, c))
            mapping[code] = inp.gbk_code[c]
    for trail in range(0xC0, 0xFF):
        mapping[0xA300 | trail] = mapping[0xA400 | (trail - 0x80)]
    return mapping


def build_shift_jis_to_gbk(inp):
    """The GBK code of the same character (compatibility kanji through their canonical form), the
    Chinese usages and the user-defined areas of overrides.py; A1 A1 (not listed) for the rest."""
    mapping = {}
    for code, c in inp.shift_jis.items():
        for form in (c, unicodedata.normalize("NFC", c)):
            if form in inp.gbk_code and not is_private_use(form):
                mapping[code] = inp.gbk_code[form]
                break
    mapping.update(dict(ov.SHIFT_JIS_CHINESE_USAGE))
    gbk_user = [(lead << 8) | t for first, last, trails in ov.SHIFT_JIS_USER_DEFINED_GROUPS
                for lead in range(first, last + 1) for t in trails]
    sj_user = [code for code in shift_jis_codes() if 0xF0 <= code >> 8 <= 0xF9]
    mapping.update(zip(sj_user, gbk_user))
    return mapping


# ---------------------------------------------------------------------------------------------
# Output.

HEADER = """// {title}
// Generated by tools/tables/generate.py from {sources}; do not edit by hand, change the
// generator or tools/tables/overrides.py and run it again.
// Format: one mapping a line, E(0xFROM, 0xTO) with both codes first byte high, then the two
// characters ("--" where a code holds none). {rest}
"""


def write_table(name, title, sources, rest, mapping, from_chars, to_chars, order):
    lines = [HEADER.format(title=title, sources=sources, rest=rest)]
    for code in order:
        if code not in mapping:
            continue
        to = mapping[code]
        lines.append("E(0x%04X, 0x%04X)  // %s %s\n" % (code, to, show(from_chars.get(code)), show(to_chars.get(to))))
    with open(os.path.join(OUT_DIR, name), "w", encoding="utf-8") as f:
        f.writelines(lines)


def show(c):
    if c is None or is_private_use(c) or unicodedata.category(c) in ("Cc", "Cf", "Zs"):
        return "--" if c is None else "U+%04X" % ord(c)
    return c


def main():
    inp = Inputs()
    versions = "OpenCC %s (libopencc-data), Unihan %s (unicode-data), Python %s codecs" % (
        package_version("libopencc-data"), package_version("unicode-data"), sys.version.split()[0])
    t2s = build_trad_to_simp(inp)
    s2t = build_simp_to_trad(inp, t2s)
    g2b = build_gbk_to_big5(inp, s2t)
    b2g = build_big5_to_gbk(inp)
    sj2g = build_shift_jis_to_gbk(inp)
    gbk_order = gbk_codes()
    write_table("trad_to_simp.txt", "TradToSimpTable: GBK code of a Traditional form -> GBK code of its Simplified form.",
                "TSCharacters and Japanese forms of " + versions + ", gbk codec",
                "A position not listed holds its own code.", t2s, inp.gbk, inp.gbk, gbk_order)
    write_table("simp_to_trad.txt", "SimpToTradTable: GBK code of a Simplified form -> GBK code of its one Traditional form.",
                "STCharacters of " + versions + ", gbk codec",
                "A position not listed holds its own code.", s2t, inp.gbk, inp.gbk, gbk_order)
    write_table("gbk_to_big5.txt", "GbkToBig5Table: GBK code -> BIG5 code of the same character, its Traditional or a near form.",
                "the gbk and cp950 codecs and SimpToTradTable, " + versions,
                "A position not listed holds A1 40, the BIG5 ideographic space.", g2b, inp.gbk, inp.big5, gbk_order)
    write_table("big5_to_gbk.txt", "Big5ToGbkTable: BIG5 code -> GBK code of the same character or a near form.",
                "the cp950 and gbk codecs, " + versions,
                "A position not listed holds its own code.", b2g, inp.big5, inp.gbk, big5_codes())
    write_table("shift_jis_to_gbk.txt", "ShiftJisToGbkTable: Shift-JIS code -> GBK code.",
                "the cp932 and gbk codecs, " + versions,
                "A position not listed holds A1 A1, the GBK ideographic space.", sj2g, inp.shift_jis, inp.gbk,
                shift_jis_codes())


if __name__ == "__main__":
    main()
