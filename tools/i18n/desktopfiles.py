#!/usr/bin/env python3
"""The desktop entry and the AppStream data speak every language of the program: each key a
user reads (Name, GenericName, Comment, Keywords; name, summary, each paragraph and list item of
the description) has its translation.

    desktopfiles.py <language>...      exit status 1 when one is missing
"""
import pathlib
import sys
import xml.etree.ElementTree as ET

ROOT = pathlib.Path(__file__).resolve().parents[2]
LANG = '{http://www.w3.org/XML/1998/namespace}lang'


def main(languages):
    missing = []
    entry = (ROOT / 'packaging/velantra.desktop').read_text(encoding='utf-8').splitlines()
    keys = {line.split('=', 1)[0] for line in entry if '=' in line}
    for key in ('Name', 'GenericName', 'Comment', 'Keywords'):
        for language in languages:
            if f'{key}[{language}]' not in keys:
                missing.append(f'packaging/velantra.desktop: {key}[{language}]')
    component = ET.parse(ROOT / 'packaging/velantra.metainfo.xml.in').getroot()
    for tag, parent in (('name', component), ('summary', component),
                        ('p', component.find('description')),
                        ('li', component.find('description/ul'))):
        english = [e for e in parent.findall(tag) if LANG not in e.attrib]
        for language in languages:
            translated = [e for e in parent.findall(tag) if e.get(LANG) == language]
            if len(translated) != len(english):
                missing.append(f'packaging/velantra.metainfo.xml.in: {len(english)} <{tag}> in '
                               f'English, {len(translated)} in {language}')
    for line in missing:
        print(line)
    return 1 if missing else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
