#!/usr/bin/env python3
"""Fails when a text of the sources has no translation in one of the .ts files.

lupdate has no check mode and exits 0 on unfinished entries, so the committed
.ts files are copied, lupdate runs over every source into the copies (the same
run `make translations` makes), and every entry it leaves unfinished is named
with its file, line and source text. The committed files stay as they are.

Usage: untranslated_check.py SOURCE_ROOT TS_FILE... -- LUPDATE_COMMAND...
"""
import os
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def main(argv):
    split = argv.index("--")
    root, ts_files, lupdate = argv[1], argv[2:split], argv[split + 1:]
    problems = []
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for ts in ts_files:
            copies.append(os.path.join(scratch, os.path.basename(ts)))
            shutil.copyfile(ts, copies[-1])
        run = subprocess.run(lupdate + ["-locations", "absolute", "-ts"] + copies, cwd=root,
                             capture_output=True, text=True)
        if run.returncode != 0:
            print(run.stdout + run.stderr, file=sys.stderr)
            return f"lupdate failed with status {run.returncode}"
        for ts, copy in zip(ts_files, copies):
            shown = os.path.relpath(ts, root)
            for context in ET.parse(copy).getroot().iter("context"):
                name = context.findtext("name")
                for message in context.iter("message"):
                    if message.find("translation").get("type") != "unfinished":
                        continue
                    where = [f"{os.path.relpath(os.path.join(scratch, l.get('filename')), root)}"
                             f":{l.get('line')}" for l in message.iter("location")]
                    problems.append(f"{shown}: {', '.join(where) or '(no location)'}: "
                                    f"{name}: {message.findtext('source')!r} is not translated")
    for problem in problems:
        print(problem)
    return f"{len(problems)} untranslated text(s)" if problems else None


if __name__ == "__main__":
    sys.exit(main(sys.argv))
