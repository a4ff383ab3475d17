#include "question/question_page.h"

#include "columns/automatic_frame.h"
#include "columns/column_shift.h"
#include "columns/combination_controls.h"
#include "columns/enter_key_button.h"
#include "columns/push_option.h"
#include "columns/setup_button.h"
#include "columns/simple_combo.h"
#include "columns/word_column.h"
#include "question/question_column.h"
#include "question/question_composer.h"
#include "question/question_defaults.h"
#include "question/question_patterns.h"
#include "results/result_list.h"
#include "results/result_list_menu.h"
#include "storage/word_library.h"

#include <QCheckBox>
#include <QEvent>
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

QPushButton *resultButton(const QString &name, const QString &caption, const QString &toolTip,
                          QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(toolTip);
    button->setMaximumHeight(button->fontMetrics().height() + 8);
    return button;
}

// The bottom lists take what the word columns leave, but keep a few rows visible.
void shortList(SimpleCombo *list, int rows)
{
    list->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    const int row = list->fontMetrics().height() + 2;
    list->setMinimumHeight(list->lineEdit()->sizeHint().height() + rows * row + 6);
}

} // namespace

QuestionPage::QuestionPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("QuestionPage"));
    // Eleven columns side by side must stay readable in the window's first size.
    QFont compact = font();
    if (compact.pointSizeF() <= 0 || compact.pointSizeF() > 9.0) {
        compact.setPointSizeF(9.0);
        setFont(compact);
    }

    auto *bottom = new QHBoxLayout;
    bottom->setSpacing(4);
    bottom->addWidget(buildPatternArea());
    bottom->addWidget(buildManualFrame(), 0, Qt::AlignTop);
    bottom->addWidget(buildAutomaticFrame(), 0, Qt::AlignTop);
    bottom->addWidget(buildResultFrame(), 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 3, 2, 2);
    layout->setSpacing(3);
    layout->addWidget(wrappedLabel(
        QStringLiteral("Label31"),
        QStringLiteral(
            "在这里，软件向您提示一些不太成熟的问题，但您的回答很可能蕴藏着有价值的发明信"
            "息，按“传送”按钮进一步编辑、保存该信息。")));
    layout->addWidget(buildColumns(), 3);
    layout->addWidget(wrappedLabel(
        QStringLiteral("Label45"),
        QStringLiteral("注意：某栏停用后在其下方文本框中输入的任何文字都会始终显示在问句中；首栏单"
                       "词不参与随机调整，单击其中的单词可显示在文本框中。")));
    layout->addLayout(buildPatternNotes());
    layout->addLayout(bottom, 1);

    QList<ExclusionWindow::Column> windowColumns{
        {m_questionWord->caption(), m_questionWord->list(), nullptr}};
    for (QuestionColumn *column : std::as_const(m_columns)) {
        m_combinations->watchColumn(column->list(), column->onSwitch(), column->input());
        windowColumns.append({column->caption(), column->list(), column->onSwitch()});
    }
    // The question word is never drawn, but stands in every question.
    m_combinations->watchFixedText(m_questionWord->input());
    m_combinations->setExclusionColumns(windowColumns);
    m_combinations->setSentences([this](const QList<int> &drawn) { return sentenceFor(drawn); });
}

ExclusionSet *QuestionPage::exclusions() const
{
    return m_combinations->exclusions();
}

QLayout *QuestionPage::buildPatternNotes()
{
    auto *label52 = new QLabel(QStringLiteral("句型设置说明："), this);
    label52->setObjectName(QStringLiteral("Label52"));
    label52->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *label51 = wrappedLabel(
        QStringLiteral("Label51"),
        QStringLiteral("    示例中()内是准备输入文本框中的内容，{}内是列表框中的随机内容。自定义方"
                       "法:请单击“>”移位按钮调整栏目位置，控制启用或停用选项，在文本框中输入合适的"
                       "文本。"));
    auto *row = new QHBoxLayout;
    row->setSpacing(0);
    row->addWidget(label52, 0, Qt::AlignTop);
    row->addWidget(label51, 1);
    return row;
}

