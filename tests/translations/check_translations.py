#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Lumaro developers
"""Checks the game's translations, for every language and every text, however many are added:

- each .ts file is what lupdate makes of today's sources: no text added, changed or removed in
  the sources without the update_translations target run;
- every message is finished, every plural form filled, nothing left vanished or obsolete;
- each translation keeps its source's placeholders (%1 to %9, %n in every plural form), its
  & accelerator once where the source has one (none where it has none), its leading and
  trailing blanks, and a file pattern in brackets such as (*.WAV);
- the desktop entry and the AppStream metadata carry every language for each translated key.

  check_translations.py LUPDATE SOURCES_LST LANGUAGES TS_DIR DESKTOP_IN METAINFO_IN -- OPTIONS...
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

failures = []


def fail(where, what):
    failures.append(f"{where}: {what}")


def placeholders(text):
    return sorted(re.findall(r"%(?:[1-9]|n)", text))


def accelerators(text):
    # "&&" is a literal ampersand; "&" before anything else marks the next letter.
    return len(re.findall(r"&(?!&)", text.replace("&&", "")))


def blanks(text):
    return re.match(r"\s*", text).group(0), re.search(r"\s*$", text).group(0)


def check_form(where, source, text):
    if not text:
        fail(where, "empty translation")
        return
    if placeholders(text) != placeholders(source):
        fail(where, f"placeholders {placeholders(text)} instead of {placeholders(source)}: {text!r}")
    if accelerators(text) != min(accelerators(source), 1) or accelerators(text) > 1:
        fail(where, f"{accelerators(text)} & accelerators where the source has "
                    f"{accelerators(source)}: {text!r}")
    if blanks(text) != blanks(source):
        fail(where, f"leading or trailing blanks differ from the source {source!r}: {text!r}")
    for pattern in re.findall(r"\(\*[^)]*\)", source):
        if pattern not in text:
            fail(where, f"the file pattern {pattern} is missing: {text!r}")


def check_ts(path, language):
    name = os.path.basename(path)
    root = ET.parse(path).getroot()
    if root.get("language") != language:
        fail(name, f"language attribute {root.get('language')!r}, not {language!r}")
    count = 0
    for context in root.iter("context"):
        context_name = context.findtext("name")
        for message in context.iter("message"):
            count += 1
            source = message.findtext("source") or ""
            where = f"{name} [{context_name}] {source!r}"
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            if kind is not None:
                fail(where, f"translation is {kind}")
                continue
            if message.get("numerus") == "yes":
                forms = [f.text or "" for f in translation.iter("numerusform")]
                if not forms:
                    fail(where, "no plural forms")
                for form in forms:
                    check_form(where, source, form)
            else:
                check_form(where, source, translation.text or "")
    if count == 0:
        fail(name, "no messages")


def check_up_to_date(lupdate, sources_lst, ts_files, options):
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for path in ts_files:
            copy = os.path.join(scratch, os.path.basename(path))
            shutil.copyfile(path, copy)
            copies.append(copy)
        run = subprocess.run([lupdate, *options, "@" + sources_lst, "-ts", *copies],
                             capture_output=True, text=True)
        if run.returncode != 0:
            fail("lupdate", run.stdout + run.stderr)
            return
        if run.stderr.strip():
            fail("lupdate", "warns: " + run.stderr.strip())
        for path, copy in zip(ts_files, copies):
            with open(path, encoding="utf-8") as a, open(copy, encoding="utf-8") as b:
                if a.read() == b.read():
                    continue
            before, after = messages(path), messages(copy)
            changes = [f"new {m}" for m in sorted(after - before)]
            changes += [f"gone {m}" for m in sorted(before - after)]
            fail(os.path.basename(path),
                 "not up to date with the sources: build the update_translations target and "
                 "translate what it adds" + "".join("\n    " + c for c in changes))


def messages(path):
    return {(c.findtext("name"), m.findtext("source"), m.findtext("comment"),
             m.findtext("extracomment"))
            for c in ET.parse(path).getroot().iter("context") for m in c.iter("message")}


def check_desktop_entry(path, languages):
    keys = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            m = re.match(r"([A-Za-z]+)(?:\[([^\]]+)\])?=(.*)", line.rstrip("\n"))
            if m:
                keys[(m.group(1), m.group(2))] = m.group(3)
    for key in ("Name", "GenericName", "Comment", "Keywords"):
        for language in languages:
            value = keys.get((key, language))
            if not value:
                fail(os.path.basename(path), f"no {key}[{language}]")
            elif key == "Keywords" and not value.endswith(";"):
                fail(os.path.basename(path), f"Keywords[{language}] does not end with ';'")


def check_metainfo(path, languages):
    lang_attr = "{http://www.w3.org/XML/1998/namespace}lang"
    with open(path, encoding="utf-8") as f:
        # The configured values don't matter here; the file is XML around them.
        root = ET.fromstring(f.read())
    name = os.path.basename(path)

    def groups(parent, tag):
        # Each English element with the translations that follow it.
        result = []
        for element in parent.findall(tag):
            if element.get(lang_attr) is None:
                result.append([element, set()])
            elif result:
                result[-1][1].add(element.get(lang_attr))
        return result

    places = [(root, "summary")]
    description = root.find("description")
    places.append((description, "p"))
    for ul in description.findall("ul"):
        places.append((ul, "li"))
    for parent, tag in places:
        for english, translated in groups(parent, tag):
            missing = [x for x in languages if x not in translated]
            if missing:
                fail(name, f"<{tag}> {(english.text or '').strip()[:40]!r}... lacks {missing}")


def main():
    args = sys.argv[1:]
    split = args.index("--")
    lupdate, sources_lst, languages, ts_dir, desktop_in, metainfo_in = args[:split]
    options = args[split + 1:]
    languages = languages.split(",")
    ts_files = [os.path.join(ts_dir, f"lumaro_{x}.ts") for x in languages]
    for path, language in zip(ts_files, languages):
        if not os.path.isfile(path):
            fail(path, "missing")
        else:
            check_ts(path, language)
    if not failures:
        check_up_to_date(lupdate, sources_lst, ts_files, options)
    check_desktop_entry(desktop_in, languages)
    check_metainfo(metainfo_in, languages)
    for failure in failures:
        print(failure)
    print(f"{len(failures)} problems in {len(languages)} languages")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
