#!/usr/bin/env python3
"""Checks the translation catalogues against each other and against the code.

Fails when a catalogue has an unfinished, obsolete or vanished message, a
translation whose placeholders (%1 ... %99, %n, %Ln) or mnemonic marks (&)
differ from its source, a plural message without its language's forms, or when
lupdate, run over the sources, would add or drop a message.

Usage: translations-check.py LUPDATE SOURCE_DIR TRANSLATIONS_DIR
"""
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

PLACEHOLDER = re.compile(r"%L?(?:\d{1,2}|n)")
PLURAL_FORMS = {"en": 2, "de": 2, "fr": 2, "es": 2}


def mnemonics(text):
    """The single ampersands that mark a key; "&&" is a literal one."""
    return len(re.findall(r"(?<!&)&(?!&)(?=\S)", text.replace("&&", "")))


def messages(path):
    tree = ET.parse(path)
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            yield name, message


def check_catalogue(path, problems):
    language = ET.parse(path).getroot().get("language", "").split("_")[0]
    for context, message in messages(path):
        source = message.findtext("source")
        where = f"{path.name}: {context}: {source[:60]!r}"
        translation = message.find("translation")
        kind = translation.get("type")
        if kind in ("unfinished", "obsolete", "vanished"):
            problems.append(f"{where}: {kind}")
            continue
        if message.get("numerus") == "yes":
            texts = [form.text or "" for form in translation.iter("numerusform")]
            if len(texts) != PLURAL_FORMS.get(language, len(texts)):
                problems.append(f"{where}: {len(texts)} plural forms, {language} has {PLURAL_FORMS[language]}")
        else:
            texts = [translation.text or ""]
        for text in texts:
            if sorted(set(PLACEHOLDER.findall(text))) != sorted(set(PLACEHOLDER.findall(source))):
                problems.append(f"{where}: placeholders {sorted(set(PLACEHOLDER.findall(text)))} in {text[:60]!r}")
            if mnemonics(text) != mnemonics(source):
                problems.append(f"{where}: {mnemonics(text)} mnemonics in {text[:60]!r}")


def keys(path):
    return {(context, message.findtext("source"), message.findtext("comment")) for context, message in messages(path)}


def check_against_code(lupdate, sources, catalogues, problems):
    with tempfile.TemporaryDirectory() as scratch:
        for catalogue in catalogues:
            copy = Path(scratch) / catalogue.name
            shutil.copy(catalogue, copy)
            options = ["-pluralonly"] if catalogue.stem.endswith("_en") else []
            subprocess.run([lupdate, "-locations", "none", "-no-obsolete", "-silent", *options, str(sources),
                            "-ts", str(copy)], check=True)
            added = keys(copy) - keys(catalogue)
            dropped = keys(catalogue) - keys(copy)
            for context, source, _ in sorted(added, key=str):
                problems.append(f"{catalogue.name}: lupdate would add {context}: {source[:60]!r}")
            for context, source, _ in sorted(dropped, key=str):
                problems.append(f"{catalogue.name}: lupdate would drop {context}: {source[:60]!r}")


def main():
    lupdate, sources, folder = sys.argv[1], Path(sys.argv[2]), Path(sys.argv[3])
    catalogues = sorted(folder.glob("*.ts"))
    problems = []
    for catalogue in catalogues:
        check_catalogue(catalogue, problems)
    check_against_code(lupdate, sources, catalogues, problems)
    for problem in problems:
        print(problem)
    counts = {c.stem: sum(1 for _ in messages(c)) for c in catalogues}
    print("messages:", ", ".join(f"{name} {count}" for name, count in counts.items()))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
