#!/usr/bin/env python3
"""Every place that names the program's languages offers those of
translations/languages.txt, in its order, and no other: amorist-cli's --lang,
its bash completion and manual page, the catalogues, and the web page's
language switch and texts.

Usage: languages_test.py LANGUAGES_TXT AMORIST_CLI COMPLETION MAN_PAGE_GZ CATALOGUE_DIR SITE_PLAIN_DIR
"""
import gzip
import json
import os
import re
import subprocess
import sys

failures = []


def expect(what, got, wanted):
    if got != wanted:
        failures.append(f"{what}: got {got!r}, expected {wanted!r}")


def main(listed, cli, completion, man_page, catalogue_dir, site):
    with open(listed, encoding="utf-8") as f:
        rows = [re.split(r" {2,}", line.strip()) for line in f if line.strip() and not line.startswith("#")]
    codes = [row[0] for row in rows]
    translated = codes[1:]

    couple = ["ANN", "1975-03-07", "BOB", "1978-11-23"]
    for code in codes:
        run = subprocess.run([cli, "reading", "--lang", code, *couple], capture_output=True)
        expect(f"amorist-cli reading --lang {code}: exit status", run.returncode, 0)
    refused = subprocess.run([cli, "reading", "--lang", "qq", *couple], capture_output=True, text=True)
    named = re.search(r"--lang \(([^)]*)\)", refused.stderr)
    expect("the languages amorist-cli names", named and re.split(r", | or ", named.group(1)), codes)

    offered = subprocess.run(["bash", "-c", f'source "$1"; COMP_WORDS=(amorist-cli --lang ""); COMP_CWORD=2; '
                              '_amorist_cli; echo "${COMPREPLY[*]}"', "-", completion],
                             capture_output=True, text=True).stdout.split()
    expect("the languages the completion offers", offered, codes)

    with gzip.open(man_page, "rt", encoding="utf-8") as f:
        roff = f.read()
    expect("the languages the manual page names",
           [(code, name) for code, name in re.findall(r"\\fB([a-z]{2})\\fR \(([^,)]+)[,)]", roff)],
           [(row[0], row[2]) for row in rows])

    expect("the catalogues", sorted(os.listdir(catalogue_dir)), sorted(f"amorist_{code}.cat" for code in translated))

    with open(os.path.join(site, "index.html"), encoding="utf-8") as f:
        switch = re.findall(r'<option value="(\w+)" lang="\1">([^<]*)</option>', f.read())
    expect("the web page's language switch", switch, [(row[0], row[3]) for row in rows])
    with open(os.path.join(site, "built.js"), encoding="utf-8") as f:
        text_files = json.loads(re.search(r"textFiles = (\{.*\});", f.read()).group(1))
    expect("the web page's texts", sorted(text_files), sorted(codes))

    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 7:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:]))
