#pragma once

#include <QByteArray>

enum class RtfWord : unsigned short;
struct RtfToken;
class QTextDocument;

// The page a document is laid out on, in twips: read from the document's (or its first
// section's) words, kept on the document and written back; what a file does not state
// stays unset, and the writer puts its A4 defaults there.
class RtfPageSetup
{
public:
    // false when the word is no page word.
    bool apply(RtfWord word, const RtfToken &token);
    void storeOn(QTextDocument *doc) const;

    // \paperw ... \margb (and \landscape, \gutter, \titlepg when set) for the header.
    static QByteArray words(const QTextDocument &doc);

    enum Field
    {
        PaperWidth,
        PaperHeight,
        MarginLeft,
        MarginRight,
        MarginTop,
        MarginBottom,
        Gutter,
        FieldCount
    };

private:
    void set(Field field, const RtfToken &token, bool section);

    int m_document[FieldCount] = {-1, -1, -1, -1, -1, -1, -1};
    int m_section[FieldCount] = {-1, -1, -1, -1, -1, -1, -1};
    bool m_landscape = false;
    bool m_titlePage = false;
};
