#!/usr/bin/env python3
"""Check the character dictionary's built-in tables.

Reads data/dictionary/*.txt as the build embeds them (converted to GBK) and
answers the dictionary's questions the way the application does: byte
searches that step one character at a time, first occurrence wins.  Checks:
  - the exact format of every table (a malformed row fails, and is named);
  - the fixed rows and lines, and the known counts and readings;
  - that every GB2312 hanzi gets a count > 0, and an element or a recorded reason;
  - that StrokeCount gives the counting rule's result for every character,
    the rule being recomputed here from Unihan kRSKangXi, OpenCC and the
    reviewed overrides, independently of the generator.
Exit status 0 when everything holds, 1 otherwise (every failure is printed).
"""

import argparse
import bz2
import re
import subprocess
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
DATA = ROOT / "data" / "dictionary"
UNIHAN_DIR = Path("/usr/share/unicode")

RUN_ON = ("NameCharStrokes", "SimpTradStrokes", "CharStrokeCells")
LINED = ("StrokeGroups", "ElementGroups", "PinyinTable", "FirstReadings")
ELEMENTS = "金木水火土"

KNOWN_COUNTS = dict(
    清=12, 英=11, 達=16, 陳=16, 珀=10, 祥=11, 裕=13, 猛=12, 三=3, 十=10, 譽=21, 郑=19,
    晞=11, 张=11, 刘=15, 杨=13, 黄=12, 华=14, 江=7, 浩=11, 王=4, 玲=10, 明=8, 肝=9,
    朋=8, 健=11, 轩=10, 一=1, 钟=17, 泽=17, 阿=13, 打=6, 陈=16, 啊=16, 哎=8, 柏=9, 金=8,
    国=11, 二=2, 四=4, 五=5, 六=6, 七=7, 八=8, 九=9)
# Characters outside every table (traditional forms typed directly).
KNOWN_ABSENT = "軒鍾"
KNOWN_ELEMENTS = dict(一="土", 乙="土", 金="金", 厄="土", 嗯="未", 匕="金", 勹="水")
KNOWN_PINYIN = {
    "啊": "ā,á,ǎ,à,a", "阿": "ā,a,ē", "和": "hé,hè,hú,huó,huò", "长": "cháng,zhǎng",
    "绿": "lǜ,lù", "略": "lüè", "女": "nǚ", "哼": "hēng,hng", "嗯": "n2,n3,n4,ng2,ng3,ng4",
    "呒": "m2", "鍾": "", "": "", "氵": "shui",
}
FIXED_PINYIN_LINES = ["a1 阿啊呵腌吖锕", "a5 阿啊呵", "lv4 律绿率虑滤氯", "lve4 略掠锊", "n2 嗯唔", "hng5 哼"]
FIXED_ROWS = {
    "NameCharStrokes": ["√健|11|", "√柏|9|", "√金|8|"],
    "SimpTradStrokes": ["√轩|軒|10|", "√泽|澤|17|", "√国|國|11|"],
    "CharStrokeCells": ["啊16 ", "哎 8 ", "哀9  "],
}
FIXED_LINES = {
    "StrokeGroups": [["{1}", "：一乙"], ["{2}", "：匕刀人入厶"]],
    "ElementGroups": [["{1}", "“土”：一乙"], ["{2}", "“金”：匕刀人入厶", "“水”：勹卜乜"]],
}
# Table facts that differ from the counting rule on purpose.
FACT_COUNTS = {"啊": 16, "哎": 8}
NUMERALS = {c: i + 1 for i, c in enumerate("一二三四五六七八九十")}
FIXED_TRADITIONAL = {"钟": "鍾"}

failures = []


def fail(msg):
    failures.append(msg)


# ------------------------------------------------------------ GBK text helpers

_boundaries = {}


def boundaries(text):
    """Byte offsets where a character starts (kept per text object)."""
    hit = _boundaries.get(id(text))
    if hit is None or hit[0] is not text:
        starts, i = set(), 0
        while i < len(text):
            starts.add(i)
            i += 2 if text[i] >= 0x80 else 1
        hit = _boundaries[id(text)] = (text, starts)
    return hit[1]


def find(text, pat, start=0):
    """First match at or after byte `start`, beginning on a character
    boundary (the scan steps one character at a time); -1 when none."""
    if not pat:
        return 0 if text else -1
    starts = boundaries(text)
    i = text.find(pat, start)
    while i >= 0 and i not in starts:
        i = text.find(pat, i + 1)
    return i