QLabel *QuestionPage::wrappedLabel(const QString &name, const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setObjectName(name);
    label->setWordWrap(true);
    return label;
}

QWidget *QuestionPage::buildColumns()
{
    auto *area = new QWidget(this);
    auto *row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);

    m_questionWord = new QuestionColumn(QuestionColumn::Names::questionWordColumn(),
                                        QuestionDefaults::questionWordColumn(),
                                        WordLibrary::questionWordFileName(), area);
    m_questionWord->input()->setText(QuestionDefaults::initialQuestionWord());
    row->addWidget(m_questionWord, 1);

    for (int i = 0; i < QuestionDefaults::WordColumnCount; ++i) {
        auto *column = new QuestionColumn(QuestionColumn::Names::wordColumn(i),
                                          QuestionDefaults::wordColumn(i),
                                          WordLibrary::questionFileName(i), area);
        m_columns.append(column);
        row->addWidget(column, 1);
        connect(column->wordColumn(), &WordColumn::switchedOn, this, &QuestionPage::followColumn7);
        if (QPushButton *shift = column->shiftButton())
            connect(shift, &QPushButton::clicked, this, [this, i] { shiftColumns(i); });
    }
    return area;
}

QWidget *QuestionPage::buildPatternArea()
{
    auto *area = new QWidget(this);
    m_patterns = new SimpleCombo(area);
    m_patterns->setObjectName(QStringLiteral("Combo1"));
    m_patterns->setAccessibleName(QStringLiteral("示例句型"));
    for (const QuestionPattern &pattern : QuestionPatterns::all())
        m_patterns->addItem(pattern.entry);
    m_patterns->setText(QuestionPatterns::hint());
    shortList(m_patterns, 5);
    m_patterns->lineEdit()->setCursorPosition(0);
    int widest = 0;
    for (const QuestionPattern &pattern : QuestionPatterns::all())
        widest = qMax(widest, m_patterns->fontMetrics().horizontalAdvance(pattern.entry));
    // The entries are the only description of the patterns: keep them whole.
    const int scrollBar = m_patterns->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_patterns->setMinimumWidth(widest + scrollBar + 12);
    connect(m_patterns, &SimpleCombo::activated, this, &QuestionPage::choosePattern);
    m_patterns->listWidget()->viewport()->installEventFilter(this);
    connect(m_patterns->listWidget(), &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) {
                const int row = m_patterns->listWidget()->row(item);
                // Only when the list itself saw nothing new; otherwise activated chose it.
                if (row == m_patternRowBeforePress && m_patternTextBeforePress == item->text())
                    choosePattern(row);
            });

    auto *label29 = new QLabel(QStringLiteral("请选择示例句型(未调换栏目位置时使用)："), area);
    label29->setObjectName(QStringLiteral("Label29"));
    auto *layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(label29);
    layout->addWidget(m_patterns, 1);
    return area;
}

