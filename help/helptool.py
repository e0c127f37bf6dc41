#!/usr/bin/env python3
"""Builds and checks the program's help: English pages in help/en, their translations through
gettext PO files in translations/help (po4a, XHTML module), one CHM per language (chmcmd).

    helptool.py update-po                 make help.pot again from help/en and merge it into
                                          every translations/help/<lang>.po (for translators)
    helptool.py translate OUT             write the translated pages to OUT/<lang>/ (build)
    helptool.py build LANG PAGES OUT.chm WORK
                                          stage the pages of LANG (PAGES is help/en for
                                          English), write contents, index and project, compile
    helptool.py check-po                  fail when a help PO entry is untranslated or fuzzy,
                                          or when help.pot or a PO is not the one help/en gives
    helptool.py check-chm BINDIR PAGES    check the four CHMs in BINDIR against the pages
    helptool.py check-sources             contents, pages, context ids and forms agree

Contents (.hhc) and index (.hhk) are made at build time from help/contents.txt and each page's
<title> and <meta name="keywords">, so a translated page brings its own contents and index
entries. Context ids come from help/help_context.h.
"""
import html
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unicodedata
from html.parser import HTMLParser
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import chmdir  # noqa: E402

HELP = Path(__file__).resolve().parent
ROOT = HELP.parent
PO_DIR = ROOT / 'translations' / 'help'
LANGS = ['de', 'ru', 'fr']
PO4A_OPTIONS = '-o attributes=<meta>content'


def fail(message):
    print(f'helptool: {message}', file=sys.stderr)
    sys.exit(1)


# ---------------------------------------------------------------------------------------------
# Sources: contents description, pages, context ids, languages


