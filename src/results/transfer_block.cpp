#include "results/transfer_block.h"

#include <QDateTime>
#include <QLocale>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace TransferBlock {

namespace {

// The locale's long time form names the time zone; the stamp shows none.
QString timeWithSecondsFormat(const QLocale &locale)
{
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString kept;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't')
            continue;
        kept += c;
    }
    return kept.simplified();
}

} // namespace

QString dateTimeText(const QDateTime &when, const QLocale &locale)
{
    const QString date = locale.toString(when.date(), QLocale::ShortFormat);
    const QTime time = when.time();
    if (time.hour() == 0 && time.minute() == 0 && time.second() == 0)
        return date;
    return date + u' ' + locale.toString(when.time(), timeWithSecondsFormat(locale));
}

QString text(const QString &headingLiteral, const QString &sentence, const QString &dateTime)
{
    return QStringLiteral("\n\n") + headingLiteral + sentence + QStringLiteral("》") + dateTime +
           QStringLiteral("\n简要说明：\n");
}

int appendTo(QTextDocument *doc, const QString &blockText)
{
    QTextCursor cursor(doc);
    cursor.movePosition(QTextCursor::End);
    cursor.beginEditBlock();
    const QStringList lines = blockText.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
        if (!lines.at(i).isEmpty())
            cursor.insertText(lines.at(i), QTextCharFormat());
    }
    cursor.endEditBlock();
    return cursor.position();
}

} // namespace TransferBlock
