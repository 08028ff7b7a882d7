#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Regenerates src/tools/CalculatorFontData.cpp, the glyphs of the TI-ASCII table.

The calculators' large font (5 x 7 ink in a 6 x 8 cell) is drawn from the misc-fixed
6x10 face, the small font (6 rows, 1 to 6 pixels wide) from the misc-fixed 4x6 face.
Both faces are public domain ("Share and enjoy.") and come with Debian's xfonts-base.
Everything they lack, or draw too far from the calculator's shapes, comes from
glyphs.txt beside this script, which is our own.

Needs, only to run this script (a build needs nothing but the generated file):

    apt-get install xfonts-base pcf2bdf

Usage:

    scripts/charset/make_atlas.py            # rewrite src/tools/CalculatorFontData.cpp
    scripts/charset/make_atlas.py --preview  # print every glyph as text art instead
"""

import argparse
import gzip
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
FONT_DIR = "/usr/share/fonts/X11/misc"
OUTPUT = os.path.join(ROOT, "src", "tools", "CalculatorFontData.cpp")
SUPPLEMENT = os.path.join(HERE, "glyphs.txt")

LARGE_ROWS = 8
SMALL_ROWS = 6

# ---------------------------------------------------------------------------------
# Which character each code shows, as Unicode, for the TI-83. None: no glyph in the
# face; the code is drawn by glyphs.txt or has no glyph at all.

ACCENTED = "ÁÀÂÄáàâäÉÈÊËéèêëÍÌÎÏíìîïÓÒÔÖóòôöÚÙÛÜúùûüÇçÑñ"

TI83 = {
    0x05: "►", 0x08: "∫", 0x09: "×", 0x0A: "□", 0x0C: "·", 0x0E: "³",
    0x10: "√", 0x12: "²", 0x13: "∠", 0x14: "°", 0x17: "≤", 0x18: "≠", 0x19: "≥",
    0x1A: "⁻", 0x1C: "→", 0x1E: "↑", 0x1F: "↓", 0x24: "⁴", 0x5B: "θ",
    0xB6: "´", 0xB8: "¨", 0xB9: "¿", 0xBA: "¡",
    0xBB: "α", 0xBC: "β", 0xBD: "γ", 0xBE: "Δ", 0xBF: "δ", 0xC0: "ε", 0xC1: "[",
    0xC2: "λ", 0xC3: "μ", 0xC4: "π", 0xC5: "ρ", 0xC6: "Σ", 0xC7: "σ", 0xC8: "τ",
    0xC9: "φ", 0xCA: "Ω", 0xCE: "…", 0xCF: "◄", 0xD0: "▪", 0xD1: "∕", 0xD2: "‐",
    0xD3: "²", 0xD4: "°", 0xD5: "³", 0xD9: "χ", 0xDC: "ʟ", 0xDF: "▸", 0xE0: "█",
}
for code in range(0x20, 0x7F):
    TI83.setdefault(code, chr(code))
for digit in range(10):
    TI83[0x80 + digit] = chr(0x2080 + digit)
for index, letter in enumerate(ACCENTED):
    TI83[0x8A + index] = letter

# The small font differs from the large one at a few codes.
TI83_SMALL = dict(TI83)
TI83_SMALL[0x24] = "$"
# The small font drops the accents of 8A-B1: each looks like its bare letter.
for index, letter in enumerate(ACCENTED[:40]):
    TI83_SMALL[0x8A + index] = "AAAAaaaaEEEEeeeeIIIIiiiiOOOOooooUUUUuuuu"[index]
# At this size the sequence letters are the plain ones, and the subscript digits
# the ordinary digits.
TI83_SMALL.update({0x02: "u", 0x03: "v", 0x04: "w"})
for digit in range(10):
    TI83_SMALL[0x80 + digit] = str(digit)

# The codes each font defines, per model.
LARGE_CODES = {"83": range(0x01, 0xF2), "82": range(0x01, 0xE2)}
SMALL_CODES = {"83": range(0x01, 0xED), "82": range(0x00, 0xE1)}

# Where the TI-82 draws at a code what the TI-83 draws at another one.
TI82_FROM_TI83 = {
    "large": {0xD7: 0x01, 0xD8: 0xDF, 0xD9: 0xE0, 0xDA: 0xE1, 0xDB: 0xE2, 0xDC: 0xE3,
              0xDD: 0xE4, 0xDE: 0xE5, 0xDF: 0xE6, 0xE0: 0xE7, 0xE1: 0xF1},
    "small": {0xD7: 0x01, 0xD8: 0xDF, 0xD9: 0xE1, 0xDA: 0xE2, 0xDB: 0xE3, 0xDC: 0xE4,
              0xDD: 0xE5, 0xDE: 0xE6, 0xDF: 0xE7, 0xE0: 0xE8},
}

# Small-font widths in pixels, with the blank column that ends most glyphs; one row of
# sixteen codes per line, "-" for no glyph.
SMALL_WIDTHS_83 = """
- 6 4 4 4 4 4 5 4 4 4 4 4 4 4 5
4 5 4 4 5 5 4 5 6 5 4 4 5 6 3 3
1 2 4 6 6 4 5 2 3 3 6 4 3 4 2 4
4 4 4 4 4 4 4 4 4 4 2 3 4 4 4 4
6 4 4 4 4 4 4 5 4 4 4 4 4 4 4 4
4 4 4 4 4 4 4 4 4 4 4 4 4 3 4 4
3 4 4 4 4 4 3 4 4 2 4 4 3 6 4 4
4 4 4 3 3 4 4 6 4 4 5 4 2 4 5 4
4 3 4 4 4 4 4 4 4 4 4 4 4 4 4 4
4 4 4 4 4 4 4 4 4 4 2 2 2 2 2 2
2 2 4 4 4 4 4 4 4 4 4 4 4 4 4 4
4 4 4 4 5 5 3 3 4 4 2 5 4 5 6 4
4 3 4 5 6 5 5 5 5 6 6 4 4 4 4 4
3 4 3 4 4 4 4 4 4 4 4 4 3 3 4 3
3 6 5 6 5 6 5 6 5 6 5 6 5 - - -
- - - - - - - - - - - - - - - -
"""

# The TI-82 widths that differ from the TI-83 ones.
SMALL_WIDTHS_82_CHANGES = {
    0x00: 5, 0x01: 5, 0x02: 5, 0x03: 5, 0x04: 5,
    0x49: 2, 0x4B: 5, 0x4D: 6, 0x4E: 5, 0x51: 5, 0x57: 6,
    0xD7: 6, 0xD8: 3, 0xD9: 6, 0xDA: 5, 0xDB: 6, 0xDC: 5, 0xDD: 6, 0xDE: 5, 0xDF: 6,
    0xE0: 5, 0xE1: 0, 0xE2: 0, 0xE3: 0, 0xE4: 0, 0xE5: 0, 0xE6: 0, 0xE7: 0, 0xE8: 0,
    0xE9: 0, 0xEA: 0, 0xEB: 0, 0xEC: 0,
}

# Small glyphs whose ink reaches into the last column of their width, so that they
# touch their right neighbour (arrows, the halves of the plot icons).
SMALL_INK_IN_LAST_COLUMN_83 = {0x07, 0x0E, 0x1E, 0x1F, 0xDC, 0xDD, 0xDE, 0xE0} | set(
    range(0xE1, 0xEC))


def small_ink_in_last_column(model):
    if model == "83":
        return SMALL_INK_IN_LAST_COLUMN_83
    moved = TI82_FROM_TI83["small"]
    kept = {c for c in SMALL_INK_IN_LAST_COLUMN_83 if c < 0xD7}
    return kept | {0x00} | {c for c, source in moved.items()
                            if source in SMALL_INK_IN_LAST_COLUMN_83}


def small_widths(model):
    widths = {}
    rows = SMALL_WIDTHS_83.split("\n")[1:17]
    for high, line in enumerate(rows):
        for low, cell in enumerate(line.split()):
            widths[high * 16 + low] = 0 if cell == "-" else int(cell)
    if model == "82":
        widths.update(SMALL_WIDTHS_82_CHANGES)
    return widths


# ---------------------------------------------------------------------------------
# Reading the faces.

def read_bdf(face):
    """Returns (cell width, cell height, ascent, {code point: rows of 0/1 lists})."""
    with gzip.open(os.path.join(FONT_DIR, face + ".pcf.gz")) as packed:
        pcf = packed.read()
    with tempfile.TemporaryDirectory() as scratch:
        pcf_path = os.path.join(scratch, face + ".pcf")
        bdf_path = os.path.join(scratch, face + ".bdf")
        with open(pcf_path, "wb") as out:
            out.write(pcf)
        subprocess.run(["pcf2bdf", "-o", bdf_path, pcf_path], check=True)
        with open(bdf_path, encoding="latin-1") as bdf:
            lines = bdf.read().split("\n")
    glyphs = {}
    width = height = ascent = 0
    index = 0
    while index < len(lines):
        words = lines[index].split()
        if not words:
            index += 1
            continue
        if words[0] == "FONTBOUNDINGBOX":
            width, height = int(words[1]), int(words[2])
        elif words[0] == "FONT_ASCENT":
            ascent = int(words[1])
        elif words[0] == "ENCODING":
            code = int(words[1])
        elif words[0] == "BBX":
            box = [int(w) for w in words[1:5]]
        elif words[0] == "BITMAP":
            bw, bh, bx, by = box
            cell = [[0] * width for _ in range(height)]
            for row in range(bh):
                bits = int(lines[index + 1 + row], 16)
                nbits = len(lines[index + 1 + row]) * 4
                y = ascent - by - bh + row
                for col in range(bw):
                    if bits >> (nbits - 1 - col) & 1:
                        x = bx + col
                        if 0 <= x < width and 0 <= y < height:
                            cell[y][x] = 1
            glyphs[code] = cell
            index += bh
        index += 1
    return width, height, ascent, glyphs


def ink_rows(cell):
    used = [y for y, row in enumerate(cell) if any(row)]
    return (used[0], used[-1]) if used else (0, 0)


def fitted_shift(cell, preferred, lowest):
    """The vertical move closest to preferred that keeps the ink in rows 0..lowest,
    or None when the ink is too tall for that."""
    top, bottom = ink_rows(cell)
    if bottom - top > lowest:
        return None
    return max(-top, min(preferred, lowest - bottom))


def squeezed(cell, height):
    """Takes rows out of a glyph taller than height: first blank rows inside the ink
    (the gap under an accent), then, from the bottom up, rows equal to the row below
    them (the straight part of a stem), as the calculator fits accented capitals into
    seven rows."""
    cell = [list(row) for row in cell]
    while True:
        top, bottom = ink_rows(cell)
        if bottom - top < height:
            return cell
        gaps = [y for y in range(top + 1, bottom) if not any(cell[y])]
        repeats = [y for y in range(bottom - 1, top, -1) if cell[y] == cell[y + 1]]
        if gaps:
            del cell[gaps[0]]
        elif repeats:
            del cell[repeats[0]]
        else:
            return cell
        cell.append([0] * len(cell[0]))


def large_from_face(cell):
    """6x10 draws capitals in rows 1-7 and columns 0-4; the calculator in rows 0-6 and
    columns 1-5, with row 7 always blank. Marks, descenders and subscripts move only
    as far as they must to stay inside rows 0-6. Returns the 6 x 8 glyph, or None
    when the ink does not fit."""
    cell = squeezed(cell, LARGE_ROWS - 1)
    shift = fitted_shift(cell, -1, LARGE_ROWS - 2)
    if shift is None or any(row[5] for row in cell):
        return None
    glyph = [[0] * 6 for _ in range(LARGE_ROWS)]
    for y, row in enumerate(cell):
        for x in range(5):
            if row[x]:
                glyph[y + shift][x + 1] = 1
    return glyph


def small_from_face(cell, width):
    """4x6 draws capitals in rows 0-4; the calculator in rows 1-5. The ink moves down
    one row where it can, and to the left edge of the glyph. None when the ink does
    not fit the width."""
    shift = fitted_shift(cell, 1, SMALL_ROWS - 1)
    columns = [x for x in range(len(cell[0])) if any(row[x] for row in cell)]
    left = columns[0] if columns else 0
    if shift is None or (columns and columns[-1] - left >= width):
        return None
    glyph = [[0] * width for _ in range(SMALL_ROWS)]
    for y, row in enumerate(cell):
        for x, bit in enumerate(row):
            if bit:
                glyph[y + shift][x - left] = 1
    return glyph


# ---------------------------------------------------------------------------------
# Our own glyphs.

def read_supplement():
    """glyphs.txt: blocks headed "large 83 01" (font, model 82, 83 or both, codes in
    hexadecimal, several with commas), then the rows as "#" (ink) and "." (blank).
    "//" starts a comment."""
    entries = {}
    with open(SUPPLEMENT, encoding="utf-8") as text:
        lines = text.read().split("\n")
    index = 0
    while index < len(lines):
        line = lines[index].split("//")[0].rstrip()
        index += 1
        if not line:
            continue
        words = line.split()
        if words[0] not in ("large", "small"):
            sys.exit(f"glyphs.txt:{index}: expected a heading, got {line!r}")
        font, models, codes = words[0], words[1], words[2]
        rows = []
        height = LARGE_ROWS if font == "large" else SMALL_ROWS
        for _ in range(height):
            art = lines[index].split()[0] if lines[index].split() else ""
            if not art or not set(art) <= {"#", "."}:
                sys.exit(f"glyphs.txt:{index + 1}: expected {height} rows of art")
            rows.append([1 if c == "#" else 0 for c in art])
            index += 1
        width = len(rows[0])
        if any(len(row) != width for row in rows):
            sys.exit(f"glyphs.txt:{index}: the rows of {line!r} differ in length")
        if font == "large" and width != 6:
            sys.exit(f"glyphs.txt:{index}: a large glyph is 6 columns wide")
        for model in (["82", "83"] if models == "both" else [models]):
            for code in codes.split(","):
                key = (font, model, int(code, 16))
                if key in entries:
                    sys.exit(f"glyphs.txt:{index}: {font} {model} {code} drawn twice")
                entries[key] = rows
    return entries


# ---------------------------------------------------------------------------------
# Building the four fonts.

def build(model, font, faces, supplement, problems):
    """{code: (width, rows)} for one model and font."""
    codes = LARGE_CODES[model] if font == "large" else SMALL_CODES[model]
    widths = small_widths(model)
    mapping = TI83 if font == "large" else TI83_SMALL
    remap = TI82_FROM_TI83[font] if model == "82" else {}
    glyphs = {}
    for code in codes:
        own = supplement.get((font, model, code))
        if own is None and code in remap:
            own = supplement.get((font, "83", remap[code]))
        source = remap.get(code, code)
        if own is None and model == "82" and code not in remap:
            own = supplement.get((font, "83", code))
        width = 6 if font == "large" else widths[code]
        if own is not None:
            glyphs[code] = (len(own[0]) if font == "small" else 6, own)
            continue
        char = mapping.get(source)
        face = faces[font]
        if char is None or len(char) != 1 or ord(char) not in face:
            problems.append(f"{font} {model} {code:02X}: no glyph")
            continue
        if font == "large":
            rows = large_from_face(face[ord(char)])
        else:
            rows = small_from_face(face[ord(char)], width)
        if rows is None:
            problems.append(f"{font} {model} {code:02X} ({char}): does not fit")
            continue
        glyphs[code] = (width, rows)
    for code, (width, rows) in glyphs.items():
        check(model, font, code, width, rows, widths, problems)
    return glyphs


def check(model, font, code, width, rows, widths, problems):
    if font == "large":
        if any(row[0] for row in rows) or any(rows[7]):
            problems.append(f"large {model} {code:02X}: ink in column 0 or row 7")
        return
    if width != widths[code]:
        problems.append(f"small {model} {code:02X}: width {width}, expected {widths[code]}")
    touching = small_ink_in_last_column(model)
    if width > 1 and code not in touching and any(row[width - 1] for row in rows):
        problems.append(f"small {model} {code:02X}: ink in the separating column")


def row_byte(row):
    value = 0
    for x, bit in enumerate(row):
        if bit:
            value |= 0x80 >> x
    return value


def emit(fonts):
    out = []
    out.append("// SPDX-License-Identifier: GPL-3.0-or-later")
    out.append("// Generated by scripts/charset/make_atlas.py from the misc-fixed 6x10 and 4x6")
    out.append("// faces (public domain) and scripts/charset/glyphs.txt. Do not edit by hand:")
    out.append("// change glyphs.txt and run the script again.")
    out.append("// clang-format off")
    out.append("#include \"tools/CalculatorFontData.h\"")
    out.append("")
    out.append("namespace vexil::tools::fontdata {")
    for (model, font), glyphs in fonts:
        rows_per = LARGE_ROWS if font == "large" else SMALL_ROWS
        name = f"k{font.capitalize()}{model}"
        out.append("")
        out.append(f"const std::array<GlyphBits, 256> {name} = {{{{")
        for code in range(256):
            if code in glyphs:
                width, rows = glyphs[code]
                data = ", ".join(f"0x{row_byte(r):02X}" for r in rows)
                data += ", 0x00" * (LARGE_ROWS - rows_per)
            else:
                width, data = 0, ", ".join(["0x00"] * LARGE_ROWS)
            out.append(f"    {{{width}, {{{data}}}}}, // {code:02X}")
        out.append("}};")
    out.append("")
    out.append("} // namespace vexil::tools::fontdata")
    return "\n".join(out) + "\n"


def preview(fonts):
    for (model, font), glyphs in fonts:
        print(f"=== {font} TI-{model}")
        for base in range(0, 256, 16):
            codes = [c for c in range(base, base + 16) if c in glyphs]
            if not codes:
                continue
            height = LARGE_ROWS if font == "large" else SMALL_ROWS
            print("   " + " ".join(f"{c:02X}".ljust(7) for c in codes))
            for y in range(height):
                cells = []
                for c in codes:
                    width, rows = glyphs[c]
                    cells.append("".join("#" if b else "." for b in rows[y]).ljust(7))
                print("   " + " ".join(cells))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--preview", action="store_true", help="print the glyphs as text art")
    args = parser.parse_args()
    large_face = read_bdf("6x10")[3]
    small_face = read_bdf("4x6")[3]
    faces = {"large": large_face, "small": small_face}
    supplement = read_supplement()
    problems = []
    fonts = []
    for model in ("82", "83"):
        for font in ("large", "small"):
            fonts.append(((model, font), build(model, font, faces, supplement, problems)))
    if args.preview:
        preview(fonts)
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        sys.exit(1)
    if not args.preview:
        with open(OUTPUT, "w", encoding="utf-8") as out:
            out.write(emit(fonts))
        print(f"wrote {os.path.relpath(OUTPUT, ROOT)}")


if __name__ == "__main__":
    main()
