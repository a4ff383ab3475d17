#pragma once

#include <QString>
#include <QStringList>

// What the question page's columns hold at every start; nothing of it is kept between runs.
namespace QuestionDefaults {

constexpr int WordColumnCount = 10;

struct Column
{
    QString caption;
    QString editLine; // shown in the list's edit line until a word is selected
    bool enabled = false;
    QStringList words;
    QString commandCaption; // what the command box happens to show at start
};

Column questionWordColumn();
Column wordColumn(int index); // 0 .. WordColumnCount - 1

// The column command box, in position order: 存词, 调用, 删除, 清空, 添加, 随机, 擦除.
QStringList commands();
enum Command
{
    Save = 0,
    Load,
    Remove,
    Clear,
    Add,
    Random,
    Erase
};

QString initialQuestionWord(); // Textywx at start

} // namespace QuestionDefaults