QWidget *QuestionPage::buildManualFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("手动提问"), this);
    frame->setObjectName(QStringLiteral("Frame27"));

    m_ask = new EnterKeyButton(QStringLiteral("提问"), frame);
    m_ask->setObjectName(QStringLiteral("Command1tw"));
    connect(m_ask, &QPushButton::clicked, this, &QuestionPage::Command1tw_Click);
    m_ask->setMaximumWidth(m_ask->fontMetrics().horizontalAdvance(m_ask->text()) + 28);

    m_combine = new QRadioButton(QStringLiteral("组词"), frame);
    m_combine->setObjectName(QStringLiteral("Option1zc"));
    m_combine->setToolTip(QStringLiteral("人工选择各列表框中的单词"));
    m_random = new QRadioButton(QStringLiteral("随机"), frame);
    m_random->setObjectName(QStringLiteral("Option1sj"));
    m_random->setToolTip(QStringLiteral("随机选择各列表框中的单词"));
    m_random->setChecked(true);

    auto *advice = new QVBoxLayout;
    advice->setSpacing(0);
    const QStringList names{QStringLiteral("Label47"), QStringLiteral("Label48"),
                            QStringLiteral("Label50")};
    const QStringList texts{QStringLiteral("请单击一次"), QStringLiteral("再连续回车"),
                            QStringLiteral("可控制速度")};
    for (int i = 0; i < names.size(); ++i) {
        auto *label = new QLabel(texts.at(i), frame);
        label->setObjectName(names.at(i));
        advice->addWidget(label);
    }

    m_combinations = new CombinationControls(
        {QStringLiteral("questionCombinations"), QStringLiteral("questionNoRepeat"),
         QStringLiteral("questionWalk"), QStringLiteral("questionExclusions")},
        frame);
    m_combinations->reserveLabelLines(2);
    connect(m_combinations, &CombinationControls::exhausted, this, &QuestionPage::stopAutomatic);

    auto *layout = new QGridLayout(frame);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    layout->addWidget(m_ask, 0, 0);
    layout->addLayout(advice, 0, 1, 1, 2);
    layout->addWidget(m_combine, 1, 0);
    layout->addWidget(m_random, 1, 1);
    layout->setVerticalSpacing(1); // two more rows in the height the result frame sets
    layout->addWidget(m_combinations->walkOption(), 2, 0);
    layout->addWidget(m_combinations->noRepeatBox(), 2, 1);
    m_setups = new SetupButton(
        PageSetup::Page::Question, QStringLiteral("questionSetups"), [this] { return setup(); },
        [this](const PageSetup &kept) { applySetup(kept); }, frame);
    m_setups->addPageAction(m_combinations->exportAction());
    // The buttons beside the count get a column of their own: the count keeps the frame's
    // whole width for "（已排除 M 种）" in its two lines.
    layout->addWidget(m_setups, 1, 2);
    layout->addWidget(m_combinations->exclusionButton(), 2, 2);
    layout->addWidget(m_combinations->label(), 3, 0, 1, 3);
    return frame;
}

QWidget *QuestionPage::buildAutomaticFrame()
{
    auto *frame = new AutomaticFrame(
        QStringLiteral("自动提问"),
        {QStringLiteral("Frame26"), QStringLiteral("Option1ks"), QStringLiteral("Option1tz")},
        Qt::Vertical, this);
    m_start = frame->startOption();
    m_stop = frame->stopOption();
    return frame;
}

QWidget *QuestionPage::buildResultFrame()
{
    auto *frame = new QGroupBox(QStringLiteral("提示问题栏"), this);

    m_results = new SimpleCombo(frame);
    m_results->setObjectName(QStringLiteral("Combo1wy"));
    ResultListMenu::attach(m_results)->offerExclusions(m_combinations->exclusions());
    m_results->setText(QStringLiteral("在此输入有价值的信息，然后单击传送按钮予以保存"));
    shortList(m_results, 3);
    m_results->lineEdit()->setCursorPosition(0);

    auto *add = resultButton(QStringLiteral("Command1gg"), QStringLiteral("添加"),
                             QStringLiteral("把文本框中的内容添加到列表框中"), frame);
    auto *remove = resultButton(QStringLiteral("Command1sc"), QStringLiteral("删除"),
                                QStringLiteral("删除列表框中选中的信息"), frame);
    auto *clear = resultButton(QStringLiteral("Command1qk"), QStringLiteral("清空"),
                               QStringLiteral("清空列表框全部信息"), frame);
    auto *send =
        resultButton(QStringLiteral("Command1cs"), QStringLiteral("传送=>"), QString(), frame);
    connect(add, &QPushButton::clicked, this, [this] { ResultList::addEditText(m_results); });
    connect(remove, &QPushButton::clicked, this, [this] { ResultList::removeSelected(m_results); });
    connect(clear, &QPushButton::clicked, this, [this] { ResultList::clearAll(m_results); });
    connect(send, &QPushButton::clicked, this, &QuestionPage::transfer);

    auto *label46 = new QLabel(QStringLiteral("此处显示软件提示的问题"), frame);
    label46->setObjectName(QStringLiteral("Label46"));
    auto *label59 = new QLabel(QStringLiteral("沙里淘金？！"), frame);
    label59->setObjectName(QStringLiteral("Label59"));
    auto *label53 = new QLabel(QStringLiteral("单击传送钮文本框中的内容会送到编辑保存区"), frame);
    label53->setObjectName(QStringLiteral("Label53"));
    label53->setWordWrap(true);

    auto *heading = new QHBoxLayout;
    heading->addWidget(label46);
    heading->addStretch(1);
    heading->addWidget(label59);

    auto *buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    for (QPushButton *button : {add, remove, clear, send})
        buttons->addWidget(button);
    buttons->addStretch(1);

    auto *body = new QHBoxLayout;
    body->setSpacing(3);
    body->addWidget(m_results, 1);
    body->addLayout(buttons);

    auto *layout = new QVBoxLayout(frame);
    layout->setContentsMargins(4, 2, 4, 2);
    layout->setSpacing(2);
    layout->addLayout(heading);
    layout->addLayout(body, 1);
    layout->addWidget(label53);
    return frame;
}

