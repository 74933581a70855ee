#!/usr/bin/python3
"""Assembles the static site of the web edition.

Fills the page's English texts in from web/page_texts.js (the names of texts
in the translations, which lupdate reads too), its lists from the core's
month names and its language switch from the languages the build lists,
writes the page's texts in each language as a module of their own
(texts_xx.js, shortcut markers gone), and adds each translation's catalogue
for the core as amorist-site-texts cut it down to the texts the reading uses.
The files keep their plain names here: web/app/finish-site.mjs names them
after their contents when it finishes the site.
"""
import argparse
import html
import json
import os
import re
import shutil
import sys

TEXT_ENTRY = re.compile(r'^\s*(\w+): QT_TRANSLATE_NOOP\(("(?:[^"\\]|\\.)*"), ("(?:[^"\\]|\\.)*")\),$',
                        re.MULTILINE)
FIRST_YEAR, LAST_YEAR = 1930, 2012
# The text each date list shows while nothing is chosen.
EMPTY_CHOICE = {"days": "dayChoice", "months": "month", "years": "year"}


def fail(message):
    sys.exit(f"make_site.py: {message}")


def page_texts(path):
    with open(path, encoding="utf-8") as f:
        source = f.read()
    texts = {key: (json.loads(context), json.loads(text))
             for key, context, text in TEXT_ENTRY.findall(source)}
    if source.count("QT_TRANSLATE_NOOP(") != len(texts):
        fail(f"{path}: an entry is not written as 'key: QT_TRANSLATE_NOOP(\"context\", \"text\"),'")
    return texts


def month_names(site_texts):
    with open(os.path.join(site_texts, "months.txt"), encoding="utf-8") as f:
        names = f.read().splitlines()
    if len(names) != 12:
        fail(f"{site_texts}/months.txt does not hold the twelve month names")
    return names


def fill_languages(page, languages):
    """The language switch offers every language, each in its own name."""
    options = "".join(f'\n<option value="{code}" lang="{code}">{html.escape(name)}</option>'
                      for code, name in languages)
    page, count = re.subn(r"(<select\b[^<>]*?) data-languages>", lambda m: m.group(1) + ">" + options, page)
    if count != 1:
        fail("index.html holds no <select data-languages> for the language switch")
    return page


def without_markers(text):
    """"&Back" shows as "Back", "&&" as "&"; an "&" before a space is the word "and"
    ("Venus & Mars"), which a label shows as it is."""
    return re.sub(r"&(&|(?! ))", r"\1", text)


def shown(text, argument=""):
    return without_markers(text).replace("%1", argument)


def script_only_spans(template):
    """Where the markup is seen only once the page's script runs: the dialogs, which
    open from it, and the views it reveals (a section of class "view" that starts
    hidden). Their texts come from the page's texts module in the visitor's
    language, so the first visit does not carry them in English as well."""
    spans = []
    opening = re.compile(r'<(dialog)\b[^<>]*>|<(section)\b(?=[^<>]*\bclass="view")(?=[^<>]*\shidden\b)[^<>]*>')
    for found in opening.finditer(template):
        tag = found.group(1) or found.group(2)
        depth, at = 0, found.start()
        for nested in re.compile(rf"<(/?){tag}\b[^<>]*>").finditer(template, at):
            depth += -1 if nested.group(1) else 1
            if depth == 0:
                spans.append((found.start(), nested.end()))
                break
        else:
            fail(f"index.html: a <{tag}> is not closed")
    return spans


def fill_page(template, texts, months):
    later = script_only_spans(template)

    def attribute(tag, name):
        found = re.search(rf'\s{name}="([^"]*)"', tag)
        return found.group(1) if found else None

    def text_of(key):
        if key not in texts:
            fail(f"index.html names the text '{key}', which page_texts.js lacks")
        return texts[key][1]

    def element(match):
        tag, content, end = match.group(1), "", match.group(3) or ""
        if any(start <= match.start() < stop for start, stop in later):
            return tag + end
        label = attribute(tag, "data-label")
        if label:
            tag = tag[:-1] + f' aria-label="{html.escape(shown(text_of(label)))}">'
        hint = attribute(tag, "data-hint")
        if hint:
            words = html.escape(shown(text_of(hint)))
            tag = tag[:-1] + f' placeholder="{words}" aria-label="{words}">'
        meta = attribute(tag, "data-meta")
        if meta:
            tag = tag[:-1] + f' content="{html.escape(shown(text_of(meta)))}">'
        key = attribute(tag, "data-text")
        if key:
            content = html.escape(shown(text_of(key), attribute(tag, "data-arg") or ""), quote=False)
        listed = attribute(tag, "data-list")
        if listed:
            # Each list starts on an empty choice, so no date is read that nobody picked.
            choice = EMPTY_CHOICE[listed]
            content = f'<option value="" data-text="{choice}">{html.escape(shown(text_of(choice)))}</option>'
        # The numbers of days and years are written by the page's script from their range,
        # which costs the first visit less than a hundred options each.
        if listed == "days":
            tag = tag[:-1] + ' data-from="1" data-to="31">'
        elif listed == "months":
            content += "".join(f'<option value="{i + 1}" data-month>{m}</option>'
                               for i, m in enumerate(months))
        elif listed == "years":
            tag = tag[:-1] + f' data-from="{FIRST_YEAR}" data-to="{LAST_YEAR}">'
        return tag + content + end

    # Elements whose content the build writes are empty in the template.
    return re.sub(r"(<(\w+)\b[^<>]*\bdata-(?:text|list|label|hint|meta)=[^<>]*>)(</\2>)?", element,
                  template)


