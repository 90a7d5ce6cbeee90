#!/usr/bin/env python3
"""Writes a pseudo-translation of the catalogue: every text with letters
comes back about 40 % longer and with accented letters ("Thé~ áxís~~
ís~ néédéd~~"), so that a window shows where a longer language would be
cut, and which of its texts never pass through the translation (they stay
plain English). Values (%1, %2 ...), line breaks and the letter after an
"&" (a keyboard shortcut) are kept as they are.

    pseudo_translation.py translations/corvane_en.ts build/corvane_pseudo.ts
"""
import math
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = str.maketrans("aeiouyAEIOUYcnC", "áéíóúýÁÉÍÓÚÝçñÇ")
# What a translation must leave alone: a value's place, a shortcut's letter.
KEPT = re.compile(r"(%\d|&.)")
LONGER = 0.4


def accented(word):
    return "".join(p if KEPT.fullmatch(p) else p.translate(ACCENTED) for p in KEPT.split(word))


def pseudo_line(line):
    # Each word grows, as words of a longer language would: a line wraps
    # where a translated one would, and no word stands alone for nothing.
    words = re.split(r"( +)", line)
    lettered = [i for i, word in enumerate(words) if re.search("[A-Za-z]", word)]
    if not lettered:
        return line
    pads = {i: round(len(words[i]) * LONGER) for i in lettered}
    pads[lettered[-1]] += max(0, math.ceil(len(line) * LONGER) - sum(pads.values()))
    return "".join(accented(w) + "~" * pads[i] if i in pads else w for i, w in enumerate(words))


def pseudo(text):
    # Each line grows, as a translated message box's lines would.
    return "".join(part if part.endswith("\n") else pseudo_line(part) for part in re.split(r"(\r?\n)", text))


def text_of(element):
    # The catalogue writes a carriage return as <byte value="xd"/>.
    text = element.text or ""
    for child in element:
        if child.tag == "byte":
            text += chr(int(child.get("value").lstrip("x"), 16))
        text += child.tail or ""
    return text


def escaped(text):
    text = text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")
    return text.replace('"', "&quot;").replace("\r", "&#13;")


def main(source, target):
    root = ET.parse(source).getroot()
    out = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>", '<TS version="2.1" language="en_XA">']
    for context in root.iter("context"):
        out.append("<context><name>%s</name>" % escaped(context.findtext("name", "")))
        for message in context.iter("message"):
            text = text_of(message.find("source"))
            comment = message.find("comment")
            out.append("<message><source>%s</source>" % escaped(text))
            if comment is not None:
                out.append("<comment>%s</comment>" % escaped(comment.text or ""))
            out.append("<translation>%s</translation></message>" % escaped(pseudo(text)))
        out.append("</context>")
    out.append("</TS>")
    with open(target, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
