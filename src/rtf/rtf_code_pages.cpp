#include "rtf/rtf_code_pages.h"

#include <QStringDecoder>

namespace {

const char *encodingName(int codePage)
{
    switch (codePage) {
    case 437:
        return "IBM437";
    case 850:
        return "IBM850";
    case 852:
        return "IBM852";
    case 866:
        return "IBM866";
    case 874:
        return "windows-874";
    case 932:
        return "windows-31j";
    case 936:
        return "GBK";
    case 949:
        return "windows-949";
    case 950:
        return "windows-950";
    case 1250:
        return "windows-1250";
    case 1251:
        return "windows-1251";
    case 1252:
        return "windows-1252";
    case 1253:
        return "windows-1253";
    case 1254:
        return "windows-1254";
    case 1255:
        return "windows-1255";
    case 1256:
        return "windows-1256";
    case 1257:
        return "windows-1257";
    case 1258:
        return "windows-1258";
    case 10000:
        return "macintosh";
    case 10001:
        return "Shift_JIS"; // Mac Japanese: Shift-JIS is the nearest decoder at hand
    case 10002:
        return "Big5";
    case 10003:
        return "EUC-KR";
    case 10007:
        return "x-mac-cyrillic";
    case 10008:
        return "GB2312";
    case 20127:
        return "US-ASCII";
    case 20866:
        return "KOI8-R";
    case 20932:
        return "EUC-JP";
    case 20936:
        return "GB2312";
    case 28591:
        return "ISO-8859-1";
    case 28592:
        return "ISO-8859-2";
    case 28595:
        return "ISO-8859-5";
    case 51932:
        return "EUC-JP";
    case 51949:
        return "EUC-KR";
    case 54936:
        return "GB18030";
    case 65001:
        return "UTF-8";
    default:
        return nullptr;
    }
}

} // namespace

RtfCodePages::RtfCodePages() = default;
RtfCodePages::~RtfCodePages() = default;

int RtfCodePages::codePageForCharset(int charset)
{
    switch (charset) {
    case 0: // ANSI is Western whatever \ansicpg says, as LibreOffice reads it
        return 1252;
    case 2: // Symbol: single bytes, never the lead byte of a double-byte character
        return 1252;
    case 77:
        return 10000;
    case 78:
        return 10001;
    case 79:
        return 10003;
    case 80:
        return 10008;
    case 81:
        return 10002;
    case 128:
        return 932;
    case 129:
        return 949;
    case 134:
        return 936;
    case 136:
        return 950;
    case 161:
        return 1253;
    case 162:
        return 1254;
    case 163:
        return 1258;
    case 177:
        return 1255;
    case 178:
        return 1256;
    case 186:
        return 1257;
    case 204:
        return 1251;
    case 222:
        return 874;
    case 238:
        return 1250;
    case 254:
        return 437;
    case 255:
        return 850;
    default:
        return 0; // default and unknown follow \ansicpg
    }
}

bool RtfCodePages::isSupported(int codePage)
{
    return encodingName(codePage) != nullptr;
}

QStringDecoder *RtfCodePages::decoderFor(int codePage)
{
    for (auto &entry : m_decoders) {
        if (entry.first == codePage)
            return entry.second.get();
    }
    const char *name = encodingName(codePage);
    auto decoder = std::make_unique<QStringDecoder>(name ? name : "windows-1252",
                                                    QStringConverter::Flag::Stateless);
    if (!decoder->isValid())
        decoder = std::make_unique<QStringDecoder>(QStringConverter::Latin1,
                                                   QStringConverter::Flag::Stateless);
    m_decoders.emplace_back(codePage, std::move(decoder));
    return m_decoders.back().second.get();
}

void RtfCodePages::decodeAppend(std::string_view bytes, int codePage, QString *out)
{
    bool ascii = true;
    for (char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii || codePage == 28591) {
        out->append(QLatin1String(bytes.data(), qsizetype(bytes.size())));
        return;
    }
    QStringDecoder *decoder = decoderFor(codePage);
    out->append(decoder->decode(QByteArrayView(bytes.data(), qsizetype(bytes.size()))));
}