bool QuestionPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress &&
        watched == m_patterns->listWidget()->viewport()) {
        m_patternRowBeforePress = m_patterns->listWidget()->currentRow();
        m_patternTextBeforePress = m_patterns->text();
    }
    return QWidget::eventFilter(watched, event);
}

void QuestionPage::followColumn7()
{
    if (m_columns.at(7)->isSwitchedOn() && !m_columns.at(6)->isSwitchedOn())
        m_columns.at(6)->onSwitch()->setChecked(true);
}

bool QuestionPage::listsHoldWords() const
{
    QList<int> counts{m_questionWord->list()->count()};
    for (const QuestionColumn *column : m_columns)
        counts.append(column->list()->count());
    return QuestionComposer::listsHoldWords(counts);
}

bool QuestionPage::drawWords()
{
    if (const auto drawn = m_combinations->draw(); drawn != CombinationControls::Draw::AsUsual)
        return drawn == CombinationControls::Draw::Selected;
    for (QuestionColumn *column : std::as_const(m_columns)) {
        if (column->isSwitchedOn())
            column->wordColumn()->pickRandom();
    }
    return true;
}

void QuestionPage::pushQuestion()
{
    QStringList inputs;
    for (const QuestionColumn *column : std::as_const(m_columns))
        inputs.append(column->input()->text());
    ResultList::pushNewest(m_results,
                           QuestionComposer::joinQuestion(m_questionWord->input()->text(), inputs),
                           m_combinations->drawnWords());
}

CombinationExport::Sentence QuestionPage::sentenceFor(const QList<int> &drawn) const
{
    QStringList inputs;
    for (const QuestionColumn *column : std::as_const(m_columns))
        inputs.append(column->input()->text());
    const QString questionWord = m_questionWord->input()->text();
    return [questionWord, inputs, drawn](const QStringList &words) mutable {
        for (qsizetype i = 0; i < drawn.size() && i < words.size(); ++i)
            inputs[drawn.at(i)] = words.at(i);
        return QuestionComposer::joinQuestion(questionWord, inputs);
    };
}

void QuestionPage::Command1tw_Click()
{
    // "遍历" builds the question as random mode does, from the walk's words.
    const bool walking = m_combinations->isWalking();
    switch (QuestionComposer::manualStep(listsHoldWords(), m_combine->isChecked(),
                                         m_random->isChecked() || walking, m_stop->isChecked())) {
    case QuestionComposer::Step::Nothing:
        return;
    case QuestionComposer::Step::DrawThenJoin:
        if (!(walking ? m_combinations->selectNextInWalk() : drawWords()))
            return;
        break;
    case QuestionComposer::Step::JoinAsIs:
        break;
    }
    pushQuestion();
}

