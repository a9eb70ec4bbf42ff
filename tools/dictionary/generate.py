#!/usr/bin/env python3
"""Build the character dictionary's built-in tables.

Inputs (all public, all read from the machine, nothing fetched):
  - Unihan (Debian package unicode-data): /usr/share/unicode/Unihan_*.txt.bz2
  - OpenCC's s2t.json conversion (Debian package opencc), run as a command
  - jieba's dictionary (Debian package python3-jieba), for which characters
    are common in personal names
  - the reviewed inputs in data/dictionary/sources/

Outputs in data/dictionary/: NameCharStrokes.txt, SimpTradStrokes.txt,
CharStrokeCells.txt, StrokeGroups.txt, ElementGroups.txt, PinyinTable.txt,
FirstReadings.txt (UTF-8 whose GBK form is the embedded table), and the
derived provenance files sources/element-sources.tsv and
sources/stroke-sources.tsv.

The run is deterministic: the same inputs give the same bytes.
"""

import argparse
import bz2
import collections
import importlib.util
import subprocess
import sys
import unicodedata
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
OUT_DIR = ROOT / "data" / "dictionary"
SOURCES = OUT_DIR / "sources"
UNIHAN_DIR = Path("/usr/share/unicode")
JIEBA_DICT_FALLBACK = Path("/usr/lib/python3/dist-packages/jieba/dict.txt")

ELEMENTS = "金木水火土"  # also the order of the groups inside a stroke section

# Strokes of each Kangxi radical in its full form, by radical number.  Taken by
# number on purpose: kTotalStrokes of some radical glyphs (瓦 骨 鬼 廴 鼎 龜 禸 ...)
# is not the count the radical carries in the Kangxi dictionary.
RADICAL_STROKE_RANGES = [
    (1, 6, 1), (7, 29, 2), (30, 60, 3), (61, 94, 4), (95, 117, 5),
    (118, 146, 6), (147, 166, 7), (167, 175, 8), (176, 186, 9),
    (187, 194, 10), (195, 200, 11), (201, 204, 12), (205, 208, 13),
    (209, 210, 14), (211, 211, 15), (212, 213, 16), (214, 214, 17),
]

# Numerals are counted by the number they stand for.
NUMERAL_COUNTS = {c: i + 1 for i, c in enumerate("一二三四五六七八九十")}

# The traditional form that the dictionary's lookup itself fixes before asking
# the converter.
FIXED_TRADITIONAL = {"钟": "鍾"}

# Rows of CharStrokeCells that are facts of the table rather than results of the
# counting rule: 啊 reads 16; 哎's first cell pads its digit in front and a
# second, later cell for 哎 reads 11.
CELL_COUNT_FACTS = {"啊": 16}
CELL_TEXT_FACTS = {"哎": " 8"}
EXTRA_CELL_FACTS = [("哎", "11")]

# Meaning radicals whose element fills a character the elements dataset lacks.
# Kangxi radical number -> element.  Measured agreement with the dataset on the
# GB2312 characters it covers is printed by each run and kept in the README.
MEANING_RADICALS = {
    85: "水", 15: "水", 173: "水",          # 水/氵, 冫, 雨
    75: "木", 140: "木", 118: "木",         # 木, 艸/艹, 竹
    86: "火",                               # 火/灬
    32: "土", 112: "土", 46: "土",          # 土, 石, 山
    167: "金", 18: "金",                    # 金/钅, 刀/刂
}

# Five-sound rule by the initial of the first reading.
SOUND_ELEMENTS = {
    "b": "水", "p": "水", "m": "水", "f": "水", "h": "水",
    "d": "火", "t": "火", "n": "火", "l": "火",
    "g": "木", "k": "木", "j": "木", "q": "木",
    "z": "金", "c": "金", "s": "金", "zh": "金", "ch": "金", "sh": "金",
    "r": "金", "x": "金",
    "y": "土", "w": "土", "": "土",
}

