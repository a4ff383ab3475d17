#!/usr/bin/env python3
"""Counts what survives an open-then-save, in LibreOffice's reading of the files.

Reads flat OpenDocument text (.fodt) that LibreOffice wrote for each original and for each
copy, resolves styles (automatic, named, their parents and the defaults), aligns the copy's
text to the original's and counts, per kind of content, what the copy kept where it was.

Characters are the non-blank characters of the text; a picture counts as one character of
its own, so that it is aligned with the text around it. Footnotes, comments and text boxes
are read as paragraphs after the one that holds them; headers and footers after the body.

  rtf_compare_count.py ORIGINALS QUORVANE LIBREOFFICE [--details]
  rtf_compare_count.py --self-test
ORIGINALS, QUORVANE and LIBREOFFICE are folders of .fodt files with the same names.
"""

import argparse
import difflib
import os
import re
import sys
import xml.etree.ElementTree as ET

NS = {
    'office': 'urn:oasis:names:tc:opendocument:xmlns:office:1.0',
    'style': 'urn:oasis:names:tc:opendocument:xmlns:style:1.0',
    'text': 'urn:oasis:names:tc:opendocument:xmlns:text:1.0',
    'table': 'urn:oasis:names:tc:opendocument:xmlns:table:1.0',
    'draw': 'urn:oasis:names:tc:opendocument:xmlns:drawing:1.0',
    'fo': 'urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0',
    'xlink': 'http://www.w3.org/1999/xlink',
    'svg': 'urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0',
}


def q(name):
    prefix, local = name.split(':')
    return '{%s}%s' % (NS[prefix], local)


PICTURE = '\ufffc'
INVISIBLE = {'\u00ad', '\u200b', '\u200c', '\u200d', '\u2060', '\ufeff'}
PARAGRAPHS = (q('text:p'), q('text:h'))
# Elements whose content is not the document's text.
SKIPPED = {q(n) for n in (
    'text:sequence-decls', 'text:variable-decls', 'text:user-field-decls', 'text:dde-connection-decls',
    'office:forms', 'text:tracked-changes', 'text:table-of-content-source', 'text:alphabetical-index-source',
    'text:illustration-index-source', 'text:table-index-source', 'text:object-index-source',
    'text:user-index-source', 'text:bibliography-source', 'text:note-citation', 'text:ruby-text',
    'table:table-column', 'table:table-columns', 'table:table-header-columns', 'table:table-column-group',
    'table:covered-table-cell', 'office:annotation-end', 'svg:title', 'svg:desc')}
# Inline elements that hold paragraphs of their own (read after the paragraph that holds them).
HOLDERS = {q(n) for n in ('text:note-body', 'office:annotation', 'draw:text-box', 'draw:custom-shape',
                         'draw:rect', 'draw:ellipse', 'draw:polygon', 'draw:path', 'draw:g')}
KINDS = ['text', 'bold', 'italic', 'underline', 'colour', 'highlight', 'aligned', 'indented', 'list',
         'cell', 'picture', 'link']


def is_cjk(ch):
    c = ord(ch)
    return (0x1100 <= c <= 0x11FF or 0x2E80 <= c <= 0x9FFF or 0xA960 <= c <= 0xA97F
            or 0xAC00 <= c <= 0xD7FF or 0xF900 <= c <= 0xFAFF or 0xFE30 <= c <= 0xFE4F
            or 0xFF00 <= c <= 0xFFEF or 0x20000 <= c <= 0x3FFFF)


def length_mm(value):
    m = re.fullmatch(r'\s*(-?[0-9.]+)\s*(in|cm|mm|pt|pc|px)?\s*', value or '')
    if not m:
        return 0.0
    factor = {'in': 25.4, 'cm': 10.0, 'mm': 1.0, 'pt': 25.4 / 72, 'pc': 25.4 / 6,
              'px': 25.4 / 96, None: 1.0}[m.group(2)]
    try:
        return float(m.group(1)) * factor
    except ValueError:
        return 0.0


