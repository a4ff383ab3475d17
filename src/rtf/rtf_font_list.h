#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

// The fonts a written document uses, numbered in the order they first appear, and the
// \fonttbl that declares them: Chinese faces as GB2312 fonts with GBK names, symbol
// fonts as such.
class RtfFontList
{
public:
    int indexOf(const QString &family);
    QByteArray table() const;

private:
    struct Font
    {
        QString family;
        bool cjk = false;
        bool symbol = false;
    };

    std::vector<Font> m_fonts;
    QHash<QString, int> m_index;
};
