#!/usr/bin/env python3
"""Fills unfinished messages of the catalogues from translation tables.

Usage: fill-translations.py TABLE.json [TABLE.json ...]

Run the `update_translations` build target first, so the catalogues hold
every text of the sources. Each table is a JSON list of objects:

    {"context": "CleanupPage", "source": "Restore all",
     "de": "Alle wiederherstellen", "es": "...", ...}

one key per language of resources/i18n (en included only for plural texts,
where English needs its own singular and plural). A plural text gives a list
of forms in the order the catalogue asks for (for example three for ru, one
for ja). Prints every message still unfinished afterwards and exits 1 when
there is one.
"""
import json
import pathlib
import sys
import xml.etree.ElementTree as ET

I18N = pathlib.Path(__file__).resolve().parent.parent / "resources" / "i18n"


def load(tables):
    found = {}
    for table in tables:
        for row in json.loads(pathlib.Path(table).read_text(encoding="utf-8")):
            found[(row["context"], row["source"])] = row
    return found


def fill(path, lang, rows):
    tree = ET.parse(path)
    left = []
    changed = False
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            if translation is None or translation.get("type") != "unfinished":
                continue
            row = rows.get((name, source))
            value = row.get(lang) if row else None
            plural = message.get("numerus") == "yes"
            if value is None and lang == "en" and not plural:
                value = source
            if value is None:
                left.append(f"{lang}: [{name}] {source}")
                continue
            for child in list(translation):
                translation.remove(child)
            translation.text = None
            if plural:
                forms = value if isinstance(value, list) else [value]
                translation.text = "\n            "
                for i, form in enumerate(forms):
                    el = ET.SubElement(translation, "numerusform")
                    el.text = form
                    el.tail = "\n            " if i + 1 < len(forms) else "\n        "
            else:
                translation.text = value
            del translation.attrib["type"]
            changed = True
    if changed:
        ET.indent(tree, space="    ")
        body = ET.tostring(tree.getroot(), encoding="unicode")
        path.write_text('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n' + body + "\n",
                        encoding="utf-8")
    return left


def main():
    rows = load(sys.argv[1:])
    left = []
    for path in sorted(I18N.glob("varnholt_*.ts")):
        lang = path.stem[len("varnholt_"):]
        left += fill(path, lang, rows)
    for line in left:
        print("unfinished", line)
    return 1 if left else 0


if __name__ == "__main__":
    sys.exit(main())
