#include "question/question_column.h"

#include "columns/column_names.h"
#include "columns/simple_combo.h"
#include "columns/word_column.h"
#include "question/command_box.h"
#include "storage/word_library.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QString element(const QString &name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

} // namespace

QuestionColumn::Names QuestionColumn::Names::questionWordColumn()
{
    return {QStringLiteral("Textyw"),     QStringLiteral("Comboyw"),
            QStringLiteral("Textywx"),    QStringLiteral("Optionqyyw"),
            QStringLiteral("Optiontyyw"), QStringLiteral("Frame24(0)"),
            QStringLiteral("Combom"),     QString()};
}

QuestionColumn::Names QuestionColumn::Names::wordColumn(int index)
{
    // Column 0's switch frame is element 10: element 0 belongs to the question-word column.
    const int frame = index == 0 ? 10 : index;
    const bool hasShift = index < QuestionDefaults::WordColumnCount - 1;
    return {element(QStringLiteral("Text8"), index),
            element(QStringLiteral("Combowt"), index),
            element(QStringLiteral("Text6"), index),
            element(QStringLiteral("Option3"), index),
            element(QStringLiteral("Option4"), index),
            element(QStringLiteral("Frame24"), frame),
            element(QStringLiteral("Comboml"), index),
            hasShift ? element(QStringLiteral("Commandy"), index) : QString()};
}

QuestionColumn::QuestionColumn(const Names &names, const QuestionDefaults::Column &defaults,
                               const QString &libraryFileName, QWidget *parent)
    : QWidget(parent), m_libraryFileName(libraryFileName)
{
    m_caption = new QLineEdit(defaults.caption, this);
    m_caption->setObjectName(names.caption);

    m_list = new SimpleCombo(this);
    m_list->setObjectName(names.list);
    m_list->addItems(defaults.words);
    // A row of scroll bar costs a word; a long word shows whole in the edit line.
    m_list->listWidget()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    m_input = new QLineEdit(this);
    m_input->setObjectName(names.input);

    auto *frame = new QFrame(this);
    frame->setObjectName(names.frame);
    m_on = new QRadioButton(QStringLiteral("启用"), frame);
    m_on->setObjectName(names.on);
    m_on->setToolTip(QStringLiteral("启用本栏列表框"));
    m_off = new QRadioButton(QStringLiteral("停用"), frame);
    m_off->setObjectName(names.off);
    m_off->setToolTip(QStringLiteral("停用本栏列表框"));
    // Set before the column listens, so start-up keeps the lists' initial edit lines.
    (defaults.enabled ? m_on : m_off)->setChecked(true);
    auto *switches = new QVBoxLayout(frame);
    switches->setContentsMargins(0, 0, 0, 0);
    switches->setSpacing(0);
    for (QRadioButton *option : {m_on, m_off}) {
        option->setMaximumHeight(option->fontMetrics().height() + 4);
        switches->addWidget(option);
    }

    m_commands = new CommandBox(this);
    m_commands->setObjectName(names.command);
    m_commands->addItems(QuestionDefaults::commands());
    m_commands->setCurrentIndex(int(QuestionDefaults::commands().indexOf(defaults.commandCaption)));

    m_column = new WordColumn(m_list, m_input, m_on, m_off, WordColumn::Options{}, this);
    m_column->applySwitch();
    m_list->setText(defaults.editLine);

    auto *switchRow = new QHBoxLayout;
    switchRow->setSpacing(1);
    switchRow->addWidget(frame, 1);
    if (!names.shift.isEmpty()) {
        m_shift = new QPushButton(QStringLiteral(">"), this);
        m_shift->setObjectName(names.shift);
        m_shift->setToolTip(QStringLiteral("与右栏交换内容"));
        m_shift->setFixedWidth(m_shift->fontMetrics().horizontalAdvance(QLatin1Char('>')) + 10);
        m_shift->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        switchRow->addWidget(m_shift);
    }

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_caption);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_input);
    layout->addLayout(switchRow);
    layout->addWidget(m_commands);

    connect(m_commands, &QComboBox::activated, this, &QuestionColumn::runCommand);

    auto *spoken = new ColumnNames(m_caption);
    spoken->name(m_list->listWidget(), ColumnNames::roleOfList());
    spoken->name(m_list->lineEdit(), QStringLiteral("单词列表编辑框"));
    spoken->name(m_input, ColumnNames::roleOfInput());
    spoken->name(m_commands, QStringLiteral("命令"));
    if (m_shift)
        m_shift->setAccessibleName(m_shift->toolTip());
}

bool QuestionColumn::isSwitchedOn() const
{
    return m_column->isEnabled();
}

void QuestionColumn::runCommand(int position)
{
    switch (position) {
    case QuestionDefaults::Save:
        if (isSwitchedOn())
            WordLibrary::saveList(m_list, m_libraryFileName, window());
        break;
    case QuestionDefaults::Load:
        if (isSwitchedOn())
            WordLibrary::loadList(m_list, m_libraryFileName, window());
        break;
    case QuestionDefaults::Remove:
        m_column->removeSelected();
        break;
    case QuestionDefaults::Clear:
        m_column->clearList();
        break;
    case QuestionDefaults::Add:
        m_column->addInput();
        break;
    case QuestionDefaults::Random:
        m_column->pickRandom();
        break;
    case QuestionDefaults::Erase:
        m_column->erase();
        break;
    default:
        break;
    }
}
