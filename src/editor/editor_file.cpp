#include "editor/editor_file.h"

#include "rtf/rtf_reader.h"
#include "rtf/rtf_writer.h"
#include "storage/checked_save.h"
#include "storage/line_file.h"

#include <QDir>
#include <QFile>
#include <QTextDocument>

namespace EditorFile {

bool looksLikeRtf(const QByteArray &bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() && (bytes.at(i) == ' ' || bytes.at(i) == '\t' || bytes.at(i) == '\r' ||
                                bytes.at(i) == '\n'))
        ++i;
    return bytes.mid(i, 5) == QByteArrayLiteral("{\\rtf");
}

bool load(const QString &path, QTextDocument *into, QString *error)
{
    QFile file(path);
    QByteArray bytes;
    bool ok = file.open(QIODevice::ReadOnly);
    if (ok) {
        bytes = file.readAll();
        ok = file.error() == QFileDevice::NoError;
    }
    if (!ok) {
        if (error)
            *error = QStringLiteral("无法打开文件：%1").arg(QDir::toNativeSeparators(path));
        return false;
    }
    if (looksLikeRtf(bytes)) {
        readRtf(bytes, into);
    } else {
        QString text = LineFile::decodeText(bytes);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(u'\r', u'\n');
        into->setPlainText(text);
    }
    return true;
}

bool save(const QString &path, const QTextDocument &doc, QString *error)
{
    QString reason;
    if (CheckedSave::writeFile(path, writeRtf(doc), &reason))
        return true;
    if (error)
        *error =
            QStringLiteral("无法保存文件：%1（%2）").arg(QDir::toNativeSeparators(path), reason);
    return false;
}

} // namespace EditorFile
