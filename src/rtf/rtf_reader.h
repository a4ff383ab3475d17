#pragma once

#include <QByteArray>

class QTextDocument;

// Reads RTF as word processors write it into a document; never fails: bad input
// gives what could be read.
void readRtf(const QByteArray &rtf, QTextDocument *into);
