"""The checks of the help, run by ctest through helptool.py.

check-po   The help's translations are complete: every entry of translations/help/<lang>.po
           is translated and none is fuzzy, help.pot is the template that help/en gives today,
           and every PO holds exactly the template's entries.
check-chm  Each CHM of the Windows build, read back with chmls (an independent CHM reader),
           lists every topic, has only internal links that resolve inside it, contents and
           index that name only its own pages, the language id, window title and code page of
           its language, and a context map that opens every window's topic. No page of the
           German, Russian or French help is left in English: its text blocks are compared
           with the English page's, and only code, names and captions that the program itself
           leaves unchanged in that language may be identical.
"""
import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
from pathlib import Path

import helptool
from helptool import HELP, LANGS, PO_DIR, ROOT, Language, context_ids, pages

failures = []


def error(message):
    failures.append(message)
    print(f'FAIL: {message}')


def finish(what):
    if failures:
        print(f'{len(failures)} problem(s) in {what}')
        sys.exit(1)
    print(f'{what}: all checks passed')


# ---------------------------------------------------------------------------------------------
# PO files


def unquote(text):
    return re.sub(r'\\(.)', lambda m: {'n': '\n', 'r': '\r', 't': '\t', '"': '"', '\\': '\\'}.get(m.group(1), m.group(1)), text)


def read_po(path):
    """{(msgctxt, msgid): (msgstr, fuzzy)} of the live (not obsolete) entries."""
    entries, current, key, fuzzy = {}, {}, None, False

    def flush():
        nonlocal current, fuzzy
        if 'msgid' in current and current['msgid']:
            entries[(current.get('msgctxt'), current['msgid'])] = (current.get('msgstr', ''), fuzzy)
        current, fuzzy = {}, False

    for line in Path(path).read_text(encoding='utf-8').splitlines():
        if line.startswith('#~'):
            continue
        if not line.strip():
            flush()
            continue
        if line.startswith('#,') and 'fuzzy' in line:
            fuzzy = True
            continue
        if line.startswith('#'):
            continue
        match = re.match(r'(msgctxt|msgid|msgstr)\s+"(.*)"$', line)
        if match:
            if match.group(1) in ('msgctxt', 'msgid') and 'msgstr' in current:
                flush()
            key = match.group(1)
            current[key] = unquote(match.group(2))
            continue
        match = re.match(r'"(.*)"$', line)
        if match and key:
            current[key] += unquote(match.group(1))
    flush()
    return entries


def statistics(path):
    result = subprocess.run(['msgfmt', '--check', '--statistics', '-o', os.devnull, str(path)],
                            capture_output=True, text=True)
    return result.returncode, result.stderr.strip()


def strip_creation_date(text):
    return re.sub(r'^"POT-Creation-Date: .*\\n"\n', '', text, flags=re.M)


def check_po(_args):
    template = PO_DIR / 'help.pot'
    if not template.exists():
        error('translations/help/help.pot is missing')
        finish('help translations')
    wanted = set(read_po(template))
    for lang in LANGS:
        path = PO_DIR / f'{lang}.po'
        if not path.exists():
            error(f'{path.relative_to(ROOT)} is missing')
            continue
        status, stats = statistics(path)
        if status != 0:
            error(f'msgfmt rejects {path.relative_to(ROOT)}: {stats}')
        entries = read_po(path)
        untranslated = [k[1] for k, (s, _) in entries.items() if not s]
        fuzzy = [k[1] for k, (_, f) in entries.items() if f]
        for msgid in untranslated[:5]:
            error(f'{lang}.po: untranslated: {msgid[:70]!r}')
        for msgid in fuzzy[:5]:
            error(f'{lang}.po: fuzzy: {msgid[:70]!r}')
        if len(untranslated) > 5 or len(fuzzy) > 5:
            error(f'{lang}.po: {len(untranslated)} untranslated and {len(fuzzy)} fuzzy entries in all ({stats})')
        missing = wanted - set(entries)
        extra = set(entries) - wanted
        for key in sorted(missing, key=str)[:5]:
            error(f'{lang}.po lacks the template entry {key[1][:70]!r} (run helptool.py update-po)')
        for key in sorted(extra, key=str)[:5]:
            error(f'{lang}.po has an entry the template no longer has: {key[1][:70]!r} (run helptool.py update-po)')
    # The template and the POs must be the ones that the English pages give now.
    with tempfile.TemporaryDirectory() as tmp:
        root = Path(tmp)
        (root / 'help').mkdir()
        os.symlink(HELP / 'en', root / 'help' / 'en')
        shutil.copytree(PO_DIR, root / 'translations' / 'help')
        helptool.run_po4a(root, root, '--no-translations')
        fresh = (root / 'translations' / 'help' / 'help.pot').read_text(encoding='utf-8')
        if strip_creation_date(fresh) != strip_creation_date(template.read_text(encoding='utf-8')):
            error('translations/help/help.pot is out of date: run help/helptool.py update-po and translate the new entries')
        for lang in LANGS:
            merged = read_po(root / 'translations' / 'help' / f'{lang}.po')
            stale = [k[1] for k, (s, f) in merged.items() if f or not s]
            for msgid in stale[:5]:
                error(f'{lang}.po is stale for the current pages: {msgid[:70]!r}')
    finish('help translations')


