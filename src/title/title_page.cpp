#include "title/title_page.h"

#include "app/lament_box.h"
#include "columns/automatic_frame.h"
#include "columns/column_shift.h"
#include "columns/combination_controls.h"
#include "columns/enter_key_button.h"
#include "columns/push_option.h"
#include "columns/setup_button.h"
#include "columns/simple_combo.h"
#include "columns/word_column.h"
#include "links/link_frames.h"
#include "results/result_list.h"
#include "results/result_list_menu.h"
#include "title/title_column.h"
#include "title/title_composer.h"
#include "title/title_defaults.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QList<TitleComposer::ColumnState> statesOf(const QList<TitleColumn *> &columns)
{
    QList<TitleComposer::ColumnState> states;
    for (const TitleColumn *column : columns)
        states.append({column->isSwitchedOn(), column->list()->count()});
    return states;
}

QPushButton *namedButton(const QString &name, const QString &caption, const QString &toolTip,
                         QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    if (!toolTip.isEmpty())
        button->setToolTip(toolTip);
    return button;
}

} // namespace

TitlePage::TitlePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TitlePage"));

    auto *columnsRow = new QHBoxLayout;
    columnsRow->setSpacing(4);
    const QList<TitleColumnDefault> defaults = TitleDefaults::columns();
    for (int i = 0; i < defaults.size(); ++i) {
        auto *column = new TitleColumn(i, defaults.at(i), i + 1 < defaults.size(), this);
        connect(column, &TitleColumn::shiftRequested, this, &TitlePage::shiftColumns);
        m_columns.append(column);
        columnsRow->addWidget(column, 1);
    }

    auto *modes = new QVBoxLayout;
    modes->setSpacing(2);
    modes->addWidget(buildGenerator());
    modes->addWidget(buildAutomatic());

    auto *lament = namedButton(QStringLiteral("Command1"),
                               QStringLiteral("电脑vs人脑 and 淘金vs买金：关于垃圾题目的感叹"),
                               QString(), this);
    connect(lament, &QPushButton::clicked, this, [this] { LamentBox::show(this); });
    auto *aside = new QVBoxLayout;
    aside->setSpacing(4);
    aside->addWidget(LinkFrames::createSupportLinks(this), 1);

    auto *framesRow = new QHBoxLayout;
    framesRow->addLayout(modes);
    framesRow->addWidget(buildResults(), 1);
    framesRow->addLayout(aside);

    auto *label =
        new QLabel(QStringLiteral("在这里，软件向您提示一些不太成熟的发明题目名称，您的挑选或联想很"
                                  "可能导致一项新发明的诞生，按“传送”按钮进一步编辑、保存该信息。"),
                   this);
    label->setObjectName(QStringLiteral("Label36"));
    label->setWordWrap(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(columnsRow, 1);
    layout->addLayout(framesRow);
    // The lament's long caption needs a row of its own width; the label wraps beside it.
    auto *bottomRow = new QHBoxLayout;
    bottomRow->addWidget(label, 1);
    bottomRow->addWidget(lament);
    layout->addLayout(bottomRow);

    QList<ExclusionWindow::Column> windowColumns;
    for (const TitleColumn *column : std::as_const(m_columns)) {
        m_combinations->watchColumn(column->list(), column->column()->onSwitch());
        windowColumns.append({column->caption(), column->list(), column->column()->onSwitch()});
    }
    m_combinations->setExclusionColumns(windowColumns);
    m_combinations->setSentences([this](const QList<int> &drawn) { return sentenceFor(drawn); });
}

ExclusionSet *TitlePage::exclusions() const
{
    return m_combinations->exclusions();
}

