// Not a benchmark: shows the main window on the editor page with a picture, a table and a
// link in the document, as a user would see it, and saves the window as a PNG.
// Run: build/bench/editor_shot OUT.png [WIDTH HEIGHT [end]]  (under xvfb-run, or offscreen)
//  or: build/bench/editor_shot OUT.png WIDTH HEIGHT open FILE.rtf: the file as opened, then
//      OUT-reopened.png after a save to a copy and opening the copy again.

#include "app/form1.h"
#include "editor/editor_page.h"
#include "editor/rich_text_box.h"

#include <QApplication>
#include <QPainter>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextTable>
#include <cstdio>

namespace {

bool grabTo(Form1 &form, const QString &out)
{
    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
    const bool saved = form.grab().save(out);
    std::printf("%s %s\n", saved ? "saved" : "NOT saved", qPrintable(out));
    return saved;
}

int showFile(Form1 &form, EditorPage *page, const QString &out, const QString &file,
             const QString &copy)
{
    if (!page->openFrom(file) || !grabTo(form, out))
        return 1;
    QString reopened = out;
    reopened.insert(reopened.endsWith(QStringLiteral(".png")) ? reopened.size() - 4
                                                              : reopened.size(),
                    QStringLiteral("-reopened"));
    if (!page->saveTo(copy) || !page->openFrom(copy))
        return 1;
    return grabTo(form, reopened) ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: editor_shot OUT.png [WIDTH HEIGHT]\n");
        return 2;
    }
    Form1 form;
    form.resize(argc >= 4 ? QString::fromLocal8Bit(argv[2]).toInt() : 792,
                argc >= 4 ? QString::fromLocal8Bit(argv[3]).toInt() : 539);
    form.show();
    EditorPage *page = form.editorPage();
    form.findChild<QTabWidget *>()->setCurrentWidget(page);
    if (argc >= 6 && QByteArray(argv[4]) == "open")
        return showFile(form, page, QString::fromLocal8Bit(argv[1]),
                        QString::fromLocal8Bit(argv[5]), data.filePath(QStringLiteral("copy.rtf")));

    // A picture as a user would pick it: a file on disk, wider than the page.
    QImage image(1400, 500, QImage::Format_RGB32);
    image.fill(QColor(235, 242, 250));
    QPainter painter(&image);
    painter.setPen(QPen(QColor(20, 80, 160), 12));
    painter.drawEllipse(QRect(60, 60, 380, 380));
    painter.drawLine(500, 250, 1340, 250);
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(90);
    painter.setFont(font);
    painter.drawText(QRect(500, 40, 860, 180), Qt::AlignCenter, QStringLiteral("示意图"));
    painter.end();
    const QString picture = data.filePath(QStringLiteral("示意图.png"));
    image.save(picture);

    page->appendTransfer(QStringLiteral("      问题提示：《"), QStringLiteral("能否使泵变轻"));
    QTextCursor cursor = page->editor()->textCursor();
    cursor.insertText(QStringLiteral("附图："));
    page->editor()->setTextCursor(cursor);
    page->insertPictureFrom(picture);
    cursor = page->editor()->textCursor();
    cursor.insertBlock();
    QTextTable *table = cursor.insertTable(3, 3);
    const QStringList cells = {
        QStringLiteral("部件"), QStringLiteral("材料"),     QStringLiteral("作用"),
        QStringLiteral("泵壳"), QStringLiteral("铝合金"),   QStringLiteral("减轻重量"),
        QStringLiteral("叶轮"), QStringLiteral("工程塑料"), QStringLiteral("降低噪声")};
    for (int i = 0; i < cells.size(); ++i)
        table->cellAt(i / 3, i % 3).firstCursorPosition().insertText(cells.at(i));
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(QStringLiteral("https://www.cnipa.gov.cn/"));
    link.setForeground(QColor(0, 0, 200));
    link.setFontUnderline(true);
    cursor.insertText(QStringLiteral("参考："));
    cursor.insertText(QStringLiteral("国家知识产权局"), link);
    // A fourth argument "end" shows the end of the document (the table) instead.
    const bool atEnd = argc >= 5 && QByteArray(argv[4]) == "end";
    page->editor()->moveCursor(atEnd ? QTextCursor::End : QTextCursor::Start);

    for (int i = 0; i < 10; ++i)
        QApplication::processEvents();
    const bool saved = form.grab().save(QString::fromLocal8Bit(argv[1]));
    std::printf("%s %s\n", saved ? "saved" : "NOT saved", argv[1]);
    return saved ? 0 : 1;
}
