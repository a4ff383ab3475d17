#pragma once

#include <QString>
#include <QStringList>
#include <utility>
#include <vector>

class QTextDocument;

// What a read found in a file but cannot keep, counted by kind ("批注"), so the editor can
// say before a save over the file that it will be lost.
class RtfReadReport
{
public:
    void count(const QString &what, int times = 1);
    bool isEmpty() const { return m_counts.empty(); }
    // "批注 2 处", in the order the kinds were first met.
    QStringList phrases() const;
    void storeOn(QTextDocument *doc) const;

private:
    std::vector<std::pair<QString, int>> m_counts;
};

// What the last read of the document could not keep, as RtfReadReport::phrases() put it;
// empty when nothing was lost.
QStringList rtfUnkeptContent(const QTextDocument &doc);
