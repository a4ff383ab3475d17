#include "rtf/rtf_parser.h"

#include "rtf/rtf_document_builder.h"

#include <QTextDocument>
#include <algorithm>
#include <array>

namespace {

enum Word : unsigned char
{
    Unknown,
    Ab,
    Af,
    Afs,
    Ai,
    Dbch,
    Loch,
    Ltrch,
    Rtlch,
    Ansi,
    AnsiCpg,
    B,
    Bin,
    Bullet,
    Cell,
    Cpg,
    Deff,
    EmDash,
    EmSpace,
    EnDash,
    EnSpace,
    F,
    FCharset,
    FontTbl,
    Fs,
    I,
    KeepDestination,
    LDblQuote,
    Line,
    LQuote,
    LtrMark,
    Mac,
    NoSuperSub,
    Par,
    Pard,
    Pc,
    Pca,
    Plain,
    Qc,
    Qj,
    Ql,
    QmSpace,
    Qr,
    RDblQuote,
    Row,
    RQuote,
    RtlMark,
    SkipDestination,
    Strike,
    Sub,
    Super,
    Tab,
    U,
    Uc,
    Ud,
    Ul,
    UlNone,
    Upr,
    V,
    Zwj,
    Zwnj,
};

struct WordEntry
{
    std::string_view name;
    Word word;
};

constexpr WordEntry kWords[] = {
    {"ab", Ab},
    {"af", Af},
    {"afs", Afs},
    {"ai", Ai},
    {"dbch", Dbch},
    {"hich", Loch},
    {"loch", Loch},
    {"ltrch", Ltrch},
    {"rtlch", Rtlch},
    {"ansi", Ansi},
    {"ansicpg", AnsiCpg},
    {"b", B},
    {"bin", Bin},
    {"bullet", Bullet},
    {"cell", Cell},
    {"cpg", Cpg},
    {"cs", KeepDestination},
    {"ds", KeepDestination},
    {"ts", KeepDestination},
    {"deff", Deff},
    {"emdash", EmDash},
    {"emspace", EmSpace},
    {"endash", EnDash},
    {"enspace", EnSpace},
    {"f", F},
    {"fcharset", FCharset},
    {"field", KeepDestination},
    {"fldrslt", KeepDestination},
    {"fonttbl", FontTbl},
    {"fs", Fs},
    {"i", I},
    {"ldblquote", LDblQuote},
    {"line", Line},
    {"listtext", KeepDestination},
    {"lquote", LQuote},
    {"ltrmark", LtrMark},
    {"mac", Mac},
    {"nestcell", Cell},
    {"nestrow", Row},
    {"nesttableprops", KeepDestination},
    {"nosupersub", NoSuperSub},
    {"page", Par},
    {"par", Par},
    {"pard", Pard},
    {"pc", Pc},
    {"pca", Pca},
    {"plain", Plain},
    {"pntext", KeepDestination},
    {"qc", Qc},
    {"qd", Qj},
    {"qj", Qj},
    {"ql", Ql},
    {"qmspace", QmSpace},
    {"qr", Qr},
    {"rdblquote", RDblQuote},
    {"row", Row},
    {"rquote", RQuote},
    {"rtlmark", RtlMark},
    {"sect", Par},
    {"strike", Strike},
    {"striked", Strike},
    {"sub", Sub},
    {"super", Super},
    {"tab", Tab},
    {"u", U},
    {"uc", Uc},
    {"ud", Ud},
    {"ul", Ul},
    {"uld", Ul},
    {"uldash", Ul},
    {"uldashd", Ul},
    {"uldashdd", Ul},
    {"uldb", Ul},
    {"ulhwave", Ul},
    {"ulldash", Ul},
    {"ulnone", UlNone},
    {"ulth", Ul},
    {"ulthd", Ul},
    {"ulthdash", Ul},
    {"ulthdashd", Ul},
    {"ulthdashdd", Ul},
    {"ulthldash", Ul},
    {"ululdbwave", Ul},
    {"ulw", Ul},
    {"ulwave", Ul},
    {"upr", Upr},
    {"v", V},
    {"zwj", Zwj},
    {"zwnj", Zwnj},
    // Destinations whose content is not text of the document.
    {"aftncn", SkipDestination},
    {"aftnsep", SkipDestination},
    {"aftnsepc", SkipDestination},
    {"annotation", SkipDestination},
    {"atnauthor", SkipDestination},
    {"atndate", SkipDestination},
    {"atnicn", SkipDestination},
    {"atnid", SkipDestination},
    {"atnparent", SkipDestination},
    {"atnref", SkipDestination},
    {"atntime", SkipDestination},
    {"atrfend", SkipDestination},
    {"atrfstart", SkipDestination},
    {"author", SkipDestination},
    {"background", SkipDestination},
    {"bkmkend", SkipDestination},
    {"bkmkstart", SkipDestination},
    {"blipuid", SkipDestination},
    {"buptim", SkipDestination},
    {"category", SkipDestination},
    {"colorschememapping", SkipDestination},
    {"colortbl", SkipDestination},
    {"comment", SkipDestination},
    {"company", SkipDestination},
    {"creatim", SkipDestination},
    {"datafield", SkipDestination},
    {"datastore", SkipDestination},
    {"defchp", SkipDestination},
    {"defpap", SkipDestination},
    {"do", SkipDestination},
    {"doccomm", SkipDestination},
    {"docvar", SkipDestination},
    {"falt", SkipDestination},
    {"ffdeftext", SkipDestination},
    {"ffentrymcr", SkipDestination},
    {"ffexitmcr", SkipDestination},
    {"ffformat", SkipDestination},
    {"ffhelptext", SkipDestination},
    {"ffname", SkipDestination},
    {"ffstattext", SkipDestination},
    {"file", SkipDestination},
    {"filetbl", SkipDestination},
    {"fldinst", SkipDestination},
    {"fldtype", SkipDestination},
    {"fname", SkipDestination},
    {"fontemb", SkipDestination},
    {"fontfile", SkipDestination},
    {"footer", SkipDestination},
    {"footerf", SkipDestination},
    {"footerl", SkipDestination},
    {"footerr", SkipDestination},
    {"footnote", SkipDestination},
    {"formfield", SkipDestination},
    {"ftncn", SkipDestination},
    {"ftnsep", SkipDestination},
    {"ftnsepc", SkipDestination},
    {"generator", SkipDestination},
    {"gridtbl", SkipDestination},
    {"header", SkipDestination},
    {"headerf", SkipDestination},
    {"headerl", SkipDestination},
    {"headerr", SkipDestination},
    {"hlinkbase", SkipDestination},
    {"htmltag", SkipDestination},
    {"info", SkipDestination},
    {"keycode", SkipDestination},
    {"keywords", SkipDestination},
    {"latentstyles", SkipDestination},
    {"levelnumbers", SkipDestination},
    {"leveltext", SkipDestination},
    {"listoverridetable", SkipDestination},
    {"listpicture", SkipDestination},
    {"listtable", SkipDestination},
    {"manager", SkipDestination},
    {"mmathPict", SkipDestination},
    {"mmathPr", SkipDestination},
    {"nonshppict", SkipDestination},
    {"objdata", SkipDestination},
    {"object", SkipDestination},
    {"operator", SkipDestination},
    {"panose", SkipDestination},
    {"passwordhash", SkipDestination},
    {"pgdsctbl", SkipDestination},
    {"picprop", SkipDestination},
    {"pict", SkipDestination},
    {"pn", SkipDestination},
    {"pnseclvl", SkipDestination},
    {"printim", SkipDestination},
    {"private", SkipDestination},
    {"protusertbl", SkipDestination},
    {"result", SkipDestination},
    {"revtbl", SkipDestination},
    {"revtim", SkipDestination},
    {"rsidtbl", SkipDestination},
    {"shp", SkipDestination},
    {"shpgrp", SkipDestination},
    {"shpinst", SkipDestination},
    {"shppict", SkipDestination},
    {"shprslt", SkipDestination},
    {"sn", SkipDestination},
    {"sp", SkipDestination},
    {"stylesheet", SkipDestination},
    {"subject", SkipDestination},
    {"sv", SkipDestination},
    {"tc", SkipDestination},
    {"template", SkipDestination},
    {"themedata", SkipDestination},
    {"title", SkipDestination},
    {"txe", SkipDestination},
    {"userprops", SkipDestination},
    {"wgrffmtfilter", SkipDestination},
    {"xe", SkipDestination},
    {"xmlnstbl", SkipDestination},
};

Word lookup(std::string_view name)
{
    static const auto sorted = [] {
        std::array<WordEntry, std::size(kWords)> table{};
        std::copy(std::begin(kWords), std::end(kWords), table.begin());
        std::sort(table.begin(), table.end(),
                  [](const WordEntry &a, const WordEntry &b) { return a.name < b.name; });
        return table;
    }();
    auto it = std::lower_bound(sorted.begin(), sorted.end(), name,
                               [](const WordEntry &e, std::string_view n) { return e.name < n; });
    return (it != sorted.end() && it->name == name) ? it->word : Unknown;
}

// Destinations that keep their text even when marked with \*.
bool keptUnderStar(Word word)
{
    return word == Ud || word == KeepDestination;
}

bool isOn(const RtfToken &token)
{
    return !token.hasParam || token.param != 0;
}

char16_t specialCharacter(Word word)
{
    switch (word) {
    case Bullet:
        return 0x2022;
    case EmDash:
        return 0x2014;
    case EnDash:
        return 0x2013;
    case EmSpace:
        return 0x2003;
    case EnSpace:
        return 0x2002;
    case QmSpace:
        return 0x2005;
    case LQuote:
        return 0x2018;
    case RQuote:
        return 0x2019;
    case LDblQuote:
        return 0x201C;
    case RDblQuote:
        return 0x201D;
    case Zwj:
        return 0x200D;
    case Zwnj:
        return 0x200C;
    case LtrMark:
        return 0x200E;
    case RtlMark:
        return 0x200F;
    case Line:
        return 0x2028;
    case Tab:
        return u'\t';
    default:
        return 0;
    }
}

} // namespace

