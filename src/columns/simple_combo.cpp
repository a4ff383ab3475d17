#include "columns/simple_combo.h"

#include "columns/sorted_order.h"

#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

SimpleCombo::SimpleCombo(QWidget *parent)
    : QWidget(parent), m_edit(new QLineEdit(this)), m_list(new QListWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_edit);
    layout->addWidget(m_list, 1);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setUniformItemSizes(true);
    m_list->setMinimumWidth(40);
    m_edit->setMinimumWidth(40);
    setFocusProxy(m_edit);

    // Selection, not the current row: tabbing into the list makes an entry current
    // without choosing it.
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> selected = m_list->selectedItems();
        if (!selected.isEmpty())
            notifySelected(m_list->row(selected.first()));
    });
    // A click on the entry that is already current still copies it again.
    connect(m_list, &QListWidget::itemClicked, this, [this](QListWidgetItem *item) {
        const int row = m_list->row(item);
        if (row >= 0 && m_edit->text() != item->text())
            notifySelected(row);
    });
    connect(m_edit, &QLineEdit::returnPressed, this, &SimpleCombo::returnPressed);
}

bool SimpleCombo::event(QEvent *event)
{
    if (event->type() == QEvent::Polish)
        nameParts(); // the frame around it is known by now
    return QWidget::event(event);
}

// Screen readers need a name on the edit line and the list, which have no caption of
// their own: the combo's name, else the title of the frame it stands in. Names given
// from outside (a column's) stay.
void SimpleCombo::nameParts()
{
    QString owner = accessibleName();
    for (QWidget *w = parentWidget(); owner.isEmpty() && w; w = w->parentWidget()) {
        if (auto *frame = qobject_cast<QGroupBox *>(w))
            owner = frame->title();
    }
    if (owner.isEmpty())
        return;
    if (m_list->accessibleName().isEmpty())
        m_list->setAccessibleName(owner + QStringLiteral(" 列表"));
    if (m_edit->accessibleName().isEmpty())
        m_edit->setAccessibleName(owner + QStringLiteral(" 编辑框"));
}

int SimpleCombo::count() const
{
    return m_list->count();
}

QString SimpleCombo::itemText(int index) const
{
    const QListWidgetItem *item = m_list->item(index);
    return item ? item->text() : QString();
}

QStringList SimpleCombo::items() const
{
    QStringList words;
    words.reserve(count());
    for (int i = 0; i < count(); ++i)
        words.append(m_list->item(i)->text());
    return words;
}

void SimpleCombo::insertItem(int position, const QString &word)
{
    if (isFull())
        return;
    {
        const QSignalBlocker blocker(m_list); // inserting is not selecting
        m_list->insertItem(qBound(0, position, count()), word);
    }
    emit entriesChanged();
}

void SimpleCombo::addItem(const QString &word)
{
    if (placeItem(word))
        emit entriesChanged();
}

bool SimpleCombo::placeItem(const QString &word)
{
    if (isFull())
        return false;
    int position = count();
    if (m_sorted) {
        // upper bound over the widget's own entries: no copy of the list
        int low = 0;
        int high = count();
        while (low < high) {
            const int middle = (low + high) / 2;
            if (sortedLess(word, m_list->item(middle)->text()))
                high = middle;
            else
                low = middle + 1;
        }
        position = low;
    }
    const QSignalBlocker blocker(m_list);
    m_list->insertItem(position, word);
    return true;
}

void SimpleCombo::addItems(const QStringList &words)
{
    bool changed = false;
    for (const QString &word : words)
        changed |= placeItem(word);
    // once for a whole load or shift
    if (changed)
        emit entriesChanged();
}

int SimpleCombo::replaceItems(const QStringList &words)
{
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
    }
    m_edit->clear();
    int placed = 0;
    for (const QString &word : words) {
        if (!placeItem(word))
            break;
        ++placed;
    }
    emit entriesChanged();
    return placed;
}

void SimpleCombo::restoreItems(const QStringList &words)
{
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
        m_list->addItems(words.mid(0, MaxCount));
    }
    m_edit->clear();
    emit entriesChanged();
}

void SimpleCombo::removeItem(int index)
{
    if (index < 0 || index >= count())
        return;
    {
        const QSignalBlocker blocker(m_list);
        delete m_list->takeItem(index);
        m_list->setCurrentRow(-1);
        m_list->clearSelection();
    }
    emit entriesChanged();
}

void SimpleCombo::clear()
{
    {
        const QSignalBlocker blocker(m_list);
        m_list->clear();
    }
    m_edit->clear();
    emit entriesChanged();
}

int SimpleCombo::currentIndex() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item && item->isSelected() ? m_list->row(item) : -1;
}

void SimpleCombo::setCurrentIndex(int index)
{
    if (index < 0 || index >= count()) {
        const QSignalBlocker blocker(m_list);
        m_list->setCurrentRow(-1);
        return;
    }
    {
        const QSignalBlocker blocker(m_list);
        m_list->setCurrentRow(index);
    }
    m_list->scrollToItem(m_list->item(index));
    notifySelected(index);
}

QString SimpleCombo::text() const
{
    return m_edit->text();
}

void SimpleCombo::setText(const QString &text)
{
    m_edit->setText(text);
}

void SimpleCombo::notifySelected(int row)
{
    m_edit->setText(itemText(row));
    emit activated(row);
}
