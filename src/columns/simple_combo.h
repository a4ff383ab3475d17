#pragma once

#include <QStringList>
#include <QWidget>

class QLineEdit;
class QListWidget;

// A combo box of the simple kind: an edit line above an always-visible list.
// Selecting an entry, by the user or by code, copies it into the edit line and
// emits activated(); the word columns and composers rely on that coupling.
class SimpleCombo : public QWidget
{
    Q_OBJECT

public:
    static constexpr int MaxCount = 32767;

    explicit SimpleCombo(QWidget *parent = nullptr);

    void setSorted(bool sorted) { m_sorted = sorted; }
    bool isSorted() const { return m_sorted; }

    int count() const;
    bool isFull() const { return count() >= MaxCount; }
    QString itemText(int index) const;
    QStringList items() const;

    // At an explicit position, even in a sorted list. Does nothing on a full list.
    void insertItem(int position, const QString &word);
    // At the end, or in its sorted place when the list sorts. Selects nothing.
    void addItem(const QString &word);
    void addItems(const QStringList &words);
    // clear() and addItems() as one change; returns how many words found room.
    int replaceItems(const QStringList &words);
    // Replaces the entries in exactly this order, even in a sorted list (a kept setup).
    void restoreItems(const QStringList &words);
    void removeItem(int index);
    // Removes every entry and empties the edit line.
    void clear();

    int currentIndex() const;
    // -1 deselects and leaves the edit line alone.
    void setCurrentIndex(int index);

    QString text() const;
    void setText(const QString &text);

    QLineEdit *lineEdit() const { return m_edit; }
    QListWidget *listWidget() const { return m_list; }

signals:
    void activated(int index);
    void returnPressed();
    // Entries were inserted, removed or cleared; selecting is no change.
    void entriesChanged();

protected:
    bool event(QEvent *event) override;

private:
    void nameParts();
    void notifySelected(int row);
    bool placeItem(const QString &word);

    QLineEdit *m_edit = nullptr;
    QListWidget *m_list = nullptr;
    bool m_sorted = false;
};
