#include "idea/idea_column.h"

#include "columns/column_names.h"
#include "columns/simple_combo.h"
#include "columns/word_column.h"
#include "idea/connecting_word_box.h"
#include "idea/idea_defaults.h"
#include "storage/word_library.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QString arrayName(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// The switch frames' names do not follow the column index.
QString switchFrameName(int index)
{
    static const char *const names[] = {"Frame11", "Frame15", "Frame16",
                                        "Frame17", "Frame18", "Frame20"};
    return QLatin1String(names[index]);
}

// Six buttons share a narrow column: let them shrink to their caption.
void fitToCaption(QPushButton *button)
{
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(button->text()) + 10);
}
} // namespace

IdeaColumn::IdeaColumn(int index, QWidget *parent) : QWidget(parent), m_index(index)
{
    const IdeaDefaults::ColumnDefaults defaults = IdeaDefaults::column(index);

    m_caption = new QLineEdit(defaults.caption, this);
    m_caption->setObjectName(arrayName("Text21", index));
    m_caption->setCursorPosition(0);

    m_lead = new ConnectingWordBox(this);
    m_lead->setObjectName(arrayName("Combot", index));
    m_lead->setSorted(defaults.leadSorted);
    m_lead->addEntries(defaults.leadEntries);
    m_lead->setText(defaults.lead);

    m_list = new SimpleCombo(this);
    m_list->setObjectName(arrayName("Combos", index));
    m_list->setSorted(defaults.wordsSorted);
    m_list->addItems(defaults.words);
    m_list->setText(defaults.listEditText);

    m_trail = new ConnectingWordBox(this);
    m_trail->setObjectName(arrayName("Combow", index));
    m_trail->setSorted(defaults.trailSorted);
    m_trail->addEntries(defaults.trailEntries);
    m_trail->setText(defaults.trail);

    m_input = new QLineEdit(defaults.input, this);
    m_input->setObjectName(arrayName("Text11", index));

    auto *switchFrame = new QFrame(this);
    switchFrame->setObjectName(switchFrameName(index));
    switchFrame->setFrameShape(QFrame::StyledPanel);
    m_on = new QRadioButton(QStringLiteral("启用"), switchFrame);
    m_on->setObjectName(arrayName("Option1", index));
    m_on->setToolTip(QStringLiteral("启用本栏列表框"));
    m_on->setChecked(true);
    m_off = new QRadioButton(QStringLiteral("停用"), switchFrame);
    m_off->setObjectName(arrayName("Option2", index));
    m_off->setToolTip(QStringLiteral("停用本栏列表框"));
    auto *switchLayout = new QHBoxLayout(switchFrame);
    switchLayout->setContentsMargins(3, 1, 3, 1);
    switchLayout->setSpacing(2);
    switchLayout->addWidget(m_on);
    switchLayout->addWidget(m_off);

    WordColumn::Options options;
    options.emptyEditLineOnDisable = false;
    m_column = new WordColumn(m_list, m_input, m_on, m_off, options, this);
    connect(m_column, &WordColumn::switchedOn, this, &IdeaColumn::switchOn);
    connect(m_column, &WordColumn::switchedOff, this, &IdeaColumn::switchOff);
    m_column->applySwitch();

    QPushButton *add = makeButton("Commanda", QStringLiteral("添加"),
                                  QStringLiteral("把文本框中的内容添加到列表框中"));
    QPushButton *remove =
        makeButton("Commandd", QStringLiteral("删除"), QStringLiteral("删除列表框中选中的单词"));
    QPushButton *clear = makeButton(
        "Commandc", QStringLiteral("清空"),
        QStringLiteral("清空列表框全部单词。注意：至少要添加1个单词自动和随机功能才可用"));
    QPushButton *random =
        makeButton("Commandrr", QStringLiteral("随机"), QStringLiteral("随机显示列表框中的单词"));
    QPushButton *save =
        makeButton("Command2ck", QStringLiteral("存词"), QStringLiteral("保存本栏全部单词"));
    QPushButton *load = makeButton("Command2dy", QStringLiteral("调用"),
                                   QStringLiteral("调用第%1栏上次保存过的单词").arg(index + 1));
    connect(add, &QPushButton::clicked, m_column, &WordColumn::addInput);
    connect(remove, &QPushButton::clicked, m_column, &WordColumn::removeSelected);
    connect(clear, &QPushButton::clicked, m_column, &WordColumn::clearList);
    connect(random, &QPushButton::clicked, m_column, &WordColumn::pickRandom);
    connect(save, &QPushButton::clicked, this, &IdeaColumn::saveWords);
    connect(load, &QPushButton::clicked, this, &IdeaColumn::loadWords);

    auto *inputRow = new QHBoxLayout;
    inputRow->setSpacing(2);
    inputRow->addWidget(m_input, 1);
    if (index < IdeaDefaults::ColumnCount - 1) {
        m_shift = new QPushButton(QStringLiteral(">"), this);
        m_shift->setObjectName(arrayName("Command10", index));
        if (index < IdeaDefaults::ColumnCount - 2)
            m_shift->setToolTip(QStringLiteral("与右栏交换内容"));
        m_shift->setFixedWidth(m_shift->fontMetrics().horizontalAdvance(QStringLiteral(">>")) + 10);
        inputRow->addWidget(m_shift);
    }

    auto *buttons = new QGridLayout;
    buttons->setSpacing(2);
    buttons->addWidget(add, 0, 0);
    buttons->addWidget(remove, 0, 1);
    buttons->addWidget(clear, 0, 2);
    buttons->addWidget(random, 1, 0);
    buttons->addWidget(save, 1, 1);
    buttons->addWidget(load, 1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_caption);
    layout->addWidget(m_lead);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_trail);
    layout->addLayout(inputRow);
    layout->addWidget(switchFrame);
    layout->addLayout(buttons);

    auto *spoken = new ColumnNames(m_caption);
    spoken->name(m_lead, QStringLiteral("前接词"));
    spoken->name(m_list->listWidget(), ColumnNames::roleOfList());
    spoken->name(m_list->lineEdit(), QStringLiteral("单词列表编辑框"));
    spoken->name(m_trail, QStringLiteral("后接词"));
    spoken->name(m_input, ColumnNames::roleOfInput());
    if (m_shift) // the last but one has no tool tip, but a name all the same
        m_shift->setAccessibleName(QStringLiteral("与右栏交换内容"));
}

QPushButton *IdeaColumn::makeButton(const char *name, const QString &caption,
                                    const QString &toolTip)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(arrayName(name, m_index));
    button->setToolTip(toolTip);
    fitToCaption(button);
    return button;
}

bool IdeaColumn::isEnabled() const
{
    return m_column->isEnabled();
}

void IdeaColumn::switchOn()
{
    m_lead->setEnabled(true);
    m_trail->setEnabled(true);
}

void IdeaColumn::switchOff()
{
    m_lead->setText(QString());
    m_trail->setText(QString());
    emit switchedOff();
}

void IdeaColumn::saveWords()
{
    if (isEnabled())
        WordLibrary::saveList(m_list, WordLibrary::ideaFileName(m_index), this);
}

void IdeaColumn::loadWords()
{
    if (isEnabled())
        WordLibrary::loadList(m_list, WordLibrary::ideaFileName(m_index), this);
}