RtfParser::RtfParser(const QByteArray &rtf, QTextDocument *into)
    : m_doc(into), m_tokens(rtf), m_fonts(&m_codePages)
{
    State outside;
    outside.destination = Destination::Skip; // bytes before the document's group are no text
    m_stack.reserve(64);
    m_stack.push_back(outside);
}

void RtfParser::run()
{
    const bool undo = m_doc->isUndoRedoEnabled();
    m_doc->setUndoRedoEnabled(false);
    m_doc->clear();
    {
        RtfDocumentBuilder builder(m_doc, m_fonts, &m_codePages);
        m_builder = &builder;
        bool more = true;
        while (more) {
            const RtfToken token = m_tokens.next();
            const bool atGroupStart = m_atGroupStart;
            m_atGroupStart = token.kind == RtfToken::Kind::GroupOpen;
            if (token.kind != RtfToken::Kind::ControlWord)
                m_ignorableNext = false;
            switch (token.kind) {
            case RtfToken::Kind::End:
                more = false;
                break;
            case RtfToken::Kind::GroupOpen:
                m_fallbackToSkip = 0;
                openGroup();
                break;
            case RtfToken::Kind::GroupClose:
                m_fallbackToSkip = 0;
                more = closeGroup();
                break;
            case RtfToken::Kind::ControlWord:
                controlWord(token);
                break;
            case RtfToken::Kind::ControlSymbol:
                // \* counts only at the start of a group; some writers put it elsewhere.
                if (token.symbol == '*')
                    m_ignorableNext = atGroupStart;
                else if (!consumeFallback())
                    controlSymbol(token.symbol);
                break;
            case RtfToken::Kind::HexByte:
                if (!consumeFallback())
                    hexByte(token.byte);
                break;
            case RtfToken::Kind::BadHex:
                consumeFallback();
                break;
            case RtfToken::Kind::Text:
                text(token.text);
                break;
            }
        }
        finish();
        m_builder = nullptr;
    }
    m_doc->setUndoRedoEnabled(undo);
}

