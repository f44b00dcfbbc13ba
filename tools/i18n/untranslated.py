#!/usr/bin/env python3
"""Finds texts a user may read that are outside tr(): string literals of prose (two words or
more) in the program's folders that no marker wraps (VT_TEXT, i18n::translate, translated,
QT_TRANSLATE_NOOP; tr() does not count, see MARKER_CALL). Literals that are not for people (JSON keys, file formats, messages for
developers) are listed in tools/i18n/not-translated.txt as "path: text", one a line.

    untranslated.py <folder>...      exit status 1 when one is found
"""
import pathlib
import re
import sys

# Not tr(): lupdate cannot place our classes in their nested namespaces, so a tr() text would be
# collected under another context than the one it is looked up in, and stay English.
MARKER_CALL = re.compile(r'\b(?:VT_TEXT|translate|translated|QT_TRANSLATE_NOOP)\s*\(')
PROSE = re.compile(r'[A-Za-z]{2,}[^"]*\s[^"]*[A-Za-z]{2,}')
# Lines whose texts are for developers or machines, never shown.
SKIP_LINE = re.compile(r'\b(?:qFatal|qWarning|qDebug|qCritical|static_assert|Q_ASSERT|'
                       r'setObjectName|findChild|findChildren|QFont|insertSubstitution|'
                       r'setCreator|setApplicationName)\b|#\s*include')
LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')


def code_without_comments(text):
    text = re.sub(r'/\*.*?\*/', lambda m: re.sub(r'[^\n]', ' ', m.group(0)), text, flags=re.S)
    return re.sub(r'//[^\n]*', '', text)


def marked_spans(text):
    """The stretches of code inside a marker's parentheses."""
    spans = []
    for match in MARKER_CALL.finditer(text):
        depth, i = 1, match.end()
        while i < len(text) and depth:
            c = text[i]
            if c == '"':
                i += 1
                while i < len(text) and text[i] != '"':
                    i += 2 if text[i] == '\\' else 1
            elif c == "'":
                # A character literal: its closing quote comes after the escaped character, if
                # any (a backslash and a quote included); an unclosed one ends the scan.
                i = text.find("'", i + 3 if text[i + 1:i + 2] == '\\' else i + 2)
                if i < 0:
                    i = len(text)
                    break
            elif c == '(':
                depth += 1
            elif c == ')':
                depth -= 1
            i += 1
        spans.append((match.end(), i))
    return spans


def unmarked(path):
    text = code_without_comments(path.read_text(encoding='utf-8'))
    spans = marked_spans(text)
    found = []
    line_starts = [0] + [m.end() for m in re.finditer('\n', text)]
    for match in LITERAL.finditer(text):
        literal = match.group(1)
        if not PROSE.search(literal) or any(a <= match.start() < b for a, b in spans):
            continue
        number = max(i for i, s in enumerate(line_starts) if s <= match.start())
        line = text[line_starts[number]:text.find('\n', match.start())]
        if SKIP_LINE.search(line):
            continue
        found.append((number + 1, literal))
    return found


def main(folders):
    root = pathlib.Path(__file__).resolve().parents[2]
    allowed = set()
    allow_file = root / 'tools/i18n/not-translated.txt'
    for entry in allow_file.read_text(encoding='utf-8').splitlines():
        if entry.strip() and not entry.startswith('#'):
            allowed.add(entry)
    failures = []
    for folder in folders:
        for path in sorted((root / folder).rglob('*')):
            if path.suffix not in ('.cpp', '.h'):
                continue
            relative = path.relative_to(root).as_posix()
            for number, literal in unmarked(path):
                if f'{relative}: {literal}' not in allowed:
                    failures.append(f'{relative}:{number}: "{literal}"')
    for failure in failures:
        print(f'{failure}: a text outside tr() (mark it: VT_TEXT, '
              f'i18n::translate, not tr(); or list it in tools/i18n/not-translated.txt when no '
              f'user reads it)')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
