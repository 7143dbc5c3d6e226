#!/usr/bin/env python3
"""Checks a Qt Linguist .ts file against what the windows need of a caption.

A caption holds its numeric field in a run of blanks; the window places the
field into the run it finds in the translated text (src/kit/CaptionLayout.cpp,
kLeastRun blanks or more).  So every translation must keep the source's runs:
as many, as long and in the same order, and the blanks at either end.  It must
also keep the line breaks and the %-placeholders, be finished, and hold no
Cyrillic letter.

    tools/check-translation.py translations/velorix_en.ts

Prints one line per fault and exits with 1 when there is any.
"""

import re
import sys
import xml.etree.ElementTree as ET

LEAST_RUN = 3  # kLeastRun of CaptionLayout.cpp: a shorter run is a slip between words
CYRILLIC = re.compile(r"[\u0400-\u04FF]")
PLACEHOLDER = re.compile(r"%(?:L?\d+|n|s)")


def runs(text):
    """The runs of LEAST_RUN blanks or more between characters, by length."""
    inner = text.strip(" ")
    return [len(r) for r in re.findall(" {%d,}" % LEAST_RUN, inner)]


def ends(text):
    return len(text) - len(text.lstrip(" ")), len(text) - len(text.rstrip(" "))


def faults(source, translation):
    if translation is None or translation.get("type") in ("unfinished", "vanished", "obsolete"):
        yield "unfinished"
        return
    text = translation.text or ""
    if source and not text:
        yield "empty translation"
    if CYRILLIC.search(text):
        yield "Cyrillic letter in the translation"
    if runs(source) != runs(text):
        yield "runs of blanks %s, translation has %s" % (runs(source), runs(text))
    if ends(source) != ends(text):
        yield "blanks at the ends %s, translation has %s" % (ends(source), ends(text))
    if source.count("\n") != text.count("\n"):
        yield "line breaks differ"
    if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
        yield "placeholders differ"


def main(paths):
    count = 0
    for path in paths:
        for context in ET.parse(path).getroot().iter("context"):
            name = context.findtext("name")
            for message in context.iter("message"):
                source = message.findtext("source") or ""
                if message.get("numerus") == "yes":
                    forms = message.find("translation")
                    translations = list(forms) if forms is not None else [None]
                else:
                    translations = [message.find("translation")]
                for translation in translations:
                    for fault in faults(source, translation):
                        print("%s: %s: %r: %s" % (path, name, source, fault))
                        count += 1
    return 1 if count else 0


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    sys.exit(main(sys.argv[1:]))
