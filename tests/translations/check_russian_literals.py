#!/usr/bin/env python3
"""Every Russian text the window shows goes through Qt's translation: a string literal holding
Cyrillic in src/app must be the source text of tr(), QCoreApplication::translate() or
QT_TRANSLATE_NOOP() or the core's GS_TRANSLATE_NOOP() that lupdate reads as it (adjacent literals count as one). Comments are not texts.

usage: check_russian_literals.py SOURCE_DIR [FILE...]   (files: check only these, for the test)
Prints each literal left outside and exits 1."""
import pathlib
import re
import sys

# The help pages' titles and names belong to the help's own translation (English pages of their
# own, chosen by the help window).
EXEMPT = {"src/app/help/help_pages.h", "src/app/help/help_pages.cpp"}

TOKEN = re.compile(r'//[^\n]*|/\*.*?\*/|"(?:[^"\\\n]|\\.)*"|\'(?:[^\'\\\n]|\\.)*\'', re.S)
CYRILLIC = re.compile("[\u0400-\u04ff]")
# What may stand before the literal: the opening of a translation call.
MARKED = re.compile(r'(\btr|\btranslate\s*\(\s*"[^"]*"\s*,|(?:QT|GS)_TRANSLATE_(?:N_)?NOOP\s*\(\s*"[^"]*"\s*,'
                    r'|QT_TR_NOOP)\s*\(?\s*$')


def unmarked_literals(text):
    """(line, literal) of each run of adjacent literals with Cyrillic not marked for translation."""
    found = []
    tokens = [m for m in TOKEN.finditer(text) if m.group(0).startswith('"')]
    k = 0
    while k < len(tokens):
        first = tokens[k]
        last = first
        # Adjacent literals ("a" "b") are one text; only blanks may lie between them.
        while k + 1 < len(tokens) and not text[last.end():tokens[k + 1].start()].strip():
            k += 1
            last = tokens[k]
        k += 1
        literal = text[first.start():last.end()]
        if not CYRILLIC.search(literal):
            continue
        before = text[max(0, first.start() - 300):first.start()]
        if MARKED.search(before):
            continue
        found.append((text.count("\n", 0, first.start()) + 1, literal))
    return found


def blank_comments(text):
    """The text with every comment's characters turned to blanks (lines kept)."""
    def blank(m):
        token = m.group(0)
        if token.startswith("/"):
            return re.sub(r"[^\n]", " ", token)
        return token
    return TOKEN.sub(blank, text)


def main():
    root = pathlib.Path(sys.argv[1])
    files = ([pathlib.Path(f) for f in sys.argv[2:]] if len(sys.argv) > 2 else
             sorted(p for p in (root / "src/app").rglob("*") if p.suffix in (".cpp", ".h")))
    bad = 0
    for path in files:
        name = path.relative_to(root).as_posix() if path.is_relative_to(root) else str(path)
        if name in EXEMPT:
            continue
        for line, literal in unmarked_literals(blank_comments(path.read_text(encoding="utf-8"))):
            print(f"{name}:{line}: not translated: {literal[:70]}")
            bad += 1
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main())
