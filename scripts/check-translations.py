#!/usr/bin/env python3
"""Checks that every text key the code looks up (L("...") and BW_KEY("...")) has a non-empty
translation in each of the English, Korean and German tables, and that the tables hold no key
the code no longer uses."""
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import importlib.util

module_spec = importlib.util.spec_from_file_location("addtr", os.path.join(os.path.dirname(__file__), "add-translation.py"))
addtr = importlib.util.module_from_spec(module_spec)
module_spec.loader.exec_module(addtr)

ROOT = sys.argv[1] if len(sys.argv) > 1 else addtr.ROOT
CALL = re.compile(r'\b(?:L|BW_KEY)\(\s*"((?:[^"\\]|\\.)*)"')


def unescape_cpp(s):
    return s.encode("utf-8").decode("unicode_escape").encode("latin-1").decode("utf-8")


keys = {}
for base, _, files in os.walk(os.path.join(ROOT, "src")):
    for name in files:
        if not name.endswith((".cpp", ".h")):
            continue
        path = os.path.join(base, name)
        with open(path, encoding="utf-8") as f:
            text = f.read()
        for m in CALL.finditer(text):
            keys.setdefault(unescape_cpp(m.group(1)), path)

problems = 0
for lang in addtr.LANGS:
    _, entries = addtr.load(lang)
    for key, where in sorted(keys.items()):
        if not entries.get(key, "").strip():
            print(f"missing {lang} translation for {key!r} (used in {os.path.relpath(where, ROOT)})")
            problems += 1
    for key in sorted(set(entries) - set(keys)):
        print(f"unused {lang} entry {key!r}")
        problems += 1
print(f"{len(keys)} keys, {problems} problems")
sys.exit(1 if problems else 0)