def rfind(text, pat, end):
    """Last match lying wholly before byte `end`, on a character boundary; -1 when none."""
    starts = boundaries(text)
    i = text.rfind(pat, 0, end)
    while i >= 0 and i not in starts:
        i = text.rfind(pat, 0, i + len(pat) - 1)
    return i


def number(field):
    m = re.match(rb" *([0-9]*)", field)
    return int(m.group(1)) if m.group(1) else 0


def after(text, key):
    i = find(text, key)
    return text[i + len(key):] if i >= 0 else b""


def before(text, sep):
    i = find(text, sep)
    return text[:i] if i > 0 else b""


def g(s):
    return s.encode("gbk")


# ------------------------------------------------------------ the lookups

def stroke_count(t, ch):
    c = g(ch)
    if not c:
        return 0
    key = b"\xa1\xcc" + c + b"|"  # √
    if find(t["NameCharStrokes"], key) >= 0:
        return number(before(after(t["NameCharStrokes"], key), b"|"))
    if find(t["SimpTradStrokes"], key) >= 0:
        rest = after(after(t["SimpTradStrokes"], key), b"|")
        return number(before(rest, b"|"))
    p = find(t["CharStrokeCells"], c)
    if p >= 0:
        return number(t["CharStrokeCells"][p + 2:p + 4])
    table = t["StrokeGroups"]
    p = find(table, c)
    if p < 0:
        return 0
    return number(table[rfind(table, b"{", p) + 1:rfind(table, b"}", p)])


def element_of(t, ch):
    if ch in ELEMENTS:
        return ch
    table = t["ElementGroups"]
    p = find(table, g(ch)) if ch else -1
    best, where = "未", -1
    for e in ELEMENTS:
        q = rfind(table, g(e), p) if p > 0 else -1
        if q > where:
            best, where = e, q
    return best


MARKS = {"a": "āáǎà", "o": "ōóǒò", "e": "ēéěè", "i": "īíǐì", "u": "ūúǔù", "v": "ǖǘǚǜ"}


def mark_tones(text):
    out = []
    for s in text.split(","):
        tone = number(s[-1:].encode()) if s else 0
        if tone == 5 and "v" not in s:
            out.append(s[:-1])
            continue
        done = s
        for i, ch in enumerate(s):
            if ch not in "aoeuiv":
                continue
            nxt = s[i + 1:i + 2]
            if not 1 <= tone <= 4:
                break
            if ch in "aoe":
                done = s[:i] + MARKS[ch][tone - 1] + s[i + 1:-1]
            elif ch == "u" and nxt and nxt in "aieo":
                done = s[:i + 1] + MARKS[nxt][tone - 1] + s[i + 2:-1]
            elif ch == "i" and nxt and nxt in "aueo":
                done = s[:i + 1] + MARKS[nxt][tone - 1] + s[i + 2:-1]
            elif ch == "v" and nxt == "e":
                done = s[:i] + "ü" + MARKS["e"][tone - 1] + s[i + 2:-1]
            elif ch == "v":
                done = s[:i] + MARKS["v"][tone - 1] + s[i + 1:-1]
            else:
                done = s[:i] + MARKS[ch][tone - 1] + s[i + 1:-1]
            break
        out.append(done)
    return ",".join(out)


def pinyin_of(t, ch):
    if not ch:
        return ""
    c = g(ch)
    if find(t["PinyinTable"], c) < 0:
        return fallback_pinyin(t, ch)
    syl = []
    for line in t["PinyinTable"].split(b"\r\n"):
        if line and find(line, c) >= 0:
            syl.append(before(line, b" ").decode("ascii"))
    return mark_tones(",".join(syl))


def fallback_pinyin(t, ch):
    c = g(ch)
    if not (len(c) == 2 and 0xB0 <= c[0] <= 0xF7 and 0xA1 <= c[1] <= 0xFE):
        return ""
    for line in t["FirstReadings"].split(b"\r\n"):
        if line and find(line, c, line.index(b" ")) >= 0:
            return line[:line.index(b" ")].decode("ascii")
    return ""


# ------------------------------------------------------------ reference data

def gb2312_hanzi():
    out = []
    for hi in range(0xB0, 0xF8):
        for lo in range(0xA1, 0xFF):
            try:
                out.append(bytes([hi, lo]).decode("gb2312"))
            except UnicodeDecodeError:
                pass
    return out


