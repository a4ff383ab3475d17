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

    // Font table
    FontTbl,
    FCharset,
    Cpg,

    // Colour table
    ColorTbl,
    Red,
    Green,
    Blue,

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
    return word == RtfWord::Ud || word == RtfWord::KeepDestination || word == RtfWord::Field ||
           word == RtfWord::FldInst || word == RtfWord::FldRslt || word == RtfWord::Footnote;
}

// The character a symbol word stands for, 0 for any other word.
char16_t rtfSpecialCharacter(RtfWord word);
