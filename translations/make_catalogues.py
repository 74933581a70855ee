#!/usr/bin/python3
"""Writes the program's translations in the form its Qt-free translator reads.

From each translations/amorist_xx.ts it writes one catalogue: records separated
by RS (0x1e), fields by US (0x1f), neither of which XML lets a .ts file hold.
The first record is the header: "amorist-catalogue", the language code and the
plural rule its numerus forms follow. Every other record is context, source,
disambiguating comment, then the translation, or its numerus forms in order.
Entries still unfinished, vanished or obsolete are left out, so they show in
English, as they would through Qt.

    make_catalogues.py --out DIR [--cpp FILE [--embed-none]]
                       --plural-rule xx=RULE... TS...

writes DIR/amorist_xx.cat for each TS, and with --cpp a C++ source that embeds
them all for amorist::EmbeddedCatalogue(), or none with --embed-none (the web
edition fetches a language's catalogue only when it is chosen). Each
language's plural rule comes from translations/languages.txt: "one-is-1" where
"1 Tag" / "2 Tage" (German, Spanish), "one-below-2" where 0 and 1 go alike
(French).
"""
import argparse
import os
import sys
import xml.etree.ElementTree as ET

RS, US = "\x1e", "\x1f"


def language_of(path):
    name = os.path.basename(path)
    if not (name.startswith("amorist_") and name.endswith(".ts")):
        sys.exit(f"make_catalogues.py: {path}: not named amorist_xx.ts")
    return name[len("amorist_"):-len(".ts")]


def catalogue(path, plural_rules):
    code = language_of(path)
    if code not in plural_rules:
        sys.exit(f"make_catalogues.py: {path}: no plural rule for '{code}'")
    records = [US.join(["amorist-catalogue", code, plural_rules[code]])]
    for context in ET.parse(path).getroot().iter("context"):
        context_name = context.findtext("name", "")
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
                continue
            if message.get("numerus") == "yes":
                forms = [form.text or "" for form in translation.iter("numerusform")]
            else:
                forms = [translation.text or ""]
            fields = [context_name, message.findtext("source", ""), message.findtext("comment", "")]
            fields += forms
            if any(RS in field or US in field for field in fields):
                sys.exit(f"make_catalogues.py: {path}: a text holds a separator character")
            records.append(US.join(fields))
    return code, RS.join(records)


def cpp_literal(text):
    data = text.encode("utf-8")
    out, line = [], '    "'
    for byte in data:
        piece = chr(byte) if 0x20 <= byte < 0x7F and chr(byte) not in '"\\?' else f"\\{byte:03o}"
        if len(line) + len(piece) > 96:
            out.append(line + '"')
            line = '    "'
        line += piece
    out.append(line + '"')
    return "\n".join(out)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--out", required=True)
    parser.add_argument("--cpp")
    parser.add_argument("--embed-none", action="store_true")
    parser.add_argument("--plural-rule", action="append", default=[], metavar="xx=RULE")
    parser.add_argument("ts", nargs="+")
    args = parser.parse_args()
    plural_rules = dict(rule.split("=", 1) for rule in args.plural_rule)
    os.makedirs(args.out, exist_ok=True)
    catalogues = [catalogue(path, plural_rules) for path in args.ts]
    written = {f"amorist_{code}.cat" for code, _ in catalogues}
    for code, text in catalogues:
        with open(os.path.join(args.out, f"amorist_{code}.cat"), "w", encoding="utf-8", newline="") as f:
            f.write(text)
    # A language taken off the list leaves no catalogue behind.
    for name in os.listdir(args.out):
        if name.startswith("amorist_") and name.endswith(".cat") and name not in written:
            os.remove(os.path.join(args.out, name))
    if args.cpp:
        rows = []
        for code, text in [] if args.embed_none else catalogues:
            size = len(text.encode("utf-8"))
            rows.append(f'    {{"{code}", std::string_view(\n{cpp_literal(text)},\n    {size})}},')
        source = (
            "// Written by translations/make_catalogues.py from translations/*.ts; do not edit.\n"
            '#include "translations/catalogue.h"\n\n'
            "#include <array>\n#include <utility>\n\n"
            "namespace amorist {\n\n"
            "std::string_view EmbeddedCatalogue(std::string_view code) {\n"
            "    static constexpr std::array<std::pair<std::string_view, std::string_view>, "
            f"{len(rows)}> kCatalogues = {{{{\n" + "\n".join(rows) + "\n    }};\n"
            "    for (const auto& [language, data] : kCatalogues) {\n"
            "        if (language == code)\n"
            "            return data;\n"
            "    }\n"
            "    return {};\n"
            "}\n\n"
            "}  // namespace amorist\n")
        with open(args.cpp, "w", encoding="utf-8") as f:
            f.write(source)


if __name__ == "__main__":
    main()
