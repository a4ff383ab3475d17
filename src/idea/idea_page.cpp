#include "idea/idea_page.h"

#include "columns/automatic_frame.h"
#include "columns/column_shift.h"
#include "columns/combination_controls.h"
#include "columns/enter_key_button.h"
#include "columns/push_option.h"
#include "columns/setup_button.h"
#include "columns/simple_combo.h"
#include "columns/word_column.h"
#include "idea/connecting_word_box.h"
#include "idea/idea_column.h"
#include "idea/idea_defaults.h"
#include "idea/idea_hint.h"
#include "idea/idea_styles.h"
#include "results/result_list.h"
#include "results/result_list_menu.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QVBoxLayout>

namespace {
QPushButton *makeButton(const QString &name, const QString &caption, const QString &toolTip,
                        QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    // Narrower than the style's default, so the hints get the width.
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(caption) + 14);
    button->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Fixed);
    button->setMaximumWidth(button->minimumWidth());
    return button;
}
} // namespace

IdeaPage::IdeaPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("IdeaPage"));

    auto *columns = new QHBoxLayout;
    columns->setSpacing(4);
    for (int i = 0; i < IdeaDefaults::ColumnCount; ++i) {
        auto *column = new IdeaColumn(i, this);
        m_columns.append(column);
        columns->addWidget(column, 1);
        connect(column, &IdeaColumn::switchedOff, this, &IdeaPage::columnSwitchedOff);
        if (QPushButton *shift = column->shiftButton())
            connect(shift, &QPushButton::clicked, this, [this, i] { Command10_Click(i); });
    }

    auto *label37 = new QLabel(
        QStringLiteral("在这里，软件向您提示一些不太成熟的发明思路，您的思考或联想很可能导致发现一"
                       "条新的发明线索，按“传送”按钮进一步编辑、保存该信息。。"),
        this);
    label37->setObjectName(QStringLiteral("Label37"));
    label37->setWordWrap(true);

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(4);
    bottom->addWidget(buildComposer());
    bottom->addWidget(buildAutomatic());
    bottom->addWidget(buildResults(), 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addWidget(buildStyles());
    layout->addLayout(columns, 1);
    layout->addLayout(bottom);
    layout->addWidget(label37);

    // The laid-out connecting words match no style; make them agree with "试探型".
    applyStyle(IdeaStyles::Tentative);

    // Column 0 is the object under study: never drawn, but in every hint.
    QList<ExclusionWindow::Column> windowColumns{
        {m_columns.at(0)->caption(), m_columns.at(0)->list(), nullptr}};
    for (int i = 1; i < m_columns.size(); ++i) {
        IdeaColumn *column = m_columns.at(i);
        m_combinations->watchColumn(column->list(), column->wordColumn()->onSwitch(),
                                    column->input());
        windowColumns.append({column->caption(), column->list(), column->wordColumn()->onSwitch()});
    }
    m_combinations->watchFixedText(m_columns.at(0)->input());
    m_combinations->setExclusionColumns(windowColumns);
    m_combinations->setSentences([this](const QList<int> &drawn) { return sentenceFor(drawn); });
}

ExclusionSet *IdeaPage::exclusions() const
{
    return m_combinations->exclusions();
}

QWidget *IdeaPage::buildStyles()
{
    auto *box = new QWidget(this);
    auto *label30 = new QLabel(QStringLiteral("请选择示例的形式："), box);
    label30->setObjectName(QStringLiteral("Label30"));
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(6);
    row->addWidget(label30);
    static const char *const names[] = {"Option5", "Option6", "Option7", "Option8"};
    for (int style = 0; style < IdeaStyles::StyleCount; ++style) {
        auto *option = new QRadioButton(IdeaStyles::caption(IdeaStyles::Style(style)), box);
        option->setObjectName(QLatin1String(names[style]));
        m_styles.append(option);
        row->addWidget(option);
        // A click applies the preset even on the selected style: the user may have edited.
        connect(option, &QRadioButton::clicked, this, [this, style] { applyStyle(style); });
        connect(option, &QRadioButton::toggled, this, [this, style](bool checked) {
            if (checked)
                applyStyle(style);
        });
    }
    m_styles.at(IdeaStyles::Tentative)->setChecked(true);
    auto *label44 = new QLabel(QStringLiteral("(4种形式请在未调换位置时使用；调换位置后请在组合框"
                                              "中选择或直接输入)"),
                               box);
    label44->setObjectName(QStringLiteral("Label44"));
    label44->setWordWrap(true);
    row->addWidget(label44, 1);
    return box;
}

