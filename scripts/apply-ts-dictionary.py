#!/usr/bin/env python3
"""Fill the translations of a Qt .ts file from a JSON dictionary.

    scripts/apply-ts-dictionary.py translations/<id>.ts words.json

The JSON object maps a source text to its translation. A key of the form
"<context>|<source>" applies to that context only and wins over the plain
source key. Every message found in the dictionary gets its translation and
loses type="unfinished"; messages not found are listed on stderr and left as
they are (the exit status is then 1). Messages marked "vanished" or "obsolete"
are skipped.

Afterwards run the lupdate command of scripts/update-translations.sh once more
on the file: it keeps the translations and writes the file in its own layout.
"""
import json
import sys
import xml.etree.ElementTree as ET


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    ts_path, dict_path = sys.argv[1], sys.argv[2]
    with open(dict_path, encoding="utf-8") as f:
        words = json.load(f)
    tree = ET.parse(ts_path)
    missing = []
    filled = 0
    for context in tree.getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source")
            translation = message.find("translation")
            if translation is None or translation.get("type") in ("vanished", "obsolete"):
                continue
            text = words.get(f"{name}|{source}", words.get(source))
            if text is None:
                missing.append(f"{name}: {source!r}")
                continue
            translation.text = text
            translation.attrib.pop("type", None)
            filled += 1
    with open(ts_path, "wb") as f:
        f.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(f, encoding="utf-8", xml_declaration=False)
    print(f"{ts_path}: {filled} filled, {len(missing)} missing", file=sys.stderr)
    for m in missing:
        print("  missing " + m, file=sys.stderr)
    return 1 if missing else 0


if __name__ == "__main__":
    sys.exit(main())
