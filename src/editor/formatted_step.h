#pragma once

#include <QTextDocumentFragment>

// Where a step changed the editor and, where plain text would not bring it back as it was
// (pictures, tables, lists, other formats), what the span held before and after the step.
// Before is taken when the step removes it, After when an undo removes it.
struct FormattedStep
{
    qint32 Start = 0;
    qint32 BeforeLen = 0;
    qint32 AfterLen = 0;
    QTextDocumentFragment Before;
    QTextDocumentFragment After;
};