QWidget *IdeaPage::buildComposer()
{
    auto *frame = new QGroupBox(QStringLiteral("手动提示"), this);
    frame->setObjectName(QStringLiteral("Frame22"));
    auto *command2 = new EnterKeyButton(QStringLiteral("提示"), frame);
    command2->setObjectName(QStringLiteral("Command2"));
    m_combine = new QRadioButton(QStringLiteral("组词"), frame);
    m_combine->setObjectName(QStringLiteral("Option15"));
    m_combine->setToolTip(QStringLiteral("人工选择各列表框中的单词"));
    m_random = new QRadioButton(QStringLiteral("随机"), frame);
    m_random->setObjectName(QStringLiteral("Option16"));
    m_random->setToolTip(QStringLiteral("随机选择各列表框中的单词"));
    m_random->setChecked(true);
    connect(command2, &QPushButton::clicked, this, &IdeaPage::Command2_Click);
    m_combinations =
        new CombinationControls({QStringLiteral("ideaCombinations"), QStringLiteral("ideaNoRepeat"),
                                 QStringLiteral("ideaWalk"), QStringLiteral("ideaExclusions")},
                                frame);
    m_combinations->reserveLabelLines(2);
    connect(m_combinations, &CombinationControls::exhausted, this, &IdeaPage::stopAutomatic);

    // The word lists above need the height: the new controls go beside the old ones.
    auto *layout = new QGridLayout(frame);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    QLabel *count = m_combinations->label();
    count->setFixedWidth(
        count->fontMetrics().horizontalAdvance(QStringLiteral("共 8208000 种组合")) + 6);
    count->setSizePolicy(QSizePolicy::Fixed, count->sizePolicy().verticalPolicy());
    layout->addWidget(command2, 0, 0);
    layout->addWidget(count, 0, 1);
    layout->addWidget(m_combine, 1, 0);
    layout->addWidget(m_combinations->walkOption(), 1, 1);
    layout->addWidget(m_random, 2, 0);
    layout->addWidget(m_combinations->noRepeatBox(), 2, 1);
    m_setups = new SetupButton(
        PageSetup::Page::Idea, QStringLiteral("ideaSetups"), [this] { return setup(); },
        [this](const PageSetup &kept) { applySetup(kept); }, frame);
    m_setups->addPageAction(m_combinations->exportAction());
    layout->addWidget(m_setups, 0, 2);
    layout->addWidget(m_combinations->exclusionButton(), 1, 2);
    layout->setRowStretch(3, 1);
    return frame;
}

QWidget *IdeaPage::buildAutomatic()
{
    auto *frame = new AutomaticFrame(
        QStringLiteral("自动提示"),
        {QStringLiteral("Frame19"), QStringLiteral("Option12"), QStringLiteral("Option11")},
        Qt::Vertical, this);
    m_start = frame->startOption();
    m_stop = frame->stopOption();
    return frame;
}

