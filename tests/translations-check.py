#!/usr/bin/env python3
"""Checks the translation catalogues against each other and against the code.

Fails when a catalogue has an unfinished, obsolete or vanished message, a
translation whose placeholders (%1 ... %99, %n, %Ln) or mnemonic marks (&)
differ from its source, a plural message without its language's forms, or when
lupdate, run over the sources, would add or drop a message; and when two
texts shown side by side (a menu, a dialog with Qt's own Close button) mark the
same key in any language.

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


# Texts shown side by side, whose keys must differ: by their English source, with
# the keys Qt's own buttons there take in each language (qtbase_*.qm's "&Close").
SIDE_BY_SIDE = {
    "the File menu": (["&Open...", "Open &Recent", "&Save...", "&Add to Queue...", "Export Se&veral Videos...", "&Quit"], {}),
    "the preferences": (["Show playback c&ontrols", "Start playing &automatically", "&Loop", "Start &muted",
                         "Start playing &while downloading (fast start)", "&Faster export (approximate size)",
                         "A&V1 version for modern browsers", "Even loud&ness for the web (-16 LUFS)", "Minimal &page"],
                        {"en": "c", "de": "i", "fr": "f", "es": "c"}),
}


def key_of(text):
    match = re.search(r"(?<!&)&(?!&)(\S)", text.replace("&&", ""))
    return match.group(1).lower() if match else None


def check_keys(path, problems):
    language = ET.parse(path).getroot().get("language", "").split("_")[0]
    shown = {message.findtext("source"): (message.findtext("translation") or "") for _, message in messages(path)}
    for group, (sources, qt_keys) in SIDE_BY_SIDE.items():
        texts = [shown.get(source, source) if language != "en" else source for source in sources]
        keys_taken = [key_of(text) for text in texts] + ([qt_keys[language]] if language in qt_keys else [])
        clashes = sorted({key for key in keys_taken if key and keys_taken.count(key) > 1})
        if clashes:
            problems.append(f"{path.name}: {group} mark {', '.join(clashes)} more than once: {texts}")


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
        check_keys(catalogue, problems)
    check_against_code(lupdate, sources, catalogues, problems)
    for problem in problems:
        print(problem)
    counts = {c.stem: sum(1 for _ in messages(c)) for c in catalogues}
    print("messages:", ", ".join(f"{name} {count}" for name, count in counts.items()))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
