#include "editor/rtf_writer.h"

#include <QTextDocument>

// Provisional until the real writer lands.
QByteArray writeRtf(const QTextDocument &doc)
{
    return "{\\rtf1 " + doc.toPlainText().toUtf8() + "}";
}
