#!/usr/bin/env python3
"""The game's manual page with each language's Alt letters, read from the catalogues.

  man_languages.py PAGE OUT TS...

Copies PAGE (the page as CMake configured it) to OUT, with the line `.\\" MENU LETTERS`
replaced by one paragraph per catalogue: the menu's commands in that language, each with its
Alt letter, in the order the page lists them in English.
"""
import os
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "translations"))
from catalogues import alt_letter, language_of, messages  # noqa: E402

MARKER = '.\\" MENU LETTERS'
# The menu's commands in the English page's order; Cheat is never shown.
COMMANDS = ("&Start", "&Pause", "&Resume", "S&kip", "&Auto", "&Instructions", "Ra&ndomise",
            "A&bout", "&Exit")
# Each language in its own words, as the player looks for it.
NAMES = {"de": "Deutsch", "es": "Español", "fr": "Français", "ru": "Русский"}


def roff(text):
    """A caption as groff prints it: never hyphenated, no hyphen taken for a minus."""
    return "\\%" + text.replace("\\", "\\e").replace("-", "\\-")


def letters_paragraph(catalogue):
    language = language_of(catalogue)
    captions = {source: translation.text for context, source, translation in messages(catalogue)
                if context == "Menu" and translation is not None and translation.text}
    missing = [command for command in COMMANDS if command not in captions]
    if missing:
        raise SystemExit(f"{catalogue}: no translation of {', '.join(missing)}")
    lines = [".TP", f'.BR "{NAMES.get(language, language)}" " (LANGUAGE={language})"']
    for i, command in enumerate(COMMANDS):
        caption = captions[command]
        letter = alt_letter(caption)
        if letter is None:
            raise SystemExit(f"{catalogue}: {caption!r} has no single Alt letter")
        end = "." if i + 1 == len(COMMANDS) else ","
        lines.append(f'.BR "{roff(caption.replace("&", ""))}" "\\~(Alt+{letter}){end}"')
    return lines


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    page, out, catalogues = argv[0], argv[1], argv[2:]
    with open(page, encoding="utf-8") as file:
        text = file.read()
    if text.count(MARKER + "\n") != 1:
        print(f"{page}: no single line {MARKER!r}", file=sys.stderr)
        return 1
    generated = []
    for catalogue in sorted(catalogues, key=language_of):
        generated += letters_paragraph(catalogue)
    with open(out, "w", encoding="utf-8") as file:
        file.write(text.replace(MARKER + "\n", "\n".join(generated) + "\n"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
