#include "columns/exclusion_window.h"

#include "columns/exclusion_grid_model.h"
#include "columns/exclusion_set.h"
#include "columns/simple_combo.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {
constexpr int PairRole = Qt::UserRole + 1;
}

ExclusionWindow::ExclusionWindow(ExclusionSet *set, const QList<Column> &columns, QWidget *parent)
    : QDialog(parent), m_set(set), m_columns(columns)
{
    setObjectName(QStringLiteral("exclusionWindow"));
    setWindowTitle(QStringLiteral("排除词对"));
    setSizeGripEnabled(true);

    m_rowColumn = new QComboBox(this);
    m_rowColumn->setObjectName(QStringLiteral("exclusionRowColumn"));
    m_rowColumn->setAccessibleName(QStringLiteral("行的栏目"));
    m_gridColumn = new QComboBox(this);
    m_gridColumn->setObjectName(QStringLiteral("exclusionColumnColumn"));
    m_gridColumn->setAccessibleName(QStringLiteral("列的栏目"));
    auto *rowLabel = new QLabel(QStringLiteral("行："), this);
    rowLabel->setBuddy(m_rowColumn);
    auto *gridLabel = new QLabel(QStringLiteral("列："), this);
    gridLabel->setBuddy(m_gridColumn);

    m_model = new ExclusionGridModel(set, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("exclusionGrid"));
    m_grid->setAccessibleName(QStringLiteral("词对表格"));
    m_grid->setModel(m_model);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setWordWrap(false);
    // Fixed sections: the view never measures thousands of words to lay itself out.
    const int rowHeight = fontMetrics().height() + 6;
    for (QHeaderView *header : {m_grid->horizontalHeader(), m_grid->verticalHeader()}) {
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setHighlightSections(true);
    }
    m_grid->verticalHeader()->setDefaultSectionSize(rowHeight);
    m_grid->horizontalHeader()->setDefaultSectionSize(
        fontMetrics().horizontalAdvance(QStringLiteral("四个汉字")) + 8);
    m_grid->verticalHeader()->setMaximumWidth(fontMetrics().horizontalAdvance(u'字') * 8);
    m_grid->installEventFilter(this);
    connect(m_grid, &QTableView::clicked, m_model, &ExclusionGridModel::toggle);

    m_pairsHeading = new QLabel(this);
    m_pairs = new QListWidget(this);
    m_pairs->setObjectName(QStringLiteral("exclusionPairs"));
    m_pairs->setAccessibleName(QStringLiteral("已排除的词对"));
    m_pairs->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pairs->setUniformItemSizes(true);
    m_pairsHeading->setBuddy(m_pairs);
    m_restore = new QPushButton(QStringLiteral("恢复"), this);
    m_restore->setObjectName(QStringLiteral("restoreExclusion"));
    m_restore->setToolTip(QStringLiteral("让选中的词对重新可以同时出现"));
    m_clear = new QPushButton(QStringLiteral("全部清除"), this);
    m_clear->setObjectName(QStringLiteral("clearExclusions"));
    m_clear->setToolTip(QStringLiteral("恢复本页全部排除的词对"));
    m_restore->setAutoDefault(false);
    m_clear->setAutoDefault(false);
    connect(m_restore, &QPushButton::clicked, this, &ExclusionWindow::restoreSelected);
    connect(m_clear, &QPushButton::clicked, this, &ExclusionWindow::clearAll);
    connect(m_pairs, &QListWidget::itemSelectionChanged, this,
            [this] { m_restore->setEnabled(!m_pairs->selectedItems().isEmpty()); });

    auto *hint = new QLabel(QStringLiteral("单击格子（或按空格键）排除或恢复一对词；排除的两个词"
                                           "不会同时出现在本页产生的句子里。"),
                            this);
    hint->setWordWrap(true);
    auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *choosers = new QHBoxLayout;
    choosers->addWidget(rowLabel);
    choosers->addWidget(m_rowColumn, 1);
    choosers->addSpacing(12);
    choosers->addWidget(gridLabel);
    choosers->addWidget(m_gridColumn, 1);
    auto *side = new QVBoxLayout;
    side->addWidget(m_pairsHeading);
    side->addWidget(m_pairs, 1);
    auto *sideButtons = new QHBoxLayout;
    sideButtons->addWidget(m_restore);
    sideButtons->addWidget(m_clear);
    side->addLayout(sideButtons);
    auto *body = new QHBoxLayout;
    body->addWidget(m_grid, 3);
    body->addLayout(side, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(choosers);
    layout->addLayout(body, 1);
    layout->addWidget(hint);
    layout->addWidget(close);

    refreshCaptions();
    int first = -1;
    int second = -1;
    for (int i = 0; i < m_columns.size() && second < 0; ++i) {
        const QAbstractButton *drawn = m_columns.at(i).drawnSwitch;
        if (drawn && drawn->isChecked())
            (first < 0 ? first : second) = i;
    }
    chooseColumns(first < 0 ? 0 : first, second < 0 ? qMin(1, int(m_columns.size()) - 1) : second);
    connect(m_rowColumn, &QComboBox::currentIndexChanged, this, &ExclusionWindow::refreshGrid);
    connect(m_gridColumn, &QComboBox::currentIndexChanged, this, &ExclusionWindow::refreshGrid);
    for (int i = 0; i < m_columns.size(); ++i) {
        connect(m_columns.at(i).list, &SimpleCombo::entriesChanged, this, [this, i] {
            if (isVisible() &&
                (m_rowColumn->currentIndex() == i || m_gridColumn->currentIndex() == i))
                refreshGrid();
        });
    }
    connect(m_set, &ExclusionSet::changed, this, &ExclusionWindow::refreshPairs);
    refreshPairs();
    resize(720, 470);
}

void ExclusionWindow::chooseColumns(int rowColumn, int gridColumn)
{
    const QSignalBlocker rows(m_rowColumn);
    const QSignalBlocker columns(m_gridColumn);
    m_rowColumn->setCurrentIndex(rowColumn);
    m_gridColumn->setCurrentIndex(gridColumn);
    refreshGrid();
}

void ExclusionWindow::showEvent(QShowEvent *event)
{
    // Captions and words may have changed while the window was closed.
    refreshCaptions();
    refreshGrid();
    QDialog::showEvent(event);
}

bool ExclusionWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_model->toggle(m_grid->currentIndex());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void ExclusionWindow::refreshCaptions()
{
    for (QComboBox *box : {m_rowColumn, m_gridColumn}) {
        const QSignalBlocker blocker(box);
        const int current = box->currentIndex();
        box->clear();
        for (int i = 0; i < m_columns.size(); ++i) {
            const QString caption = m_columns.at(i).caption->text().trimmed();
            box->addItem(caption.isEmpty() ? QStringLiteral("第 %1 栏").arg(i + 1) : caption);
        }
        box->setCurrentIndex(current);
    }
}

void ExclusionWindow::refreshGrid()
{
    const auto wordsOf = [this](int column) {
        return column >= 0 && column < m_columns.size() ? m_columns.at(column).list->items()
                                                        : QStringList();
    };
    m_model->setWords(wordsOf(m_rowColumn->currentIndex()), wordsOf(m_gridColumn->currentIndex()));
}

void ExclusionWindow::refreshPairs()
{
    const QList<WordPair> pairs = m_set->pairs();
    m_pairsHeading->setText(QStringLiteral("已排除的词对（%1 对）：").arg(pairs.size()));
    m_pairs->setUpdatesEnabled(false);
    m_pairs->clear();
    for (const WordPair &pair : pairs) {
        auto *item = new QListWidgetItem(pair.first + QStringLiteral(" ＋ ") + pair.second);
        item->setData(PairRole, QStringList{pair.first, pair.second});
        m_pairs->addItem(item);
    }
    m_pairs->setUpdatesEnabled(true);
    m_restore->setEnabled(false);
    m_clear->setEnabled(!pairs.isEmpty());
}

void ExclusionWindow::restoreSelected()
{
    QList<WordPair> kept = m_set->pairs();
    for (const QListWidgetItem *item : m_pairs->selectedItems()) {
        const QStringList words = item->data(PairRole).toStringList();
        kept.removeOne(WordPair(words.at(0), words.at(1)));
    }
    m_set->setPairs(kept); // one change however many were taken back
}

void ExclusionWindow::clearAll()
{
    QMessageBox ask(QMessageBox::Question, windowTitle(),
                    QStringLiteral("要恢复本页全部 %1 对排除的词吗？").arg(m_set->size()),
                    QMessageBox::NoButton, this);
    QPushButton *yes = ask.addButton(QStringLiteral("全部清除"), QMessageBox::DestructiveRole);
    ask.setDefaultButton(ask.addButton(QStringLiteral("取消"), QMessageBox::RejectRole));
    ask.exec();
    if (ask.clickedButton() == yes)
        m_set->clear();
}