def normalised_colour(value):
    value = (value or '').strip().lower()
    return value if re.fullmatch(r'#[0-9a-f]{6}', value) else None


# LibreOffice resolves a relative link against the folder of the file it read and writes it
# relative to its output: "w1" in in/x.rtf and in quorvane-rtf/x.rtf are the same link.
READ_FOLDERS = re.compile(r'^\.\./(?:in|quorvane-rtf|libreoffice-rtf)/')


def link_target(href):
    return READ_FOLDERS.sub('', (href or '').strip().rstrip('/'))


def same_colour(a, b):
    return a is not None and b is not None and all(abs(int(a[i:i + 2], 16) - int(b[i:i + 2], 16)) <= 8 for i in (1, 3, 5))


def close_lengths(a, b):
    return abs(a - b) <= max(0.3, 0.05 * max(abs(a), abs(b)))


def same_indent(a, b):
    return a is not None and b is not None and all(close_lengths(x, y) for x, y in zip(a, b))


class Styles:
    """Paragraph, text and list styles of one document, with their inheritance."""

    def __init__(self, root):
        self.named = {}
        self.automatic = {}
        self.defaults = {}
        self.lists = {}
        for section, table in (('office:styles', self.named), ('office:automatic-styles', self.automatic)):
            for holder in root.iter(q(section)):
                for element in holder:
                    if element.tag == q('style:style'):
                        table[(element.get(q('style:family')), element.get(q('style:name')))] = element
                    elif element.tag == q('style:default-style'):
                        self.defaults[element.get(q('style:family'))] = element
                    elif element.tag == q('text:list-style'):
                        self.lists[element.get(q('style:name'))] = element
        self.cache = {}

    def _chain(self, family, name):
        """The style and its parents, the farthest parent first."""
        chain, seen = [], set()
        element = None
        if name:
            element = self.automatic.get((family, name)) or self.named.get((family, name))
        while element is not None and id(element) not in seen:
            seen.add(id(element))
            chain.append(element)
            parent = element.get(q('style:parent-style-name'))
            element = self.named.get((family, parent)) if parent else None
        return list(reversed(chain))

    @staticmethod
    def _properties(element, kind):
        props = {}
        for child in element.findall(q('style:' + kind)):
            props.update(child.attrib)
        # The automatic colour and an explicit one are one property: whichever a style sets
        # replaces what it inherits.
        if props.get(q('style:use-window-font-color')) == 'true':
            props['colour'] = 'auto'
        elif q('fo:color') in props:
            props['colour'] = props[q('fo:color')]
        return props

    def resolved(self, family, name, with_default):
        key = (family, name, with_default)
        if key not in self.cache:
            text, paragraph, list_style = {}, {}, None
            chain = self._chain(family, name)
            if with_default and family in self.defaults:
                chain.insert(0, self.defaults[family])
            for element in chain:
                text.update(self._properties(element, 'text-properties'))
                paragraph.update(self._properties(element, 'paragraph-properties'))
                list_style = element.get(q('style:list-style-name'), list_style)
            self.cache[key] = (text, paragraph, list_style)
        return self.cache[key]

    def _list_level(self, name, level):
        style = self.lists.get(name)
        if style is None:
            return None
        best = None
        for element in style:
            element_level = int(element.get(q('text:level'), '1'))
            if element_level <= level and (best is None or element_level > best[0]):
                best = (element_level, element)
        return best[1] if best else None

    def list_indent(self, name, level):
        """(left, right, first line) in mm that the list level gives a paragraph of its own none."""
        element = self._list_level(name, level)
        props = element.find(q('style:list-level-properties')) if element is not None else None
        if props is None:
            return None
        alignment = props.find(q('style:list-level-label-alignment'))
        if props.get(q('text:list-level-position-and-space-mode')) == 'label-alignment':
            if alignment is None:
                return None
            return (length_mm(alignment.get(q('fo:margin-left'))), 0.0,
                    length_mm(alignment.get(q('fo:text-indent'))))
        width = length_mm(props.get(q('text:min-label-width')))
        return (length_mm(props.get(q('text:space-before'))) + width, 0.0, -width)

    def list_kind(self, name, level):
        element = self._list_level(name, level)
        if element is None:
            return 'unknown'
        tag = element.tag
        if tag == q('text:list-level-style-number'):
            return 'number' if element.get(q('style:num-format')) else 'none'
        return 'bullet'


