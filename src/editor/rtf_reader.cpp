#include "editor/rtf_reader.h"

#include "editor/rtf/rtf_parser.h"

#include <QTextDocument>

void readRtf(const QByteArray &rtf, QTextDocument *into)
{
    if (!into)
        return;
    RtfParser parser(rtf, into);
    parser.run();
}