# A character is "common in names" when it occurs in at least this many
# distinct two- or three-character person-name words (tag nr) of jieba's
# dictionary.
NAME_WORD_THRESHOLD = 3

READING_FIELDS = ("kXHC1983", "kTGHZ2013", "kHanyuPinyin", "kMandarin")
TONE_MARKS = {"\u0304": 1, "\u0301": 2, "\u030c": 3, "\u0300": 4}


class DataError(Exception):
    pass


# ---------------------------------------------------------------- loading

def load_unihan(unihan_dir, wanted):
    """Return {field: {char: value}} for the wanted Unihan fields."""
    data = {f: {} for f in wanted}
    for path in sorted(unihan_dir.glob("Unihan_*.txt.bz2")):
        with bz2.open(path, "rt", encoding="utf-8") as fh:
            for line in fh:
                if line.startswith("#") or not line.strip():
                    continue
                cp, field, value = line.rstrip("\n").split("\t", 2)
                if field in data:
                    data[field][chr(int(cp[2:], 16))] = value
    for f in wanted:
        if not data[f]:
            raise DataError(f"Unihan field {f} not found under {unihan_dir}")
    return data


def load_radical_ideographs(unihan_dir):
    """Kangxi radical number -> its unified ideograph (full form)."""
    out = {}
    with open(unihan_dir / "CJKRadicals.txt", encoding="utf-8") as fh:
        for line in fh:
            line = line.split("#")[0].strip()
            if not line:
                continue
            num, _radical, ideo = [x.strip() for x in line.split(";")]
            if "'" not in num:
                out[int(num)] = chr(int(ideo, 16))
    return out


def gb_key(ch):
    return ch.encode("gb2312")


def gb2312_hanzi(unihan):
    chars = [c for c, v in unihan["kIRG_GSource"].items() if v.startswith("G0-")]
    chars.sort(key=gb_key)
    if len(chars) != 6763:
        raise DataError(f"expected 6763 GB2312 hanzi, found {len(chars)}")
    return chars


