#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

class ExclusionSet;
class QWidget;

// A page's ruled-out pairs between runs, in the data directory: read once when the program
// has its data directory, written through the checked save after every change. A file that
// cannot be read is kept aside and named in a message, never replaced by an empty list.
class ExclusionStore : public QObject
{
    Q_OBJECT

public:
    // "quorvane-exclusions-question.txt" for "question", and so on.
    static QString fileNameFor(const QString &page);

    ExclusionStore(ExclusionSet *set, const QString &fileName, QWidget *messageParent);
    Q_DISABLE_COPY_MOVE(ExclusionStore)

    QString path() const;
    void load();

private:
    void save();
    void warn(const QString &text);

    ExclusionSet *m_set;
    QString m_fileName;
    QPointer<QWidget> m_messageParent;
    bool m_loading = false;
    bool m_readOnly = false; // an unreadable file that could not be moved aside
    bool m_failing = false;  // the last save failed: its message was shown
};
