#!/usr/bin/env python3
"""Checks that each translation is complete against the sources as they are now.

Each .ts file is copied, brought up to date with lupdate over the source folder (as the
update_translations target does) and read back: a text added to the sources without a
translation shows up as unfinished, a translation that lost a %1 or %n as a mismatch.
Usage: check_ts.py LUPDATE SOURCE_DIR FILE.ts...
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%(?:L?[1-9]|n)")


def problems(ts_path):
    found = []
    root = ET.parse(ts_path).getroot()
    for context in root.iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            where = f"{name}: {source!r}"
            if kind in ("unfinished", "obsolete", "vanished", "missing"):
                found.append(f"{kind}: {where}")
                continue
            forms = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            wanted = sorted(set(PLACEHOLDER.findall(source)))
            for form in forms:
                if not form.strip():
                    found.append(f"empty: {where}")
                elif sorted(set(PLACEHOLDER.findall(form))) != wanted and not (
                        message.get("numerus") == "yes" and "%n" not in form and len(forms) > 1):
                    found.append(f"placeholders differ: {where} -> {form!r}")
    return found


def main():
    lupdate, sources, ts_files = sys.argv[1], sys.argv[2], sys.argv[3:]
    failed = False
    with tempfile.TemporaryDirectory() as tmp:
        for ts in ts_files:
            copy = Path(tmp) / Path(ts).name
            shutil.copyfile(ts, copy)
            subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete", "-I", sources,
                            sources, "-ts", str(copy)], check=True)
            for line in problems(copy):
                print(f"{Path(ts).name}: {line}")
                failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
