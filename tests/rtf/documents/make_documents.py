#!/usr/bin/env python3
"""Writes the documents of this folder again (see README.md).

  make_documents.py          all three; chinese_notes.rtf needs LibreOffice (soffice)
  make_documents.py --hand   only the two written by hand

wordpad_notes.rtf and word_notes.rtf are written here in the forms WordPad and Word write;
chinese_notes.rtf is LibreOffice's RTF of a flat OpenDocument text that this script writes.
"""

import base64
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


# Pictures: a small PNG, the same pixels as a device-independent bitmap, and a metafile
# that draws that bitmap.
def pixels(width, height):
    """A sky-to-sea gradient with a sun, rows top to bottom, RGB."""
    rows = []
    for y in range(height):
        row = []
        for x in range(width):
            sun = (x - width * 0.7) ** 2 + (y - height * 0.3) ** 2 < (height * 0.18) ** 2
            if sun:
                row.append((250, 200, 40))
            elif y < height // 2:
                row.append((90 + y * 4, 160 + y * 2, 235))
            else:
                row.append((20, 90 + (x * 2) % 40, 150))
        rows.append(row)
    return rows


def png(width, height):
    raw = b''.join(b'\0' + bytes(c for p in row for c in p) for row in pixels(width, height))

    def chunk(kind, data):
        return struct.pack('>I', len(data)) + kind + data + struct.pack('>I', zlib.crc32(kind + data))
    return (b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', width, height, 8, 2, 0, 0, 0))
            + chunk(b'IDAT', zlib.compress(raw, 9)) + chunk(b'IEND', b''))


def dib(width, height):
    stride = (width * 3 + 3) & ~3
    bits = b''
    for row in reversed(pixels(width, height)):
        line = b''.join(bytes((b, g, r)) for r, g, b in row)
        bits += line + b'\0' * (stride - len(line))
    header = struct.pack('<IiiHHIIiiII', 40, width, height, 1, 24, 0, len(bits), 3780, 3780, 0, 0)
    return header + bits


