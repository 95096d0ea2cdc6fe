#!/usr/bin/env python3
"""Adds or replaces entries of the translation tables, one message per line, sorted by key.

usage: add-translation.py KEY EN KO DE [KEY EN KO DE ...]
       add-translation.py --tsv FILE      (lines: key<TAB>en<TAB>ko<TAB>de)
Line breaks inside texts are written as \\n in the arguments and stored as real line breaks.
"""
import html
import os
import re
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
LANGS = ["en", "ko", "de"]
LINE = re.compile(r'^\s*<message><source>(.*?)</source><translation>(.*?)</translation></message>\s*$')


def esc(text):
    return html.escape(text, quote=False).replace("\n", "&#10;")


def unesc(text):
    return html.unescape(text)


def load(lang):
    path = os.path.join(ROOT, "translations", f"brindlewick_{lang}.ts")
    entries = {}
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            for line in f:
                m = LINE.match(line)
                if m:
                    entries[unesc(m.group(1))] = unesc(m.group(2))
    return path, entries


def save(lang, path, entries):
    out = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>", f'<TS version="2.1" language="{lang}">',
           "<context>", "    <name>Brindlewick</name>"]
    for key in sorted(entries):
        out.append(f"    <message><source>{esc(key)}</source><translation>{esc(entries[key])}</translation></message>")
    out += ["</context>", "</TS>", ""]
    fd, tmp = tempfile.mkstemp(dir=os.path.dirname(path))
    with os.fdopen(fd, "w", encoding="utf-8") as f:
        f.write("\n".join(out))
    os.replace(tmp, path)


def main(argv):
    rows = []
    if argv[:1] == ["--tsv"]:
        with open(argv[1], encoding="utf-8") as f:
            for line in f:
                line = line.rstrip("\n")
                if line and not line.startswith("#"):
                    rows.append(line.split("\t"))
    else:
        if len(argv) % 4 != 0 or not argv:
            print(__doc__)
            return 2
        rows = [argv[i:i + 4] for i in range(0, len(argv), 4)]
    rows = [[c.replace("\\n", "\n") for c in r] for r in rows]
    for i, lang in enumerate(LANGS):
        path, entries = load(lang)
        for r in rows:
            if len(r) != 4:
                print("bad row:", r)
                return 2
            entries[r[0]] = r[i + 1]
        save(lang, path, entries)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