QWidget *IdeaPage::buildResults()
{
    auto *frame = new QGroupBox(QStringLiteral("提示结果栏"), this);
    frame->setObjectName(QStringLiteral("Frame21"));
    m_results = new SimpleCombo(frame);
    m_results->setObjectName(QStringLiteral("Combo18"));
    ResultListMenu::attach(m_results)->offerExclusions(m_combinations->exclusions());
    m_results->setToolTip(QStringLiteral("此处显示软件生成的最初的思路，提示您联想更好的解决办法"));
    m_results->setText(QStringLiteral(
        "在此处编辑最初的线索或填写联想到的初步发明名称，然后单击“传送”按钮予以保存"));
    m_results->lineEdit()->setCursorPosition(0);
    m_results->setMinimumWidth(160);
    // The word lists above get the height; this list shows a few hints and scrolls.
    m_results->listWidget()->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    const int rowHeight = m_results->fontMetrics().lineSpacing() + 4;
    m_results->listWidget()->setMinimumHeight(rowHeight * 3 +
                                              style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4);

    QPushButton *add = makeButton(QStringLiteral("Command38"), QStringLiteral("添加"),
                                  QStringLiteral("把文本框中的内容添加到列表框中"), frame);
    QPushButton *remove = makeButton(QStringLiteral("Command5"), QStringLiteral("删除"),
                                     QStringLiteral("删除列表框中选中的信息"), frame);
    QPushButton *clear = makeButton(QStringLiteral("Command7"), QStringLiteral("清空"),
                                    QStringLiteral("清空列表框全部信息"), frame);
    QPushButton *transfer = makeButton(QStringLiteral("Command6"), QStringLiteral("传送=>"),
                                       QStringLiteral("将文本框中的内容传送到编辑保存区"), frame);
    connect(add, &QPushButton::clicked, this, [this] { ResultList::addEditText(m_results); });
    connect(remove, &QPushButton::clicked, this, [this] { ResultList::removeSelected(m_results); });
    connect(clear, &QPushButton::clicked, this, [this] { ResultList::clearAll(m_results); });
    connect(transfer, &QPushButton::clicked, this, &IdeaPage::Command6_Click);

    auto *buttons = new QGridLayout;
    buttons->setSpacing(2);
    buttons->addWidget(add, 0, 0);
    buttons->addWidget(remove, 0, 1);
    buttons->addWidget(clear, 1, 0);
    buttons->addWidget(transfer, 1, 1);
    buttons->setRowStretch(2, 1);

    auto *layout = new QHBoxLayout(frame);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(4);
    layout->addWidget(m_results, 1);
    layout->addLayout(buttons);
    return frame;
}

void IdeaPage::applyStyle(int style)
{
    const QList<IdeaStyles::Connectors> preset = IdeaStyles::preset(IdeaStyles::Style(style));
    for (int i = 0; i < m_columns.size(); ++i) {
        m_columns.at(i)->leadBox()->setText(preset.at(i).lead);
        m_columns.at(i)->trailBox()->setText(preset.at(i).trail);
    }
}

void IdeaPage::columnSwitchedOff()
{
    ConnectingWordBox *lead0 = m_columns.at(0)->leadBox();
    lead0->setEnabled(true);
    lead0->setText(QStringLiteral("关于"));
}

bool IdeaPage::allListsFilled() const
{
    for (const IdeaColumn *column : m_columns) {
        if (column->list()->count() == 0)
            return false;
    }
    return true;
}

void IdeaPage::compose(bool randomMode)
{
    if (randomMode && !drawWords())
        return;
    pushHint(randomMode);
}

bool IdeaPage::drawWords()
{
    if (const auto drawn = m_combinations->draw(); drawn != CombinationControls::Draw::AsUsual)
        return drawn == CombinationControls::Draw::Selected;
    // Column 0 is the object under study: never drawn.
    for (int i = 1; i < m_columns.size(); ++i)
        m_columns.at(i)->wordColumn()->pickRandom();
    return true;
}

void IdeaPage::pushHint(bool randomMode)
{
    QList<IdeaHint::Piece> pieces;
    for (const IdeaColumn *column : m_columns)
        pieces.append(
            {column->leadBox()->text(), column->input()->text(), column->trailBox()->text()});
    ResultList::pushNewest(m_results, IdeaHint::join(pieces, randomMode),
                           m_combinations->drawnWords());
}

