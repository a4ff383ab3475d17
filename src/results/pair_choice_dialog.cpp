#include "results/pair_choice_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

PairChoiceDialog::PairChoiceDialog(const QStringList &words, const ExclusionSet &set,
                                   QWidget *parent)
    : QDialog(parent), m_pairs(ExclusionSet::pairsAmong(words))
{
    setObjectName(QStringLiteral("excludePairsDialog"));
    setWindowTitle(QStringLiteral("排除词对"));
    auto *label =
        new QLabel(QStringLiteral("勾选不合理的词对，本页以后不再让它们同时出现："), this);
    label->setWordWrap(true);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("excludePairsList"));
    m_list->setAccessibleName(QStringLiteral("这条结果的词对"));
    label->setBuddy(m_list);
    for (const WordPair &pair : std::as_const(m_pairs)) {
        const bool already = set.contains(pair.first, pair.second);
        const bool asStored = words.indexOf(pair.first) < words.indexOf(pair.second);
        const QString &before = asStored ? pair.first : pair.second;
        const QString &after = asStored ? pair.second : pair.first;
        auto *item = new QListWidgetItem(before + QStringLiteral(" ＋ ") + after +
                                             (already ? QStringLiteral("（已排除）") : QString()),
                                         m_list);
        item->setFlags(already
                           ? Qt::ItemIsUserCheckable
                           : Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setCheckState(already ? Qt::Checked : Qt::Unchecked);
    }
    if (m_list->count() > 0)
        m_list->setCurrentRow(0);
    // The space bar ticks the current pair; a click on the text does as well as on the box.
    connect(m_list, &QListWidget::itemActivated, this, [](QListWidgetItem *item) {
        if (item->flags() & Qt::ItemIsEnabled)
            item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });

    auto *buttons = new QDialogButtonBox(this);
    m_ok = buttons->addButton(QStringLiteral("排除"), QDialogButtonBox::AcceptRole);
    m_ok->setObjectName(QStringLiteral("excludePairsOk"));
    buttons->addButton(QStringLiteral("取消"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    const auto follow = [this] { m_ok->setEnabled(!ticked().isEmpty()); };
    connect(m_list, &QListWidget::itemChanged, this, follow);
    follow();

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    layout->addWidget(buttons);
    resize(340, 280);
}

QList<WordPair> PairChoiceDialog::ticked() const
{
    QList<WordPair> chosen;
    for (int row = 0; row < m_list->count(); ++row) {
        const QListWidgetItem *item = m_list->item(row);
        if ((item->flags() & Qt::ItemIsEnabled) && item->checkState() == Qt::Checked)
            chosen.append(m_pairs.at(row));
    }
    return chosen;
}
