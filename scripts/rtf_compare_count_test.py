"""The counter's style resolution and alignment, on small flat documents written here."""

import unittest
import xml.etree.ElementTree as ET

import rtf_compare_count as counter

HEAD = ('<office:document xmlns:office="{office}" xmlns:style="{style}" xmlns:text="{text}" '
        'xmlns:table="{table}" xmlns:draw="{draw}" xmlns:fo="{fo}" xmlns:xlink="{xlink}" '
        'xmlns:svg="{svg}">').format(**counter.NS)
STYLES = '''
<style:default-style style:family="paragraph">
  <style:text-properties style:use-window-font-color="true"/></style:default-style>
<style:style style:name="Standard" style:family="paragraph"/>
<style:style style:name="Heading" style:family="paragraph" style:parent-style-name="Standard">
  <style:paragraph-properties fo:text-align="center"/>
  <style:text-properties fo:font-weight="bold" style:font-weight-asian="bold"/></style:style>
<style:style style:name="Latin_Bold" style:family="text">
  <style:text-properties fo:font-weight="bold" style:font-weight-asian="normal"/></style:style>
<text:list-style style:name="Numbers">
  <text:list-level-style-number text:level="1" style:num-format="1"/>
  <text:list-level-style-bullet text:level="2" text:bullet-char="-"/></text:list-style>
<text:list-style style:name="Bullets"><text:list-level-style-bullet text:level="1"/></text:list-style>
<text:list-style style:name="Placed"><text:list-level-style-bullet text:level="1">
  <style:list-level-properties text:list-level-position-and-space-mode="label-alignment">
  <style:list-level-label-alignment fo:margin-left="0.5in" fo:text-indent="-0.25in"/>
  </style:list-level-properties></text:list-level-style-bullet>
  <text:list-level-style-bullet text:level="2"><style:list-level-properties text:space-before="0.5in"
  text:min-label-width="0.25in"/></text:list-level-style-bullet></text:list-style>
'''
AUTOMATIC = '''
<style:style style:name="P1" style:family="paragraph" style:parent-style-name="Heading">
  <style:text-properties fo:color="#ff0000"/></style:style>
<style:style style:name="P2" style:family="paragraph" style:parent-style-name="Standard">
  <style:paragraph-properties fo:margin-left="0.5in" fo:text-indent="-0.25in"/></style:style>
<style:style style:name="Auto" style:family="text">
  <style:text-properties style:use-window-font-color="true"/></style:style>
<style:style style:name="Blue" style:family="text">
  <style:text-properties fo:color="#0000ff" fo:background-color="#ffff00"/></style:style>
'''


def document(body):
    xml = (HEAD + '<office:styles>' + STYLES + '</office:styles><office:automatic-styles>' + AUTOMATIC
           + '</office:automatic-styles><office:body><office:text>' + body
           + '</office:text></office:body></office:document>')
    return counter.Document(ET.fromstring(xml))


def kept(original, copy):
    return {kind: tuple(v) for kind, v in counter.compare(document(original), document(copy)).items() if v[0]}


class StyleResolution(unittest.TestCase):
    def test_paragraph_style_chain_and_spans(self):
        doc = document('<text:p text:style-name="P1">ab<text:span text:style-name="Auto">cd</text:span>'
                       '<text:span text:style-name="Auto"><text:span text:style-name="Blue">ef</text:span>'
                       '</text:span></text:p><text:p text:style-name="Standard">gh</text:p>')
        formats = doc.formats
        # Bold and centring come from the named parent of the automatic style.
        self.assertEqual([f.bold for f in formats], [True] * 6 + [False] * 2)
        self.assertEqual(doc.paragraphs[0].align, 'center')
        self.assertEqual(doc.paragraphs[1].align, None)
        # The paragraph's red, a span's automatic colour over it, an inner span's blue over that;
        # the default style's automatic colour is no colour.
        self.assertEqual([f.colour for f in formats], ['#ff0000'] * 2 + [None] * 2 + ['#0000ff'] * 2
                         + [None] * 2)
        self.assertEqual([f.highlight for f in formats], [None] * 4 + ['#ffff00'] * 2 + [None] * 2)

    def test_chinese_characters_take_the_asian_weight(self):
        doc = document('<text:p><text:span text:style-name="Latin_Bold">a中</text:span></text:p>'
                       '<text:p text:style-name="Heading">b中</text:p>')
        self.assertEqual([f.bold for f in doc.formats], [True, False, True, True])

    def test_lists_indents_cells_notes(self):
        doc = document('<text:list text:style-name="Numbers"><text:list-item><text:p>one</text:p>'
                       '<text:p>more</text:p><text:list><text:list-item><text:p>sub</text:p>'
                       '</text:list-item></text:list></text:list-item></text:list>'
                       '<text:p text:style-name="P2">x<text:note><text:note-citation>1</text:note-citation>'
                       '<text:note-body><text:p>note</text:p></text:note-body></text:note>y</text:p>'
                       '<table:table><table:table-row><table:table-cell table:number-columns-spanned="2">'
                       '<text:p/></table:table-cell><table:covered-table-cell/></table:table-row></table:table>')
        self.assertEqual([p.list for p in doc.paragraphs[:3]], [('number', 1), None, ('bullet', 2)])
        self.assertEqual(doc.paragraphs[3].indent, (12.7, 0.0, -6.35))
        # The footnote's text follows its paragraph; its number is not text.
        self.assertEqual([p.key for p in doc.paragraphs[3:5]], ['xy', 'note'])
        self.assertEqual(doc.cells, [(1, 2, 1)])