def read_tsv(path):
    """Rows of a reviewed TSV file: '#' starts a comment line."""
    rows = []
    with open(path, encoding="utf-8") as fh:
        for n, line in enumerate(fh, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            rows.append((n, line.split("\t")))
    return rows


def load_overrides(path):
    out = {}
    for n, f in read_tsv(path):
        if len(f) != 3 or len(f[0]) != 1 or len(f[1]) != 1 or not f[2].strip():
            raise DataError(f"{path.name}:{n}: want char, form, reason")
        if f[0] in out:
            raise DataError(f"{path.name}:{n}: {f[0]} listed twice")
        out[f[0]] = f[1]
    return out


def load_extra_names(path):
    out = []
    for n, f in read_tsv(path):
        if len(f) != 2 or len(f[0]) != 1 or not f[1].strip():
            raise DataError(f"{path.name}:{n}: want char, reason")
        out.append(f[0])
    return out


def load_elements_dataset(path):
    first = {}
    for n, f in read_tsv(path):
        if len(f) != 2 or len(f[0]) != 1 or f[1] not in ELEMENTS:
            raise DataError(f"{path.name}:{n}: want char, element")
        first.setdefault(f[0], f[1])  # a character listed twice keeps its first row
    return first


def load_adjustments(path):
    adds, drops, orders = [], [], {}
    for n, f in read_tsv(path):
        if len(f) != 4 or not f[3].strip():
            raise DataError(f"{path.name}:{n}: want kind, key, value, reason")
        kind, key, value, _reason = f
        if kind == "add":
            adds.append((key, value))
        elif kind == "drop":
            drops.append((key, value))
        elif kind == "order":
            orders[key] = value
        else:
            raise DataError(f"{path.name}:{n}: unknown kind {kind!r}")
    return adds, drops, orders


def jieba_dict_path():
    module = importlib.util.find_spec("jieba")
    if module and module.origin:
        p = Path(module.origin).parent / "dict.txt"
        if p.exists():
            return p
    if JIEBA_DICT_FALLBACK.exists():
        return JIEBA_DICT_FALLBACK
    raise DataError("jieba's dict.txt not found (apt-get install python3-jieba)")


def name_word_counts(path):
    counts = collections.Counter()
    with open(path, encoding="utf-8") as fh:
        for line in fh:
            parts = line.split()
            if len(parts) == 3 and parts[2] == "nr" and 2 <= len(parts[0]) <= 3:
                counts.update(set(parts[0]))
    return counts


def opencc_s2t(chars):
    """OpenCC s2t, one character per line so no phrase can steer a choice."""
    res = subprocess.run(["opencc", "-c", "s2t.json"], input="\n".join(chars) + "\n",
                         capture_output=True, text=True, check=True)
    out = res.stdout.split("\n")
    if out and out[-1] == "":
        out.pop()
    if len(out) != len(chars) or any(len(t) != 1 for t in out):
        raise DataError("opencc did not map one character to one character")
    return dict(zip(chars, out))


# ---------------------------------------------------------------- strokes

def radical_strokes(number):
    for lo, hi, strokes in RADICAL_STROKE_RANGES:
        if lo <= number <= hi:
            return strokes
    raise DataError(f"no Kangxi radical {number}")


def parse_rs(value):
    """'96.-1' or "167'.5" -> (radical number, signed residual strokes)."""
    rad, res = value.split()[0].split(".")
    return int(rad.rstrip("'")), int(res)


def kangxi_count(form, unihan):
    """(count, field used, raw value) of a character by the Kangxi convention."""
    for field in ("kRSKangXi", "kRSUnicode"):
        value = unihan[field].get(form)
        if value:
            rad, res = parse_rs(value)
            return radical_strokes(rad) + res, field, value.split()[0]
    raise DataError(f"no radical-stroke data for {form}")


# ---------------------------------------------------------------- readings

def numbered(reading):
    """'lüè' -> 'lve4', 'hng' -> 'hng5', 'ḿ' -> 'm2', 'ê̄' -> 'e1'."""
    tone, letters = 5, ""
    for ch in unicodedata.normalize("NFD", reading):
        if ch in TONE_MARKS:
            tone = TONE_MARKS[ch]
        elif ch == "\u0308":            # ü
            letters = letters[:-1] + "v"
        elif ch == "\u0302":            # ê is written e
            continue
        else:
            letters += ch
    if not (letters.isascii() and letters.isalpha() and letters.islower()):
        raise DataError(f"unexpected reading {reading!r}")
    return f"{letters}{tone}"


def source_readings(ch, unihan):
    """(field, readings in the field's order, numbered) from the first field that has the character."""
    for field in READING_FIELDS:
        value = unihan[field].get(ch)
        if not value:
            continue
        if field == "kMandarin":
            raw = value.split()
        else:  # "location[,location]:reading[,reading]" entries separated by spaces
            raw = [r for entry in value.split() for r in entry.split(":", 1)[1].split(",")]
        out = []
        for r in raw:
            n = numbered(r)
            if n not in out:
                out.append(n)
        return field, out
    raise DataError(f"no reading for {ch}")


def syllable_key(syllable):
    """Alphabetical, except that v sorts before u: the lv group precedes lu."""
    return syllable.translate(str.maketrans("uv", "vu"))


def reading_key(reading):
    return (syllable_key(reading[:-1]), reading[-1])


def initial_of(syllable):
    for ini in ("zh", "ch", "sh"):
        if syllable.startswith(ini):
            return ini
    if syllable[0] in "bpmfdtnlgkhjqxzcsryw":
        return syllable[0]
    return ""


# ---------------------------------------------------------------- writing

def check_gbk(name, text):
    try:
        text.encode("gbk")
    except UnicodeEncodeError as e:
        raise DataError(f"{name}: {text[e.start]!r} has no GBK form")


def write_table(out_dir, name, text):
    check_gbk(name, text)
    (out_dir / f"{name}.txt").write_bytes(text.encode("utf-8"))


def write_lf(path, lines):
    path.write_bytes(("\n".join(lines) + "\n").encode("utf-8"))


# ---------------------------------------------------------------- main

def build(unihan_dir, out_dir, sources_dir):
    unihan = load_unihan(unihan_dir, ["kIRG_GSource", "kRSUnicode", "kRSKangXi", *READING_FIELDS])
    radical_ideo = load_radical_ideographs(unihan_dir)
    hanzi = gb2312_hanzi(unihan)
    level1 = [c for c in hanzi if gb_key(c)[0] < 0xD8]
    if len(level1) != 3755:
        raise DataError(f"expected 3755 first-level characters, found {len(level1)}")

    overrides = load_overrides(sources_dir / "traditional-overrides.tsv")
    extra_names = load_extra_names(sources_dir / "extra-name-characters.tsv")
    dataset = load_elements_dataset(sources_dir / "elements.tsv")
    adds, drops, orders = load_adjustments(sources_dir / "reading-adjustments.tsv")
    name_words = name_word_counts(jieba_dict_path())

    # Traditional form and count of every character.
    opencc = opencc_s2t(hanzi)
    traditional, count, stroke_rows = {}, {}, []
    for c in hanzi:
        if c in FIXED_TRADITIONAL:
            t, via_t = FIXED_TRADITIONAL[c], "fixed"
        elif c in overrides:
            t, via_t = overrides[c], "override"
        else:
            t, via_t = opencc[c], "opencc"
        traditional[c] = t
        n, field, raw = kangxi_count(t, unihan)
        if c in NUMERAL_COUNTS:
            n, field = NUMERAL_COUNTS[c], "numeral"
        count[c] = n
        stroke_rows.append(f"{c}\t{t}\t{via_t}\t{field}\t{raw}\t{n}")
        if n <= 0:
            raise DataError(f"count of {c} is {n}")
    unknown = set(overrides) - set(hanzi)
    if unknown:
        raise DataError(f"overrides for characters outside GB2312: {''.join(sorted(unknown))}")

    # Name characters outside GB2312: each must be its own traditional form.
    extra_opencc = opencc_s2t(extra_names)
    for c in extra_names:
        check_gbk("extra-name-characters.tsv", c)
        if c in count or extra_opencc[c] != c:
            raise DataError(f"extra name character {c} is in GB2312 or not its own traditional form")
        n, field, raw = kangxi_count(c, unihan)
        count[c], traditional[c] = n, c
        stroke_rows.append(f"{c}\t{c}\topencc\t{field}\t{raw}\t{n}")

    # Readings.
    readings, reading_field = {}, {}
    for c in hanzi:
        reading_field[c], readings[c] = source_readings(c, unihan)
    for c, r in adds:
        if r in readings[c]:
            raise DataError(f"adjustment adds {c} {r}, which it already has")
        readings[c].append(r)
    for c, r in drops:
        if r not in readings[c]:
            raise DataError(f"adjustment drops {c} {r}, which it lacks")
        readings[c].remove(r)
    first_reading = {c: readings[c][0] for c in hanzi}

    # Radical forms: a radical standing alone (no residual strokes) that neither
    # modern standard dictionary (kXHC1983, kTGHZ2013) lists as a character.
    radical_forms = [c for c in hanzi
                     if parse_rs(unihan["kRSUnicode"][c])[1] == 0
                     and c not in unihan["kXHC1983"] and c not in unihan["kTGHZ2013"]]

    # Elements.
    element, element_source = {}, {}
    for c in hanzi:
        if c in dataset:
            element[c], element_source[c] = dataset[c], "dataset"
        elif c == "嗯":
            element_source[c] = "none:left out of the groups on purpose; its element reads 未"
        elif c in radical_forms:
            element_source[c] = "none:radical form without a dataset element; not filled"
        else:
            rad = parse_rs(unihan["kRSUnicode"][c])[0]
            if rad in MEANING_RADICALS:
                element[c] = MEANING_RADICALS[rad]
                element_source[c] = f"radical:{radical_ideo[rad]}"
            else:
                ini = initial_of(first_reading[c][:-1])
                element[c] = SOUND_ELEMENTS[ini]
                element_source[c] = f"sound:{ini or '-'}"
    for e in ELEMENTS:
        if element.get(e) != e:
            raise DataError(f"element character {e} is not in its own group")

    # Which characters the name tables hold.
    names = {c for c in hanzi if name_words[c] >= NAME_WORD_THRESHOLD}
    names |= set(overrides) | set("健柏金轩泽国")
    names -= set(CELL_COUNT_FACTS) | set(CELL_TEXT_FACTS)  # their cells must answer
    names -= set(radical_forms)
    names = sorted(names, key=gb_key) + sorted(extra_names, key=lambda c: c.encode("gbk"))

    # NameCharStrokes and SimpTradStrokes.
    name_table = "".join(f"√{c}|{count[c]}|" for c in names if traditional[c] == c)
    simp_trad = "".join(f"√{c}|{traditional[c]}|{count[c]}|" for c in names if traditional[c] != c)

    # CharStrokeCells: the first-level characters, then the table's extra 哎 cell,
    # then the characters that stand in no group (their count must live somewhere).
    def cell(c, n):
        digits = f"{n:<2d}" if n < 10 else f"{n:2d}"
        if len(digits) != 2:
            raise DataError(f"count {n} of {c} does not fit a cell")
        return f"{c}{digits} "
    cells = []
    for c in level1:
        if c in CELL_TEXT_FACTS:
            cells.append(f"{c}{CELL_TEXT_FACTS[c]} ")
        else:
            cells.append(cell(c, CELL_COUNT_FACTS.get(c, count[c])))
    cells += [f"{c}{text} " for c, text in EXTRA_CELL_FACTS]
    ungrouped = [c for c in hanzi if c not in element]
    cells += [cell(c, count[c]) for c in ungrouped if c not in level1]
    cell_table = "".join(cells)

    # StrokeGroups and ElementGroups: sections by count, groups by element in the
    # order 金木水火土, characters by first reading then GB2312 code.
    sections = collections.defaultdict(lambda: collections.defaultdict(list))
    for c in hanzi:
        if c in element:
            sections[count[c]][element[c]].append(c)
    stroke_lines, element_lines = [], []
    for n in sorted(sections):
        stroke_lines.append(f"{{{n}}}")
        element_lines.append(f"{{{n}}}")
        for e in ELEMENTS:
            group = sorted(sections[n][e], key=lambda c: (reading_key(first_reading[c]), gb_key(c)))
            if group:
                stroke_lines.append("：" + "".join(group))
                element_lines.append(f"“{e}”：" + "".join(group))
    stroke_groups = "".join(line + "\r\n" for line in stroke_lines)
    element_groups = "".join(line + "\r\n" for line in element_lines)

    # PinyinTable: every reading of every character but the radical forms.
    lines = collections.defaultdict(list)
    for c in hanzi:
        if c not in radical_forms:
            for r in readings[c]:
                lines[r].append(c)
    for key, chars in orders.items():
        if key not in lines or sorted(lines[key], key=gb_key) != sorted(chars, key=gb_key):
            raise DataError(f"order adjustment for {key} does not list the line's characters")
        lines[key] = list(chars)
    pinyin_table = "".join(f"{r} {''.join(lines[r])}\r\n" for r in sorted(lines, key=reading_key))

    # FirstReadings: the fallback, first reading without tone for every character.
    first = collections.defaultdict(list)
    for c in hanzi:
        first[first_reading[c][:-1]].append(c)
    first_readings = "".join(f"{s} {''.join(first[s])}\r\n" for s in sorted(first, key=syllable_key))

    out_dir.mkdir(parents=True, exist_ok=True)
    write_table(out_dir, "NameCharStrokes", name_table)
    write_table(out_dir, "SimpTradStrokes", simp_trad)
    write_table(out_dir, "CharStrokeCells", cell_table)
    write_table(out_dir, "StrokeGroups", stroke_groups)
    write_table(out_dir, "ElementGroups", element_groups)
    write_table(out_dir, "PinyinTable", pinyin_table)
    write_table(out_dir, "FirstReadings", first_readings)
    # The lookup of traditional forms applies the same overrides before OpenCC, so
    # that the report shows the form the strokes were counted from.
    write_table(out_dir, "TraditionalOverrides", "".join(f"√{c}|{t}|" for c, t in sorted(overrides.items())))

    derived = out_dir / "sources"
    derived.mkdir(exist_ok=True)
    write_lf(derived / "element-sources.tsv", [
        "# Generated by tools/dictionary/generate.py: the element of each GB2312 character and where it came from.",
        "# source: dataset (elements.tsv) | radical:<meaning radical, full form> | sound:<initial of the first reading, - for none> | none:<why>",
        "# character\telement\tsource",
        *(f"{c}\t{element.get(c, '未')}\t{element_source[c]}" for c in hanzi)])
    write_lf(derived / "stroke-sources.tsv", [
        "# Generated by tools/dictionary/generate.py: the Kangxi count of each GB2312 character.",
        "# traditional form via: fixed (the lookup's own rule) | override (traditional-overrides.tsv) | opencc (s2t.json)",
        "# counted by: kRSKangXi (radical strokes by number + residual) | kRSUnicode (where kRSKangXi is absent) | numeral (its value)",
        "# character\ttraditional\tvia\tcounted by\tradical.residual\tcount",
        *stroke_rows])

    # Summary for the person running the tool.
    agree = collections.Counter()
    for c in hanzi:
        if c in dataset:
            rad = parse_rs(unihan["kRSUnicode"][c])[0]
            if rad in MEANING_RADICALS:
                agree[(rad, dataset[c] == MEANING_RADICALS[rad])] += 1
    src_count = collections.Counter(s.split(":")[0] for s in element_source.values())
    print(f"GB2312 hanzi {len(hanzi)}; radical forms {len(radical_forms)}: {''.join(radical_forms)}")
    print(f"overrides {len(overrides)}; name characters {len(names)}")
    print("elements by source: " + ", ".join(f"{k} {v}" for k, v in sorted(src_count.items())))
    print("meaning radicals vs dataset: " + ", ".join(
        f"{radical_ideo[r]} {agree[(r, True)]}/{agree[(r, True)] + agree[(r, False)]}"
        for r in MEANING_RADICALS))
    print("reading source fields: " + ", ".join(
        f"{f} {v}" for f, v in collections.Counter(reading_field.values()).most_common()))
    for name, text in (("NameCharStrokes", name_table), ("SimpTradStrokes", simp_trad),
                       ("CharStrokeCells", cell_table), ("StrokeGroups", stroke_groups),
                       ("ElementGroups", element_groups), ("PinyinTable", pinyin_table),
                       ("FirstReadings", first_readings)):
        print(f"{name}: {len(text.encode('gbk'))} bytes in GBK")


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--unihan-dir", type=Path, default=UNIHAN_DIR)
    ap.add_argument("--out", type=Path, default=OUT_DIR,
                    help="where the tables go (reviewed inputs are always read from data/dictionary/sources;"
                         " the derived provenance files go to OUT/sources)")
    args = ap.parse_args()
    try:
        build(args.unihan_dir, args.out, SOURCES)
    except (DataError, OSError, subprocess.CalledProcessError) as e:
        print(f"generate.py: {e}", file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
