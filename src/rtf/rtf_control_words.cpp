#include "rtf/rtf_control_words.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace {

struct WordEntry
{
    std::string_view name;
    RtfWord word;
};

// Grouped as the enum is; sorted once on first use.
constexpr WordEntry kWords[] = {
    // Document: code pages, default font, Unicode skipping
    {"ansi", RtfWord::Ansi},
    {"ansicpg", RtfWord::AnsiCpg},
    {"bin", RtfWord::Bin},
    {"deff", RtfWord::Deff},
    {"mac", RtfWord::Mac},
    {"pc", RtfWord::Pc},
    {"pca", RtfWord::Pca},
    {"u", RtfWord::U},
    {"uc", RtfWord::Uc},
    {"ud", RtfWord::Ud},
    {"upr", RtfWord::Upr},
    // Character formatting
    {"ab", RtfWord::Ab},
    {"af", RtfWord::Af},
    {"afs", RtfWord::Afs},
    {"ai", RtfWord::Ai},
    {"b", RtfWord::B},
    {"cb", RtfWord::Cb},
    {"cf", RtfWord::Cf},
    {"chcbpat", RtfWord::ChCbPat},
    {"chcfpat", RtfWord::ChCfPat},
    {"chshdng", RtfWord::ChShdng},
    {"dbch", RtfWord::Dbch},
    {"f", RtfWord::F},
    {"fs", RtfWord::Fs},
    {"hich", RtfWord::Loch},
    {"highlight", RtfWord::Highlight},
    {"i", RtfWord::I},
    {"loch", RtfWord::Loch},
    {"ltrch", RtfWord::Ltrch},
    {"nosupersub", RtfWord::NoSuperSub},
    {"plain", RtfWord::Plain},
    {"rtlch", RtfWord::Rtlch},
    {"strike", RtfWord::Strike},
    {"striked", RtfWord::Strike},
    {"sub", RtfWord::Sub},
    {"super", RtfWord::Super},
    {"ul", RtfWord::Ul},
    {"uld", RtfWord::Ul},
    {"uldash", RtfWord::Ul},
    {"uldashd", RtfWord::Ul},
    {"uldashdd", RtfWord::Ul},
    {"uldb", RtfWord::Ul},
    {"ulhwave", RtfWord::Ul},
    {"ulldash", RtfWord::Ul},
    {"ulnone", RtfWord::UlNone},
    {"ulth", RtfWord::Ul},
    {"ulthd", RtfWord::Ul},
    {"ulthdash", RtfWord::Ul},
    {"ulthdashd", RtfWord::Ul},
    {"ulthdashdd", RtfWord::Ul},
    {"ulthldash", RtfWord::Ul},
    {"ululdbwave", RtfWord::Ul},
    {"ulw", RtfWord::Ul},
    {"ulwave", RtfWord::Ul},
    {"v", RtfWord::V},
    // Paragraph formatting
    {"fi", RtfWord::Fi},
    {"li", RtfWord::Li},
    {"lin", RtfWord::Li},
    {"pagebb", RtfWord::PageBb},
    {"pard", RtfWord::Pard},
    {"qc", RtfWord::Qc},
    {"qd", RtfWord::Qj},
    {"qj", RtfWord::Qj},
    {"ql", RtfWord::Ql},
    {"qr", RtfWord::Qr},
    {"ri", RtfWord::Ri},
    {"rin", RtfWord::Ri},
    {"sa", RtfWord::Sa},
    {"sb", RtfWord::Sb},
    {"sl", RtfWord::Sl},
    {"slmult", RtfWord::SlMult},
    // Breaks and special characters
    {"bullet", RtfWord::Bullet},
    {"cell", RtfWord::Cell},
    {"emdash", RtfWord::EmDash},
    {"emspace", RtfWord::EmSpace},
    {"endash", RtfWord::EnDash},
    {"enspace", RtfWord::EnSpace},
    {"ldblquote", RtfWord::LDblQuote},
    {"line", RtfWord::Line},
    {"lquote", RtfWord::LQuote},
    {"ltrmark", RtfWord::LtrMark},
    {"page", RtfWord::Page},
    {"par", RtfWord::Par},
    {"qmspace", RtfWord::QmSpace},
    {"rdblquote", RtfWord::RDblQuote},
    {"row", RtfWord::Row},
    {"rquote", RtfWord::RQuote},
    {"rtlmark", RtfWord::RtlMark},
    {"sect", RtfWord::Par},
    {"tab", RtfWord::Tab},
    {"zwj", RtfWord::Zwj},
    {"zwnj", RtfWord::Zwnj},
    // Lists: their table, a paragraph's list, the old paragraph numbering
    {"ilvl", RtfWord::Ilvl},
    {"levelnfc", RtfWord::LevelNfc},
    {"levelnfcn", RtfWord::LevelNfc},
    {"levelstartat", RtfWord::LevelStartAt},
    {"leveltext", RtfWord::LevelText},
    {"list", RtfWord::List},
    {"listid", RtfWord::ListId},
    {"listlevel", RtfWord::ListLevel},
    {"listoverride", RtfWord::ListOverride},
    {"listoverridetable", RtfWord::ListOverrideTable},
    {"listtable", RtfWord::ListTable},
    {"listtext", RtfWord::ListText},
    {"ls", RtfWord::Ls},
    {"pn", RtfWord::Pn},
    {"pndec", RtfWord::PnDec},
    {"pnlcltr", RtfWord::PnLcLtr},
    {"pnlcrm", RtfWord::PnLcRm},
    {"pnlvl", RtfWord::PnLvl},
    {"pnlvlblt", RtfWord::PnLvlBlt},
    {"pnlvlbody", RtfWord::PnLvlBody},
    {"pnlvlcont", RtfWord::PnLvlCont},
    {"pnstart", RtfWord::PnStart},
    {"pntext", RtfWord::ListText},
    {"pntxta", RtfWord::PnTxtA},
    {"pntxtb", RtfWord::PnTxtB},
    {"pnucltr", RtfWord::PnUcLtr},
    {"pnucrm", RtfWord::PnUcRm},
    // Tables: rows, their cells, nesting
    {"cellx", RtfWord::Cellx},
    {"clmgf", RtfWord::ClMgf},
    {"clmrg", RtfWord::ClMrg},
    {"clvmgf", RtfWord::ClVmgf},
    {"clvmrg", RtfWord::ClVmrg},
    {"intbl", RtfWord::Intbl},
    {"itap", RtfWord::Itap},
    {"nestcell", RtfWord::NestCell},
    {"nestrow", RtfWord::NestRow},
    {"trleft", RtfWord::TrLeft},
    {"trowd", RtfWord::Trowd},
    // Font table
    {"cpg", RtfWord::Cpg},
    {"fcharset", RtfWord::FCharset},
    {"fonttbl", RtfWord::FontTbl},
    // Colour table
    {"blue", RtfWord::Blue},
    {"colortbl", RtfWord::ColorTbl},
    {"green", RtfWord::Green},
    {"red", RtfWord::Red},
    // Pictures
    {"dibitmap", RtfWord::DiBitmap},
    {"emfblip", RtfWord::EmfBlip},
    {"jpegblip", RtfWord::JpegBlip},
    {"macpict", RtfWord::MacPict},
    {"nonshppict", RtfWord::NonShpPict},
    {"pich", RtfWord::PicH},
    {"pichgoal", RtfWord::PicHGoal},
    {"picscalex", RtfWord::PicScaleX},
    {"picscaley", RtfWord::PicScaleY},
    {"pict", RtfWord::Pict},
    {"picw", RtfWord::PicW},
    {"picwgoal", RtfWord::PicWGoal},
    {"pmmetafile", RtfWord::OtherBlip},
    {"pngblip", RtfWord::PngBlip},
    {"shppict", RtfWord::ShpPict},
    {"wbitmap", RtfWord::WBitmap},
    {"wbmbitspixel", RtfWord::WbmBitsPixel},
    {"wbmplanes", RtfWord::WbmPlanes},
    {"wbmwidthbytes", RtfWord::WbmWidthBytes},
    {"wmetafile", RtfWord::WMetafile},
    // Groups kept as they came
    {"do", RtfWord::Do},
    {"dpxsize", RtfWord::DpXSize},
    {"dpysize", RtfWord::DpYSize},
    {"footer", RtfWord::HeaderFooter},
    {"footerf", RtfWord::HeaderFooter},
    {"footerl", RtfWord::HeaderFooter},
    {"footerr", RtfWord::HeaderFooter},
    {"header", RtfWord::HeaderFooter},
    {"headerf", RtfWord::HeaderFooter},
    {"headerl", RtfWord::HeaderFooter},
    {"headerr", RtfWord::HeaderFooter},
    {"info", RtfWord::Info},
    {"object", RtfWord::Object},
    {"objh", RtfWord::ObjH},
    {"objw", RtfWord::ObjW},
    {"result", RtfWord::Result},
    {"shp", RtfWord::Shp},
    {"shpbottom", RtfWord::ShpBottom},
    {"shpleft", RtfWord::ShpLeft},
    {"shpright", RtfWord::ShpRight},
    {"shpinst", RtfWord::Result},
    {"shprslt", RtfWord::Result},
    {"shptop", RtfWord::ShpTop},
    // Page setup
    {"gutter", RtfWord::Gutter},
    {"guttersxn", RtfWord::GutterSxn},
    {"landscape", RtfWord::Landscape},
    {"lndscpsxn", RtfWord::LndscpSxn},
    {"margb", RtfWord::MargB},
    {"margbsxn", RtfWord::MargbSxn},
    {"margl", RtfWord::MargL},
    {"marglsxn", RtfWord::MarglSxn},
    {"margr", RtfWord::MargR},
    {"margrsxn", RtfWord::MargrSxn},
    {"margt", RtfWord::MargT},
    {"margtsxn", RtfWord::MargtSxn},
    {"paperh", RtfWord::PaperH},
    {"paperw", RtfWord::PaperW},
    {"pghsxn", RtfWord::PgHSxn},
    {"pgwsxn", RtfWord::PgWSxn},
    {"titlepg", RtfWord::TitlePg},
    // Dropped groups the loss report counts
    {"annotation", RtfWord::Annotation},
    {"atnid", RtfWord::AtnId},
    {"tc", RtfWord::Tc},
    {"tcn", RtfWord::Tc},
    {"xe", RtfWord::Xe},
    // Fields and notes
    {"chftn", RtfWord::ChFtn},
    {"field", RtfWord::Field},
    {"fldinst", RtfWord::FldInst},
    {"fldrslt", RtfWord::FldRslt},
    {"footnote", RtfWord::Footnote},
    {"ftnalt", RtfWord::FtnAlt},
    // Groups: kept as text even when starred, or skipped whole
    {"aftncn", RtfWord::SkipDestination},
    {"aftnsep", RtfWord::SkipDestination},
    {"aftnsepc", RtfWord::SkipDestination},
    {"atnauthor", RtfWord::SkipDestination},
    {"atndate", RtfWord::SkipDestination},
    {"atnicn", RtfWord::SkipDestination},
    {"atnparent", RtfWord::SkipDestination},
    {"atnref", RtfWord::SkipDestination},
    {"atntime", RtfWord::SkipDestination},
    {"atrfend", RtfWord::SkipDestination},
    {"atrfstart", RtfWord::SkipDestination},
    {"author", RtfWord::SkipDestination},
    {"background", RtfWord::SkipDestination},
    {"bkmkend", RtfWord::SkipDestination},
    {"bkmkstart", RtfWord::SkipDestination},
    {"blipuid", RtfWord::SkipDestination},
    {"buptim", RtfWord::SkipDestination},
    {"category", RtfWord::SkipDestination},
    {"colorschememapping", RtfWord::SkipDestination},
    {"comment", RtfWord::SkipDestination},
    {"company", RtfWord::SkipDestination},
    {"creatim", RtfWord::SkipDestination},
    {"cs", RtfWord::KeepDestination},
    {"datafield", RtfWord::SkipDestination},
    {"datastore", RtfWord::SkipDestination},
    {"defchp", RtfWord::SkipDestination},
    {"defpap", RtfWord::SkipDestination},
    {"doccomm", RtfWord::SkipDestination},
    {"docvar", RtfWord::SkipDestination},
    {"ds", RtfWord::KeepDestination},
    {"falt", RtfWord::SkipDestination},
    {"ffdeftext", RtfWord::SkipDestination},
    {"ffentrymcr", RtfWord::SkipDestination},
    {"ffexitmcr", RtfWord::SkipDestination},
    {"ffformat", RtfWord::SkipDestination},
    {"ffhelptext", RtfWord::SkipDestination},
    {"ffname", RtfWord::SkipDestination},
    {"ffstattext", RtfWord::SkipDestination},
    {"file", RtfWord::SkipDestination},
    {"filetbl", RtfWord::SkipDestination},
    {"fldtype", RtfWord::SkipDestination},
    {"fname", RtfWord::SkipDestination},
    {"fontemb", RtfWord::SkipDestination},
    {"fontfile", RtfWord::SkipDestination},
    {"formfield", RtfWord::SkipDestination},
    {"ftncn", RtfWord::SkipDestination},
    {"ftnsep", RtfWord::SkipDestination},
    {"ftnsepc", RtfWord::SkipDestination},
    {"generator", RtfWord::SkipDestination},
    {"gridtbl", RtfWord::SkipDestination},
    {"hlinkbase", RtfWord::SkipDestination},
    {"htmltag", RtfWord::SkipDestination},
    {"keycode", RtfWord::SkipDestination},
    {"keywords", RtfWord::SkipDestination},
    {"latentstyles", RtfWord::SkipDestination},
    {"lfolevel", RtfWord::SkipDestination},
    {"listname", RtfWord::SkipDestination},
    {"levelnumbers", RtfWord::SkipDestination},
    {"listpicture", RtfWord::SkipDestination},
    {"manager", RtfWord::SkipDestination},
    {"mmathPict", RtfWord::SkipDestination},
    {"mmathPr", RtfWord::SkipDestination},
    {"nesttableprops", RtfWord::KeepDestination},
    {"nonesttables", RtfWord::SkipDestination},
    {"objdata", RtfWord::SkipDestination},
    {"operator", RtfWord::SkipDestination},
    {"panose", RtfWord::SkipDestination},
    {"passwordhash", RtfWord::SkipDestination},
    {"pgdsctbl", RtfWord::SkipDestination},
    {"picprop", RtfWord::SkipDestination},
    {"pnseclvl", RtfWord::SkipDestination},
    {"printim", RtfWord::SkipDestination},
    {"private", RtfWord::SkipDestination},
    {"protusertbl", RtfWord::SkipDestination},
    {"revtbl", RtfWord::SkipDestination},
    {"revtim", RtfWord::SkipDestination},
    {"rsidtbl", RtfWord::SkipDestination},
    {"shpgrp", RtfWord::SkipDestination},
    {"sn", RtfWord::SkipDestination},
    {"sp", RtfWord::ShapeProperty},
    {"stylesheet", RtfWord::SkipDestination},
    {"subject", RtfWord::SkipDestination},
    {"sv", RtfWord::ShapeProperty},
    {"template", RtfWord::SkipDestination},
    {"themedata", RtfWord::SkipDestination},
    {"title", RtfWord::SkipDestination},
    {"ts", RtfWord::KeepDestination},
    {"txe", RtfWord::SkipDestination},
    {"userprops", RtfWord::SkipDestination},
    {"wgrffmtfilter", RtfWord::SkipDestination},
    {"xmlnstbl", RtfWord::SkipDestination},
};

