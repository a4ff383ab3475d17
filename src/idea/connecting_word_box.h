#pragma once

#include <QComboBox>
#include <QStringList>

// A lead-word or trailing-word box: an editable drop-down whose text the composer reads.
// Its text need not be one of its entries. A sorted box places entries put in without a
// position in the one sorted order of the program.
class ConnectingWordBox : public QComboBox
{
    Q_OBJECT

public:
    explicit ConnectingWordBox(QWidget *parent = nullptr);

    void setSorted(bool sorted) { m_sorted = sorted; }
    bool isSorted() const { return m_sorted; }

    QStringList entries() const;
    // At the end, or in its sorted place; the text stays as it was.
    void addEntry(const QString &word);
    void addEntries(const QStringList &words);
    // Replaces the entries in exactly this order (a kept setup); the text stays.
    void restoreEntries(const QStringList &words);

    QString text() const { return currentText(); }
    void setText(const QString &text);

    // The column shift: entries move in order (a sorted box re-sorts them) and the
    // texts change places.
    static void exchange(ConnectingWordBox *left, ConnectingWordBox *right);

private:
    bool m_sorted = false;
};