class CharFormat:
    __slots__ = ('bold', 'italic', 'underline', 'colour', 'highlight')

    def __init__(self, props, cjk):
        suffix = '-asian' if cjk else ''
        weight = props.get(q('style:font-weight' + suffix)) if cjk else None
        weight = weight or props.get(q('fo:font-weight'), 'normal')
        self.bold = weight == 'bold' or (weight.isdigit() and int(weight) >= 600)
        posture = (props.get(q('style:font-style-asian')) if cjk else None) \
            or props.get(q('fo:font-style'), 'normal')
        self.italic = posture in ('italic', 'oblique')
        self.underline = props.get(q('style:text-underline-style'), 'none') != 'none'
        colour = normalised_colour(props.get('colour'))
        self.colour = colour if colour != '#000000' else None
        # White behind the text shows nothing on a white page.
        background = normalised_colour(props.get(q('fo:background-color')))
        self.highlight = background if background != '#ffffff' else None


class Paragraph:
    __slots__ = ('align', 'indent', 'list', 'cells', 'start', 'end', 'key')

    def __init__(self):
        self.align = None   # 'center', 'right', 'justify' or None
        self.indent = None  # (left, right, first line) in mm, or None
        self.list = None    # (kind, level) for the first paragraph of a list item
        self.cells = ()     # the cells that hold it, outermost first
        self.start = self.end = 0


