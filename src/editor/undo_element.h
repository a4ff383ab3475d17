#pragma once

#include "editor/formatted_step.h"
#include "editor/text_delta.h"

#include <memory>

// One snapshot of the editor: caret and text length when it was taken, and its text.
// The text is kept as the span by which it differs from the neighbouring snapshot nearer
// the newest one (the newest holds none: its text is the history's current text), so the
// history grows with the edits, not with the document times the number of edits.
// Formatted is set only for steps whose content plain text cannot restore.
struct UndoElement
{
    qint32 SelStart = 0;
    qint32 TextLen = 0;
    TextDelta Text;
    std::shared_ptr<FormattedStep> Formatted;
};
