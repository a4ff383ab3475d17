#include "rtf/gbk_table.h"

#include <QString>
#include <QStringEncoder>
#include <memory>

namespace {

// Built once from the system's GBK encoder: every character is followed by a line feed,
// which no GBK byte sequence contains, so an empty or "?" slot marks a character that GBK
// can't encode (the encoder drops some characters instead of substituting them).
std::unique_ptr<uint16_t[]> buildTable()
{
    auto table = std::make_unique<uint16_t[]>(0x10000);
    for (int c = 0; c < 0x80; ++c)
        table[c] = uint16_t(c);
    QString all;
    all.reserve(2 * 0x10000);
    for (int c = 0x80; c < 0x10000; ++c) {
        if (c >= 0xD800 && c < 0xE000)
            continue;
        all.append(QChar(c));
        all.append(u'\n');
    }
    QStringEncoder encoder("GBK", QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return table;
    const QByteArray bytes = encoder.encode(all);
    int c = 0x80;
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size() && c < 0x10000; ++i) {
        if (bytes[i] != '\n')
            continue;
        const qsizetype len = i - start;
        const auto b0 = static_cast<unsigned char>(bytes[start]);
        if (len == 1 && b0 >= 0x80)
            table[c] = b0;
        else if (len == 2 && b0 >= 0x81)
            table[c] = uint16_t(b0 << 8 | static_cast<unsigned char>(bytes[start + 1]));
        start = i + 1;
        ++c;
        if (c == 0xD800)
            c = 0xE000;
    }
    return table;
}

} // namespace

uint16_t gbkCode(char16_t c)
{
    static const std::unique_ptr<uint16_t[]> table = buildTable();
    return table[c];
}
