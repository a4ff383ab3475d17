#include "columns/combination_controls.h"

#include "columns/combination_export_command.h"
#include "columns/consistent_box.h"
#include "columns/exclusion_set.h"
#include "columns/random_source.h"
#include "columns/simple_combo.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

namespace {
const QString PlainToolTip = QStringLiteral("参与随机的各栏单词数相乘，就是能组成的不同句子数");
}

CombinationControls::CombinationControls(const Names &names, QWidget *parent)
    : QObject(parent), m_label(new QLabel(parent)),
      m_noRepeat(new QCheckBox(QStringLiteral("不重复"), parent)),
      m_walk(new QRadioButton(QStringLiteral("遍历"), parent)),
      m_exclusionButton(new QPushButton(QStringLiteral("排除…"), parent)),
      m_exclusions(new ExclusionSet(this))
{
    m_label->setObjectName(names.label);
    // Long numbers wrap instead of widening a crowded page.
    m_label->setWordWrap(true);
    m_label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_label->setToolTip(PlainToolTip);
    m_noRepeat->setObjectName(names.noRepeat);
    m_noRepeat->setToolTip(
        QStringLiteral("勾选后，随机和自动产生的组合不会与勾选以来已出现过的组合重复"));
    m_walk->setObjectName(names.walk);
    m_walk->setToolTip(QStringLiteral("按顺序逐一产生全部组合，每次一种"));
    m_exclusionButton->setObjectName(names.exclusions);
    m_exclusionButton->setToolTip(
        QStringLiteral("排除不合理的词对：排除的两个词不会同时出现在本页的句子里"));
    m_exclusionButton->setAutoDefault(false);
    // As small as the caption allows: it sits beside the count on crowded pages.
    m_exclusionButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_exclusionButton->setFixedWidth(
        m_exclusionButton->fontMetrics().horizontalAdvance(m_exclusionButton->text()) + 4);
    m_exclusionButton->setMaximumHeight(m_exclusionButton->fontMetrics().height() + 8);

    m_export = new CombinationExportCommand(parent, [this] { return exportJob(); });
    m_label->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_label->addAction(m_export->action());

    connect(m_noRepeat, &QCheckBox::toggled, this, [this] {
        // Only what was produced since the box was ticked counts.
        m_memory.resetOver(m_box);
        if (m_notice == Notice::Exhausted)
            showNotice(Notice::Count);
    });
    connect(m_walk, &QRadioButton::toggled, this, [this] {
        if (m_notice == Notice::Walk)
            showNotice(Notice::Count);
    });
    connect(m_exclusionButton, &QPushButton::clicked, this,
            &CombinationControls::openExclusionWindow);
    connect(m_exclusions, &ExclusionSet::changed, this, &CombinationControls::boxChanged);
    boxChanged();
}

void CombinationControls::watchColumn(SimpleCombo *list, QAbstractButton *onSwitch,
                                      QLineEdit *input)
{
    const int column = int(m_lists.size());
    m_lists.append(list);
    m_switches.append(onSwitch);
    m_inputs.append(input ? input : list->lineEdit());
    connect(list, &SimpleCombo::entriesChanged, this, [this, column] { listChanged(column); });
    connect(onSwitch, &QAbstractButton::toggled, this, &CombinationControls::boxChanged);
    connect(m_inputs.constLast(), &QLineEdit::textChanged, this, [this, column] {
        if (!m_switches.at(column)->isChecked())
            fixedTextChanged();
    });
    boxChanged();
}

void CombinationControls::watchFixedText(QLineEdit *text)
{
    m_fixedTexts.append(text);
    connect(text, &QLineEdit::textChanged, this, &CombinationControls::fixedTextChanged);
    fixedTextChanged();
}

