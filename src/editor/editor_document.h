#pragma once

#include <memory>

class QTextDocument;
class QTextEdit;

// A file is read into a document of its own, which then takes the editor's place whole:
// copying a large document into the shown one costs several times the reading.
namespace EditorDocument {

// An empty document with the settings of current (default font, margins, options), its
// own undo switched off as the editor's is.
std::unique_ptr<QTextDocument> createLike(const QTextDocument &current);

// Shows document in edit, owned as the editor's first document was, so the next swap
// frees it; the document edit showed until now is freed. The caret is at the start.
void install(QTextEdit *edit, std::unique_ptr<QTextDocument> document);

} // namespace EditorDocument
