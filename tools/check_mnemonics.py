#!/usr/bin/env python3
"""Fails when two controls that can be reached at the same time share an access key, in the
program's own language or in any translation: the controls of one tab or wizard page, with
the controls of the window around it. Usage: check_mnemonics.py FORMS_DIR TRANSLATIONS_DIR"""
import collections
import glob
import os
import re
import sys

PAGES = ('TTabSheet', 'TKWizardInteriorPage', 'TKWizardWelcomePage')
NO_KEY = ('TMenuItem',) + PAGES  # menus and page tabs have access keys of their own kind


def captions(path):
    """The form's class and (group, component, class, caption) of every caption."""
    stack, out, form_class = [], [], None
    for line in open(path, encoding='latin-1').read().splitlines():
        opened = re.match(r'\s*(?:object|inherited) (\w+): (\w+)', line)
        if opened:
            form_class = form_class or opened.group(2)
            stack.append(opened.groups())
            continue
        if re.match(r'\s*end\s*$', line):
            if stack:
                stack.pop()
            continue
        caption = re.match(r"\s*Caption = '(.*)'", line)
        if caption and stack:
            group = next((name for name, kind in reversed(stack[:-1]) if kind in PAGES), None)
            out.append((group, stack[-1][0], stack[-1][1], caption.group(1).replace("''", "'")))
    return form_class, out


def translations(path, form_class):
    text = open(path, encoding='utf-8').read()
    entry = r'msgctxt "%s\.(\w+)\.Caption"\nmsgid "(?:.*)"\nmsgstr "(.*)"' % re.escape(form_class)
    return {name: value for name, value in re.findall(entry, text) if value}


def access_key(caption):
    found = re.search(r'&(.)', caption.replace('&&', ''))
    return found.group(1).lower() if found else None


def clashes(forms_dir, translations_dir):
    languages = [('English', None)] + [(os.path.basename(p), p)
                                      for p in sorted(glob.glob(os.path.join(translations_dir, '*.po')))]
    for form in sorted(glob.glob(os.path.join(forms_dir, '*.form'))):
        form_class, items = captions(form)
        for language, po in languages:
            translated = translations(po, form_class) if po else {}
            groups = collections.defaultdict(list)
            for group, name, kind, caption in items:
                key = access_key(translated.get(name, caption))
                if key and kind not in NO_KEY:
                    groups[group].append((key, translated.get(name, caption)))
            window = groups.get(None, [])
            for group in list(groups):
                reachable = groups[group] + (window if group else [])
                counts = collections.Counter(key for key, _ in reachable)
                for key, count in counts.items():
                    if count > 1:
                        same = [caption for k, caption in reachable if k == key]
                        yield f'{language}: {form_class} {group or "(window)"}: "{key}" in {same}'


if __name__ == '__main__':
    found = list(clashes(sys.argv[1], sys.argv[2]))
    for line in found:
        print(line)
    sys.exit(1 if found else 0)
