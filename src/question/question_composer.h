#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// How a question is made, without widgets: which step runs, and the joining.
namespace QuestionComposer {

enum class Step
{
    Nothing,      // a list is empty, or the other mode owns the page
    JoinAsIs,     // combine mode: the input boxes as the user left them
    DrawThenJoin, // random mode: a drawn word in every enabled word column first
};

// Every one of the eleven lists, disabled columns included, must hold a word.
bool listsHoldWords(const QList<int> &entryCounts);

// "提问": only while the automatic mode is stopped.
Step manualStep(bool listsHoldWords, bool combineMode, bool randomMode, bool automaticStopped);
// The timer's step: always draws, whatever the manual mode says.
Step automaticStep(bool listsHoldWords, bool automaticRunning);

// The question word, then the input boxes of columns 0 to 9, with nothing between.
QString joinQuestion(const QString &questionWord, const QStringList &columnInputs);

} // namespace QuestionComposer
