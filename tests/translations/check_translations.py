#!/usr/bin/env python3
"""The English translation is complete: lupdate, run over every source (the window's texts and
the templates the core marks) into a copy of
translations/gauss-sphere_en.ts, finds no text without a translation (a new text not yet in the
.ts, a text marked unfinished or left empty, a counted text with a plural form left empty) and none whose source has gone; and each translation
keeps its source's placeholders (%1, %2, ...), which .arg() fills.

usage: check_translations.py SOURCE_DIR LUPDATE"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%\d+")
# The core marks its templates without Qt (model/message.h); lupdate reads them as Qt's own.
ALIASES = "QT_TRANSLATE_NOOP+=GS_TRANSLATE_NOOP,QT_TRANSLATE_N_NOOP+=GS_TRANSLATE_N_NOOP"


def problems(ts_path):
    found = []
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            text = translation.text if translation is not None else None
            if message.get("numerus") == "yes" and translation is not None:
                # A counted text: each plural form translated, all of them.
                forms = [form.text for form in translation.iter("numerusform")]
                text = " ".join(forms) if forms and all(forms) else None
            if kind in ("unfinished", "vanished", "obsolete", "missing") or not text:
                found.append(f"{name}: {kind or 'empty'}: {source[:60]!r}")
            elif sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
                found.append(f"{name}: placeholders differ: {source[:60]!r} -> {text[:60]!r}")
    return found


def main():
    root = pathlib.Path(sys.argv[1])
    lupdate = sys.argv[2]
    with tempfile.TemporaryDirectory() as folder:
        copy = pathlib.Path(folder) / "gauss-sphere_en.ts"
        shutil.copy(root / "translations/gauss-sphere_en.ts", copy)
        run = subprocess.run([lupdate, "-I", str(root / "src"), str(root / "src"),
                              "-tr-function-alias", ALIASES,
                              "-extensions", "cpp,h", "-source-language", "ru",
                              "-target-language", "en", "-locations", "none", "-ts", str(copy)],
                             capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout, run.stderr)
            return 1
        found = problems(copy)
    for problem in found:
        print(problem)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
