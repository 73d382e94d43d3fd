#!/usr/bin/python3
"""Prepares the title font that morvane.exe carries: Debian's Smiley Sans (fonts-smiley-sans,
SIL Open Font License 1.1, no reserved font name) renamed to the family "迷你简稚艺", regular
subfamily, so that the title label finds it by that name.

    apt-get install fonts-smiley-sans python3-fonttools
    /usr/bin/python3 tools/make_title_font.py [source.ttf] [assets/title-font.ttf]

The outlines, metrics and character maps are kept as they are; only names and style bits change.
The output is byte-for-byte reproducible from the same source and fontTools version.
"""
import sys

from fontTools.ttLib import TTFont

SOURCE = "/usr/share/fonts/truetype/smiley-sans/SmileySans-Oblique.ttf"
TARGET = "assets/title-font.ttf"

FAMILY = "迷你简稚艺"
SUBFAMILY = "Regular"
POSTSCRIPT = "MorvaneTitle-Regular"  # PostScript names are ASCII only

WINDOWS, UNICODE_BMP = 3, 1
LANGUAGES = (0x0804, 0x0409)  # Simplified Chinese, US English
# Names that carried the original family or style: replaced below or dropped.
FAMILY_NAMES = (1, 2, 3, 4, 6, 16, 17, 18, 21, 22)


def rename(font):
    name = font["name"]
    version = name.getName(5, WINDOWS, UNICODE_BMP, 0x0409).toUnicode()
    # Mac-platform records and the typographic family and style names would still announce the
    # original family and its oblique style; Windows reads the Windows records.
    name.names = [
        record
        for record in name.names
        if record.platformID == WINDOWS and record.nameID not in FAMILY_NAMES
    ]
    for language in LANGUAGES:
        for name_id, text in (
            (1, FAMILY),
            (2, SUBFAMILY),
            (3, f"{POSTSCRIPT};{version}"),
            (4, FAMILY),
            (6, POSTSCRIPT),
        ):
            name.setName(text, name_id, WINDOWS, UNICODE_BMP, language)

    os2 = font["OS/2"]
    italic, regular, oblique = 1 << 0, 1 << 6, 1 << 9
    os2.fsSelection = (os2.fsSelection & ~(italic | oblique)) | regular
    os2.usWeightClass = 400
    font["head"].macStyle &= ~0b11  # neither bold nor italic
    font["post"].italicAngle = 0


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else SOURCE
    target = sys.argv[2] if len(sys.argv) > 2 else TARGET
    font = TTFont(source, recalcTimestamp=False)
    if "glyf" not in font:
        sys.exit(f"{source}: no TrueType (glyf) outlines")
    rename(font)
    font.save(target, reorderTables=False)
    print(f"{target}: family {FAMILY}, {font['maxp'].numGlyphs} glyphs")


if __name__ == "__main__":
    main()