void RtfParser::finish()
{
    m_builder->finish(state().alignment, state().chr);
}

void RtfParser::openGroup()
{
    if (m_overflowDepth > 0 || m_stack.size() >= size_t(kMaxDepth)) {
        ++m_overflowDepth;
        return;
    }
    if (m_stack.size() == 1) {
        m_stack.push_back(State());
        return;
    }
    m_stack.push_back(m_stack.back());
}

bool RtfParser::closeGroup()
{
    if (m_overflowDepth > 0) {
        --m_overflowDepth;
        return true;
    }
    if (m_stack.size() <= 1)
        return true; // a stray brace before the document starts
    if (state().destination == Destination::FontTable)
        m_fonts.endName();
    if (m_stack.size() == 2)
        return false; // the document's group ends; what follows is not part of it
    m_stack.pop_back();
    return true;
}

bool RtfParser::consumeFallback()
{
    if (m_fallbackToSkip <= 0)
        return false;
    --m_fallbackToSkip;
    return true;
}

RtfRunProps RtfParser::runProps() const
{
    const State &s = m_stack.back();
    RtfRunProps props{s.chr, s.chr};
    const EastAsianProps &ea = s.eastAsian;
    if (ea.font != -2)
        props.eastAsian.font = ea.font;
    if (ea.halfPoints > 0)
        props.eastAsian.halfPoints = ea.halfPoints;
    if (ea.bold >= 0)
        props.eastAsian.bold = ea.bold != 0;
    if (ea.italic >= 0)
        props.eastAsian.italic = ea.italic != 0;
    return props;
}

