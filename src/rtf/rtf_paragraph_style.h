#pragma once

#include <QtGlobal>
#include <string>

class QTextBlockFormat;

// The paragraph words for a block's format, after the \pard that resets them: alignment,
// indents, spacing, line height and a page break before it. qreal lengths become twips.
std::string rtfParagraphWords(const QTextBlockFormat &format, qreal indentWidth,
                              bool pageBreakBefore);
