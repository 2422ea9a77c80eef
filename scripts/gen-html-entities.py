#!/usr/bin/env python3
"""Writes import/HtmlEntities.inc: the HTML5 named character references (those ending in ';')
as a table sorted by name for a binary search, from Python's html.entities.html5.

    python3 scripts/gen-html-entities.py > import/HtmlEntities.inc
"""
from html.entities import html5


def c_string(text):
    # Octal escapes: at most three digits, so a digit after one is never taken into it.
    return '"' + ''.join('\\%03o' % b if b >= 0x80 or b < 0x20 or b in b'"\\?' else chr(b)
                         for b in text.encode('utf-8')) + '"'


def main():
    names = sorted((k[:-1] for k in html5 if k.endswith(';')), key=lambda n: n.encode())
    print('// The HTML5 named character references: name without its ";", then its UTF-8 text.')
    print('// Made by scripts/gen-html-entities.py from Python\'s html.entities.html5; sorted by name.')
    row = []
    for name in names:
        text = c_string(html5[name + ';'])
        row.append('{"%s", %s}' % (name, text))
        if len(row) == 4:
            print(', '.join(row) + ',')
            row = []
    if row:
        print(', '.join(row) + ',')


main()
