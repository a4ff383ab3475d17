#include "columns/combination_controls.h"

#include "columns/combination_export_command.h"
#include "columns/random_source.h"
#include "columns/simple_combo.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>

CombinationControls::CombinationControls(const Names &names, QWidget *parent)
    : QObject(parent), m_label(new QLabel(parent)),
      m_noRepeat(new QCheckBox(QStringLiteral("不重复"), parent)),
      m_walk(new QRadioButton(QStringLiteral("遍历"), parent))
{
    m_label->setObjectName(names.label);
    // Long numbers wrap instead of widening a crowded page.
    m_label->setWordWrap(true);
    m_label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_label->setToolTip(QStringLiteral("参与随机的各栏单词数相乘，就是能组成的不同句子数"));
    m_noRepeat->setObjectName(names.noRepeat);
    m_noRepeat->setToolTip(
        QStringLiteral("勾选后，随机和自动产生的组合不会与勾选以来已出现过的组合重复"));
    m_walk->setObjectName(names.walk);
    m_walk->setToolTip(QStringLiteral("按顺序逐一产生全部组合，每次一种"));

    m_export = new CombinationExportCommand(parent, [this] { return exportJob(); });
    m_label->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_label->addAction(m_export->action());

    connect(m_noRepeat, &QCheckBox::toggled, this, [this] {
        // Only what was produced since the box was ticked counts.
        m_memory.reset(countsOf(drawnColumns()));
        if (m_notice == Notice::Exhausted)
            showNotice(Notice::Count);
    });
    connect(m_walk, &QRadioButton::toggled, this, [this] {
        if (m_notice == Notice::Walk)
            showNotice(Notice::Count);
    });
    boxChanged();
}

void CombinationControls::watchColumn(SimpleCombo *list, QAbstractButton *onSwitch)
{
    const int column = int(m_lists.size());
    m_lists.append(list);
    m_switches.append(onSwitch);
    connect(list, &SimpleCombo::entriesChanged, this, [this, column] { listChanged(column); });
    connect(onSwitch, &QAbstractButton::toggled, this, &CombinationControls::boxChanged);
    boxChanged();
}

void CombinationControls::reserveLabelLines(int lines)
{
    // A fixed height: the page's layout does not move when a number wraps.
    m_label->setFixedHeight(lines * m_label->fontMetrics().lineSpacing());
}

QAction *CombinationControls::exportAction() const
{
    return m_export->action();
}

std::unique_ptr<CombinationExport> CombinationControls::exportJob() const
{
    const QList<int> drawn = drawnColumns();
    QList<QStringList> columns;
    for (int column : drawn)
        columns.append(m_lists.at(column)->items());
    CombinationExport::Sentence sentence =
        m_sentences ? m_sentences(drawn)
                    : [](const QStringList &words) { return words.join(QString()); };
    return std::make_unique<CombinationExport>(columns, std::move(sentence));
}

bool CombinationControls::isWalking() const
{
    return m_walk->isChecked();
}

void CombinationControls::listChanged(int column)
{
    // An undrawn column's words reach no sentence of the random compose.
    if (m_switches.at(column)->isChecked())
        boxChanged();
}

void CombinationControls::boxChanged()
{
    const QList<int> counts = countsOf(drawnColumns());
    m_count = CombinationCount::of(counts);
    m_memory.reset(counts);
    m_walkOrder.reset(counts);
    showNotice(Notice::Count);
}

QList<int> CombinationControls::drawnColumns() const
{
    QList<int> drawn;
    for (int i = 0; i < m_switches.size(); ++i) {
        if (m_switches.at(i)->isChecked())
            drawn.append(i);
    }
    return drawn;
}

QList<int> CombinationControls::countsOf(const QList<int> &columns) const
{
    QList<int> counts;
    counts.reserve(columns.size());
    for (int column : columns)
        counts.append(m_lists.at(column)->count());
    return counts;
}

void CombinationControls::select(const QList<int> &positions)
{
    const QList<int> drawn = drawnColumns();
    for (qsizetype i = 0; i < drawn.size() && i < positions.size(); ++i)
        m_lists.at(drawn.at(i))->setCurrentIndex(positions.at(i));
}

CombinationControls::Draw CombinationControls::drawWithoutRepeat()
{
    if (!m_noRepeat->isChecked() || m_count.isZero())
        return Draw::AsUsual;
    const std::optional<QList<int>> positions = m_memory.next(RandomSource::instance());
    if (!positions) {
        showNotice(Notice::Exhausted);
        emit exhausted();
        return Draw::Exhausted;
    }
    select(*positions);
    return Draw::Selected;
}

bool CombinationControls::selectNextInWalk()
{
    if (m_count.isZero())
        return false;
    select(m_walkOrder.next());
    showNotice(Notice::Walk);
    return true;
}

void CombinationControls::showNotice(Notice notice)
{
    m_notice = notice;
    switch (notice) {
    case Notice::Count:
        m_label->setText(QStringLiteral("共 %1 种组合").arg(m_count.text()));
        break;
    case Notice::Walk:
        m_label->setText(
            QStringLiteral("第 %1 / %2 种组合")
                .arg(CombinationCount::numberText(m_walkOrder.step()), m_count.text()));
        break;
    case Notice::Exhausted:
        m_label->setText(QStringLiteral("全部 %1 种组合都已出现过").arg(m_count.text()));
        break;
    }
}