# ---------------------------------------------------------------------------------------------
# CHM files


def chmls(*args):
    result = subprocess.run(['chmls', *args], capture_output=True)
    return result.stdout.decode("latin-1")


def chm_listing(chm):
    names = set()
    for line in chmls('-n', 'list', str(chm)).splitlines():
        line = line.strip()
        if line.startswith('/') or line.startswith('::'):
            names.add(line)
    return names


def program_captions(lang):
    """Captions that the program's own translation leaves as they are in English."""
    same = set()
    for (_, msgid), (msgstr, _) in read_po(ROOT / 'translations' / f'{lang}.po').items():
        for part_id, part_str in zip(msgid.split('\n'), msgstr.split('\n')):
            if part_id.replace('&', '') == part_str.replace('&', ''):
                same.add(part_str.replace('&', '').strip())
    return same


# Words that the language writes as English does, where they stand alone in a table heading.
SAME_WORDS = {'de': set(), 'ru': set(), 'fr': {'Action'}}
NAMES = ['Tessly Dozidi Davazez', 'TesslySoftware', 'Tessly Software', 'Velocitor', 'Simple MAPI',
         'Outlook', 'Thunderbird', 'Windows']


def may_stay_english(kind, text, captions, lang):
    if kind == 'pre' or text in SAME_WORDS[lang]:
        return True
    text = re.sub('\x01[^\x02]*\x02', ' ', text)  # code, keys, file names
    for name in NAMES + sorted(captions, key=len, reverse=True):
        if name:
            text = text.replace(name, ' ')
    return not re.search(r'[A-Za-z]{2,}', text)


def check_chm(args):
    bindir, pages_dir = Path(args[0]), Path(args[1])
    english_blocks = {}
    with tempfile.TemporaryDirectory() as tmp:
        for code in ['en'] + LANGS:
            lang = Language(code)
            chm = bindir / lang.chm
            if not chm.exists():
                error(f'{chm} was not built')
                continue
            names = chm_listing(chm)
            lower = {n.lower() for n in names}
            for page in pages() + ['help.css', f'{lang.name}.hhc', f'{lang.name}.hhk']:
                if f'/{page}'.lower() not in lower:
                    error(f'{lang.chm} lacks the topic {page}')
            out = Path(tmp) / code
            chmls('extractall', str(chm), str(out))
            # Language id, window title and code page.
            system = chmls('printsystem', str(chm))
            match = re.search(r'LCID from HHP file\s*:\s*(\d+)', system)
            if not match or int(match.group(1)) != lang.lcid:
                error(f'{lang.chm}: language id {match.group(1) if match else "none"}, expected {lang.lcid}')
            index_page = helptool.parse_page(pages_dir / code / 'index.htm' if code != 'en' else HELP / 'en' / 'index.htm')
            windows = chmls('printwindows', str(chm)).encode('latin-1').decode(lang.encoding, errors='replace')
            title = re.search(r'Title Bar Text\s*:\s*(.*?) \(index value', windows)
            if not title or title.group(1) != index_page.help_title:
                error(f'{lang.chm}: window title {title.group(1) if title else None!r}, expected {index_page.help_title!r}')
            # Pages: code page, links, English left over.
            for page in pages():
                path = out / page
                if not path.exists():
                    continue
                raw = path.read_bytes()
                declared = re.search(rb'charset=([\w-]+)', raw)
                if not declared or declared.group(1).decode().lower() != lang.charset:
                    error(f'{lang.chm}/{page}: declares charset {declared.group(1) if declared else None}, expected {lang.charset}')
                text = raw.decode(lang.encoding)
                parsed = helptool.PageParser()
                parsed.feed(text)
                check_links(lang, page, parsed, names, out)
                if code == 'en':
                    english_blocks[page] = parsed.blocks
                else:
                    check_translated(lang, page, parsed.blocks, english_blocks.get(page, []))
                if code == 'ru' and not re.search('[а-яА-Я]{3,}', text):
                    error(f'{lang.chm}/{page}: no Cyrillic text')
            check_sitemaps(lang, out, names)
            check_contexts(lang, chm, names)
    finish('help files')


def resolve(names, target):
    return f'/{target}'.lower() in {n.lower() for n in names}


