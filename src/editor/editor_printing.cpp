#include "editor/editor_printing.h"

#include <QAbstractTextDocumentLayout>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace EditorPrinting {

void printDocument(const QTextDocument &doc, QPrinter *printer)
{
    std::unique_ptr<QTextDocument> copy(doc.clone());
    copy->documentLayout()->setPaintDevice(printer);
    // A document with a page size counts as paginated, and QTextDocument::print then adds
    // no page numbers of its own.
    copy->setPageSize(QSizeF(printer->width(), printer->height()));
    copy->print(printer);
}

std::unique_ptr<QTextDocument> selectionDocument(const QTextCursor &selection,
                                                 const QFont &defaultFont)
{
    auto part = std::make_unique<QTextDocument>();
    part->setDefaultFont(defaultFont);
    QTextCursor(part.get()).insertFragment(selection.selection());
    return part;
}

} // namespace EditorPrinting
