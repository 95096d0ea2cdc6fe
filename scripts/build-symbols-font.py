#!/usr/bin/python3
"""Builds "Brindlewick Symbols Mono": the symbols that DejaVu Sans Mono lacks (arrows, technical
signs, shapes, dingbats), taken from Noto Sans Symbols2 / Symbols / Math and fitted into DejaVu Sans
Mono's cell, so a terminal line with ⏺ or ⎿ keeps every later character on its column.

Usage: build-symbols-font.py OUTPUT.ttf [FONT_DIR]
Needs python3-fontforge (Debian's /usr/bin/python3), fonts-dejavu-core and fonts-noto-core.
The output is deterministic: fixed time stamps, glyphs added in code point order.
"""
import os
import sys
import unicodedata

os.environ.setdefault("SOURCE_DATE_EPOCH", "1577836800")
import fontforge  # noqa: E402
import psMat  # noqa: E402

FAMILY = "Brindlewick Symbols Mono"
RANGES = [(0x2190, 0x2BFF), (0x1F780, 0x1F8FF)]
# fraction of the cell the widest glyph may fill, so neighbours never touch
FILL = 0.94


def find(dirs, name):
    for d in dirs:
        p = os.path.join(d, name)
        if os.path.exists(p):
            return p
    sys.exit("build-symbols-font: %s not found" % name)


def one_cell(cp):
    ch = chr(cp)
    if unicodedata.category(ch) in ("Cn", "Co", "Cs"):
        return False
    return unicodedata.east_asian_width(ch) not in ("W", "F")


def main():
    out = sys.argv[1]
    dirs = sys.argv[2:] or ["/usr/share/fonts/truetype/dejavu", "/usr/share/fonts/truetype/noto"]
    mono_names = ["DejaVuSansMono.ttf", "DejaVuSansMono-Bold.ttf", "DejaVuSansMono-Oblique.ttf",
                  "DejaVuSansMono-BoldOblique.ttf"]
    monos = [fontforge.open(find(dirs, n)) for n in mono_names]
    regular = monos[0]
    advance = regular[ord("M")].width
    em, ascent, descent = regular.em, regular.ascent, regular.descent
    covered = None
    for f in monos:
        cps = {g.unicode for g in f.glyphs() if g.unicode >= 0}
        covered = cps if covered is None else covered & cps
    sources = [fontforge.open(find(dirs, n)) for n in
               ["NotoSansSymbols2-Regular.ttf", "NotoSansSymbols-Regular.ttf", "NotoSansMath-Regular.ttf"]]

    font = fontforge.font()
    font.encoding = "UnicodeFull"
    font.em = em
    font.ascent, font.descent = ascent, descent
    font.familyname = FAMILY
    font.fontname = FAMILY.replace(" ", "")
    font.fullname = FAMILY
    font.weight = "Regular"
    font.version = "1.0"
    font.copyright = (sources[0].copyright + " Glyphs refitted into DejaVu Sans Mono's cell for Brindlewick. "
                      "Licensed under the SIL Open Font License 1.1.")
    font.appendSFNTName("English (US)", "License", "SIL Open Font License 1.1")
    font.appendSFNTName("English (US)", "License URL", "https://openfontlicense.org")
    font.os2_panose = (2, 11, 6, 9, 3, 8, 4, 2, 2, 4)  # monospaced
    font.os2_winascent, font.os2_windescent = regular.os2_winascent, regular.os2_windescent
    font.os2_typoascent, font.os2_typodescent = regular.os2_typoascent, regular.os2_typodescent
    font.os2_typolinegap = regular.os2_typolinegap
    font.hhea_ascent, font.hhea_descent = regular.hhea_ascent, regular.hhea_descent
    font.hhea_linegap = regular.hhea_linegap
    font.os2_winascent_add = font.os2_windescent_add = False
    font.os2_typoascent_add = font.os2_typodescent_add = False
    font.hhea_ascent_add = font.hhea_descent_add = False
    font.createChar(32, "space").width = advance
    font.createChar(-1, ".notdef").width = advance

    top, bottom = ascent * 0.98, -descent * 0.98
    count = 0
    for lo, hi in RANGES:
        for cp in range(lo, hi + 1):
            if cp in covered or not one_cell(cp):
                continue
            src = next((s for s in sources if cp in s and s[cp].isWorthOutputting()), None)
            if src is None:
                continue
            src.selection.select(cp)
            src.copy()
            font.selection.select(cp)
            font.paste()
            g = font[cp]
            g.transform(psMat.scale(em / src.em))
            xmin, ymin, xmax, ymax = g.boundingBox()
            w, h = xmax - xmin, ymax - ymin
            scale = 1.0
            if w > advance * FILL:
                scale = advance * FILL / w
            if h * scale > top - bottom:
                scale = (top - bottom) / h
            if scale != 1.0:
                # scale about the glyph's vertical centre so it stays at its height
                cy = (ymin + ymax) / 2
                g.transform(psMat.compose(psMat.translate(0, -cy),
                                          psMat.compose(psMat.scale(scale), psMat.translate(0, cy))))
            xmin, ymin, xmax, ymax = g.boundingBox()
            dy = 0
            if ymax > top:
                dy = top - ymax
            elif ymin < bottom:
                dy = bottom - ymin
            g.transform(psMat.translate((advance - (xmax - xmin)) / 2 - xmin, dy))
            g.width = advance
            g.round()
            count += 1
    for s in sources + monos:
        s.close()
    if count == 0:
        sys.exit("build-symbols-font: no glyphs found")
    font.generate(out, flags=("opentype", "omit-instructions", "no-hints"))
    print("build-symbols-font: %d glyphs, advance %d of %d units" % (count, advance, em))


main()
