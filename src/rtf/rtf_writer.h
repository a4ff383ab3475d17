#pragma once

#include <QByteArray>

class QTextDocument;

// The whole document as RTF that Word, WordPad and LibreOffice open.
QByteArray writeRtf(const QTextDocument &doc);