def wmf(width, height):
    bitmap = dib(width, height)
    records = [
        struct.pack('<IHhh', 5, 0x020B, 0, 0),            # window origin (y, x)
        struct.pack('<IHhh', 5, 0x020C, height, width),   # window extent (y, x)
    ]
    stretch = struct.pack('<HIHhhhhhhhh', 0x0F43, 0x00CC0020, 0, height, width, 0, 0,
                          height, width, 0, 0) + bitmap
    records.append(struct.pack('<I', (len(stretch) + 4) // 2) + stretch)
    records.append(struct.pack('<IH', 3, 0))             # end of file
    body = b''.join(records)
    biggest = max(len(r) for r in records) // 2
    header = struct.pack('<HHHIHIH', 1, 9, 0x0300, (18 + len(body)) // 2, 0, biggest, 0)
    return header + body


def hexlines(data, width=128):
    text = data.hex()
    return '\n'.join(text[i:i + width] for i in range(0, len(text), width))


# RTF text: GBK bytes as \'hh, as Chinese Windows writes them; what GBK lacks as \uN.
def gbk(text, fallback='?'):
    out = []
    for ch in text:
        if ch in '\\{}':
            out.append('\\' + ch)
        elif ord(ch) < 128:
            out.append(ch)
        else:
            try:
                out.append(''.join("\\'%02x" % b for b in ch.encode('gbk')))
            except UnicodeEncodeError:
                for unit in struct.unpack('<%dh' % (len(ch.encode('utf-16-le')) // 2), ch.encode('utf-16-le')):
                    out.append('\\u%d%s' % (unit, fallback))
    return ''.join(out)


def write(name, text):
    with open(os.path.join(HERE, name), 'w', encoding='ascii', newline='\r\n') as f:
        f.write(text)


def wordpad():
    """WordPad (Riched20 10.0) on Simplified Chinese Windows: \\pn numbering, \\pict pictures."""
    t = gbk
    bullet = r"{\pntext\f2\'b7\tab}"
    doc = r"""{\rtf1\ansi\ansicpg936\deff0\nouicompat\deflang1033\deflangfe2052{\fonttbl{\f0\fnil\fcharset134 """ + t('宋体') + r""";}{\f1\fnil\fcharset0 Calibri;}{\f2\fnil\fcharset2 Symbol;}{\f3\fnil\fcharset134 """ + t('黑体') + r""";}}
{\colortbl ;\red255\green0\blue0;\red0\green0\blue255;\red255\green255\blue0;\red0\green176\blue80;}
{\*\generator Riched20 10.0.19041}\viewkind4\uc1 
\pard\sa200\sl276\slmult1\qc\b\f3\fs32\lang2052 """ + t('写字板笔记：太阳能灯') + r"""\b0\f0\fs22\par
\pard\sa200\sl276\slmult1\qr """ + t('二〇二六年三月一日') + r"""\par
\pard\sa200\sl276\slmult1\qj\fi420 """ + t('今天想到一个办法：把') + r"""\b """ + t('太阳能板') + r"""\b0 """ + t('装在灯罩上，') + r"""\i """ + t('白天充电') + r"""\i0 """ + t('，') + r"""\ul """ + t('夜里发光') + r"""\ulnone """ + t('。要注意：') + r"""\cf1 """ + t('电池不能过充') + r"""\cf0 """ + t('，') + r"""\highlight3 """ + t('外壳要防水') + r"""\highlight0 """ + t('，') + r"""\cf2 """ + t('灯光要柔和') + r"""\cf0 """ + t('。生僻字') + t('𠮷') + t('也要留下。') + r"""\par
\pard\li720\ri720\sa200\sl276\slmult1 """ + t('左右各缩进半英寸的一段：可否引入扇的原理，让灯罩自己散热？') + r"""\par
\pard{\pntext\f2\'b7\tab}{\*\pn\pnlvlblt\pnf2\pnindent0{\pntxtb\'b7}}\fi-360\li720\sa200\sl276\slmult1 """ + t('部件换位') + r"""\par
""" + bullet + t('材料替换') + r"""\par
""" + bullet + t('引入新原理') + r"""\par
\pard{\pntext\f1 1.\tab}{\*\pn\pnlvlbody\pnf1\pnindent0\pnstart1\pndec{\pntxta.}}\fi-360\li720\sa200\sl276\slmult1 """ + t('画草图') + r"""\par
{\pntext\f1 2.\tab}""" + t('做样品') + r"""\par
{\pntext\f1 3.\tab}""" + t('申请专利') + r"""\par
\pard\sa200\sl276\slmult1 """ + t('草图：') + r"""{\pict{\*\picprop}\wmetafile8\picw847\pich847\picwgoal480\pichgoal480 
""" + hexlines(wmf(16, 16)) + r"""
}""" + t(' 照片：') + r"""{\pict{\*\picprop}\pngblip\picw1270\pich847\picwgoal720\pichgoal480 
""" + hexlines(png(48, 32)) + r"""
}""" + t(' 位图：') + r"""{\pict\dibitmap0\picw16\pich16\picwgoal240\pichgoal240\picscalex150\picscaley150 
""" + hexlines(dib(16, 16)) + r"""
}\par
\pard\sa200\sl276\slmult1 """ + t('参考：') + r"""{{\field{\*\fldinst{HYPERLINK https://www.example.org/lamp }}{\fldrslt{https://www.example.org/lamp\ul0\cf0}}}}\f0\fs22 \par
}
"""
    write('wordpad_notes.rtf', doc)


def word():
    """Word 2016 on Simplified Chinese Windows: list tables, \\trowd tables, \\shppict, fields."""
    def run(text, props='', cjk_font=13):
        # Word splits runs by script: Latin text in \loch's font, Chinese in \dbch's.
        out, i = '', 0
        while i < len(text):
            ascii_run = ord(text[i]) < 128
            j = i
            while j < len(text) and (ord(text[j]) < 128) == ascii_run:
                j += 1
            fonts = r'\hich\af0\dbch\af%d\loch\f0' % cjk_font if ascii_run else r'\loch\af0\hich\af0\dbch\f%d' % cjk_font
            out += r'{\rtlch\fcs1 \af0 \ltrch\fcs0 %s%s %s}' % (props + ' ' if props else '', fonts, gbk(text[i:j], "\\'3f\\'3f"))
            i = j
        return out

    para = r'\pard\plain \ltrpar%s\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\itap0 \rtlch\fcs1 \af0\afs24\alang1025 \ltrch\fcs0 \fs21\lang1033\langfe2052\kerning2\loch\af0\hich\af0\dbch\af13\cgrid\langnp1033\langfenp2052 '
    cell_para = r'\pard\plain \ltrpar\ql \li0\ri0\widctlpar\intbl\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0 \rtlch\fcs1 \af0\afs24\alang1025 \ltrch\fcs0 \fs21\lang1033\langfe2052\kerning2\loch\af0\hich\af0\dbch\af13\cgrid\langnp1033\langfenp2052 '
    border = r'\clbrdrt\brdrs\brdrw10 \clbrdrl\brdrs\brdrw10 \clbrdrb\brdrs\brdrw10 \clbrdrr\brdrs\brdrw10 '

    def row(cells, merge=()):
        props = r'\trowd \irow0\irowband0\ltrrow\ts11\trgaph108\trleft-108\trbrdrt\brdrs\brdrw10 \trbrdrl\brdrs\brdrw10 \trbrdrb\brdrs\brdrw10 \trbrdrr\brdrs\brdrw10 \trbrdrh\brdrs\brdrw10 \trbrdrv\brdrs\brdrw10 \trftsWidth1\trftsWidthB3\trautofit1\tblind0\tblindtype3 '
        x = -108
        for i, (_, width) in enumerate(cells):
            x += width
            props += r'\clvertalt' + (merge[i] if i < len(merge) else '') + border + r'\cltxlrtb\clftsWidth3\clwWidth%d\clshdrawnil \cellx%d' % (width, x)
        body = ''.join(cell_para + run(text) + r'{\rtlch\fcs1 \af0 \ltrch\fcs0 \cell }' for text, _ in cells)
        return body + r'\pard\plain \ltrpar\ql \widctlpar\intbl{\rtlch\fcs1 \af0 \ltrch\fcs0 ' + props + r'\row }' + '\n'

    def listitem(text, ls, level, label):
        indent = 420 * (level + 1)
        return (para % (r'\ql \fi-420\li%d\ri0\ls%d\ilvl%d\rin0\lin%d' % (indent, ls, level, indent))
                + r'{\listtext\pard\plain\ltrpar \rtlch\fcs1 \af0 \ltrch\fcs0 \f2\fs21 %s\tab}' % label
                + run(text) + r'\par' + '\n')

    picture = png(48, 32)
    metafile = wmf(16, 16)
    doc = r"""{\rtf1\adeflang1025\ansi\ansicpg936\uc2\adeff0\deff0\stshfdbch13\stshfloch0\stshfhich0\stshfbi0\deflang1033\deflangfe2052\themelang1033\themelangfe2052{\fonttbl{\f0\froman\fcharset0\fprq2{\*\panose 02020603050405020304}Times New Roman;}{\f2\fbidi \froman\fcharset2\fprq2{\*\panose 05050102010706020507}Symbol;}{\f3\fbidi \fmodern\fcharset0\fprq1{\*\panose 02070309020205020404}Courier New;}
{\f13\fbidi \fnil\fcharset134\fprq2{\*\panose 02010600030101010101}""" + gbk('宋体') + r"""{\*\falt SimSun};}{\f14\fbidi \fswiss\fcharset134\fprq2{\*\panose 02010600030101010101}""" + gbk('黑体') + r"""{\*\falt SimHei};}}
{\colortbl;\red0\green0\blue0;\red0\green0\blue255;\red255\green0\blue0;\red255\green255\blue0;\red0\green128\blue0;\red217\green217\blue217;\red5\green99\blue193;}
{\stylesheet{\qj \li0\ri0\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 \rtlch\fcs1 \af0\afs24\alang1025 \ltrch\fcs0 \fs21\lang1033\langfe2052\kerning2\loch\f0\hich\af0\dbch\af13\cgrid\langnp1033\langfenp2052 \snext0 \sqformat \spriority0 Normal;}
{\s1\qc \li0\ri0\sb340\sa330\sl576\slmult1\keepn\widctlpar\wrapdefault\aspalpha\aspnum\faauto\outlinelevel0\adjustright\rin0\lin0\itap0 \rtlch\fcs1 \ab\af0\afs44\alang1025 \ltrch\fcs0 \b\fs44\lang1033\langfe2052\kerning44\loch\f0\hich\af0\dbch\af14\cgrid\langnp1033\langfenp2052 \sbasedon0 \snext0 \sqformat \spriority9 heading 1;}
{\*\cs10 \additive \ssemihidden \sunhideused \spriority1 Default Paragraph Font;}
{\*\ts11\tsrowd\trftsWidthB3\trpaddl108\trpaddr108\trpaddfl3\trpaddft3\trpaddfb3\trpaddfr3\tblind0\tblindtype3\tsvertalt\tsbrdrt\tsbrdrl\tsbrdrb\tsbrdrr\tsbrdrdgl\tsbrdrdgr\tsbrdrh\tsbrdrv \qj \li0\ri0\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 \rtlch\fcs1 \af0\afs21\alang1025 \ltrch\fcs0 \kerning2\loch\f0\hich\af0\dbch\af13\cgrid\langnp1033\langfenp2052 \snext11 \ssemihidden \sunhideused Normal Table;}
{\*\cs15 \additive \rtlch\fcs1 \af0 \ltrch\fcs0 \ul\cf7 \sbasedon10 \sunhideused Hyperlink;}
{\s16\ql \li0\ri0\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 \rtlch\fcs1 \af0\afs18\alang1025 \ltrch\fcs0 \fs18\lang1033\langfe2052\kerning2\loch\f0\hich\af0\dbch\af13\cgrid\langnp1033\langfenp2052 \sbasedon0 \snext16 \ssemihidden \sunhideused footnote text;}
{\*\cs17 \additive \rtlch\fcs1 \af0 \ltrch\fcs0 \super \sbasedon10 \ssemihidden \sunhideused footnote reference;}}
{\*\listtable{\list\listtemplateid1\listhybrid{\listlevel\levelnfc23\levelnfcn23\leveljc0\leveljcn0\levelfollow0\levelstartat1\levelspace0\levelindent0{\leveltext\leveltemplateid67698689\'01\u-3913 ?;}{\levelnumbers;}\f2\fbias0\hres0\chhres0 \fi-420\li420\lin420 }
{\listlevel\levelnfc23\levelnfcn23\leveljc0\leveljcn0\levelfollow0\levelstartat1\levelspace0\levelindent0{\leveltext\leveltemplateid67698691\'01o;}{\levelnumbers;}\f3\fbias0\hres0\chhres0 \fi-420\li840\lin840 }{\listname ;}\listid100}
{\list\listtemplateid2\listhybrid{\listlevel\levelnfc0\levelnfcn0\leveljc0\leveljcn0\levelfollow0\levelstartat1\levelspace0\levelindent0{\leveltext\leveltemplateid67698703\'02\'00.;}{\levelnumbers\'01;}\fbias0\hres0\chhres0 \fi-420\li420\lin420 }
{\listlevel\levelnfc4\levelnfcn4\leveljc0\leveljcn0\levelfollow0\levelstartat1\levelspace0\levelindent0{\leveltext\leveltemplateid67698713\'02\'01);}{\levelnumbers\'01;}\fbias0\hres0\chhres0 \fi-420\li840\lin840 }{\listname ;}\listid200}}
{\*\listoverridetable{\listoverride\listid100\listoverridecount0\ls1}{\listoverride\listid200\listoverridecount0\ls2}}
{\info{\title """ + gbk('发明笔记') + r"""}{\author Quorvane}}
\paperw11906\paperh16838\margl1800\margr1800\margt1440\margb1440\gutter0\ltrsect 
\deftab420\ftnbj\aenddoc\formshade\horzdoc\dgmargin\dghspace180\dgvspace156\dghorigin1800\dgvorigin1440\dghshow0\dgvshow2\jcompress\lnongrid
\sectd \ltrsect\linex0\headery851\footery992\colsx425\endnhere\sectlinegrid312\sectspecifyl\sftnbj 
""" + (para % r'\s1\qc \li0\ri0\sb340\sa330\sl576\slmult1\keepn\outlinelevel0\rin0\lin0') + run('发明笔记：节能水泵', r'\b\fs44', 14) + r'\par' + '\n' \
        + (para % r'\qr \li0\ri0\rin0\lin0') + run('二〇二六年三月二日') + r'\par' + '\n' \
        + (para % r'\qj \fi420\li0\ri0\sb156\sa156\sl360\slmult1\rin0\lin0') + run('问题提示：能否使泵变轻？') \
        + run('减少运动部件', r'\b') + run('，') + run('换用塑料外壳', r'\i') + run('，') + run('保留铸铁叶轮', r'\ul') + run('。') \
        + run('红色', r'\cf3') + run('写要紧的，') + run('黄色', r'\highlight4') + run('是待查的，') \
        + run('灰底', r'\chshdng0\chcfpat0\chcbpat6') + run('是已否定的。生僻字𠮷照样保存。') \
        + r'{\rtlch\fcs1 \af0 \ltrch\fcs0 \cs17\super \chftn {\footnote \ltrpar \pard\plain \ltrpar\s16\ql \li0\ri0\widctlpar\wrapdefault\aspalpha\aspnum\faauto\adjustright\rin0\lin0\itap0 \rtlch\fcs1 \af0\afs18\alang1025 \ltrch\fcs0 \fs18\lang1033\langfe2052\kerning2\loch\af0\hich\af0\dbch\af13\cgrid\langnp1033\langfenp2052 {\rtlch\fcs1 \af0 \ltrch\fcs0 \cs17\super \chftn }' \
        + run(' 脚注：铸铁叶轮的重量约占全泵的一半。') + r'}}' + r'\par' + '\n' \
        + (para % r'\ql \fi0\li840\ri840\rin840\lin840') + run('左右各缩进四个字的一段：可否部件换位，把电机放进水里冷却？') + r'\par' + '\n' \
        + listitem('部件换位', 1, 0, r"\loch\af2\hich\af2\dbch\af13\loch\f2 \'b7") \
        + listitem('电机下置', 1, 1, r"\loch\af3\hich\af3\dbch\af13\loch\f3 o") \
        + listitem('材料替换', 1, 0, r"\loch\af2\hich\af2\dbch\af13\loch\f2 \'b7") \
        + listitem('画草图', 2, 0, '1.') \
        + listitem('正视图', 2, 1, 'a)') \
        + listitem('做样品', 2, 0, '2.') \
        + row([('部件', 2840), ('材料', 2840), ('重量', 2840)]) \
        + row([('外壳', 2840), ('塑料', 2840), ('轻', 2840)], merge=['', '', r'\clvmgf']) \
        + row([('叶轮', 2840), ('铸铁', 2840), ('', 2840)], merge=['', '', r'\clvmrg']) \
        + row([('合计：两项改进', 2840), ('', 2840), ('一半', 2840)], merge=[r'\clmgf', r'\clmrg', '']) \
        + (para % r'\ql \li0\ri0\rin0\lin0') + run('草图：') \
        + r'{\rtlch\fcs1 \af0 \ltrch\fcs0 \dbch\af13 {\*\shppict{\pict{\*\picprop\shplid1025{\sp{\sn shapeType}{\sv 75}}{\sp{\sn fFlipH}{\sv 0}}{\sp{\sn fFlipV}{\sv 0}}{\sp{\sn fLine}{\sv 0}}{\sp{\sn fLayoutInCell}{\sv 1}}}\picscalex100\picscaley100\piccropl0\piccropr0\piccropt0\piccropb0\picw1270\pich847\picwgoal1440\pichgoal960\pngblip\bliptag1520108633{\*\blipuid 5a9b6f59c0a5e6a2b6a0f0cbd37a1a45}' + '\n' \
        + hexlines(picture) + r'}}{\nonshppict{\pict\picscalex100\picscaley100\piccropl0\piccropr0\piccropt0\piccropb0\picw847\pich847\picwgoal1440\pichgoal960\wmetafile8\bliptag1520108633' + '\n' \
        + hexlines(metafile) + r'}}}' + r'\par' + '\n' \
        + (para % r'\ql \li0\ri0\rin0\lin0') + run('参考资料：') \
        + r'{\field{\*\fldinst {\rtlch\fcs1 \af0 \ltrch\fcs0 \hich\af0\dbch\af13\loch\f0 HYPERLINK "https://www.example.org/pump" }}{\fldrslt {\rtlch\fcs1 \af0 \ltrch\fcs0 \cs15\ul\cf7\loch\af0\hich\af0\dbch\f13 ' + gbk('水泵资料', "\\'3f\\'3f") + r'}}}\sectd \ltrsect\linex0\endnhere\sectlinegrid312\sectspecifyl\sftnbj ' \
        + r'{\rtlch\fcs1 \af0 \ltrch\fcs0 \par }' + '\n' \
        + (para % r'\ql \li0\ri0\pagebb\rin0\lin0') + run('第二页：下一步的计划。') + r'\par' + '\n' \
        + '}\n'
    write('word_notes.rtf', doc)


# The LibreOffice document: flat OpenDocument text written here, saved as RTF by LibreOffice.
FODT = """<?xml version="1.0" encoding="UTF-8"?>
<office:document xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"
 xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0"
 xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"
 xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"
 xmlns:draw="urn:oasis:names:tc:opendocument:xmlns:drawing:1.0"
 xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0"
 xmlns:xlink="http://www.w3.org/1999/xlink"
 xmlns:svg="urn:oasis:names:tc:opendocument:xmlns:svg-compatible:1.0"
 xmlns:meta="urn:oasis:names:tc:opendocument:xmlns:meta:1.0"
 xmlns:dc="http://purl.org/dc/elements/1.1/"
 office:version="1.3" office:mimetype="application/vnd.oasis.opendocument.text">
<office:meta><dc:title>发明笔记</dc:title><meta:creation-date>2026-03-03T09:00:00</meta:creation-date>
 <dc:date>2026-03-03T09:00:00</dc:date></office:meta>
<office:font-face-decls>
 <style:font-face style:name="Noto Serif CJK SC" svg:font-family="'Noto Serif CJK SC'"/>
 <style:font-face style:name="Noto Sans CJK SC" svg:font-family="'Noto Sans CJK SC'"/>
</office:font-face-decls>
<office:styles>
 <style:default-style style:family="paragraph">
  <style:text-properties style:font-name="Noto Serif CJK SC" fo:font-size="10.5pt"
   style:font-name-asian="Noto Serif CJK SC" style:font-size-asian="10.5pt" fo:language="zh" fo:country="CN"
   style:language-asian="zh" style:country-asian="CN"/>
 </style:default-style>
 <style:style style:name="Standard" style:family="paragraph"/>
 <style:style style:name="Heading_20_1" style:display-name="Heading 1" style:family="paragraph"
  style:parent-style-name="Standard" style:default-outline-level="1">
  <style:paragraph-properties fo:text-align="center" fo:margin-top="0.4cm" fo:margin-bottom="0.3cm"/>
  <style:text-properties style:font-name-asian="Noto Sans CJK SC" fo:font-size="16pt" style:font-size-asian="16pt"
   fo:font-weight="bold" style:font-weight-asian="bold"/>
 </style:style>
 <style:style style:name="Footnote" style:family="paragraph" style:parent-style-name="Standard">
  <style:text-properties fo:font-size="9pt" style:font-size-asian="9pt"/>
 </style:style>
 <style:style style:name="Table_20_Contents" style:display-name="Table Contents" style:family="paragraph"
  style:parent-style-name="Standard"/>
 <text:list-style style:name="Bullets">
  <text:list-level-style-bullet text:level="1" text:bullet-char="•">
   <style:list-level-properties text:list-level-position-and-space-mode="label-alignment">
    <style:list-level-label-alignment text:label-followed-by="listtab" fo:text-indent="-0.6cm" fo:margin-left="1.2cm"/>
   </style:list-level-properties></text:list-level-style-bullet>
  <text:list-level-style-bullet text:level="2" text:bullet-char="◦">
   <style:list-level-properties text:list-level-position-and-space-mode="label-alignment">
    <style:list-level-label-alignment text:label-followed-by="listtab" fo:text-indent="-0.6cm" fo:margin-left="1.8cm"/>
   </style:list-level-properties></text:list-level-style-bullet>
 </text:list-style>
 <text:list-style style:name="Numbers">
  <text:list-level-style-number text:level="1" style:num-suffix="." style:num-format="1">
   <style:list-level-properties text:list-level-position-and-space-mode="label-alignment">
    <style:list-level-label-alignment text:label-followed-by="listtab" fo:text-indent="-0.6cm" fo:margin-left="1.2cm"/>
   </style:list-level-properties></text:list-level-style-number>
  <text:list-level-style-number text:level="2" style:num-suffix=")" style:num-format="a">
   <style:list-level-properties text:list-level-position-and-space-mode="label-alignment">
    <style:list-level-label-alignment text:label-followed-by="listtab" fo:text-indent="-0.6cm" fo:margin-left="1.8cm"/>
   </style:list-level-properties></text:list-level-style-number>
 </text:list-style>
</office:styles>
<office:automatic-styles>
 <style:style style:name="Right" style:family="paragraph" style:parent-style-name="Standard">
  <style:paragraph-properties fo:text-align="end"/></style:style>
 <style:style style:name="Body" style:family="paragraph" style:parent-style-name="Standard">
  <style:paragraph-properties fo:text-align="justify" fo:text-indent="0.74cm" fo:margin-top="0.2cm"
   fo:margin-bottom="0.2cm" fo:line-height="150%"/></style:style>
 <style:style style:name="Indented" style:family="paragraph" style:parent-style-name="Standard">
  <style:paragraph-properties fo:margin-left="1.5cm" fo:margin-right="1.5cm"/></style:style>
 <style:style style:name="Centre" style:family="paragraph" style:parent-style-name="Standard">
  <style:paragraph-properties fo:text-align="center"/></style:style>
 <style:style style:name="NewPage" style:family="paragraph" style:parent-style-name="Standard">
  <style:paragraph-properties fo:break-before="page"/></style:style>
 <style:style style:name="Bold" style:family="text">
  <style:text-properties fo:font-weight="bold" style:font-weight-asian="bold"/></style:style>
 <style:style style:name="Italic" style:family="text">
  <style:text-properties fo:font-style="italic" style:font-style-asian="italic"/></style:style>
 <style:style style:name="Underline" style:family="text">
  <style:text-properties style:text-underline-style="solid" style:text-underline-width="auto"
   style:text-underline-color="font-color"/></style:style>
 <style:style style:name="Red" style:family="text"><style:text-properties fo:color="#c9211e"/></style:style>
 <style:style style:name="Blue" style:family="text"><style:text-properties fo:color="#2a6099"/></style:style>
 <style:style style:name="Highlight" style:family="text">
  <style:text-properties fo:background-color="#ffff00"/></style:style>
 <style:style style:name="Shade" style:family="text">
  <style:text-properties fo:background-color="#dddddd"/></style:style>
 <style:style style:name="Table" style:family="table">
  <style:table-properties style:width="15cm" table:align="margins"/></style:style>
 <style:style style:name="Table.A" style:family="table-column">
  <style:table-column-properties style:column-width="5cm"/></style:style>
 <style:style style:name="Table.Cell" style:family="table-cell">
  <style:table-cell-properties fo:padding="0.1cm" fo:border="0.5pt solid #000000"/></style:style>
 <style:style style:name="Picture" style:family="graphic">
  <style:graphic-properties style:vertical-pos="top" style:vertical-rel="baseline"/></style:style>
</office:automatic-styles>
<office:body><office:text>
 <text:h text:style-name="Heading_20_1" text:outline-level="1">发明笔记：节能水泵</text:h>
 <text:p text:style-name="Right">二〇二六年三月三日</text:p>
 <text:p text:style-name="Body">问题提示：能否使泵变轻？<text:span text:style-name="Bold">减少运动部件</text:span>，<text:span text:style-name="Italic">换用塑料外壳</text:span>，<text:span text:style-name="Underline">保留铸铁叶轮</text:span>。<text:span text:style-name="Red">红字</text:span>写要紧的，<text:span text:style-name="Blue">蓝字</text:span>写想法，<text:span text:style-name="Highlight">黄底</text:span>是待查的，<text:span text:style-name="Shade">灰底</text:span>是已否定的。<text:note text:id="ftn1" text:note-class="footnote"><text:note-citation>1</text:note-citation><text:note-body><text:p text:style-name="Footnote">脚注：铸铁叶轮的重量约占全泵的一半。</text:p></text:note-body></text:note></text:p>
 <text:p text:style-name="Indented">左右各缩进一点五厘米的一段：可否部件换位，把电机放进水里冷却？</text:p>
 <text:list text:style-name="Bullets">
  <text:list-item><text:p text:style-name="Standard">部件换位</text:p>
   <text:list><text:list-item><text:p text:style-name="Standard">电机下置</text:p></text:list-item>
    <text:list-item><text:p text:style-name="Standard">叶轮上移</text:p></text:list-item></text:list></text:list-item>
  <text:list-item><text:p text:style-name="Standard">材料替换</text:p></text:list-item>
 </text:list>
 <text:list text:style-name="Numbers">
  <text:list-item><text:p text:style-name="Standard">画草图</text:p>
   <text:list><text:list-item><text:p text:style-name="Standard">正视图</text:p></text:list-item></text:list></text:list-item>
  <text:list-item><text:p text:style-name="Standard">做样品</text:p></text:list-item>
  <text:list-item><text:p text:style-name="Standard">申请专利</text:p></text:list-item>
 </text:list>
 <table:table table:name="Parts" table:style-name="Table">
  <table:table-column table:style-name="Table.A" table:number-columns-repeated="3"/>
  <table:table-row>
   <table:table-cell table:style-name="Table.Cell"><text:p text:style-name="Table_20_Contents"><text:span text:style-name="Bold">部件</text:span></text:p></table:table-cell>
   <table:table-cell table:style-name="Table.Cell"><text:p text:style-name="Table_20_Contents"><text:span text:style-name="Bold">材料</text:span></text:p></table:table-cell>
   <table:table-cell table:style-name="Table.Cell"><text:p text:style-name="Table_20_Contents"><text:span text:style-name="Bold">重量</text:span></text:p></table:table-cell>
  </table:table-row>
  <table:table-row>
   <table:table-cell table:style-name="Table.Cell"><text:p text:style-name="Table_20_Contents">外壳</text:p></table:table-cell>
   <table:table-cell table:style-name="Table.Cell"><text:p text:style-name="Table_20_Contents">塑料</text:p></table:table-cell>
   <table:table-cell table:style-name="Table.Cell" table:number-rows-spanned="2"><text:p text:style-name="Table_20_Contents">都轻</text:p></table:table-cell>
  </table:table-row>
  <table:table-row>
   <table:table-cell table:style-name="Table.Cell"><text:p text:style-name="Table_20_Contents">叶轮</text:p></table:table-cell>
   <table:table-cell table:style-name="Table.Cell"><text:p text:style-name="Table_20_Contents">工程塑料</text:p></table:table-cell>
   <table:covered-table-cell/>
  </table:table-row>
  <table:table-row>
   <table:table-cell table:style-name="Table.Cell" table:number-columns-spanned="2"><text:p text:style-name="Table_20_Contents">合计：两项改进</text:p></table:table-cell>
   <table:covered-table-cell/>
   <table:table-cell table:style-name="Table.Cell"><text:p text:style-name="Table_20_Contents">减重一半</text:p></table:table-cell>
  </table:table-row>
 </table:table>
 <text:p text:style-name="Standard">草图：<draw:frame draw:style-name="Picture" draw:name="Sketch" text:anchor-type="as-char" svg:width="2.54cm" svg:height="1.69cm"><draw:image draw:mime-type="image/png"><office:binary-data>{png}</office:binary-data></draw:image></draw:frame></text:p>
 <text:p text:style-name="Centre">参考资料：<text:a xlink:type="simple" xlink:href="https://www.example.org/pump">水泵资料</text:a></text:p>
 <text:p text:style-name="NewPage">第二页：下一步的计划。</text:p>
</office:text></office:body>
</office:document>
"""


def libreoffice():
    soffice = shutil.which('soffice')
    if not soffice:
        sys.exit('soffice is needed for chinese_notes.rtf (Debian: libreoffice-writer-nogui)')
    with tempfile.TemporaryDirectory() as work:
        source = os.path.join(work, 'chinese_notes.fodt')
        with open(source, 'w', encoding='utf-8') as f:
            f.write(FODT.replace('{png}', base64.b64encode(png(48, 32)).decode('ascii')))
        profile = os.path.join(work, 'profile')
        subprocess.run([soffice, '--headless', '--norestore', '-env:UserInstallation=file://' + profile,
                        '--convert-to', 'rtf:Rich Text Format', '--outdir', HERE, source],
                       check=True, stdout=subprocess.DEVNULL)


if __name__ == '__main__':
    wordpad()
    word()
    if '--hand' not in sys.argv[1:]:
        libreoffice()
