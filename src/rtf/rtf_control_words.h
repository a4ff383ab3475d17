#pragma once

#include <string_view>

// The control words the reader acts on, grouped by what they concern; every other word is
// Unknown and ignored. A new kind of content adds its own block here and in the table.
enum class RtfWord : unsigned short
{
    Unknown,

    // Document: code pages, default font, Unicode skipping
    Ansi,
    AnsiCpg,
    Deff,
    Mac,
    Pc,
    Pca,
    U,
    Uc,
    Ud,
    Upr,
    Bin,

    // Character formatting
    Ab,
    Af,
    Afs,
    Ai,
    Dbch,
    Loch,
    Ltrch,
    Rtlch,
    B,
    F,
    Fs,
    I,
    NoSuperSub,
    Plain,
    Strike,
    Sub,
    Super,
    Ul,
    UlNone,
    V,
    Cf,
    Cb,
    Highlight,
    ChCbPat,
    ChCfPat,
    ChShdng,

    // Paragraph formatting
    Pard,
    Qc,
    Qj,
    Ql,
    Qr,
    Li,
    Ri,
    Fi,
    Sb,
    Sa,
    Sl,
    SlMult,
    PageBb,

    // Breaks and special characters
    Par,
    Page,
    Line,
    Tab,
    Cell,
    Row,
    Bullet,
    EmDash,
    EmSpace,
    EnDash,
    EnSpace,
    LDblQuote,
    LQuote,
    LtrMark,
    QmSpace,
    RDblQuote,
    RQuote,
    RtlMark,
    Zwj,
    Zwnj,

    // Lists: their table, a paragraph's list, the old paragraph numbering
    ListTable,
    List,
    ListId,
    ListLevel,
    LevelNfc,
    LevelStartAt,
    LevelText,
    ListOverrideTable,
    ListOverride,
    Ls,
    Ilvl,
    ListText,
    Pn,
    PnLvl,
    PnLvlBlt,
    PnLvlBody,
    PnLvlCont,
    PnDec,
    PnLcLtr,
    PnUcLtr,
    PnLcRm,
    PnUcRm,
    PnStart,
    PnTxtA,
    PnTxtB,

    // Tables: rows, their cells, nesting
    Trowd,
    TrLeft,
    Cellx,
    ClMgf,
    ClMrg,
    ClVmgf,
    ClVmrg,
    Intbl,
    Itap,
    NestCell,
    NestRow,

    // Font table
    FontTbl,
    FCharset,
    Cpg,

    // Colour table
    ColorTbl,
    Red,
    Green,
    Blue,

    // Pictures
    Pict,
    PngBlip,
    JpegBlip,
    DiBitmap,
    WBitmap,
    WMetafile,
    EmfBlip,
    MacPict,
    OtherBlip,
    PicW,
    PicH,
    PicWGoal,
    PicHGoal,
    PicScaleX,
    PicScaleY,
    WbmBitsPixel,
    WbmPlanes,
    WbmWidthBytes,
    ShpPict,
    NonShpPict,

    // Groups kept as they came: in the text, and the document's own
    Object,
    Shp,
    Do,
    ObjW,
    ObjH,
    DpXSize,
    DpYSize,
    ShpLeft,
    ShpRight,
    ShpTop,
    ShpBottom,
    Result,        // a part of an object or shape (its stand-in, its properties): read in place
    ShapeProperty, // \sp, \sv: read inside a shape, for the picture LibreOffice puts there
    Info,
    HeaderFooter,

    // Page setup
    PaperW,
    PaperH,
    MargL,
    MargR,
    MargT,
    MargB,
    Gutter,
    Landscape,
    TitlePg,
    PgWSxn,
    PgHSxn,
    MarglSxn,
    MargrSxn,
    MargtSxn,
    MargbSxn,
    GutterSxn,
    LndscpSxn,

    // Dropped groups the loss report counts
    Annotation,
    AtnId,
    Xe,
    Tc,
    // Fields and notes
    Field,
    FldInst,
    FldRslt,
    Footnote,
    FtnAlt,
    ChFtn,

    // Groups: kept as text even when starred, or skipped whole
    KeepDestination,
    SkipDestination,
};

RtfWord rtfWordFor(std::string_view name);

// Destinations that keep their text even when marked with \*.
inline bool rtfKeptUnderStar(RtfWord word)
{
    return word == RtfWord::Ud || word == RtfWord::KeepDestination || word == RtfWord::ShpPict ||
           word == RtfWord::NonShpPict || word == RtfWord::Do || word == RtfWord::Shp ||
           word == RtfWord::Pict || word == RtfWord::Object || word == RtfWord::Result ||
           word == RtfWord::HeaderFooter || word == RtfWord::Info || word == RtfWord::Annotation ||
           word == RtfWord::AtnId || word == RtfWord::Xe || word == RtfWord::Tc ||
           word == RtfWord::ListTable || word == RtfWord::ListOverrideTable ||
           word == RtfWord::Pn || word == RtfWord::Field || word == RtfWord::FldInst ||
           word == RtfWord::FldRslt || word == RtfWord::Footnote;
}

// The character a symbol word stands for, 0 for any other word.
char16_t rtfSpecialCharacter(RtfWord word);
