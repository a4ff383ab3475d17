#pragma once

#include <memory>

class QFont;
class QPrinter;
class QTextCursor;
class QTextDocument;

namespace EditorPrinting {

// Prints doc with its formatting, page after page, without page numbers.
void printDocument(const QTextDocument &doc, QPrinter *printer);
// A document holding just the selected part of selection's document, formatting kept.
std::unique_ptr<QTextDocument> selectionDocument(const QTextCursor &selection,
                                                 const QFont &defaultFont);

} // namespace EditorPrinting
