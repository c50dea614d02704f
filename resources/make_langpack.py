#!/usr/bin/env python3
"""Builds resources/LanguagePack.xml, the embedded language pack, from the tables in resources/lang.

lang/languages.tsv lists the languages in menu order (tag, English name, own name); lang/eng.tsv holds
every text id with its English text and an optional note for translators; lang/<tag>.tsv holds one
language's texts. Table lines are "id<TAB>text"; lines starting with "#" and empty lines are skipped.
In a text, {nbsp} stands for a no-break space (U+00A0) and \\n for a line break.

A language table may leave out the texts that are the same in every language (title, version, date,
web addresses) and the texts without letters (numbers, percentages); they are copied from English.

    python3 make_langpack.py          writes LanguagePack.xml
    python3 make_langpack.py --check  fails when LanguagePack.xml differs from the tables
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TABLES = os.path.join(HERE, "lang")
PACK = os.path.join(HERE, "LanguagePack.xml")

# Texts that name the program, its version or its pages: one text for every language.
SAME_EVERYWHERE = {300000, 500000, 500003, 500004, 500007, 500010, 500020, 500100,
                   101000, 108000, 108200, 108500}


def fail(message):
    sys.stderr.write("make_langpack: " + message + "\n")
    sys.exit(1)


def read_rows(name):
    path = os.path.join(TABLES, name)
    rows = []
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            rows.append((number, line.split("\t")))
    return path, rows


def decode(text):
    return text.replace("{nbsp}", "\u00a0").replace("\\n", "\n")


def read_table(name, columns):
    path, rows = read_rows(name)
    table = {}
    for number, fields in rows:
        if len(fields) < 2 or len(fields) > columns or not fields[0].isdigit():
            fail("%s:%d: expected an id and a text separated by a tab" % (path, number))
        ident = int(fields[0])
        if ident in table:
            fail("%s:%d: id %d appears twice" % (path, number, ident))
        table[ident] = (decode(fields[1]), fields[2] if len(fields) > 2 else "")
    return table


def escape_text(text):
    out = text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace("\n", "&#10;")
    # Plain spaces at either end would be trimmed by the reader; a character reference stays.
    body = out.strip(" ")
    lead = len(out) - len(out.lstrip(" "))
    trail = len(out) - len(out.rstrip(" ")) if body else 0
    return "&#160;" * lead + body + "&#160;" * trail


def escape_attribute(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace('"', "&quot;")


def has_letters(text):
    return any(ch.isalpha() for ch in text)


def build():
    _, rows = read_rows("languages.tsv")
    languages = [fields for _, fields in rows]
    if not languages or languages[0][0] != "eng":
        fail("languages.tsv must list English first")
    english = read_table("eng.tsv", 3)
    texts = {}
    for tag, _, _ in languages[1:]:
        table = read_table(tag + ".tsv", 2)
        for ident in table:
            if ident not in english:
                fail("%s.tsv: id %d is not in eng.tsv" % (tag, ident))
            if ident in SAME_EVERYWHERE and table[ident][0] != english[ident][0]:
                fail("%s.tsv: id %d must equal the English text" % (tag, ident))
        for ident, (text, _) in english.items():
            if ident not in table and has_letters(text) and ident not in SAME_EVERYWHERE:
                fail("%s.tsv: id %d (%r) has no text" % (tag, ident, text))
        texts[tag] = {ident: (table[ident][0] if ident in table else english[ident][0]) for ident in english}

    lines = ["<lang>", "<languages>"]
    for tag, eng_name, true_name in languages:
        lines.append('<entry tagName="%s" engName="%s" trueName="%s"/>'
                     % (escape_attribute(tag), escape_attribute(eng_name), escape_attribute(true_name)))
    lines += ["</languages>", "<entries>"]
    for ident in sorted(english):
        text, note = english[ident]
        lines.append('<entry id="%d">%s' % (ident, escape_text(note)))
        lines.append("<eng>%s</eng>" % escape_text(text))
        for tag, _, _ in languages[1:]:
            lines.append("<%s>%s</%s>" % (tag, escape_text(texts[tag][ident]), tag))
        lines.append("</entry>")
    lines += ["</entries>", "</lang>", ""]
    return "\n".join(lines).encode("utf-8")


def main():
    document = build()
    if len(sys.argv) > 1 and sys.argv[1] == "--check":
        with open(PACK, "rb") as f:
            if f.read() != document:
                fail("LanguagePack.xml differs from the tables in resources/lang: run make_langpack.py")
        return
    with open(PACK, "wb") as f:
        f.write(document)


if __name__ == "__main__":
    main()