void RtfParser::resetCharacter()
{
    State &s = state();
    s.chr = RtfCharProps();
    s.eastAsian = EastAsianProps();
    s.target = Target::Western;
}

int RtfParser::codePage() const
{
    return m_fonts.codePageFor(m_stack.back().chr.font);
}

void RtfParser::controlWord(const RtfToken &token)
{
    const Word word = lookup(token.text);
    const bool ignorable = m_ignorableNext;
    m_ignorableNext = false;
    if (word == Bin) {
        m_tokens.takeBytes(token.hasParam ? token.param : 0); // binary data is never text here
        consumeFallback();
        return;
    }
    if (consumeFallback() || m_overflowDepth > 0)
        return;
    State &s = state();
    if (s.destination == Destination::Skip) {
        if (word == Ud && s.uprDestination != Destination::None)
            s.destination = s.uprDestination;
        return;
    }
    if (ignorable && !keptUnderStar(word)) {
        s.destination = Destination::Skip;
        return;
    }
    if (s.destination == Destination::FontTable)
        fontTableWord(word, token);
    else
        textWord(word, token);
}

void RtfParser::fontTableWord(int word, const RtfToken &token)
{
    State &s = state();
    switch (word) {
    case F:
        m_fonts.beginFont(token.hasParam ? token.param : 0);
        break;
    case FCharset:
        m_fonts.setCharset(token.param);
        break;
    case Cpg:
        m_fonts.setCodePage(token.param);
        break;
    case U:
        if (token.hasParam)
            unicode(token.param);
        break;
    case Uc:
        s.uc = token.hasParam ? qBound(0, token.param, 0xFFFF) : 1;
        break;
    case Upr:
        s.uprDestination = s.destination;
        s.destination = Destination::Skip;
        break;
    case SkipDestination:
        s.destination = Destination::Skip;
        break;
    case Par:
    case Pard:
    case Plain:
        // Body text inside an unclosed font table: the table is over, the text is not lost.
        m_fonts.endName();
        s.destination = Destination::Text;
        textWord(word, token);
        break;
    default:
        break;
    }
}

void RtfParser::textWord(int word, const RtfToken &token)
{
    State &s = state();
    switch (word) {
    case Ansi:
        m_fonts.setAnsiCodePage(1252);
        break;
    case Mac:
        m_fonts.setAnsiCodePage(10000);
        break;
    case Pc:
        m_fonts.setAnsiCodePage(437);
        break;
    case Pca:
        m_fonts.setAnsiCodePage(850);
        break;
    case AnsiCpg:
        m_fonts.setAnsiCodePage(token.param);
        break;
    case Deff:
        m_fonts.setDefaultFont(token.param);
        break;
    case Uc:
        s.uc = token.hasParam ? qBound(0, token.param, 0xFFFF) : 1;
        break;
    case U:
        if (token.hasParam)
            unicode(token.param);
        break;
    case Upr:
        s.uprDestination = s.destination;
        s.destination = Destination::Skip;
        break;
    case FontTbl:
        s.destination = Destination::FontTable;
        break;
    case SkipDestination:
        s.destination = Destination::Skip;
        break;
    case F:
        s.chr.font = token.hasParam ? token.param : 0;
        break;
    case Plain:
        resetCharacter();
        break;
    case Loch:
    case Ltrch:
        s.target = Target::Western;
        break;
    case Dbch:
        s.target = Target::EastAsian;
        break;
    case Rtlch:
        s.target = Target::Complex;
        break;
    case Af:
        if (s.target == Target::EastAsian)
            s.eastAsian.font = token.hasParam ? token.param : 0;
        break;
    case Afs:
        if (s.target == Target::EastAsian && token.hasParam && token.param > 0)
            s.eastAsian.halfPoints = qBound(2, token.param, 3276);
        break;
    case Ab:
        if (s.target == Target::EastAsian)
            s.eastAsian.bold = isOn(token) ? 1 : 0;
        break;
    case Ai:
        if (s.target == Target::EastAsian)
            s.eastAsian.italic = isOn(token) ? 1 : 0;
        break;
    case B:
        s.chr.bold = isOn(token);
        break;
    case I:
        s.chr.italic = isOn(token);
        break;
    case Ul:
        s.chr.underline = isOn(token);
        break;
    case UlNone:
        s.chr.underline = false;
        break;
    case Strike:
        s.chr.strike = isOn(token);
        break;
    case V:
        s.chr.hidden = isOn(token);
        break;
    case Super:
        s.chr.vertical = RtfCharProps::Super;
        break;
    case Sub:
        s.chr.vertical = RtfCharProps::Sub;
        break;
    case NoSuperSub:
        s.chr.vertical = RtfCharProps::Normal;
        break;
    case Fs:
        s.chr.halfPoints = (token.hasParam && token.param > 0) ? qBound(2, token.param, 3276) : 24;
        break;
    case Pard:
        s.alignment = Qt::AlignLeft;
        break;
    case Ql:
        s.alignment = Qt::AlignLeft;
        break;
    case Qc:
        s.alignment = Qt::AlignHCenter;
        break;
    case Qr:
        s.alignment = Qt::AlignRight;
        break;
    case Qj:
        s.alignment = Qt::AlignJustify;
        break;
    case Par:
        m_builder->paragraphBreak(s.alignment, s.chr);
        break;
    case Cell:
        m_builder->cellBreak();
        break;
    case Row:
        m_builder->rowBreak(s.alignment, s.chr);
        break;
    default:
        if (const char16_t c = specialCharacter(Word(word)); c != 0 && !s.chr.hidden)
            m_builder->appendUtf16(c, runProps());
        break;
    }
}

