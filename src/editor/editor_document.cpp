#include "editor/editor_document.h"

#include <QTextDocument>
#include <QTextEdit>

namespace EditorDocument {

std::unique_ptr<QTextDocument> createLike(const QTextDocument &current)
{
    auto document = std::make_unique<QTextDocument>();
    // Before any text goes in: a reader's edits would otherwise fill an undo stack.
    document->setUndoRedoEnabled(current.isUndoRedoEnabled());
    document->setDefaultFont(current.defaultFont());
    document->setDefaultTextOption(current.defaultTextOption());
    document->setDefaultStyleSheet(current.defaultStyleSheet());
    document->setDocumentMargin(current.documentMargin());
    document->setIndentWidth(current.indentWidth());
    document->setUseDesignMetrics(current.useDesignMetrics());
    document->setDefaultCursorMoveStyle(current.defaultCursorMoveStyle());
    document->setMaximumBlockCount(current.maximumBlockCount());
    return document;
}

void install(QTextEdit *edit, std::unique_ptr<QTextDocument> document)
{
    // QTextEdit frees the document it replaces when its text control is the parent, as it
    // is of the editor's first document; the swapped-in ones are given the same parent.
    QObject *control = nullptr;
    for (QObject *child : edit->children()) {
        if (child->inherits("QWidgetTextControl")) {
            control = child;
            break;
        }
    }
    document->setParent(control ? control : edit);
    edit->setDocument(document.release());
}

} // namespace EditorDocument