def contents():
    """[(level, page)] in the order of help/contents.txt."""
    items = []
    for number, line in enumerate((HELP / 'contents.txt').read_text(encoding='utf-8').splitlines(), 1):
        if not line.strip() or line.lstrip().startswith('#'):
            continue
        indent = len(line) - len(line.lstrip(' '))
        if indent % 2:
            fail(f'contents.txt:{number}: indent by two spaces per level')
        items.append((indent // 2, line.strip()))
    return items


def pages():
    """Every page of help/en, in contents order first."""
    listed = [page for _, page in contents()]
    rest = sorted(p.name for p in (HELP / 'en').glob('*.htm') if p.name not in listed)
    return listed + rest


def context_ids():
    """[(symbol, id, identity, topic)] from help/help_context.h."""
    text = (HELP / 'help_context.h').read_text(encoding='utf-8')
    found = re.findall(r'HELP_CONTEXT\((IDH_\w+),\s*(\d+),\s*"([^"]+)",\s*"([^"]+)"\)', text)
    return [(symbol, int(number), identity, topic) for symbol, number, identity, topic in found]


def po_header(path):
    text = Path(path).read_text(encoding='utf-8')
    return dict(re.findall(r'^"([\w-]+): (.*?)\\n"$', text, re.M))


class Language:
    def __init__(self, code):
        self.code = code
        if code == 'en':
            self.lcid, self.name, self.codepage = 0x0409, 'english', 1252
            self.display = 'English (United States)'
        else:
            header = po_header(ROOT / 'translations' / f'{code}.po')
            self.lcid = int(header['X-Language-Id'], 16)
            self.name = header['X-Language-Name']
            self.codepage = int(header['X-Code-Page'])
            self.display = self.name
        self.charset = f'windows-{self.codepage}'
        self.encoding = f'cp{self.codepage}'

    @property
    def chm(self):
        return f'{self.name}.chm'


# ---------------------------------------------------------------------------------------------
# po4a


def po4a_config(path):
    lines = [
        '[po4a_langs] ' + ' '.join(LANGS),
        '[po4a_paths] translations/help/help.pot $lang:translations/help/$lang.po',
        '[options] --master-charset UTF-8 --localized-charset UTF-8 --keep 0 --porefs file '
        '--package-name TesslyDozidiDavazez-help --copyright-holder TesslySoftware',
        f'[po4a_alias:page] xhtml opt:"{PO4A_OPTIONS}"',
    ]
    for page in pages():
        lines.append(f'[type: page] help/en/{page} $lang:$lang/{page}')
    Path(path).write_text('\n'.join(lines) + '\n', encoding='utf-8')


def run_po4a(root, destdir, *flags):
    with tempfile.TemporaryDirectory() as tmp:
        config = Path(tmp) / 'po4a.cfg'
        po4a_config(config)
        result = subprocess.run(['po4a', '--srcdir', str(root), '--destdir', str(destdir), *flags, str(config)],
                                capture_output=True, text=True)
        if result.returncode != 0:
            fail('po4a failed:\n' + result.stdout + result.stderr)
        return result.stdout + result.stderr


def cmd_update_po(_args):
    run_po4a(ROOT, ROOT, '--no-translations')
    for lang in LANGS:
        print(subprocess.run(['msgfmt', '--statistics', '-o', os.devnull, str(PO_DIR / f'{lang}.po')],
                             capture_output=True, text=True).stderr.strip(), f'({lang})')


def cmd_translate(args):
    out = Path(args[0]).resolve()
    shutil.rmtree(out, ignore_errors=True)
    out.mkdir(parents=True)
    run_po4a(ROOT, out, '--no-update')
    for lang in LANGS:
        missing = [p for p in pages() if not (out / lang / p).exists()]
        if missing:
            fail(f'po4a wrote no {lang} page for {", ".join(missing)}')
    (out / 'stamp').write_text('translated\n')


# ---------------------------------------------------------------------------------------------
# Pages


class PageParser(HTMLParser):
    """Title, keywords, help title, links and block texts of one page."""

    BLOCKS = {'title', 'h1', 'h2', 'h3', 'p', 'li', 'td', 'th', 'dt', 'dd', 'pre', 'caption'}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.title, self.keywords, self.help_title = '', [], ''
        self.links, self.blocks = [], []
        self.anchors = set()
        self.stack = []  # open block texts

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == 'meta' and attrs.get('name') == 'keywords':
            self.keywords = [' '.join(k.split()) for k in attrs.get('content', '').split(';') if k.strip()]
        if tag == 'meta' and attrs.get('name') == 'help-title':
            self.help_title = ' '.join(attrs.get('content', '').split())
        if tag in ('a', 'link') and attrs.get('href'):
            self.links.append(attrs['href'])
        if attrs.get('id'):
            self.anchors.add(attrs['id'])
        if tag == 'a' and attrs.get('name'):
            self.anchors.add(attrs['name'])
        if tag in self.BLOCKS:
            self.stack.append([tag, []])
        elif tag in ('code', 'kbd', 'samp') and self.stack:
            self.stack[-1][1].append('\x01')

    def handle_endtag(self, tag):
        if tag in ('code', 'kbd', 'samp') and self.stack:
            self.stack[-1][1].append('\x02')
        if tag in self.BLOCKS and self.stack and self.stack[-1][0] == tag:
            name, parts = self.stack.pop()
            text = ' '.join(''.join(parts).split())
            if name == 'title':
                self.title = text.replace('\x01', '').replace('\x02', '')
            self.blocks.append((name, text))
            if self.stack:
                self.stack[-1][1].append(' ')

    def handle_data(self, data):
        if self.stack:
            self.stack[-1][1].append(data)


def parse_page(path):
    parser = PageParser()
    parser.feed(Path(path).read_text(encoding='utf-8'))
    return parser


# ---------------------------------------------------------------------------------------------
# Building one CHM


def attr(text):
    return html.escape(text, quote=True)


def sitemap_object(name, local=None):
    params = [f'<param name="Name" value="{attr(name)}">']
    if local:
        params.append(f'<param name="Local" value="{attr(local)}">')
    return '<OBJECT type="text/sitemap">\n\t' + '\n\t'.join(params) + '\n\t</OBJECT>'


SITEMAP_HEAD = ('<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN">\n<HTML>\n<HEAD>\n'
                '<meta http-equiv="Content-Type" content="text/html; charset={charset}">\n'
                '<!-- Made at build time by help/helptool.py -->\n</HEAD>\n<BODY>\n')


def make_hhc(lang, info):
    out = [SITEMAP_HEAD.format(charset=lang.charset),
           '<OBJECT type="text/site properties">\n\t<param name="ImageType" value="Folder">\n</OBJECT>\n<UL>\n']
    items = contents()
    level = 0
    for depth, page in items:
        while level < depth:
            out.append('<UL>\n')
            level += 1
        while level > depth:
            out.append('</UL>\n')
            level -= 1
        out.append('<LI> ' + sitemap_object(info[page].title, page) + '\n')
    while level > 0:
        out.append('</UL>\n')
        level -= 1
    out.append('</UL>\n</BODY>\n</HTML>\n')
    return ''.join(out)


def sort_key(text):
    """Index order: letters with accents, umlauts or a diaeresis (ё) beside their base letter."""
    base = ''.join(c for c in unicodedata.normalize('NFD', text) if not unicodedata.combining(c))
    return base.casefold().lstrip('-"\'«„“'), text


def make_hhk(lang, info):
    """Keywords "main, sub" become a second-level entry under "main"."""
    tree = {}
    for page in pages():
        for keyword in info[page].keywords:
            main, _, sub = keyword.partition(', ')
            node = tree.setdefault(main, [[], {}])
            if sub:
                node[1].setdefault(sub, [])
                if page not in node[1][sub]:
                    node[1][sub].append(page)
            elif page not in node[0]:
                node[0].append(page)

    def entry(name, topics):
        params = [f'<param name="Name" value="{attr(name)}">']
        for page in topics:
            params.append(f'<param name="Name" value="{attr(info[page].title)}">')
            params.append(f'<param name="Local" value="{attr(page)}">')
        return '<LI> <OBJECT type="text/sitemap">\n\t' + '\n\t'.join(params) + '\n\t</OBJECT>\n'

    out = [SITEMAP_HEAD.format(charset=lang.charset), '<UL>\n']
    for main in sorted(tree, key=sort_key):
        own, subs = tree[main]
        topics = own or [p for s in subs.values() for p in s][:1]
        out.append(entry(main, topics))
        if subs:
            out.append('<UL>\n')
            for sub in sorted(subs, key=sort_key):
                out.append(entry(sub, subs[sub]))
            out.append('</UL>\n')
    out.append('</UL>\n</BODY>\n</HTML>\n')
    return ''.join(out)


# chmcmd's full-text indexer knows only the letters a-z as parts of words: a search index of
# German, French or Russian text would miss every word with an umlaut, an accent or a Cyrillic
# letter. Those languages get the contents and the keyword index without a Search tab.
SEARCHABLE = {'en'}
# Navigation pane: tri-pane, contents follow the topic, favourites, the position given here,
# and the Search tab where there is a search index. The title stays the help's own.
NAV_STYLE = 0x20 | 0x100 | 0x1000 | 0x40000
NAV_SEARCH_TAB = 0x400


def make_hhp(lang, help_title):
    base = lang.name
    search = lang.code in SEARCHABLE
    nav = NAV_STYLE | (NAV_SEARCH_TAB if search else 0)
    window = (f'main="{help_title}","{base}.hhc","{base}.hhk","index.htm","index.htm",,,,,'
              f'0x{nav:x},260,0x304e,[60,40,900,700],,,,,,,0')
    lines = ['[OPTIONS]', 'Compatibility=1.1 or later', f'Compiled file={lang.chm}',
             f'Contents file={base}.hhc', f'Index file={base}.hhk', 'Default topic=index.htm',
             'Default Window=main', 'Display compile progress=No',
             f'Full-text search={"Yes" if search else "No"}',
             'Binary Index=Yes', f'Language=0x{lang.lcid:04x} {lang.display}', f'Title={help_title}',
             '', '[WINDOWS]', window, '', '[FILES]', 'help.css']
    lines += pages()
    lines += ['', '[ALIAS]']
    lines += [f'{symbol}={topic}' for symbol, _, _, topic in context_ids()]
    lines += ['', '[MAP]']
    lines += [f'#define {symbol} {number}' for symbol, number, _, _ in context_ids()]
    return '\r\n'.join(lines) + '\r\n'


def encode(lang, text, what):
    try:
        return text.encode(lang.encoding)
    except UnicodeEncodeError as error:
        fail(f'{lang.code}: {what} has a character outside {lang.charset}: {error.object[error.start:error.end]!r}')


def stage_page(lang, text):
    """The page in the language's Windows code page with the charset declared."""
    text = re.sub(r'^<\?xml[^>]*\?>\s*', '', text)
    meta = f'<meta http-equiv="Content-Type" content="text/html; charset={lang.charset}" />'
    text = re.sub(r'<head>\s*', lambda m: '<head>\n' + meta + '\n', text, count=1)
    text = text.replace('\n', '\r\n')
    return text.encode(lang.encoding, errors='xmlcharrefreplace')


def cmd_build(args):
    lang = Language(args[0])
    source, out, work = Path(args[1]), Path(args[2]), Path(args[3])
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    info = {}
    for page in pages():
        path = source / page
        if not path.exists():
            fail(f'{lang.code}: page {page} missing in {source}')
        info[page] = parse_page(path)
        if not info[page].title:
            fail(f'{lang.code}: {page} has no title')
        encode(lang, info[page].title, f'the title of {page}')
        for keyword in info[page].keywords:
            encode(lang, keyword, f'a keyword of {page}')
        (work / page).write_bytes(stage_page(lang, path.read_text(encoding='utf-8')))
    shutil.copyfile(HELP / 'en' / 'help.css', work / 'help.css')
    help_title = info['index.htm'].help_title or 'Help'
    base = lang.name
    (work / f'{base}.hhc').write_bytes(encode(lang, make_hhc(lang, info), 'the contents'))
    (work / f'{base}.hhk').write_bytes(encode(lang, make_hhk(lang, info), 'the index'))
    (work / f'{base}.hhp').write_bytes(encode(lang, make_hhp(lang, help_title), 'the project'))
    result = subprocess.run(['chmcmd', '--no-html-scan', f'{base}.hhp'], cwd=work, capture_output=True, text=True,
                            errors='replace')
    chm = work / lang.chm
    if result.returncode != 0 or not chm.exists():
        fail(f'chmcmd failed for {lang.code}:\n{result.stdout}{result.stderr}')
    # chmcmd writes absolute paths as the topics of the context map: store the right ones.
    strings = extract(chm, '/#STRINGS')
    if not strings:
        fail(f'{lang.chm}: chmcmd wrote no #STRINGS')
    data = chmdir.set_contexts(chm.read_bytes(), strings,
                               [(number, topic) for _, number, _, topic in context_ids()])
    out.parent.mkdir(parents=True, exist_ok=True)
    tmp = out.with_suffix('.tmp')
    tmp.write_bytes(data)
    os.replace(tmp, out)


def extract(chm, name):
    with tempfile.TemporaryDirectory() as tmp:
        target = Path(tmp) / 'file'
        subprocess.run(['chmls', 'extract', str(chm), name, str(target)], capture_output=True)
        return target.read_bytes() if target.exists() else b''


def main():
    import helpcheck  # the checks use this module's helpers
    commands = {'update-po': cmd_update_po, 'translate': cmd_translate, 'build': cmd_build, **helpcheck.COMMANDS}
    if len(sys.argv) < 2 or sys.argv[1] not in commands:
        print(__doc__)
        sys.exit(2)
    commands[sys.argv[1]](sys.argv[2:])


if __name__ == '__main__':
    main()