void QuestionPage::autoStep()
{
    if (QuestionComposer::automaticStep(listsHoldWords(), m_start->isChecked()) ==
        QuestionComposer::Step::Nothing)
        return;
    if (!drawWords())
        return;
    pushQuestion();
}

void QuestionPage::stopAutomatic()
{
    m_stop->setChecked(true);
}

void QuestionPage::choosePattern(int position)
{
    const QList<QuestionPattern> &patterns = QuestionPatterns::all();
    if (position < 0 || position >= patterns.size())
        return;
    const QuestionPattern &pattern = patterns.at(position);
    for (QuestionColumn *column : std::as_const(m_columns)) {
        column->offSwitch()->setChecked(true);
        column->input()->clear();
    }
    for (int index : pattern.enabledColumns)
        m_columns.at(index)->onSwitch()->setChecked(true);
    m_questionWord->input()->setText(pattern.questionWord);
    for (const auto &[index, text] : pattern.fixedTexts)
        m_columns.at(index)->input()->setText(text);
}

void QuestionPage::shiftColumns(int index)
{
    if (index < 0 || index + 1 >= m_columns.size())
        return;
    QuestionColumn *left = m_columns.at(index);
    QuestionColumn *right = m_columns.at(index + 1);
    ColumnShift::exchangeLists(left->list(), right->list());
    ColumnShift::exchangeTexts(left->caption(), right->caption());
    ColumnShift::exchangeTexts(left->input(), right->input());
}

QList<QuestionColumn *> QuestionPage::allColumns() const
{
    QList<QuestionColumn *> all{m_questionWord};
    all += m_columns;
    return all;
}

PageSetup QuestionPage::setup() const
{
    PageSetup kept;
    kept.page = PageSetup::Page::Question;
    for (const QuestionColumn *column : allColumns()) {
        PageSetup::Column entry;
        entry.caption = column->caption()->text();
        entry.words = column->list()->items();
        entry.enabled = column->isSwitchedOn();
        entry.input = column->input()->text();
        entry.listText = column->list()->text();
        kept.columns.append(entry);
    }
    kept.choice = m_patterns->currentIndex();
    kept.ruledOut = exclusions()->pairs();
    return kept;
}

void QuestionPage::applySetup(const PageSetup &setup)
{
    const QList<QuestionColumn *> all = allColumns();
    if (setup.page != PageSetup::Page::Question || setup.columns.size() != all.size())
        return;
    if (setup.ruledOut)
        exclusions()->setPairs(*setup.ruledOut);
    // On first, then off: switching a column on may bring column 6 along with column 7.
    for (int i = 0; i < all.size(); ++i) {
        if (setup.columns.at(i).enabled)
            all.at(i)->onSwitch()->setChecked(true);
    }
    for (int i = 0; i < all.size(); ++i) {
        if (!setup.columns.at(i).enabled)
            all.at(i)->offSwitch()->setChecked(true);
    }
    for (int i = 0; i < all.size(); ++i) {
        const PageSetup::Column &kept = setup.columns.at(i);
        all.at(i)->caption()->setText(kept.caption);
        all.at(i)->caption()->setCursorPosition(0);
        all.at(i)->list()->restoreItems(kept.words);
        all.at(i)->input()->setText(kept.input);
        all.at(i)->list()->setText(kept.listText);
        all.at(i)->list()->lineEdit()->setCursorPosition(0);
    }
    // The pattern is shown, not chosen again: its set-up would overwrite the columns.
    const int pattern = setup.choice >= 0 && setup.choice < m_patterns->count() ? setup.choice : -1;
    {
        const QSignalBlocker quiet(m_patterns);
        m_patterns->setCurrentIndex(pattern);
    }
    if (pattern < 0)
        m_patterns->setText(QuestionPatterns::hint());
    m_patterns->lineEdit()->setCursorPosition(0);
}

void QuestionPage::transfer()
{
    emit transferRequested(QStringLiteral("      问题提示：《"), m_results->text());
}