class Document:
    """The text of one .fodt as characters and paragraphs with their resolved properties."""

    def __init__(self, root):
        self.styles = Styles(root)
        self.chars = []        # one character each, PICTURE for a picture
        self.formats = []      # CharFormat per character
        self.links = []        # link index per character, or -1
        self.link_targets = []
        self.pictures = {}     # character index -> (width, height) in mm
        self.char_paragraph = []
        self.word_starts = set()
        self.paragraphs = []
        self.cells = []        # (depth, columns spanned, rows spanned)
        self._break = True
        self._format_cache = {}
        body = root.find(q('office:body'))
        if body is not None:
            for text in body.iter(q('office:text')):
                self._blocks(text, None, ())
        for master in root.iter(q('style:master-page')):
            for part in master:
                self._blocks(part, None, ())

    # Blocks: paragraphs, lists, tables and whatever holds them.
    def _blocks(self, element, lists, cells):
        for child in element:
            tag = child.tag
            if tag in SKIPPED:
                continue
            if tag in PARAGRAPHS:
                self._paragraph(child, None, cells)
            elif tag == q('text:list'):
                self._list(child, lists or [], cells)
            elif tag == q('table:table'):
                self._table(child, cells)
            elif tag == q('draw:frame') or tag == q('draw:a'):
                paragraph = self._open_paragraph(cells)
                deferred = []
                self._inline_element(child, {}, -1, deferred)
                self._close_paragraph(paragraph)
                for holder in deferred:
                    self._blocks(holder, None, ())
            else:
                self._blocks(child, lists, cells)

    def _list(self, element, lists, cells):
        lists = lists + [element.get(q('text:style-name'))]
        for item in element:
            if item.tag not in (q('text:list-item'), q('text:list-header')):
                continue
            first = item.tag == q('text:list-item')
            override = item.get(q('text:style-override'))
            for child in item:
                if child.tag in PARAGRAPHS and first:
                    name = override or next((n for n in reversed(lists) if n), None)
                    if name is None:
                        name = self.styles.resolved('paragraph', child.get(q('text:style-name')), True)[2]
                    self._paragraph(child, (self.styles.list_kind(name, len(lists)), len(lists)), cells,
                                    self.styles.list_indent(name, len(lists)))
                    first = False
                elif child.tag == q('text:list'):
                    self._list(child, lists, cells)
                    first = False
                else:
                    self._blocks([child], lists, cells)

    def _table(self, element, cells):
        for child in element:
            if child.tag == q('table:table-row'):
                for cell in child:
                    if cell.tag == q('table:table-cell'):
                        self.cells.append((len(cells) + 1,
                                           int(cell.get(q('table:number-columns-spanned'), '1')),
                                           int(cell.get(q('table:number-rows-spanned'), '1'))))
                        self._blocks(cell, None, cells + (len(self.cells) - 1,))
            elif child.tag not in SKIPPED:
                self._table(child, cells)

    def _open_paragraph(self, cells):
        paragraph = Paragraph()
        paragraph.cells = cells
        paragraph.start = len(self.chars)
        self._break = True
        self.paragraphs.append(paragraph)
        return paragraph

    def _close_paragraph(self, paragraph):
        paragraph.end = len(self.chars)
        paragraph.key = ''.join(self.chars[paragraph.start:paragraph.end])
        self._break = True

    def _paragraph(self, element, list_info, cells, list_indent=None):
        paragraph = self._open_paragraph(cells)
        paragraph.list = list_info
        text_props, props, _ = self.styles.resolved('paragraph', element.get(q('text:style-name')), True)
        align = props.get(q('fo:text-align'), 'start')
        paragraph.align = {'center': 'center', 'end': 'right', 'right': 'right',
                           'justify': 'justify'}.get(align)
        names = ('fo:margin-left', 'fo:margin-right', 'fo:text-indent')
        indent = tuple(length_mm(props.get(q(n))) for n in names)
        # LibreOffice leaves out a list item's own indents where they equal its list level's,
        # and shows the level's.
        if list_indent and props.get(q(names[0])) is None and props.get(q(names[2])) is None:
            indent = (list_indent[0], indent[1], list_indent[2])
        paragraph.indent = indent if any(abs(v) >= 0.1 for v in indent) else None
        deferred = []
        self._inline(element, text_props, -1, deferred)
        self._close_paragraph(paragraph)
        for holder in deferred:
            self._blocks(holder, None, ())

    # Inline content: spans, links, fields, pictures.
    def _inline(self, element, props, link, deferred):
        self._text(element.text, props, link)
        for child in element:
            self._inline_element(child, props, link, deferred)
            self._text(child.tail, props, link)

    def _inline_element(self, child, props, link, deferred):
        tag = child.tag
        if tag in SKIPPED:
            return
        if tag in HOLDERS:
            deferred.append(child)
        elif tag == q('text:span'):
            merged = dict(props)
            merged.update(self.styles.resolved('text', child.get(q('text:style-name')), False)[0])
            self._inline(child, merged, link, deferred)
        elif tag in (q('text:a'), q('draw:a')):
            self.link_targets.append(link_target(child.get(q('xlink:href'))))
            self._inline(child, props, len(self.link_targets) - 1, deferred)
        elif tag in (q('text:s'), q('text:tab'), q('text:line-break')):
            self._break = True
        elif tag == q('draw:frame'):
            self._frame(child, props, link, deferred)
        elif tag == q('text:note'):
            deferred.extend(child.findall(q('text:note-body')))
        else:
            self._inline(child, props, link, deferred)

    def _frame(self, frame, props, link, deferred):
        if any(c.tag in (q('draw:image'), q('draw:object'), q('draw:object-ole')) for c in frame):
            self._break = True
            self.pictures[len(self.chars)] = (length_mm(frame.get(q('svg:width'))),
                                              length_mm(frame.get(q('svg:height'))))
            self._append(PICTURE, props, link)
            self._break = True
        for child in frame:
            if child.tag in HOLDERS:
                deferred.append(child)

    def _text(self, text, props, link):
        if not text:
            return
        for ch in text:
            if ch.isspace():
                self._break = True
            elif ch not in INVISIBLE:
                self._append(ch, props, link)

    def _append(self, ch, props, link):
        if self._break:
            self.word_starts.add(len(self.chars))
            self._break = False
        cjk = is_cjk(ch)
        key = (id(props), cjk)
        entry = self._format_cache.get(key)
        if entry is None or entry[0] is not props:
            entry = (props, CharFormat(props, cjk))
            self._format_cache[key] = entry
        self.chars.append(ch)
        self.formats.append(entry[1])
        self.links.append(link)
        self.char_paragraph.append(len(self.paragraphs) - 1)

    def words(self):
        starts = sorted(self.word_starts | {p.start for p in self.paragraphs if p.start < len(self.chars)})
        bounds = starts + [len(self.chars)]
        return [(bounds[i], bounds[i + 1]) for i in range(len(starts)) if bounds[i] < bounds[i + 1]]


