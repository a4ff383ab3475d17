#include "storage/line_file.h"

#include "storage/checked_save.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace LineFile {

namespace {

// Code page 936, which the older program wrote, has the euro as the single byte 0x80;
// GB18030 has no such byte and reads it as U+FFFD. Both sides are rewritten around the
// codec: a 0x80 that starts a character becomes GB18030's own euro (A2 E3) before
// decoding, and every "€" is written as 0x80.
constexpr char Cp936Euro = '\x80';
constexpr char Gb18030Euro[] = "\xA2\xE3";

bool isLeadByte(quint8 b)
{
    return b >= 0x81 && b <= 0xFE;
}

bool isDigitByte(quint8 b)
{
    return b >= 0x30 && b <= 0x39;
}

// Walks character by character as the decoder does (an unfinished or broken sequence
// takes one byte), so a 0x80 that trails a double-byte character is left alone.
QByteArray withGb18030Euro(const QByteArray &bytes)
{
    if (!bytes.contains(Cp936Euro))
        return bytes;
    const qsizetype size = bytes.size();
    const auto at = [&bytes, size](qsizetype i) { return i < size ? quint8(bytes.at(i)) : 0; };
    QByteArray out;
    out.reserve(size + 16);
    qsizetype i = 0;
    while (i < size) {
        const quint8 first = at(i);
        if (first == 0x80) {
            out += Gb18030Euro;
            ++i;
            continue;
        }
        qsizetype length = 1;
        if (isLeadByte(first)) {
            const quint8 second = at(i + 1);
            if (isDigitByte(second) && isLeadByte(at(i + 2)) && isDigitByte(at(i + 3)))
                length = 4;
            else if (second >= 0x40 && second <= 0xFE && second != 0x7F)
                length = 2;
        }
        out.append(bytes.constData() + i, length);
        i += length;
    }
    return out;
}

} // namespace

QString decodeText(const QByteArray &bytes)
{
    static const QByteArray utf8Bom("\xEF\xBB\xBF");
    if (bytes.startsWith(utf8Bom))
        return QString::fromUtf8(bytes.mid(utf8Bom.size()));
    QStringDecoder decoder("GB18030");
    if (!decoder.isValid())
        return QString::fromLocal8Bit(bytes);
    return decoder.decode(withGb18030Euro(bytes));
}

QStringList decodeLines(const QByteArray &bytes, int maxLines)
{
    const QString text = decodeText(bytes);
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size && lines.size() < maxLines) {
        qsizetype end = start;
        while (end < size && text.at(end) != u'\r' && text.at(end) != u'\n')
            ++end;
        lines.append(text.mid(start, end - start));
        if (end < size && text.at(end) == u'\r' && end + 1 < size && text.at(end + 1) == u'\n')
            end += 2;
        else if (end < size)
            end += 1;
        start = end;
    }
    return lines;
}

QByteArray encodeText(const QString &text)
{
    QStringEncoder encoder("GB18030");
    if (!encoder.isValid())
        return text.toLocal8Bit();
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype euro = text.indexOf(u'€'); euro >= 0; euro = text.indexOf(u'€', start)) {
        bytes += encoder.encode(QStringView(text).mid(start, euro - start));
        bytes += Cp936Euro;
        start = euro + 1;
    }
    bytes += encoder.encode(QStringView(text).mid(start));
    return bytes;
}

QByteArray encodeLines(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines) {
        bytes += encodeText(line);
        bytes += "\r\n";
    }
    return bytes;
}

bool ensureAndRead(const QString &path, QStringList *lines, QString *error)
{
    QFile file(path);
    if (!file.exists()) {
        if (!file.open(QIODevice::WriteOnly | QIODevice::Append)) {
            if (error)
                *error = QStringLiteral("无法创建文件：%1").arg(QDir::toNativeSeparators(path));
            return false;
        }
        file.close();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("无法读取文件：%1").arg(QDir::toNativeSeparators(path));
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("无法读取文件：%1").arg(QDir::toNativeSeparators(path));
        return false;
    }
    *lines = decodeLines(bytes);
    return true;
}

bool writeAll(const QString &path, const QByteArray &bytes, QString *error)
{
    QString reason;
    if (CheckedSave::writeFile(path, bytes, &reason))
        return true;
    if (error)
        *error =
            QStringLiteral("无法写入文件：%1（%2）").arg(QDir::toNativeSeparators(path), reason);
    return false;
}

} // namespace LineFile