def served_source(name, text):
    """A script or style sheet as the site serves it: without its comment lines and
    indentation, which the first visit's budget would otherwise pay for. The page's
    scripts hold no multi-line strings, so no line's leading space is content."""
    if name.endswith(".js"):
        text = re.sub(r"(?m)^[ \t]*//.*\n", "", text)
    elif name.endswith(".css"):
        text = re.sub(r"/\*.*?\*/\n?", "", text, flags=re.S)
        text = re.sub(r"\s*([{};,>])\s*", r"\1", re.sub(r":[ \t]+", ":", text))
    return re.sub(r"(?m)^[ \t]+", "", text)


def translations(text):
    """(context, source) -> translation, for the entries without a comment."""
    found = {}
    for record in text.split("\x1e")[1:]:
        context, source, comment, form, *_ = record.split("\x1f") + [""]
        if comment == "" and form:
            found[(context, source)] = form
    return found


def texts_module(texts, months, translated=None):
    """The page's texts in one language, as the page shows them."""
    translate = (lambda context, source: translated.get((context, source), source)) if translated \
        else (lambda context, source: source)
    shown_texts = {key: without_markers(translate(context, source)) for key, (context, source) in texts.items()}
    shown_texts["monthNames"] = "\n".join(translate("zodiac", month) for month in months)
    return f"export default {json.dumps(shown_texts, ensure_ascii=False, separators=(',', ':'))};\n"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--source", required=True)
    parser.add_argument("--module", required=True, help="amorist.js; amorist.wasm lies beside it")
    parser.add_argument("--card-module", required=True,
                        help="amorist-card.js, the picture commands' module; its .wasm lies beside it")
    parser.add_argument("--icon", required=True)
    parser.add_argument("--site-texts", required=True,
                        help="amorist-site-texts' folder: months.txt and the cut catalogues")
    parser.add_argument("--language", action="append", default=[], metavar="xx=NAME",
                        help="a language of the switch, in its own name; English first")
    parser.add_argument("--out", required=True)
    parser.add_argument("catalogues", nargs="*")
    args = parser.parse_args()

    texts = page_texts(os.path.join(args.source, "page_texts.js"))
    months = month_names(args.site_texts)
    languages = [language.split("=", 1) for language in args.language]
    with open(os.path.join(args.source, "index.html"), encoding="utf-8") as f:
        page = fill_languages(fill_page(f.read(), texts, months), languages)

    files = {}  # name -> bytes

    def add(name, data):
        files[name] = data

    def read(path):
        with open(path, "rb") as f:
            return f.read()

    module_dir = os.path.dirname(args.module)
    add("amorist.wasm", read(os.path.join(module_dir, "amorist.wasm")))
    add("amorist.js", read(args.module))
    add("amorist.svg", read(args.icon))
    card_dir = os.path.dirname(args.card_module)
    # The site is one flat folder; the share modules join the page's own.
    add("amorist-card.wasm", read(os.path.join(card_dir, "amorist-card.wasm")))
    add("amorist-card.js", read(args.card_module))
    for name in ["picture_buttons.js", "card_picture.js"]:
        add(name, read(os.path.join(args.source, "share", name)))
    catalogue_names = {}
    text_names = {"en": "texts_en.js"}
    add("texts_en.js", texts_module(texts, months).encode("utf-8"))
    for path in args.catalogues:
        name = os.path.basename(path)
        code = name[len("amorist_"):-len(".cat")]
        with open(path, encoding="utf-8") as f:
            catalogue = f.read()
        add(name, read(os.path.join(args.site_texts, name)))
        catalogue_names[code] = name
        text_names[code] = f"texts_{code}.js"
        add(text_names[code], texts_module(texts, months, translations(catalogue)).encode("utf-8"))
    offered = [code for code, _ in languages]
    if sorted(offered) != sorted(text_names):
        fail(f"the languages are {offered}, the translations {sorted(text_names)}")
    built = (f"export const catalogueFiles = {json.dumps(catalogue_names, sort_keys=True)};\n"
             f"export const textFiles = {json.dumps(text_names, sort_keys=True)};\n"
             f"export const coreSize = {len(files['amorist.wasm'])};\n")
    add("built.js", built.encode("utf-8"))
    # The page's own scripts and style, and the script that registers the service worker,
    # which the finished site adds to the page.
    for path in ["language_choice.js", "name_filter.js", "refer_a_friend.js", "core.js", "reading_view.js",
                 "empty_dates.js", "app.js", "style.css", "app/register.js"]:
        name = os.path.basename(path)
        with open(os.path.join(args.source, path), encoding="utf-8") as f:
            add(name, served_source(name, f.read()).encode("utf-8"))
    for name in ["share_actions.js", "shared_reading.js", "print.css"]:
        add(f"share/{name}", read(os.path.join(args.source, "share", name)))
    # The template's comments are for its readers, not for the first visit.
    page = re.sub(r"<!--.*?-->\n?", "", page, flags=re.S)
    add("index.html", re.sub(r"(?m)^[ \t]+", "", page).encode("utf-8"))

    if os.path.isdir(args.out):
        shutil.rmtree(args.out)
    os.makedirs(args.out)
    for name, data in files.items():
        os.makedirs(os.path.dirname(os.path.join(args.out, name)), exist_ok=True)
        with open(os.path.join(args.out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