def unihan_fields(unihan_dir, fields):
    data = {f: {} for f in fields}
    for name in ("Unihan_RadicalStrokeCounts.txt.bz2", "Unihan_IRGSources.txt.bz2"):
        with bz2.open(unihan_dir / name, "rt", encoding="utf-8") as fh:
            for line in fh:
                if line.startswith("U+"):
                    cp, f, v = line.rstrip("\n").split("\t", 2)
                    if f in data:
                        data[f][chr(int(cp[2:], 16))] = v.split()[0]
    return data


def radical_strokes(n):
    # Kangxi radicals by their stroke count: the first radical of each count.
    firsts = [1, 7, 30, 61, 95, 118, 147, 167, 176, 187, 195, 201, 205, 209, 211, 212, 214]
    strokes = [1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17]
    return [s for f, s in zip(firsts, strokes) if f <= n][-1]


def rule_counts(hanzi, unihan_dir, sources):
    """The counting rule, computed from its sources."""
    overrides = {}
    for line in (sources / "traditional-overrides.tsv").read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            f = line.split("\t")
            overrides[f[0]] = f[1]
    res = subprocess.run(["opencc", "-c", "s2t.json"], input="\n".join(hanzi) + "\n",
                         capture_output=True, text=True, check=True)
    trad = dict(zip(hanzi, res.stdout.split("\n")))
    u = unihan_fields(unihan_dir, ("kRSKangXi", "kRSUnicode"))
    counts = {}
    for c in hanzi:
        if c in NUMERALS:
            counts[c] = NUMERALS[c]
            continue
        form = FIXED_TRADITIONAL.get(c) or overrides.get(c) or trad[c]
        rs = u["kRSKangXi"].get(form) or u["kRSUnicode"][form]
        rad, res_ = rs.split(".")
        counts[c] = radical_strokes(int(rad.rstrip("'"))) + int(res_)
    return counts, {c: FIXED_TRADITIONAL.get(c) or overrides.get(c) or trad[c] for c in hanzi}


# ------------------------------------------------------------ format checks

HANZI = r"[\u3400-\u9fff]"


def check_file_bytes(name, raw):
    if raw.startswith(b"\xef\xbb\xbf"):
        fail(f"{name}: starts with a byte-order mark")
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as e:
        fail(f"{name}: not UTF-8 ({e})")
        return None
    try:
        text.encode("gbk")
    except UnicodeEncodeError as e:
        fail(f"{name}: {text[e.start]!r} has no GBK form")
        return None
    if name in RUN_ON and ("\r" in text or "\n" in text):
        fail(f"{name}: a run-on table must hold no line break")
    if name in LINED:
        if not text.endswith("\r\n"):
            fail(f"{name}: last line does not end with CR LF")
        bad = re.search(r"\r(?!\n)|(?<!\r)\n", text)
        if bad:
            fail(f"{name}: line {text.count(chr(10), 0, bad.start()) + 1} ends other than with CR LF")
    return text


def check_entries(name, text, pattern):
    """Split a run-on table into entries matching pattern; name what does not."""
    pos, rows = 0, []
    rx = re.compile(pattern)
    while pos < len(text):
        m = rx.match(text, pos)
        if not m:
            fail(f"{name}: malformed entry at character {pos}: {text[pos:pos + 16]!r}")
            return rows
        rows.append(m)
        pos = m.end()
    return rows


def check_groups(name, text, labelled):
    """Sections "{n}" with group lines; returns [(count, [(element or "", chars)])]."""
    label = "“([金木水火土])”：" if labelled else "："
    group = rf"{label}({HANZI}+)"
    line_rx = re.compile(rf"{group}(?: +{group})?")
    sections, last = [], 0
    for i, line in enumerate(text.split("\r\n")[:-1], 1):
        m = re.fullmatch(r"\{([1-9][0-9]*)\}", line)
        if m:
            n = int(m.group(1))
            if n <= last:
                fail(f"{name}: line {i}: section {line} out of order")
            if sections and not sections[-1][1]:
                fail(f"{name}: section {{{sections[-1][0]}}} has no characters")
            sections.append((n, []))
            last = n
            continue
        m = line_rx.fullmatch(line)
        if not m or not sections:
            fail(f"{name}: line {i} malformed: {line[:30]!r}")
            continue
        groups = [x for x in m.groups() if x is not None]
        pairs = list(zip(groups[0::2], groups[1::2])) if labelled else [("", x) for x in groups]
        sections[-1][1].extend(pairs)
    if sections and not sections[-1][1]:
        fail(f"{name}: section {{{sections[-1][0]}}} has no characters")
    return sections


