#pragma once

#include <QString>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

class QStringDecoder;

// Turns the 8-bit text of an RTF file into Unicode, one Windows code page at a time;
// decoders are made once per code page and kept for the whole file.
class RtfCodePages
{
public:
    RtfCodePages();
    ~RtfCodePages();
    Q_DISABLE_COPY_MOVE(RtfCodePages)

    // The Windows code page that a font's \fcharset stands for, 0 when the charset
    // means "the document's own code page".
    static int codePageForCharset(int charset);
    static bool isSupported(int codePage);

    // Appends the decoded bytes; an unfinished double-byte character at the end is dropped.
    void decodeAppend(std::string_view bytes, int codePage, QString *out);

private:
    QStringDecoder *decoderFor(int codePage);

    std::vector<std::pair<int, std::unique_ptr<QStringDecoder>>> m_decoders;
};