def check_links(lang, page, parsed, names, out):
    for href in parsed.links:
        if re.match(r'^(https?|mailto|ms-its|mk):', href):
            continue
        target, _, anchor = href.partition('#')
        target = target or page
        if not resolve(names, target):
            error(f'{lang.chm}/{page}: link to {href} does not resolve inside the CHM')
            continue
        if anchor and target.endswith('.htm'):
            linked = helptool.PageParser()
            linked.feed((out / target).read_bytes().decode(lang.encoding))
            if anchor not in linked.anchors:
                error(f'{lang.chm}/{page}: anchor #{anchor} missing in {target}')


def check_translated(lang, page, blocks, english):
    if len(blocks) != len(english):
        error(f'{lang.chm}/{page}: {len(blocks)} text blocks, the English page has {len(english)}')
        return
    captions = program_captions(lang.code)
    for (kind, text), (_, original) in zip(blocks, english):
        if text == original and not may_stay_english(kind, text, captions, lang.code):
            error(f'{lang.chm}/{page}: left in English: {text.replace(chr(1), "").replace(chr(2), "")[:80]!r}')


def check_sitemaps(lang, out, names):
    for kind in ('hhc', 'hhk'):
        path = out / f'{lang.name}.{kind}'
        if not path.exists():
            error(f'{lang.chm}: no .{kind} inside')
            continue
        text = path.read_bytes().decode(lang.encoding)
        locals_ = re.findall(r'<param name="Local" value="([^"]*)">', text)
        for local in locals_:
            if not resolve(names, local.partition('#')[0]):
                error(f'{lang.chm}: the .{kind} names {local}, which is not in the CHM')
        if kind == 'hhc':
            for page in pages():
                if page not in locals_:
                    error(f'{lang.chm}: the contents do not list {page}')
        if kind == 'hhk' and len(locals_) < len(pages()):
            error(f'{lang.chm}: the index has only {len(locals_)} entries')
        if lang.code == 'ru' and not re.search('[а-яА-Я]{3,}', text):
            error(f'{lang.chm}: the .{kind} has no Cyrillic names')


def check_contexts(lang, chm, names):
    ivb, strings = helptool.extract(chm, '/#IVB'), helptool.extract(chm, '/#STRINGS')
    if not ivb or not strings:
        error(f'{lang.chm}: no context map (#IVB, #STRINGS)')
        return
    size, = struct.unpack_from('<I', ivb, 0)
    mapped = {}
    for pos in range(4, 4 + size, 8):
        number, offset = struct.unpack_from('<II', ivb, pos)
        mapped[number] = strings[offset:strings.index(b'\0', offset)].decode('latin-1')
    for symbol, number, identity, topic in context_ids():
        if mapped.get(number) != topic:
            error(f'{lang.chm}: context {number} ({identity}) opens {mapped.get(number)!r}, expected {topic}')
        elif not resolve(names, topic):
            error(f'{lang.chm}: context {number} names {topic}, which is not in the CHM')


def check_sources(_args):
    """Contents, pages and context ids agree (no build needed)."""
    listed = [page for _, page in helptool.contents()]
    on_disk = sorted(p.name for p in (HELP / 'en').glob('*.htm'))
    for page in on_disk:
        if page not in listed:
            error(f'help/en/{page} is not in help/contents.txt')
    for page in listed:
        if page not in on_disk:
            error(f'help/contents.txt names {page}, which help/en lacks')
    if len(set(listed)) != len(listed):
        error('help/contents.txt lists a page twice')
    ids = context_ids()
    if len({n for _, n, _, _ in ids}) != len(ids) or len({t for _, _, _, t in ids}) != len(ids):
        error('help/help_context.h repeats an id or a topic')
    for symbol, number, identity, topic in ids:
        if topic not in on_disk:
            error(f'{symbol}: topic {topic} is not a page of help/en')
        form_class, _, component = identity.partition('.')
        forms = [f for f in (ROOT / 'forms').glob('*.form')
                 if re.search(rf'^object \w+: {form_class}\s*$', f.read_text(encoding='utf-8'), re.M)]
        if not forms:
            error(f'{symbol}: no form of class {form_class}')
        elif component and not re.search(rf'^\s*object {component}: ', forms[0].read_text(encoding='utf-8'), re.M):
            error(f'{symbol}: {forms[0].name} has no component {component}')
    for path in (HELP / 'en').glob('*.htm'):
        parsed = helptool.parse_page(path)
        if not parsed.title:
            error(f'help/en/{path.name} has no <title>')
        if not parsed.keywords:
            error(f'help/en/{path.name} has no keywords')
    finish('help sources')


COMMANDS = {'check-po': check_po, 'check-chm': check_chm, 'check-sources': check_sources}
