#include "rtf/rtf_reader.h"

#include "rtf/rtf_parser.h"

#include <QTextDocument>

void readRtf(const QByteArray &rtf, QTextDocument *into)
{
    if (!into)
        return;
    RtfParser parser(rtf, into);
    parser.run();
}
