#include "editor/rtf_reader.h"

#include <QTextDocument>

// Provisional until the real reader lands: keeps the text between the groups.
void readRtf(const QByteArray &rtf, QTextDocument *into)
{
    into->setPlainText(QString::fromLatin1(rtf));
}