void RtfParser::controlSymbol(char symbol)
{
    if (m_overflowDepth > 0)
        return;
    const State &s = state();
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        hexByte(static_cast<unsigned char>(symbol));
        return;
    default:
        break;
    }
    if (s.destination != Destination::Text || s.chr.hidden)
        return;
    switch (symbol) {
    case '~':
        m_builder->appendUtf16(0x00A0, runProps());
        break;
    case '-':
        m_builder->appendUtf16(0x00AD, runProps());
        break;
    case '_':
        m_builder->appendUtf16(0x2011, runProps());
        break;
    case '\n':
    case '\r':
        m_builder->paragraphBreak(s.alignment, s.chr);
        break;
    default:
        break;
    }
}

void RtfParser::text(std::string_view bytes)
{
    if (m_overflowDepth > 0)
        return;
    if (m_fallbackToSkip > 0) {
        const size_t n = qMin(size_t(m_fallbackToSkip), bytes.size());
        bytes.remove_prefix(n);
        m_fallbackToSkip -= int(n);
    }
    if (bytes.empty())
        return;
    const State &s = state();
    if (s.destination == Destination::Text) {
        if (!s.chr.hidden)
            m_builder->appendBytes(bytes, codePage(), runProps());
    } else if (s.destination == Destination::FontTable) {
        size_t start = 0;
        for (size_t i = 0; i < bytes.size(); ++i) {
            if (bytes[i] == ';') {
                m_fonts.appendNameBytes(bytes.substr(start, i - start));
                m_fonts.endName();
                start = i + 1;
            }
        }
        m_fonts.appendNameBytes(bytes.substr(start));
    }
}

void RtfParser::hexByte(unsigned char byte)
{
    if (m_overflowDepth > 0)
        return;
    const State &s = state();
    const char c = char(byte);
    if (s.destination == Destination::Text) {
        if (!s.chr.hidden)
            m_builder->appendBytes(std::string_view(&c, 1), codePage(), runProps());
    } else if (s.destination == Destination::FontTable) {
        m_fonts.appendNameBytes(std::string_view(&c, 1));
    }
}

void RtfParser::unicode(int value)
{
    State &s = state();
    m_fallbackToSkip = s.uc;
    if (value < 0)
        value += 0x10000;
    char16_t units[2] = {0xFFFD, 0};
    int count = 1;
    if (value >= 0 && value <= 0xFFFF) {
        units[0] = char16_t(value);
    } else if (value > 0xFFFF && value <= 0x10FFFF) {
        units[0] = QChar::highSurrogate(char32_t(value));
        units[1] = QChar::lowSurrogate(char32_t(value));
        count = 2;
    }
    if (s.destination == Destination::Text) {
        if (s.chr.hidden)
            return;
        const RtfRunProps props = runProps();
        for (int i = 0; i < count; ++i)
            m_builder->appendUtf16(units[i], props);
    } else if (s.destination == Destination::FontTable) {
        m_fonts.appendNameText(QString(reinterpret_cast<const QChar *>(units), count));
    }
}