QWidget *TitlePage::buildGenerator()
{
    auto *frame = new QGroupBox(QStringLiteral("手动生成"), this);
    frame->setObjectName(QStringLiteral("Frame7"));
    auto *generate = new EnterKeyButton(QStringLiteral("生成"), frame);
    generate->setObjectName(QStringLiteral("Commandsc0"));
    generate->setToolTip(QStringLiteral("单击一下获得焦点再连续回车可控制速度"));
    connect(generate, &QPushButton::clicked, this, &TitlePage::Commandsc0_Click);

    m_random = new QRadioButton(QStringLiteral("随机"), frame);
    m_random->setObjectName(QStringLiteral("Optionsj"));
    m_random->setToolTip(QStringLiteral("随机选择各列表框中的单词"));
    m_random->setChecked(true);
    m_combine = new QRadioButton(QStringLiteral("组词"), frame);
    m_combine->setObjectName(QStringLiteral("Optionzc"));
    m_combine->setToolTip(QStringLiteral("人工选择各列表框中的单词"));

    m_combinations = new CombinationControls(
        {QStringLiteral("titleCombinations"), QStringLiteral("titleNoRepeat"),
         QStringLiteral("titleWalk"), QStringLiteral("titleExclusions")},
        frame);
    connect(m_combinations, &CombinationControls::exhausted, this, &TitlePage::stopAutomatic);

    generate->setMinimumWidth(generate->fontMetrics().horizontalAdvance(generate->text()) + 24);
    generate->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    m_setups = new SetupButton(
        PageSetup::Page::Title, QStringLiteral("titleSetups"), [this] { return setup(); },
        [this](const PageSetup &kept) { applySetup(kept); }, frame);
    m_setups->addPageAction(m_combinations->exportAction());
    auto *row = new QHBoxLayout;
    row->addWidget(generate);
    row->addWidget(m_random);
    row->addWidget(m_combine);
    row->addWidget(m_combinations->walkOption());
    // 方案 up here leaves the count two lines' width beside 排除… below.
    row->addWidget(m_setups);
    auto *extras = new QHBoxLayout;
    extras->addWidget(m_combinations->noRepeatBox());
    extras->addWidget(m_combinations->label(), 1);
    extras->addWidget(m_combinations->exclusionButton());
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(0); // the title columns above need every pixel
    layout->addLayout(row);
    layout->addLayout(extras);
    return frame;
}

QWidget *TitlePage::buildAutomatic()
{
    auto *frame = new AutomaticFrame(
        QStringLiteral("自动生成"),
        {QStringLiteral("Frame8"), QStringLiteral("Optionks0"), QStringLiteral("Optiontz0")},
        Qt::Horizontal, this);
    m_start = frame->startOption();
    m_stop = frame->stopOption();
    return frame;
}

QWidget *TitlePage::buildResults()
{
    auto *frame = new QGroupBox(QStringLiteral("初步发明题目栏"), this);
    frame->setObjectName(QStringLiteral("Frame9"));
    m_results = new SimpleCombo(frame);
    m_results->setObjectName(QStringLiteral("Combo7"));
    ResultListMenu::attach(m_results)->offerExclusions(m_combinations->exclusions());
    m_results->setText(QStringLiteral("在此处显示或更改初步发明题目"));
    m_results->setMinimumHeight(80);
    // the columns' lists need the height more; Combo7 keeps to a few lines
    m_results->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);

    auto *add = namedButton(QStringLiteral("Commandgg7"), QStringLiteral("添加"),
                            QStringLiteral("把文本框中的内容添加到列表框中"), frame);
    connect(add, &QPushButton::clicked, this, [this] { ResultList::addEditText(m_results); });
    auto *remove = namedButton(QStringLiteral("Commandsc7"), QStringLiteral("删除"),
                               QStringLiteral("删除列表框中选中的信息"), frame);
    connect(remove, &QPushButton::clicked, this, [this] { ResultList::removeSelected(m_results); });
    auto *clear = namedButton(QStringLiteral("Commandqk7"), QStringLiteral("清空"),
                              QStringLiteral("清空列表框全部信息"), frame);
    connect(clear, &QPushButton::clicked, this, [this] { ResultList::clearAll(m_results); });
    auto *transfer = namedButton(QStringLiteral("Commandbc7"), QStringLiteral("传送=>"),
                                 QStringLiteral("将文本框中的内容传送到编辑保存区"), frame);
    connect(transfer, &QPushButton::clicked, this, [this] {
        emit transferRequested(QStringLiteral("      题目名称：《"), m_results->text());
    });

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(2);
    for (QPushButton *button : {add, remove, clear, transfer}) {
        button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 16);
        button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
        buttons->addWidget(button);
    }
    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(2);
    layout->addWidget(m_results, 1);
    layout->addLayout(buttons);
    return frame;
}

