#!/usr/bin/env python3
"""The catalogues (translations/stonewick_LANG.ts) beyond what Qt's tools do with them.

  catalogues.py sources DESKTOP METAINFO OUT   the desktop entry's and the AppStream texts,
                                               as a source file for lupdate
  catalogues.py desktop DESKTOP OUT TS...      the desktop entry with its translations
  catalogues.py metainfo METAINFO OUT TS...    the AppStream metainfo with its translations
  catalogues.py page FOLDER TS...              the page's catalogues, as scripts it loads:
                                               an index of their English and one a language
  catalogues.py check TS...                    every entry finished, its %1 %2... kept, and
                                               each menu's Alt letters present and unique
"""
import json
import os
import re
import sys
import xml.etree.ElementTree as ET

DESKTOP_KEYS = ("Name", "GenericName", "Comment", "Keywords")
PARAGRAPH = re.compile(r"(?P<indent>[ \t]*)<p>(?P<text>.*?)</p>\n", re.S)
SUMMARY = re.compile(r"(?P<indent>[ \t]*)<summary>(?P<text>.*?)</summary>\n", re.S)


def plain(text):
    """Runs of blanks and line ends as one blank, as AppStream reads a paragraph."""
    return " ".join(text.split())


def language_of(path):
    root = ET.parse(path).getroot()
    return re.split(r"[_.@]", root.get("language") or "")[0] or \
        re.sub(r".*_([a-z]+)\.ts$", r"\1", os.path.basename(path))


def messages(path):
    """(context, source, translation element) for every message of a catalogue."""
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message.findtext("source"), message.find("translation")


def forms(translation):
    """A plural entry's forms in the language's order, or None for a plain one."""
    numerus = translation.findall("numerusform")
    return [form.text or "" for form in numerus] if numerus else None


def finished(path):
    """{context: {source: translation}} of the finished entries; a plural entry's translation
    is the list of its forms."""
    table = {}
    for context, source, translation in messages(path):
        if translation is None or translation.get("type") is not None:
            continue
        text = forms(translation) or translation.text
        if text and all(text):
            table.setdefault(context, {})[source] = text
    return table


def literal(text):
    return json.dumps(text, ensure_ascii=False)


def desktop_lines(path):
    with open(path, encoding="utf-8") as file:
        return file.read().splitlines()


def sources(desktop, metainfo, out):
    lines = ["// Written by translations/catalogues.py for lupdate: the desktop entry's and "
             "the AppStream texts."]
    for line in desktop_lines(desktop):
        key, _, value = line.partition("=")
        if key in DESKTOP_KEYS:
            comment = "Search words, each ending in ';'." if key == "Keywords" else ""
            if comment:
                lines.append("//: " + comment)
            lines.append(f'QT_TRANSLATE_NOOP("DesktopEntry", {literal(value)});')
    with open(metainfo, encoding="utf-8") as file:
        text = file.read()
    for match in list(SUMMARY.finditer(text)) + list(PARAGRAPH.finditer(text)):
        lines.append(f'QT_TRANSLATE_NOOP("AppStream", {literal(plain(match["text"]))});')
    write(out, "\n".join(lines) + "\n")


def translated_desktop(template, out, catalogues):
    tables = [(language_of(ts), finished(ts).get("DesktopEntry", {})) for ts in catalogues]
    lines = []
    for line in desktop_lines(template):
        lines.append(line)
        key, _, value = line.partition("=")
        if key in DESKTOP_KEYS:
            for language, table in sorted(tables):
                if table.get(value, value) != value:
                    lines.append(f"{key}[{language}]={table[value]}")
    write(out, "\n".join(lines) + "\n")


def translated_metainfo(template, out, catalogues):
    tables = [(language_of(ts), finished(ts).get("AppStream", {})) for ts in catalogues]

    def add_translations(tag):
        def add(match):
            english = plain(match["text"])
            added = [match[0]]
            for language, table in sorted(tables):
                if table.get(english, english) != english:
                    text = table[english].replace("&", "&amp;").replace("<", "&lt;")
                    added.append(f'{match["indent"]}<{tag} xml:lang="{language}">{text}</{tag}>\n')
            return "".join(added)
        return add

    with open(template, encoding="utf-8") as file:
        text = file.read()
    text = SUMMARY.sub(add_translations("summary"), text)
    text = PARAGRAPH.sub(add_translations("p"), text)
    write(out, text)