def load(path):
    return Document(ET.parse(path).getroot())


# Alignment: paragraphs first, then words inside what differs, then characters inside that.
def _matcher(a, b):
    return difflib.SequenceMatcher(None, a, b, autojunk=len(a) * len(b) > 4_000_000)


def align(original, copy):
    """Index in copy of each character of original, or None where it has no counterpart."""
    mapping = [None] * len(original.chars)
    a_keys = [p.key for p in original.paragraphs]
    b_keys = [p.key for p in copy.paragraphs]

    def chars(lo, hi, clo, chi):
        for tag, i1, i2, j1, j2 in _matcher(original.chars[lo:hi], copy.chars[clo:chi]).get_opcodes():
            if tag == 'equal':
                for k in range(i2 - i1):
                    mapping[lo + i1 + k] = clo + j1 + k

    def words(lo, hi, clo, chi):
        a_words = [w for w in original_words if lo <= w[0] and w[1] <= hi]
        b_words = [w for w in copy_words if clo <= w[0] and w[1] <= chi]
        a_text = [''.join(original.chars[s:e]) for s, e in a_words]
        b_text = [''.join(copy.chars[s:e]) for s, e in b_words]
        for tag, i1, i2, j1, j2 in _matcher(a_text, b_text).get_opcodes():
            if i1 == i2 or j1 == j2:
                continue
            a_lo, a_hi = a_words[i1][0], a_words[i2 - 1][1]
            b_lo, b_hi = b_words[j1][0], b_words[j2 - 1][1]
            if tag == 'equal':
                for k in range(a_hi - a_lo):
                    mapping[a_lo + k] = b_lo + k
            else:
                chars(a_lo, a_hi, b_lo, b_hi)

    original_words = original.words()
    copy_words = copy.words()
    paragraph_map = [None] * len(a_keys)
    for tag, i1, i2, j1, j2 in _matcher(a_keys, b_keys).get_opcodes():
        if tag == 'equal':
            for k in range(i2 - i1):
                paragraph_map[i1 + k] = j1 + k
                pa, pb = original.paragraphs[i1 + k], copy.paragraphs[j1 + k]
                for c in range(pa.end - pa.start):
                    mapping[pa.start + c] = pb.start + c
        elif i1 < i2 and j1 < j2:
            lo, hi = original.paragraphs[i1].start, original.paragraphs[i2 - 1].end
            clo, chi = copy.paragraphs[j1].start, copy.paragraphs[j2 - 1].end
            if lo < hi and clo < chi:
                words(lo, hi, clo, chi)
    return mapping, _paragraphs(original, copy, mapping, paragraph_map)