void TitlePage::Commandsc0_Click()
{
    if (!TitleComposer::readyForManual(statesOf(m_columns)))
        return;
    if (!m_stop->isChecked())
        return; // automatic generation owns the list meanwhile
    if (m_combinations->isWalking()) {
        if (!m_combinations->selectNextInWalk())
            return;
    } else if (m_random->isChecked() && !drawWords()) {
        return;
    }
    insertTitle();
}

void TitlePage::autoStep()
{
    if (!TitleComposer::readyForAutomatic(statesOf(m_columns)))
        return;
    if (!m_start->isChecked())
        return;
    if (!drawWords()) // always random, whatever Frame7 says
        return;
    insertTitle();
}

bool TitlePage::drawWords()
{
    if (const auto drawn = m_combinations->draw(); drawn != CombinationControls::Draw::AsUsual)
        return drawn == CombinationControls::Draw::Selected;
    for (const int i : TitleComposer::columnsToDraw(statesOf(m_columns)))
        m_columns.at(i)->column()->pickRandom();
    return true;
}

void TitlePage::insertTitle()
{
    QStringList words;
    for (const TitleColumn *column : m_columns)
        words.append(column->currentWord());
    ResultList::pushNewest(m_results, TitleComposer::compose(words), m_combinations->drawnWords());
}

CombinationExport::Sentence TitlePage::sentenceFor(const QList<int> &drawn) const
{
    QStringList current;
    for (const TitleColumn *column : m_columns)
        current.append(column->currentWord());
    return [current, drawn](const QStringList &words) mutable {
        for (qsizetype i = 0; i < drawn.size() && i < words.size(); ++i)
            current[drawn.at(i)] = words.at(i);
        return TitleComposer::compose(current);
    };
}

PageSetup TitlePage::setup() const
{
    PageSetup kept;
    kept.page = PageSetup::Page::Title;
    for (const TitleColumn *column : m_columns) {
        PageSetup::Column entry;
        entry.caption = column->caption()->text();
        entry.words = column->list()->items();
        entry.enabled = column->isSwitchedOn();
        entry.input = column->currentWord();
        kept.columns.append(entry);
    }
    kept.ruledOut = exclusions()->pairs();
    return kept;
}

void TitlePage::applySetup(const PageSetup &setup)
{
    if (setup.page != PageSetup::Page::Title || setup.columns.size() != m_columns.size())
        return;
    if (setup.ruledOut)
        exclusions()->setPairs(*setup.ruledOut);
    for (int i = 0; i < m_columns.size(); ++i) {
        const PageSetup::Column &kept = setup.columns.at(i);
        TitleColumn *column = m_columns.at(i);
        WordColumn *words = column->column();
        (kept.enabled ? words->onSwitch() : words->offSwitch())->setChecked(true);
        column->caption()->setText(kept.caption);
        column->caption()->setCursorPosition(0);
        column->list()->restoreItems(kept.words);
        column->list()->setText(kept.input);
        column->list()->listWidget()->scrollToTop();
    }
}

void TitlePage::stopAutomatic()
{
    m_stop->setChecked(true);
}

void TitlePage::shiftColumns(int left)
{
    if (left < 0 || left + 1 >= m_columns.size())
        return;
    TitleColumn *a = m_columns.at(left);
    TitleColumn *b = m_columns.at(left + 1);
    ColumnShift::exchangeLists(a->list(), b->list());
    ColumnShift::exchangeTexts(a->caption(), b->caption());
    // refilled lists would otherwise keep the old scroll position
    a->list()->listWidget()->scrollToTop();
    b->list()->listWidget()->scrollToTop();
}
