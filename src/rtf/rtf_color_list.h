#pragma once

#include <QByteArray>
#include <QColor>
#include <QHash>
#include <vector>

// The colours a written document uses and the \colortbl that declares them; entry 0 is
// the automatic colour, so the first real colour is 1.
class RtfColorList
{
public:
    int indexOf(const QColor &color);
    bool isEmpty() const { return m_colors.empty(); }
    QByteArray table() const;

private:
    std::vector<QRgb> m_colors;
    QHash<QRgb, int> m_index;
};
