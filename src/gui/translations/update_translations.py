#!/usr/bin/env python3
"""Brings the desktop's .ts files up to date: lupdate collects the desktop's texts, then every
text gets its translation from the tables beside this script (one text a line: the English,
then de|it|es|fr|tr; "\\n" stands for a line break). core_texts.txt also names the texts of
core that the desktop shows; they go into the context "Core", which lupdate cannot find in the
sources. Run from the repository's root; fails naming every text without a translation."""
import os
import subprocess
import sys
import xml.etree.ElementTree as ET

HERE = os.path.dirname(os.path.abspath(__file__))
LUPDATE = '/usr/lib/qt6/bin/lupdate'
LANGUAGES = ['de', 'it', 'es', 'fr', 'tr']


def read_table(name):
    path = os.path.join(HERE, name)
    texts = {}
    for line in open(path, encoding='utf-8'):
        line = line.rstrip('\n')
        if not line:
            continue
        parts = [part.replace('\\n', '\n') for part in line.split('|')]
        if len(parts) != 1 + len(LANGUAGES):
            sys.exit(f'{path}: not the English and five translations: {line}')
        texts[parts[0]] = dict(zip(LANGUAGES, parts[1:]))
    return texts


def core_context(root):
    for context in root.findall('context'):
        if context.find('name').text == 'Core':
            return context
    context = ET.SubElement(root, 'context')
    ET.SubElement(context, 'name').text = 'Core'
    return context


def update(language, core, translations, missing):
    path = os.path.join(HERE, f'lumora_{language}.ts')
    subprocess.run([LUPDATE, '-silent', '-no-obsolete', '-locations', 'none',
                    '-source-language', 'en', '-target-language', language,
                    '-I', 'src', 'src/gui', '-ts', path], check=True)
    tree = ET.parse(path)
    context = core_context(tree.getroot())
    present = {message.find('source').text for message in context.findall('message')}
    for source in core:
        if source not in present:
            message = ET.SubElement(context, 'message')
            ET.SubElement(message, 'source').text = source
            ET.SubElement(message, 'translation')
    for message in tree.getroot().iter('message'):
        source = message.find('source').text
        if source not in translations:
            missing.add(source)
            continue
        translation = message.find('translation')
        translation.text = translations[source][language]
        translation.attrib.pop('type', None)
    ET.indent(tree, '    ')
    with open(path, 'wb') as out:
        out.write(b'<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        tree.write(out, encoding='utf-8', xml_declaration=False)
        out.write(b'\n')


def main():
    core = read_table('core_texts.txt')
    translations = read_table('desktop_texts.txt') | core
    missing = set()
    for language in LANGUAGES:
        update(language, core, translations, missing)
    if missing:
        sys.exit('Without a translation: ' + ', '.join(sorted(repr(m) for m in missing)))


if __name__ == '__main__':
    main()