void CombinationControls::setExclusionColumns(const QList<ExclusionWindow::Column> &columns)
{
    m_windowColumns = columns;
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
    return std::make_unique<CombinationExport>(columns, std::move(sentence), m_box);
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

void CombinationControls::fixedTextChanged()
{
    // Typing changes the box only when the text is, or was, a word of a pair.
    if (fixedWordsInForce() != m_fixedInForce)
        boxChanged();
}

QStringList CombinationControls::fixedWordsInForce() const
{
    QStringList fixed;
    if (m_exclusions->isEmpty())
        return fixed;
    const QHash<QString, QSet<QString>> &partners = m_exclusions->partnerMap();
    const auto consider = [&](const QLineEdit *text) {
        if (partners.contains(text->text()) && !fixed.contains(text->text()))
            fixed.append(text->text());
    };
    for (const QLineEdit *text : m_fixedTexts)
        consider(text);
    for (int i = 0; i < m_switches.size(); ++i) {
        if (!m_switches.at(i)->isChecked())
            consider(m_inputs.at(i));
    }
    fixed.sort();
    return fixed;
}

void CombinationControls::boxChanged()
{
    const QList<int> drawn = drawnColumns();
    const QList<int> counts = countsOf(drawn);
    m_count = CombinationCount::of(counts);
    m_fixedInForce = fixedWordsInForce();
    if (m_exclusions->isEmpty()) {
        m_box = std::make_shared<const ConsistentBox>(counts);
    } else {
        QList<QStringList> words;
        for (int column : drawn)
            words.append(m_lists.at(column)->items());
        m_box = std::make_shared<const ConsistentBox>(words, m_fixedInForce, *m_exclusions);
    }
    m_memory.resetOver(m_box);
    m_walkOrder.resetOver(m_box);
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

QStringList CombinationControls::drawnWords() const
{
    QStringList words;
    for (int column : drawnColumns())
        words.append(m_inputs.at(column)->text());
    return words;
}

QStringList CombinationControls::wordsAt(const QList<int> &positions) const
{
    const QList<int> drawn = drawnColumns();
    QStringList words;
    for (qsizetype i = 0; i < drawn.size() && i < positions.size(); ++i)
        words.append(m_lists.at(drawn.at(i))->itemText(positions.at(i)));
    return words;
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

CombinationControls::Draw CombinationControls::drawAroundEmptyLists()
{
    // The title page's automatic step skips an empty last column: the pairs still hold
    // among the others.
    QList<int> filled;
    QList<QStringList> words;
    for (int column : drawnColumns()) {
        if (m_lists.at(column)->count() > 0) {
            filled.append(column);
            words.append(m_lists.at(column)->items());
        }
    }
    const ConsistentBox box(words, m_fixedInForce, *m_exclusions);
    if (!box.restricts())
        return Draw::AsUsual;
    const std::optional<QList<int>> positions = box.draw(RandomSource::instance());
    if (!positions) {
        showNotice(Notice::NoneLeft);
        emit exhausted();
        return Draw::Exhausted;
    }
    for (qsizetype i = 0; i < filled.size(); ++i)
        m_lists.at(filled.at(i))->setCurrentIndex(positions->at(i));
    return Draw::Selected;
}

CombinationControls::Draw CombinationControls::draw()
{
    if (m_count.isZero() && !m_exclusions->isEmpty())
        return drawAroundEmptyLists();
    if (m_count.isZero() || (!m_noRepeat->isChecked() && !m_box->restricts()))
        return Draw::AsUsual;
    std::optional<QList<int>> positions;
    if (!m_box->isEmpty()) {
        positions = m_noRepeat->isChecked() ? m_memory.next(RandomSource::instance())
                                            : m_box->draw(RandomSource::instance());
    }
    if (!positions) {
        showNotice(m_box->isEmpty() ? Notice::NoneLeft : Notice::Exhausted);
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
    const QList<int> positions = m_walkOrder.next();
    if (positions.isEmpty() && !m_box->counts().isEmpty()) {
        showNotice(Notice::NoneLeft);
        return false;
    }
    select(positions);
    showNotice(Notice::Walk);
    return true;
}

void CombinationControls::openExclusionWindow()
{
    if (!m_window)
        m_window = new ExclusionWindow(m_exclusions, m_windowColumns, m_label->window());
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

QString CombinationControls::consistentText() const
{
    if (!m_box->restricts())
        return m_count.text();
    return m_box->isCountExact() ? CombinationCount::counted(*m_box->exactCount()).text()
                                 : CombinationCount::about(m_box->estimate().value).text();
}

QString CombinationControls::excludedText() const
{
    // Past eight digits the second line has room only for the rounded form, and not for its
    // "约" (the tool tip has the whole numbers).
    constexpr quint64 WholeUpTo = 99999999;
    const long double excluded =
        m_box->isCountExact()
            ? (m_box->total() - *m_box->exactCount()).toLongDouble()
            : std::max(0.0L, m_box->total().toLongDouble() - m_box->estimate().value);
    if (m_box->isCountExact() && excluded <= (long double)WholeUpTo)
        return (m_box->total() - *m_box->exactCount()).toString();
    return CombinationCount::scientificText(excluded);
}

void CombinationControls::showNotice(Notice notice)
{
    m_notice = notice;
    switch (notice) {
    case Notice::Count:
        if (!m_box->restricts()) {
            m_label->setText(QStringLiteral("共 %1 种组合").arg(m_count.text()));
            break;
        }
        m_label->setText(
            QStringLiteral("共 %1 种组合\n（已排除 %2 种）").arg(consistentText(), excludedText()));
        break;
    case Notice::Walk:
        m_label->setText(
            QStringLiteral("第 %1 / %2 种组合")
                .arg(CombinationCount::numberText(m_walkOrder.step()), consistentText()));
        break;
    case Notice::Exhausted:
        m_label->setText(QStringLiteral("全部 %1 种组合都已出现过").arg(consistentText()));
        break;
    case Notice::NoneLeft:
        m_label->setText(QStringLiteral("每种组合都含有排除的词对"));
        break;
    }
    if (!m_box->restricts()) {
        m_label->setToolTip(PlainToolTip);
    } else if (m_box->isCountExact()) {
        m_label->setToolTip(QStringLiteral("参与随机的各栏单词数相乘，再去掉含有排除词对的组合：\n"
                                           "共 %1 种组合，已排除 %2 种")
                                .arg(m_box->exactCount()->toString(),
                                     (m_box->total() - *m_box->exactCount()).toString()));
    } else {
        const ConsistentCount::Estimate &estimate = m_box->estimate();
        m_label->setToolTip(
            QStringLiteral("参与随机的各栏单词数相乘，再去掉含有排除词对的组合。\n"
                           "组合太多，无法逐一数清：这是 %1 次随机抽样的估计，"
                           "有 95% 的把握误差不超过 ±%2（±%3%）")
                .arg(estimate.samples)
                .arg(CombinationCount::about(estimate.halfWidth)
                         .text()
                         .remove(QStringLiteral("约 ")))
                .arg(double(estimate.value > 0 ? 100 * estimate.halfWidth / estimate.value : 0), 0,
                     'f', 2));
    }
}
