#pragma once

#include <QPointer>
#include <QTextList>
#include <QTextListFormat>
#include <map>
#include <utility>

class QTextCursor;
class RtfListTable;
struct RtfStructureProps;

// Makes paragraphs items of QTextLists: one list per \ls and level, or per run of
// paragraphs with the same old numbering (\pn). An item at one level starts the deeper
// levels of its list afresh, as word processors number them.
class RtfListBuilder
{
public:
    void setTable(const RtfListTable *table) { m_table = table; }

    // false when the paragraph names no list that the document defines.
    bool place(QTextCursor &cursor, const RtfStructureProps &props);

private:
    static constexpr int kOldNumbering = -1; // the key of lists made from \pn

    struct Open
    {
        QTextListFormat format;
        QPointer<QTextList> list;
    };

    void add(QTextCursor &cursor, int key, int level, const QTextListFormat &format);
    void closeBelow(int key, int level);

    const RtfListTable *m_table = nullptr;
    std::map<std::pair<int, int>, Open> m_open; // by key and level
};
