#include "title/title_column.h"

#include "app/readable_colour.h"
#include "columns/column_names.h"
#include "columns/simple_combo.h"
#include "columns/word_column.h"
#include "storage/word_library.h"
#include "title/title_defaults.h"

#include <QEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QString indexed(const QString &name, int index)
{
    return QStringLiteral("%1(%2)").arg(name).arg(index);
}

// Fusion asks 80 pixels and generous padding for every push button; seven columns of six
// buttons need less.
void fitToText(QPushButton *button)
{
    const QFontMetrics metrics = button->fontMetrics();
    button->setMinimumWidth(metrics.horizontalAdvance(button->text()) + 10);
    button->setFixedHeight(qMax(metrics.height(), metrics.boundingRect(button->text()).height()) +
                           8);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
}

} // namespace

TitleColumn::TitleColumn(int index, const TitleColumnDefault &defaults, bool withShiftButton,
                         QWidget *parent)
    : QWidget(parent), m_index(index)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);

    auto *captionRow = new QHBoxLayout;
    captionRow->setSpacing(1);
    m_caption = new QLineEdit(defaults.caption, this);
    m_caption->setObjectName(indexed(QStringLiteral("Text1"), index));
    m_caption->setMinimumWidth(20);
    captionRow->addWidget(m_caption, 1);
    const int shiftWidth = fontMetrics().horizontalAdvance(QStringLiteral(">")) + 10;
    if (withShiftButton) {
        auto *shift = new QPushButton(QStringLiteral(">"), this);
        shift->setObjectName(indexed(QStringLiteral("Command11"), index));
        shift->setToolTip(QStringLiteral("与右栏交换内容"));
        shift->setAccessibleName(shift->toolTip());
        shift->setFixedWidth(shiftWidth);
        connect(shift, &QPushButton::clicked, this, [this] { emit shiftRequested(m_index); });
        captionRow->addWidget(shift);
    } else {
        captionRow->addSpacing(shiftWidth + captionRow->spacing()); // as wide as the others
    }
    layout->addLayout(captionRow);

    m_list = new SimpleCombo(this);
    m_list->setObjectName(indexed(QStringLiteral("Combotm"), index));
    m_list->setSorted(defaults.sorted);
    for (const QString &word : defaults.words)
        m_list->insertItem(m_list->count(), word); // stored order, whatever the collation
    applyListColours();
    m_list->setMinimumHeight(120);
    layout->addWidget(m_list, 1);

    auto *frame = new QFrame(this);
    frame->setObjectName(indexed(QStringLiteral("Frame"), index));
    frame->setFrameShape(QFrame::StyledPanel);
    auto *switchRow = new QHBoxLayout(frame);
    switchRow->setContentsMargins(2, 0, 2, 0);
    switchRow->setSpacing(2);
    auto *on = new QRadioButton(QStringLiteral("启用"), frame);
    on->setObjectName(indexed(QStringLiteral("Optionqy3"), index));
    on->setToolTip(QStringLiteral("启用本栏列表框"));
    auto *off = new QRadioButton(QStringLiteral("停用"), frame);
    off->setObjectName(indexed(QStringLiteral("Optionty3"), index));
    off->setToolTip(QStringLiteral("停用本栏列表框"));
    (defaults.enabled ? on : off)->setChecked(true);
    switchRow->addWidget(on);
    switchRow->addWidget(off);
    layout->addWidget(frame);

    m_column = new WordColumn(m_list, m_list->lineEdit(), on, off,
                              WordColumn::Options{/*emptyEditLineOnDisable=*/true,
                                                  /*deleteEmptiesInput=*/false},
                              this);
    m_column->applySwitch();
    auto *spoken = new ColumnNames(m_caption);
    spoken->name(m_list->listWidget(), ColumnNames::roleOfList());
    spoken->name(m_list->lineEdit(), ColumnNames::roleOfInput()); // the edit line is the input

    connect(addButton(QStringLiteral("Commandtj3"), QStringLiteral("添加单词"),
                      QStringLiteral("把文本框中的内容添加到列表框中")),
            &QPushButton::clicked, m_column, &WordColumn::addInput);
    connect(addButton(QStringLiteral("Commandsc3"), QStringLiteral("删除单词"),
                      QStringLiteral("删除列表框中选中的单词")),
            &QPushButton::clicked, m_column, &WordColumn::removeSelected);
    connect(addButton(
                QStringLiteral("Commandqk3"), QStringLiteral("全部清空"),
                QStringLiteral("清空列表框全部单词。注意：至少要添加1个单词自动和随机功能才可用")),
            &QPushButton::clicked, m_column, &WordColumn::clearList);
    connect(addButton(QStringLiteral("Commandsj3"), QStringLiteral("随机调整"),
                      QStringLiteral("随机显示列表框中的单词")),
            &QPushButton::clicked, m_column, &WordColumn::pickRandom);
    connect(addButton(QStringLiteral("Commandbc3"), QStringLiteral("存为词库"),
                      QStringLiteral("把列表框中的现有单词存为本栏词库")),
            &QPushButton::clicked, this, &TitleColumn::saveLibrary);
    connect(addButton(QStringLiteral("Commandck3"), QStringLiteral("调用词库"),
                      QStringLiteral("调出上次保存的本栏词库")),
            &QPushButton::clicked, this, &TitleColumn::loadLibrary);
}

// The lists wear the tool-tip colours; some dark palettes pair a light tool-tip text with
// a light tool-tip background, so the text is made to read on the background taken.
void TitleColumn::applyListColours()
{
    QPalette colours = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        const QColor background = colours.color(group, QPalette::ToolTipBase);
        colours.setColor(group, QPalette::Base, background);
        colours.setColor(
            group, QPalette::Text,
            ReadableColour::readableOn(background, colours.color(group, QPalette::ToolTipText)));
    }
    m_list->setPalette(colours);
}

void TitleColumn::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        applyListColours();
}

QPushButton *TitleColumn::addButton(const QString &name, const QString &caption,
                                    const QString &toolTip)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(indexed(name, m_index));
    button->setToolTip(toolTip);
    fitToText(button);
    layout()->addWidget(button);
    return button;
}

QString TitleColumn::currentWord() const
{
    return m_list->text();
}

bool TitleColumn::isSwitchedOn() const
{
    return m_column->isEnabled();
}

void TitleColumn::saveLibrary()
{
    if (!m_column->isEnabled())
        return;
    WordLibrary::saveList(m_list, WordLibrary::titleFileName(m_index), this);
}

void TitleColumn::loadLibrary()
{
    if (!m_column->isEnabled())
        return;
    WordLibrary::loadList(m_list, WordLibrary::titleFileName(m_index), this);
    m_list->listWidget()->scrollToTop();
}