def check_reading_lines(name, text, with_tone):
    rx = re.compile(r"([a-z]+)([1-5]) (" + HANZI + r"+)" if with_tone else r"([a-z]+)() (" + HANZI + r"+)")
    keys, out = [], []
    for i, line in enumerate(text.split("\r\n")[:-1], 1):
        m = rx.fullmatch(line)
        if not m:
            fail(f"{name}: line {i} malformed: {line[:30]!r}")
            continue
        chars = m.group(3)
        if len(set(chars)) != len(chars):
            fail(f"{name}: line {i} lists a character twice")
        keys.append((m.group(1).translate(str.maketrans("uv", "vu")), m.group(2)))
        out.append((m.group(1) + m.group(2), chars))
    if keys != sorted(keys) or len(set(keys)) != len(keys):
        fail(f"{name}: lines not in syllable order (lv before lu), then tone, each once")
    return out


# ------------------------------------------------------------ main

def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--dir", type=Path, default=DATA, help="folder holding the tables")
    ap.add_argument("--unihan-dir", type=Path, default=UNIHAN_DIR)
    args = ap.parse_args()
    sources = DATA / "sources"
    derived = args.dir / "sources"

    text, gbk = {}, {}
    for name in RUN_ON + LINED:
        path = args.dir / f"{name}.txt"
        if not path.exists():
            fail(f"{name}: {path} missing")
            continue
        t = check_file_bytes(name, path.read_bytes())
        if t is not None:
            text[name], gbk[name] = t, g(t)
    if failures:
        return report()

    hanzi = gb2312_hanzi()
    hanzi_set = set(hanzi)

    # Run-on tables.
    names = check_entries("NameCharStrokes", text["NameCharStrokes"], rf"√({HANZI})\|([1-9][0-9]*)\|")
    simp = check_entries("SimpTradStrokes", text["SimpTradStrokes"], rf"√({HANZI})\|({HANZI})\|([1-9][0-9]*)\|")
    cells = check_entries("CharStrokeCells", text["CharStrokeCells"], rf"({HANZI})([0-9]{{2}}| [1-9]|[1-9] ) ")
    name_keys = [m.group(1) for m in names]
    simp_keys = [m.group(1) for m in simp]
    extra_names = [line.split("\t")[0] for line in
                   (sources / "extra-name-characters.tsv").read_text(encoding="utf-8").splitlines()
                   if line and not line.startswith("#")]
    for label, keys, allowed in (("NameCharStrokes", name_keys, hanzi_set | set(extra_names)),
                                 ("SimpTradStrokes", simp_keys, hanzi_set)):
        if len(set(keys)) != len(keys):
            fail(f"{label}: a character is a key twice")
        if set(keys) - allowed:
            fail(f"{label}: keys outside GB2312 and the reviewed extras: {''.join(sorted(set(keys) - allowed))}")
    both = set(name_keys) & set(simp_keys)
    if both:
        fail(f"keys of both NameCharStrokes and SimpTradStrokes: {''.join(sorted(both))}")
    for m in simp:
        if m.group(1) == m.group(2):
            fail(f"SimpTradStrokes: {m.group(0)} has equal forms")
    for m in cells:
        if int(m.group(2)) == 0:
            fail(f"CharStrokeCells: {m.group(0)!r} has count 0")
    level1 = [c for c in hanzi if g(c)[0] < 0xD8]
    cell_chars = [m.group(1) for m in cells]
    if cell_chars[:len(level1)] != level1:
        fail("CharStrokeCells: does not open with the first-level characters in GB2312 order")

    # Group tables.
    stroke_sec = check_groups("StrokeGroups", text["StrokeGroups"], False)
    element_sec = check_groups("ElementGroups", text["ElementGroups"], True)
    flat_s = [(n, c) for n, gs in stroke_sec for _, chars in gs for c in chars]
    flat_e = [(n, c) for n, gs in element_sec for _, chars in gs for c in chars]
    if [(n, len(gs)) for n, gs in stroke_sec] != [(n, len(gs)) for n, gs in element_sec] or flat_s != flat_e:
        fail("ElementGroups: sections, groups or characters differ from StrokeGroups")
    for e in ELEMENTS:
        where = [lab for _, gs in element_sec for lab, chars in gs for c in chars if c == e]
        if where != [e]:
            fail(f"ElementGroups: element character {e} stands {len(where)} times, in groups {where}")

    # Reading tables.
    pinyin_lines = check_reading_lines("PinyinTable", text["PinyinTable"], True)
    first_lines = check_reading_lines("FirstReadings", text["FirstReadings"], False)
    first_chars = [c for _, chars in first_lines for c in chars]
    if sorted(first_chars) != sorted(hanzi):
        fail("FirstReadings: does not hold every GB2312 hanzi exactly once")
    pinyin_chars = {c for _, chars in pinyin_lines for c in chars}
    if pinyin_chars - hanzi_set:
        fail(f"PinyinTable: characters outside GB2312: {''.join(sorted(pinyin_chars - hanzi_set))}")

    # Fixed rows and lines.
    for name, rows in FIXED_ROWS.items():
        for row in rows:
            if row not in text[name]:
                fail(f"{name}: fixed row {row!r} missing")
    ai_cells = [m.group(2) for m in cells if m.group(1) == "哎"]
    if ai_cells != [" 8", "11"]:
        fail(f"CharStrokeCells: 哎 should have the cells ' 8' then '11', has {ai_cells}")
    for name, blocks in FIXED_LINES.items():
        lines = text[name].split("\r\n")
        for block in blocks:
            if block[0] not in lines:
                fail(f"{name}: line {block[0]!r} missing")
                continue
            i = lines.index(block[0])
            sect = lines[i + 1:]
            sect = sect[:next((k for k, l in enumerate(sect) if l.startswith("{")), len(sect))]
            for line in block[1:]:
                if line not in sect:
                    fail(f"{name}: whole line {line!r} missing from section {block[0]}")
    plines = text["PinyinTable"].split("\r\n")
    for line in FIXED_PINYIN_LINES:
        if line not in plines:
            fail(f"PinyinTable: fixed line {line!r} missing")

    # Lookups.
    for ch, n in KNOWN_COUNTS.items():
        got = stroke_count(gbk, ch)
        if got != n:
            fail(f"StrokeCount({ch}) = {got}, want {n}")
    for ch in KNOWN_ABSENT:
        if stroke_count(gbk, ch) != 0:
            fail(f"StrokeCount({ch}) should be 0")
    for ch, e in KNOWN_ELEMENTS.items():
        if element_of(gbk, ch) != e:
            fail(f"ElementOf({ch}) = {element_of(gbk, ch)}, want {e}")
    for ch, want in KNOWN_PINYIN.items():
        got = pinyin_of(gbk, ch)
        if got != want:
            fail(f"PinyinOf({ch}) = {got!r}, want {want!r}")

    # Every character against the rule and the recorded elements.
    rule, trad = rule_counts(hanzi + extra_names, args.unihan_dir, sources)
    for m in simp:
        if trad[m.group(1)] != m.group(2):
            fail(f"SimpTradStrokes: {m.group(0)} but the traditional form is {trad[m.group(1)]}")
    for c in name_keys:
        if trad[c] != c:
            fail(f"NameCharStrokes: {c} has traditional form {trad[c]}")
    recorded = {}
    for line in (derived / "element-sources.tsv").read_text(encoding="utf-8").splitlines():
        if line and not line.startswith("#"):
            c, e, src = line.split("\t")
            recorded[c] = (e, src)
    wrong = []
    for c in hanzi + extra_names:
        got = stroke_count(gbk, c)
        want = FACT_COUNTS.get(c, rule[c])
        if got <= 0 or got != want:
            wrong.append(f"{c}:{got}/{want}")
        if c in extra_names:
            continue
        e = element_of(gbk, c)
        if c not in recorded:
            fail(f"element-sources.tsv: {c} missing")
        elif recorded[c][0] != e:
            fail(f"ElementOf({c}) = {e}, recorded {recorded[c][0]}")
        elif e == "未" and not recorded[c][1].startswith("none:"):
            fail(f"{c} has no element and no recorded reason")
        elif e != "未" and recorded[c][1].startswith("none:"):
            fail(f"{c} has element {e} but is recorded without one")
    if wrong:
        fail(f"StrokeCount differs from the rule for {len(wrong)} characters: {' '.join(wrong[:20])}")

    if not failures:
        print(f"NameCharStrokes {len(names)} entries, SimpTradStrokes {len(simp)}, "
              f"CharStrokeCells {len(cells)} cells, groups {len(flat_s)} characters "
              f"in {len(stroke_sec)} sections, PinyinTable {len(pinyin_lines)} lines "
              f"({len(pinyin_chars)} characters), FirstReadings {len(first_lines)} lines")
    return report()


def report():
    for f in failures:
        print("FAIL", f)
    print(f"check: {'ok' if not failures else str(len(failures)) + ' failure(s)'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
