#pragma once

#include <string>

class QTextDocument;
class QTextImageFormat;
class RtfKeptGroupWriter;
class RtfOutput;

// Writes a picture of the document: PNG and JPEG data as they are, any other image as PNG,
// each with its shown size; a kept group's placeholder as the group it stands for.
class RtfPictureWriter
{
public:
    RtfPictureWriter(const QTextDocument &doc, RtfKeptGroupWriter *kept) : m_doc(doc), m_kept(kept)
    {
    }

    void write(const QTextImageFormat &format, RtfOutput *out);

private:
    const QTextDocument &m_doc;
    RtfKeptGroupWriter *m_kept;
    std::string m_scratch;
};
