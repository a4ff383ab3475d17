#include "question/question_composer.h"

#include <algorithm>

namespace QuestionComposer {

bool listsHoldWords(const QList<int> &entryCounts)
{
    return std::all_of(entryCounts.cbegin(), entryCounts.cend(),
                       [](int count) { return count > 0; });
}

Step manualStep(bool listsHoldWords, bool combineMode, bool randomMode, bool automaticStopped)
{
    if (!listsHoldWords || !automaticStopped)
        return Step::Nothing;
    if (combineMode)
        return Step::JoinAsIs;
    if (randomMode)
        return Step::DrawThenJoin;
    return Step::Nothing;
}

Step automaticStep(bool listsHoldWords, bool automaticRunning)
{
    return listsHoldWords && automaticRunning ? Step::DrawThenJoin : Step::Nothing;
}

QString joinQuestion(const QString &questionWord, const QStringList &columnInputs)
{
    return questionWord + columnInputs.join(QString());
}

} // namespace QuestionComposer