def _paragraphs(original, copy, mapping, paragraph_map):
    """The copy's paragraph for each of the original's: by its characters, or by position
    between mapped neighbours where it has none."""
    for index, paragraph in enumerate(original.paragraphs):
        if paragraph_map[index] is not None or paragraph.start == paragraph.end:
            continue
        votes = {}
        for c in range(paragraph.start, paragraph.end):
            if mapping[c] is not None:
                target = copy.char_paragraph[mapping[c]]
                votes[target] = votes.get(target, 0) + 1
        if votes:
            paragraph_map[index] = max(votes, key=lambda t: (votes[t], -t))
    known = [i for i, m in enumerate(paragraph_map) if m is not None]
    for before, after in zip([-1] + known, known + [len(paragraph_map)]):
        q_before = paragraph_map[before] if before >= 0 else -1
        q_after = paragraph_map[after] if after < len(paragraph_map) else len(copy.paragraphs)
        if after - before > 1 and q_after - q_before == after - before:
            for i in range(before + 1, after):
                paragraph_map[i] = q_before + (i - before)
    return paragraph_map


def compare(original, copy):
    """Per kind: (in the original, kept by the copy)."""
    counts = {kind: [0, 0] for kind in KINDS}
    if copy is None:
        mapping, paragraph_map = [None] * len(original.chars), [None] * len(original.paragraphs)
    else:
        mapping, paragraph_map = align(original, copy)

    def count(kind, present, kept):
        if present:
            counts[kind][0] += 1
            counts[kind][1] += bool(kept)

    link_chars = {}
    for i, ch in enumerate(original.chars):
        j = mapping[i]
        a = original.formats[i]
        b = copy.formats[j] if j is not None else None
        if ch == PICTURE:
            kept = b is not None and copy.chars[j] == PICTURE and all(
                close_lengths(x, y) for x, y in zip(original.pictures[i], copy.pictures[j]))
            count('picture', True, kept)
            continue
        count('text', True, j is not None)
        count('bold', a.bold, b is not None and b.bold)
        count('italic', a.italic, b is not None and b.italic)
        count('underline', a.underline, b is not None and b.underline)
        count('colour', a.colour, b is not None and same_colour(a.colour, b.colour))
        count('highlight', a.highlight, b is not None and same_colour(a.highlight, b.highlight))
        if original.links[i] >= 0:
            same = (j is not None and copy.links[j] >= 0 and copy.link_targets[copy.links[j]]
                    == original.link_targets[original.links[i]])
            tally = link_chars.setdefault(original.links[i], [0, 0])
            tally[0] += 1
            tally[1] += same
    for total, same in link_chars.values():
        count('link', True, 2 * same > total)

    cells_kept = set()
    for index, paragraph in enumerate(original.paragraphs):
        target = copy.paragraphs[paragraph_map[index]] if paragraph_map[index] is not None else None
        has_content = paragraph.end > paragraph.start
        count('aligned', has_content and paragraph.align, target is not None and target.align == paragraph.align)
        count('indented', has_content and paragraph.indent, target is not None
              and same_indent(paragraph.indent, target.indent))
        count('list', paragraph.list, target is not None and target.list == paragraph.list)
        if target is not None:
            for cell in paragraph.cells:
                depth, columns, rows = original.cells[cell]
                if len(target.cells) >= depth:
                    _, t_columns, t_rows = copy.cells[target.cells[depth - 1]]
                    if (t_columns, t_rows) == (columns, rows):
                        cells_kept.add(cell)
    for cell in range(len(original.cells)):
        count('cell', True, cell in cells_kept)
    return counts


# Output.
def share(kept, total):
    if total == 0:
        return '-'
    if kept == total:
        return '100%'
    if kept == 0:
        return '0%'
    return '%.1f%%' % (int(kept * 1000 / total) / 10)