CombinationExport::Sentence IdeaPage::sentenceFor(const QList<int> &drawn) const
{
    QList<IdeaHint::Piece> pieces;
    for (const IdeaColumn *column : m_columns)
        pieces.append(
            {column->leadBox()->text(), column->input()->text(), column->trailBox()->text()});
    return [pieces, drawn](const QStringList &words) mutable {
        // The watched columns start at column 1: column 0 is never drawn.
        for (qsizetype i = 0; i < drawn.size() && i < words.size(); ++i)
            pieces[drawn.at(i) + 1].word = words.at(i);
        return IdeaHint::join(pieces, true);
    };
}

PageSetup IdeaPage::setup() const
{
    PageSetup kept;
    kept.page = PageSetup::Page::Idea;
    for (const IdeaColumn *column : m_columns) {
        PageSetup::Column entry;
        entry.caption = column->caption()->text();
        entry.words = column->list()->items();
        entry.enabled = column->isEnabled();
        entry.input = column->input()->text();
        entry.listText = column->list()->text();
        entry.lead = column->leadBox()->text();
        entry.leadWords = column->leadBox()->entries();
        entry.trail = column->trailBox()->text();
        entry.trailWords = column->trailBox()->entries();
        kept.columns.append(entry);
    }
    for (int style = 0; style < m_styles.size(); ++style) {
        if (m_styles.at(style)->isChecked())
            kept.choice = style;
    }
    kept.ruledOut = exclusions()->pairs();
    return kept;
}

void IdeaPage::applySetup(const PageSetup &setup)
{
    if (setup.page != PageSetup::Page::Idea || setup.columns.size() != m_columns.size())
        return;
    if (setup.ruledOut)
        exclusions()->setPairs(*setup.ruledOut);
    if (setup.choice >= 0 && setup.choice < m_styles.size()) {
        // Shown, not applied: the file holds the connecting words as they were.
        const QSignalBlocker quiet(m_styles.at(setup.choice));
        m_styles.at(setup.choice)->setChecked(true);
    }
    // Switches first: "停用" empties connecting words that the file then sets.
    for (int i = 0; i < m_columns.size(); ++i) {
        WordColumn *words = m_columns.at(i)->wordColumn();
        (setup.columns.at(i).enabled ? words->onSwitch() : words->offSwitch())->setChecked(true);
    }
    for (int i = 0; i < m_columns.size(); ++i) {
        const PageSetup::Column &kept = setup.columns.at(i);
        IdeaColumn *column = m_columns.at(i);
        column->caption()->setText(kept.caption);
        column->caption()->setCursorPosition(0);
        column->list()->restoreItems(kept.words);
        column->input()->setText(kept.input);
        column->list()->setText(kept.listText);
        column->list()->lineEdit()->setCursorPosition(0);
        column->leadBox()->restoreEntries(kept.leadWords);
        column->leadBox()->setText(kept.lead);
        column->trailBox()->restoreEntries(kept.trailWords);
        column->trailBox()->setText(kept.trail);
    }
}

void IdeaPage::Command2_Click()
{
    if (!allListsFilled() || !m_stop->isChecked())
        return;
    if (m_combinations->isWalking()) {
        // Joined as random mode joins, from the walk's words.
        if (m_combinations->selectNextInWalk())
            pushHint(true);
        return;
    }
    compose(m_random->isChecked());
}

void IdeaPage::autoStep()
{
    if (!allListsFilled() || !m_start->isChecked())
        return;
    compose(true);
}

void IdeaPage::stopAutomatic()
{
    m_stop->setChecked(true);
}

void IdeaPage::Command10_Click(int index)
{
    IdeaColumn *left = m_columns.at(index);
    IdeaColumn *right = m_columns.at(index + 1);
    ColumnShift::exchangeLists(left->list(), right->list());
    ConnectingWordBox::exchange(left->leadBox(), right->leadBox());
    ConnectingWordBox::exchange(left->trailBox(), right->trailBox());
    ColumnShift::exchangeTexts(left->caption(), right->caption());
    ColumnShift::exchangeTexts(left->input(), right->input());
}

void IdeaPage::Command6_Click()
{
    emit transferRequested(QStringLiteral("      思路提示：《"), m_results->text());
}