class Alignment(unittest.TestCase):
    def test_list_items_without_indents_of_their_own_show_their_levels(self):
        doc = document('<text:list text:style-name="Placed"><text:list-item><text:p>a</text:p>'
                       '</text:list-item><text:list-item><text:p text:style-name="P2">b</text:p>'
                       '<text:list><text:list-item><text:p>c</text:p></text:list-item></text:list>'
                       '</text:list-item></text:list>'
                       '<text:list text:style-name="Bullets"><text:list-item><text:p>d</text:p>'
                       '</text:list-item></text:list>')
        self.assertEqual(doc.paragraphs[0].indent, (12.7, 0.0, -6.35))
        self.assertEqual(doc.paragraphs[1].indent, (12.7, 0.0, -6.35))
        self.assertEqual(tuple(round(v, 2) for v in doc.paragraphs[2].indent), (19.05, 0.0, -6.35))
        self.assertIsNone(doc.paragraphs[3].indent)

    def test_properties_count_where_the_text_went(self):
        original = ('<text:p>intro</text:p><text:p text:style-name="Heading">title</text:p>'
                    '<text:p>a <text:span text:style-name="Blue">blue</text:span> word and red</text:p>')
        # Text inserted before and inside: everything still where it was.
        moved = ('<text:p>new first</text:p><text:p>intro</text:p><text:p text:style-name="Heading">title'
                 '</text:p><text:p>a <text:span text:style-name="Blue">blue</text:span> new word and red</text:p>')
        result = kept(original, moved)
        self.assertEqual(result['text'], (25, 25))
        self.assertEqual(result['colour'], (4, 4))
        self.assertEqual(result['aligned'], (1, 1))
        # The same number of blue characters on another word, and the centring on another
        # paragraph: the totals match, nothing is kept.
        shifted = ('<text:p text:style-name="Heading">intro</text:p><text:p>title</text:p>'
                   '<text:p>a blue word and <text:span text:style-name="Blue">red!</text:span></text:p>')
        result = kept(original, shifted)
        self.assertEqual((result['colour'], result['aligned'], result['bold']), ((4, 0), (1, 0), (5, 0)))

    def test_lists_cells_pictures_links(self):
        def body(list_style, cell, size, href):
            return ('<text:list text:style-name="%s"><text:list-item><text:p>item</text:p></text:list-item>'
                    '</text:list>%s<text:p><draw:frame svg:width="%s" svg:height="1cm"><draw:image/>'
                    '</draw:frame> <text:a xlink:href="%s">site</text:a></text:p>') % (list_style, cell, size, href)
        table = ('<table:table><table:table-row><table:table-cell><text:p>a b</text:p></table:table-cell>'
                 '<table:table-cell><text:p/></table:table-cell></table:table-row></table:table>')
        original = body('Numbers', table, '2cm', 'https://example.org/')
        same = kept(original, body('Numbers', table, '2.02cm', 'https://example.org'))
        self.assertEqual([same[k] for k in ('list', 'cell', 'picture', 'link')], [(1, 1), (2, 2), (1, 1), (1, 1)])
        # Bullets for numbers, the table as plain text, the picture resized, another target.
        changed = kept(original, body('Bullets', '<text:p>a	b</text:p>', '3cm', 'https://example.com'))
        self.assertEqual([changed[k] for k in ('list', 'cell', 'picture', 'link', 'text')],
                         [(1, 0), (2, 0), (1, 0), (1, 0), (10, 10)])
        # A relative link read from another folder is the same link; another file is not.
        relative = body('Numbers', table, '2cm', '../in/w1')
        self.assertEqual(kept(relative, body('Numbers', table, '2cm', '../quorvane-rtf/w1'))['link'], (1, 1))
        self.assertEqual(kept(relative, body('Numbers', table, '2cm', '../quorvane-rtf/w2'))['link'], (1, 0))


if __name__ == '__main__':
    unittest.main()