constexpr bool namesAreUnique()
{
    for (size_t i = 0; i < std::size(kWords); ++i) {
        for (size_t j = i + 1; j < std::size(kWords); ++j) {
            if (kWords[i].name == kWords[j].name)
                return false;
        }
    }
    return true;
}
static_assert(namesAreUnique(), "a control word is listed twice");

using SortedWords = std::array<WordEntry, std::size(kWords)>;

SortedWords sortedWords()
{
    SortedWords table{};
    std::copy(std::begin(kWords), std::end(kWords), table.begin());
    std::sort(table.begin(), table.end(),
              [](const WordEntry &a, const WordEntry &b) { return a.name < b.name; });
    return table;
}

} // namespace

RtfWord rtfWordFor(std::string_view name)
{
    static const SortedWords sorted = sortedWords();
    const auto it =
        std::lower_bound(sorted.begin(), sorted.end(), name,
                         [](const WordEntry &e, std::string_view n) { return e.name < n; });
    return (it != sorted.end() && it->name == name) ? it->word : RtfWord::Unknown;
}

char16_t rtfSpecialCharacter(RtfWord word)
{
    switch (word) {
    case RtfWord::Bullet:
        return 0x2022;
    case RtfWord::EmDash:
        return 0x2014;
    case RtfWord::EnDash:
        return 0x2013;
    case RtfWord::EmSpace:
        return 0x2003;
    case RtfWord::EnSpace:
        return 0x2002;
    case RtfWord::QmSpace:
        return 0x2005;
    case RtfWord::LQuote:
        return 0x2018;
    case RtfWord::RQuote:
        return 0x2019;
    case RtfWord::LDblQuote:
        return 0x201C;
    case RtfWord::RDblQuote:
        return 0x201D;
    case RtfWord::Zwj:
        return 0x200D;
    case RtfWord::Zwnj:
        return 0x200C;
    case RtfWord::LtrMark:
        return 0x200E;
    case RtfWord::RtlMark:
        return 0x200F;
    case RtfWord::Line:
        return 0x2028;
    case RtfWord::Tab:
        return u'\t';
    default:
        return 0;
    }
}
