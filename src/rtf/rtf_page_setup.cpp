#include "rtf/rtf_page_setup.h"

#include "rtf/rtf_control_words.h"
#include "rtf/rtf_format_properties.h"
#include "rtf/rtf_tokenizer.h"

#include <QTextDocument>
#include <QTextFrame>

namespace {

constexpr RtfFormat::Property kProperties[RtfPageSetup::FieldCount] = {
    RtfFormat::PaperWidth, RtfFormat::PaperHeight,  RtfFormat::MarginLeft, RtfFormat::MarginRight,
    RtfFormat::MarginTop,  RtfFormat::MarginBottom, RtfFormat::Gutter};

constexpr const char *kWords[RtfPageSetup::FieldCount] = {"paperw", "paperh", "margl", "margr",
                                                          "margt",  "margb",  "gutter"};

// A4 with Word's margins, for a document that states none.
constexpr int kDefaults[RtfPageSetup::FieldCount] = {11906, 16838, 1800, 1800, 1440, 1440, 0};

// A page side of 0 or of more than Word's 22 inches is damage, not a page.
bool plausible(RtfPageSetup::Field field, int twips)
{
    if (field == RtfPageSetup::PaperWidth || field == RtfPageSetup::PaperHeight)
        return twips > 0 && twips <= 31680;
    return twips >= 0 && twips <= 31680;
}

} // namespace

void RtfPageSetup::set(Field field, const RtfToken &token, bool section)
{
    if (!token.hasParam || !plausible(field, token.param))
        return;
    if (section) {
        // Only the first section's page is kept: the editor has one page setup.
        if (m_section[field] < 0)
            m_section[field] = token.param;
    } else {
        m_document[field] = token.param;
    }
}

bool RtfPageSetup::apply(RtfWord word, const RtfToken &token)
{
    switch (word) {
    case RtfWord::PaperW:
        set(PaperWidth, token, false);
        return true;
    case RtfWord::PaperH:
        set(PaperHeight, token, false);
        return true;
    case RtfWord::MargL:
        set(MarginLeft, token, false);
        return true;
    case RtfWord::MargR:
        set(MarginRight, token, false);
        return true;
    case RtfWord::MargT:
        set(MarginTop, token, false);
        return true;
    case RtfWord::MargB:
        set(MarginBottom, token, false);
        return true;
    case RtfWord::Gutter:
        set(Gutter, token, false);
        return true;
    case RtfWord::PgWSxn:
        set(PaperWidth, token, true);
        return true;
    case RtfWord::PgHSxn:
        set(PaperHeight, token, true);
        return true;
    case RtfWord::MarglSxn:
        set(MarginLeft, token, true);
        return true;
    case RtfWord::MargrSxn:
        set(MarginRight, token, true);
        return true;
    case RtfWord::MargtSxn:
        set(MarginTop, token, true);
        return true;
    case RtfWord::MargbSxn:
        set(MarginBottom, token, true);
        return true;
    case RtfWord::GutterSxn:
        set(Gutter, token, true);
        return true;
    case RtfWord::Landscape:
        m_landscape = !token.hasParam || token.param != 0;
        return true;
    case RtfWord::LndscpSxn:
        m_landscape = !token.hasParam || token.param != 0;
        return true;
    case RtfWord::TitlePg:
        m_titlePage = !token.hasParam || token.param != 0;
        return true;
    default:
        return false;
    }
}

void RtfPageSetup::storeOn(QTextDocument *doc) const
{
    QTextFrame *root = doc->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    bool any = false;
    for (int f = 0; f < FieldCount; ++f) {
        const int value = m_section[f] >= 0 ? m_section[f] : m_document[f];
        if (value >= 0) {
            format.setProperty(kProperties[f], value);
            any = true;
        }
    }
    if (m_landscape) {
        format.setProperty(RtfFormat::Landscape, true);
        any = true;
    }
    if (m_titlePage) {
        format.setProperty(RtfFormat::TitlePage, true);
        any = true;
    }
    if (any)
        root->setFrameFormat(format);
}

QByteArray RtfPageSetup::words(const QTextDocument &doc)
{
    const QTextFrameFormat format = doc.rootFrame()->frameFormat();
    QByteArray out;
    for (int f = 0; f < FieldCount; ++f) {
        const QVariant value = format.property(kProperties[f]);
        int twips = kDefaults[f];
        if (value.isValid() && plausible(Field(f), value.toInt()))
            twips = value.toInt();
        if (f == Gutter && twips == 0)
            continue;
        out += '\\';
        out += kWords[f];
        out += QByteArray::number(twips);
    }
    if (format.boolProperty(RtfFormat::Landscape))
        out += "\\landscape";
    if (format.boolProperty(RtfFormat::TitlePage))
        out += "\\titlepg";
    return out;
}