# What the page never shows: the desktop's texts and --help.
NOT_ON_THE_PAGE = ("AppStream", "CommandLine", "DesktopEntry")


def page(folder, catalogues):
    """The page's catalogues in FOLDER: catalogue-index.js, the English of every entry the
    page translates, by context, once; and catalogue-LANG.js for each language, its
    translations alone, in the index's order (0 where it has none), which the index's
    catalogueOf turns back into {context: {English: translation}}."""
    tables = {language_of(ts): {context: table for context, table in finished(ts).items()
                                if context not in NOT_ON_THE_PAGE}
              for ts in catalogues}
    index = {}
    for table in tables.values():
        for context, entries in table.items():
            index.setdefault(context, set()).update(entries)
    index = [[context, sorted(index[context])] for context in sorted(index)]
    write(os.path.join(folder, "catalogue-index.js"),
          "// The English of the page's catalogues, by context, written at build time from "
          "translations/*.ts: each catalogue-LANG.js holds its translations in this order.\n"
          "var CatalogueIndex = " + compact(index) + ";\n" + CATALOGUE_OF)
    for language, table in sorted(tables.items()):
        translations = [table.get(context, {}).get(text, 0)
                        for context, texts in index for text in texts]
        write(os.path.join(folder, f"catalogue-{language}.js"),
              f"// The page's catalogue in {language}, written at build time from "
              f"translations/*.ts, in the order of catalogue-index.js.\n"
              f"var Catalogues = {{{literal(language)}: catalogueOf({compact(translations)})}};\n")


# Reads a language's translations back by the index: {context: {English: translation}}.
CATALOGUE_OF = """function catalogueOf(translations) {
  const table = {};
  let at = 0;
  for (const [context, texts] of CatalogueIndex) {
    table[context] = {};
    for (const text of texts) {
      if (translations[at]) {
        table[context][text] = translations[at];
      }
      ++at;
    }
  }
  return table;
}
"""


def compact(value):
    return json.dumps(value, ensure_ascii=False, separators=(",", ":"))


def alt_letter(caption):
    """The letter after the caption's single '&', or None."""
    marks = [i for i, c in enumerate(caption) if c == "&" and i + 1 < len(caption)]
    return caption[marks[0] + 1].upper() if len(marks) == 1 else None


def check(catalogues):
    faults = []
    for ts in catalogues:
        name = os.path.basename(ts)
        letters = {}
        for context, source, translation in messages(ts):
            where = f"{name}: {context}: {source!r}"
            if translation is None or translation.get("type") in ("unfinished", "vanished",
                                                                   "obsolete"):
                faults.append(f"{where}: not finished")
                continue
            plural = forms(translation)
            text = "\n".join(plural) if plural else translation.text or ""
            if plural and not all("%n" in form for form in plural):
                faults.append(f"{where}: a plural form lacks its %n")
            if not text.strip():
                faults.append(f"{where}: empty")
            if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", text)):
                faults.append(f"{where}: the placeholders differ in {text!r}")
            if context == "Menu":
                letter = alt_letter(text)
                if letter is None:
                    faults.append(f"{where}: {text!r} has no single Alt letter")
                elif letter in letters:
                    faults.append(f"{where}: {text!r} takes the Alt letter of {letters[letter]!r}")
                else:
                    letters[letter] = text
        if not letters:
            faults.append(f"{name}: no menu captions")
    for fault in faults:
        print(fault, file=sys.stderr)
    print(f"{len(catalogues)} catalogues checked, {len(faults)} faults")
    return 1 if faults else 0


def write(path, text):
    with open(path, "w", encoding="utf-8") as file:
        file.write(text)


def main(argv):
    if len(argv) >= 4 and argv[0] == "sources":
        sources(argv[1], argv[2], argv[3])
    elif len(argv) >= 3 and argv[0] == "desktop":
        translated_desktop(argv[1], argv[2], argv[3:])
    elif len(argv) >= 3 and argv[0] == "metainfo":
        translated_metainfo(argv[1], argv[2], argv[3:])
    elif len(argv) >= 2 and argv[0] == "page":
        page(argv[1], argv[2:])
    elif len(argv) >= 2 and argv[0] == "check":
        return check(argv[1:])
    else:
        print(__doc__, file=sys.stderr)
        return 2
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