ROWS = [
    ('text (characters)', ['text']),
    ('bold / italic / underlined characters', ['bold', 'italic', 'underline']),
    ('coloured characters', ['colour']),
    ('highlighted or shaded characters', ['highlight']),
    ('centred, right-aligned or justified paragraphs', ['aligned']),
    ('indented paragraphs', ['indented']),
    ('list items', ['list']),
    ('table cells', ['cell']),
    ('pictures', ['picture']),
    ('links', ['link']),
]


def table(totals):
    lines = ['| content | in the originals | kept by Quorvane | kept by LibreOffice |',
             '|---|---|---|---|']
    for title, kinds in ROWS:
        originals = ' / '.join('{:,}'.format(totals['quorvane'][k][0]) for k in kinds)
        kept = [' / '.join(share(totals[who][k][1], totals[who][k][0]) for k in kinds)
                for who in ('quorvane', 'libreoffice')]
        lines.append('| %s | %s | %s | %s |' % (title, originals, kept[0], kept[1]))
    return '\n'.join(lines)


def run(originals, quorvane, libreoffice, details, out=sys.stdout):
    names = sorted(n[:-5] for n in os.listdir(originals) if n.endswith('.fodt'))
    totals = {who: {k: [0, 0] for k in KINDS} for who in ('quorvane', 'libreoffice')}
    per_file = []
    for name in names:
        original = load(os.path.join(originals, name + '.fodt'))
        results = {}
        for who, folder in (('quorvane', quorvane), ('libreoffice', libreoffice)):
            path = os.path.join(folder, name + '.fodt')
            copy = load(path) if os.path.exists(path) else None
            results[who] = (compare(original, copy), copy is None)
            for kind, (total, kept) in results[who][0].items():
                totals[who][kind][0] += total
                totals[who][kind][1] += kept
        per_file.append((name, results))
    print('%d documents that LibreOffice reads.\n' % len(names), file=out)
    print(table(totals), file=out)
    print('\nText lost, by document (characters lost of those in the original):\n', file=out)
    print('| document | characters | lost by Quorvane | lost by LibreOffice |\n|---|---|---|---|', file=out)
    for name, results in per_file:
        total = results['quorvane'][0]['text'][0]
        lost = [results[w][0]['text'][0] - results[w][0]['text'][1] for w in ('quorvane', 'libreoffice')]
        if any(lost) or results['quorvane'][1] or results['libreoffice'][1]:
            marks = [(' (no copy)' if results[w][1] else '') for w in ('quorvane', 'libreoffice')]
            print('| %s | %d | %d%s | %d%s |' % (name, total, lost[0], marks[0], lost[1], marks[1]), file=out)
    if details:
        print('\nPer document, what is lost (kind: in the original, kept by Quorvane, kept by '
              'LibreOffice):\n', file=out)
        for name, results in per_file:
            cells = []
            for kind in KINDS:
                total, q_kept = results['quorvane'][0][kind]
                lo_kept = results['libreoffice'][0][kind][1]
                if total and (q_kept < total or lo_kept < total):
                    cells.append('%s %d: %d, %d' % (kind, total, q_kept, lo_kept))
            print('- %s: %s' % (name, '; '.join(cells) if cells else 'all kept'), file=out)


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__.split('\n\n')[0])
    parser.add_argument('folders', nargs='*', metavar='FOLDER')
    parser.add_argument('--details', action='store_true', help='what each document loses')
    parser.add_argument('--self-test', action='store_true', help='run the counter\'s own tests')
    args = parser.parse_args(argv)
    if args.self_test:
        import unittest
        sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
        suite = unittest.defaultTestLoader.loadTestsFromName('rtf_compare_count_test')
        return 0 if unittest.TextTestRunner(verbosity=1).run(suite).wasSuccessful() else 1
    if len(args.folders) != 3:
        parser.error('three folders are needed: originals, Quorvane\'s copies, LibreOffice\'s copies')
    run(*args.folders, details=args.details)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
