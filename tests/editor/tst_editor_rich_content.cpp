#include "editor/character_count.h"
#include "editor/editor_page.h"
#include "editor/editor_tools.h"
#include "editor/find_bar.h"
#include "editor/picture_insertion.h"
#include "editor/rich_text_box.h"
#include "editor/selection_format.h"
#include "support/typing.h"
#include "support/url_recorder.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinter>
#include <QTextBlock>
#include <QTextTable>
#include <QtTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

void onNextModal(QObject *context, std::function<void(QWidget *)> handler)
{
    auto *timer = new QTimer(context);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, context, [timer, handler] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        handler(modal);
    });
    timer->start();
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage stripes(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int y = 0; y < height; y += 4)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(0, 90, 200));
    return image;
}

} // namespace

// Pictures, links and tables in the editor, and the page's tools working on them.
class TestEditorRichContent : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void insertImage_keepsPngAndJpegBytesScalesToPage_data();
    void insertImage_keepsPngAndJpegBytesScalesToPage();
    void insertImage_menuItemAsksForFile();
    void insertImage_unreadableFileSaysSoInChinese();
    void insertImage_tooWideForLineStartsParagraph();
    void paste_pictureOnlyClipboardInsertsPicture();
    void ctrlClick_opensWebAndMailLinksOnly_data();
    void ctrlClick_opensWebAndMailLinksOnly();
    void styleButtons_applyToSelectedCellsOnly();
    void alignment_appliesInsideCell();
    void tools_workWithTablesAndPictures();

private:
    RichTextBox *edit() const { return m_page->editor(); }
    QTextDocument *doc() const { return edit()->document(); }
    QTextImageFormat onlyPicture() const
    {
        for (QTextBlock b = doc()->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat())
                    return it.fragment().charFormat().toImageFormat();
        return {};
    }
    QTextTable *tableAtEnd(int rows, int columns)
    {
        QTextCursor cursor(doc());
        cursor.movePosition(QTextCursor::End);
        return cursor.insertTable(rows, columns);
    }

    std::unique_ptr<EditorPage> m_page;
    QTemporaryDir m_dir;
};

void TestEditorRichContent::init()
{
    m_page = std::make_unique<EditorPage>();
    m_page->resize(792, 539);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    edit()->setFocus();
    edit()->moveCursor(QTextCursor::End);
}

void TestEditorRichContent::cleanup()
{
    m_page.reset();
}

void TestEditorRichContent::insertImage_keepsPngAndJpegBytesScalesToPage_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("bytesKept");
    const QImage wide = stripes(3000, 1500); // far wider than the page
    QTest::newRow("png") << "png" << encoded(wide, "png") << true;
    QTest::newRow("jpeg") << "jpg" << encoded(wide, "jpg") << true;
    QTest::newRow("bmp, stored as png") << "bmp" << encoded(wide, "bmp") << false;
    // Qt writes no GIF: a 2 x 1 picture made by hand.
    QTest::newRow("gif, stored as png")
        << "gif"
        << QByteArray::fromHex(
               "47494638396102000100800000000000ffffff2c0000000002000100000202040a003b")
        << false;
}

void TestEditorRichContent::insertImage_keepsPngAndJpegBytesScalesToPage()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, bytesKept);
    QVERIFY(!bytes.isEmpty());
    // The extension says nothing: the bytes decide.
    const QString path = m_dir.filePath(QStringLiteral("图片.") + format);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    QVERIFY(m_page->insertPictureFrom(path));
    const QTextImageFormat picture = onlyPicture();
    QVERIFY(picture.isValid());
    const QVariant resource = doc()->resource(QTextDocument::ImageResource, QUrl(picture.name()));
    QCOMPARE(resource.userType(), QMetaType::QByteArray);
    if (bytesKept)
        QCOMPARE(resource.toByteArray(), bytes);
    else
        QVERIFY(resource.toByteArray().startsWith("\x89PNG"));
    QCOMPARE(qRound(picture.width() / picture.height() * 100), 200);
    if (format == u"gif")
        return;
    QVERIFY(picture.width() > 400);
    QVERIFY(picture.width() <= edit()->viewport()->width());
    QVERIFY(m_page->hasUnsavedChanges());
}

void TestEditorRichContent::insertImage_menuItemAsksForFile()
{
    auto *menu = m_page->findChild<QMenu *>(QStringLiteral("wenjian"));
    QAction *item = menu->findChild<QAction *>(QStringLiteral("insertImage"));
    QVERIFY(item);
    QCOMPARE(item->text(), QStringLiteral("插入图片…"));
    const QString path = m_dir.filePath(QStringLiteral("small.png"));
    QVERIFY(stripes(40, 20).save(path));
    QString filters;
    onNextModal(this, [&](QWidget *modal) {
        auto *dialog = qobject_cast<QFileDialog *>(modal);
        QVERIFY(dialog);
        filters = dialog->nameFilters().join(u';');
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    item->trigger();
    for (const char *pattern : {"*.png", "*.jpg", "*.jpeg", "*.bmp", "*.gif"})
        QVERIFY2(filters.contains(QLatin1String(pattern)), pattern);
    // A small picture keeps its own size: 40 pixels at 96 dpi are 30 points.
    QCOMPARE(onlyPicture().width(), 30.0);
}

void TestEditorRichContent::insertImage_unreadableFileSaysSoInChinese()
{
    const QString path = m_dir.filePath(QStringLiteral("假图片.png"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("this is text, not a picture");
    file.close();
    const QString before = edit()->toPlainText();
    QString message;
    onNextModal(this, [&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        QVERIFY(box);
        message = box->text();
        box->accept();
    });
    QVERIFY(!m_page->insertPictureFrom(path));
    QVERIFY(message.contains(QStringLiteral("假图片.png")));
    QVERIFY(message.contains(QStringLiteral("不是可以读取的图片")));
    QCOMPARE(edit()->toPlainText(), before);
}

void TestEditorRichContent::insertImage_tooWideForLineStartsParagraph()
{
    const QString wide = m_dir.filePath(QStringLiteral("wide.png"));
    const QString small = m_dir.filePath(QStringLiteral("small.png"));
    QVERIFY(stripes(3000, 300).save(wide));
    QVERIFY(stripes(16, 16).save(small));
    typeText(edit(), QStringLiteral("\n附图："));
    QVERIFY(m_page->insertPictureFrom(small));
    QCOMPARE(edit()->textCursor().block().text(),
             QStringLiteral("附图：") + QChar::ObjectReplacementCharacter);
    QVERIFY(m_page->insertPictureFrom(wide));
    QCOMPARE(edit()->textCursor().block().text(), QString(QChar::ObjectReplacementCharacter));
    QCOMPARE(edit()->textCursor().block().previous().text(),
             QStringLiteral("附图：") + QChar::ObjectReplacementCharacter);
    // One step for the history: undo takes the picture and its paragraph away together.
    QTest::keyClick(edit(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit()->textCursor().block().text(),
             QStringLiteral("附图：") + QChar::ObjectReplacementCharacter);
    QVERIFY(!edit()->textCursor().block().next().isValid());
}

void TestEditorRichContent::paste_pictureOnlyClipboardInsertsPicture()
{
    QGuiApplication::clipboard()->setImage(stripes(1600, 400));
    QTest::keyClick(edit(), Qt::Key_V, Qt::ControlModifier);
    const QTextImageFormat picture = onlyPicture();
    QVERIFY(picture.isValid());
    QVERIFY(picture.width() <= edit()->viewport()->width());
    QVERIFY(doc()
                ->resource(QTextDocument::ImageResource, QUrl(picture.name()))
                .toByteArray()
                .startsWith("\x89PNG"));

    // Text beside a picture stays plain text.
    auto *data = new QMimeData;
    data->setImageData(stripes(10, 10));
    data->setText(QStringLiteral("文字"));
    QGuiApplication::clipboard()->setMimeData(data);
    const int pictures = int(edit()->toPlainText().count(QChar::ObjectReplacementCharacter));
    QTest::keyClick(edit(), Qt::Key_V, Qt::ControlModifier);
    QVERIFY(edit()->toPlainText().endsWith(QStringLiteral("文字")));
    QCOMPARE(int(edit()->toPlainText().count(QChar::ObjectReplacementCharacter)), pictures);
}

void TestEditorRichContent::ctrlClick_opensWebAndMailLinksOnly_data()
{
    QTest::addColumn<QString>("href");
    QTest::addColumn<bool>("opens");
    QTest::newRow("https") << "https://www.cnipa.gov.cn/发明" << true;
    QTest::newRow("http") << "http://example.com/" << true;
    QTest::newRow("mailto") << "mailto:someone@example.com" << true;
    QTest::newRow("ftp") << "ftp://ftp.example.com/file.txt" << true;
    QTest::newRow("file") << "file:///etc/passwd" << false;
    QTest::newRow("javascript") << "javascript:alert(1)" << false;
}

void TestEditorRichContent::ctrlClick_opensWebAndMailLinksOnly()
{
    QFETCH(QString, href);
    QFETCH(bool, opens);
    UrlRecorder recorder;
    const QStringList schemes = {u"http"_s, u"https"_s, u"mailto"_s,
                                 u"ftp"_s,  u"file"_s,  u"javascript"_s};
    for (const QString &scheme : schemes)
        QDesktopServices::setUrlHandler(scheme, &recorder, "open");
    const auto unset = qScopeGuard([&] {
        for (const QString &scheme : schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    });

    edit()->clear();
    QTextCharFormat link;
    link.setAnchor(true);
    link.setAnchorHref(href);
    QTextCursor(doc()).insertText(QStringLiteral("专利检索链接文字"), link);
    const QPoint onLink = edit()->cursorRect(QTextCursor(doc())).center() + QPoint(20, 0);
    edit()->moveCursor(QTextCursor::End);

    QTest::mouseMove(edit()->viewport(), QPoint(2, edit()->viewport()->height() - 2));
    QCOMPARE(edit()->viewport()->cursor().shape(), Qt::IBeamCursor);
    QTest::mouseMove(edit()->viewport(), onLink);
    QCOMPARE(edit()->viewport()->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(edit()->viewport(), Qt::LeftButton, Qt::NoModifier, onLink);
    QVERIFY(recorder.opened.isEmpty()); // a plain click places the caret
    QVERIFY(edit()->textCursor().position() < 8);
    QTest::mouseClick(edit()->viewport(), Qt::LeftButton, Qt::ControlModifier, onLink);
    QCOMPARE(recorder.opened.size(), opens ? 1 : 0);
    if (opens)
        QCOMPARE(recorder.opened.constFirst(), QUrl(href));
}

void TestEditorRichContent::styleButtons_applyToSelectedCellsOnly()
{
    QTextTable *table = tableAtEnd(2, 3);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 3; ++c)
            table->cellAt(r, c).firstCursorPosition().insertText(
                QStringLiteral("格%1%2").arg(r).arg(c));
    // Column 1 of both rows: a selection that spans cells, not the text between them.
    QTextCursor cursor = table->cellAt(0, 1).firstCursorPosition();
    cursor.setPosition(table->cellAt(1, 1).lastCursorPosition().position(),
                       QTextCursor::KeepAnchor);
    QVERIFY(cursor.hasComplexSelection());
    edit()->setTextCursor(cursor);
    const auto cellHas = [&](int r, int c, SelectionFormat::Style style) {
        QTextCursor in = table->cellAt(r, c).firstCursorPosition();
        in.setPosition(table->cellAt(r, c).lastCursorPosition().position(),
                       QTextCursor::KeepAnchor);
        return SelectionFormat::selectionHasStyle(in, QTextCharFormat(), style);
    };
    table->cellAt(1, 0).firstCursorPosition().mergeCharFormat(
        SelectionFormat::styleFormat(SelectionFormat::Style::Bold, true));

    for (const char *key : {"cuti", "xieti", "xhx"})
        m_page->Toolbar1_ButtonClick(QLatin1String(key));
    using S = SelectionFormat::Style;
    for (S style : {S::Bold, S::Italic, S::Underline}) {
        QVERIFY(cellHas(0, 1, style) && cellHas(1, 1, style));
        QVERIFY(!cellHas(0, 0, style) && !cellHas(0, 2, style) && !cellHas(1, 2, style));
    }
    // Both chosen cells bold now: the button takes it off them again, whatever cell (1, 0)
    // between them holds.
    m_page->Toolbar1_ButtonClick(QStringLiteral("cuti"));
    QVERIFY(!cellHas(0, 1, S::Bold) && !cellHas(1, 1, S::Bold));
}

void TestEditorRichContent::alignment_appliesInsideCell()
{
    QTextTable *table = tableAtEnd(1, 2);
    table->cellAt(0, 1).firstCursorPosition().insertText(QStringLiteral("居中"));
    edit()->setTextCursor(table->cellAt(0, 1).firstCursorPosition());
    m_page->Toolbar1_ButtonClick(QStringLiteral("zhong"));
    QCOMPARE(table->cellAt(0, 1).firstCursorPosition().blockFormat().alignment() &
                 Qt::AlignHorizontal_Mask,
             Qt::AlignHCenter);
    QCOMPARE(table->cellAt(0, 0).firstCursorPosition().blockFormat().alignment() & Qt::AlignHCenter,
             Qt::Alignment());
    QVERIFY(m_page->findChild<QAction *>(QStringLiteral("zhong"))->isChecked());
}

void TestEditorRichContent::tools_workWithTablesAndPictures()
{
    auto *tools = m_page->findChild<EditorTools *>();
    QVERIFY(tools);
    CharacterCount *count = tools->characterCount();
    count->flush();
    const int headingCount = count->count();
    QTextCursor cursor(doc());
    cursor.movePosition(QTextCursor::End);
    PictureInsertion::insert(cursor, PictureInsertion::fromImage(stripes(20, 20)), 400);
    QTextTable *table = cursor.insertTable(2, 2);
    table->cellAt(1, 1).firstCursorPosition().insertText(QStringLiteral("表中词"));
    // A picture and a table's borders are no characters.
    count->flush();
    QCOMPARE(count->count(), headingCount + 3);

    // The find bar finds words in a cell.
    tools->findBar()->showFind();
    tools->findBar()
        ->findChild<QLineEdit *>(QStringLiteral("findText"))
        ->setText(QStringLiteral("表中"));
    edit()->moveCursor(QTextCursor::Start);
    QVERIFY(tools->findBar()->findNext());
    QCOMPARE(edit()->textCursor().selectedText(), QStringLiteral("表中"));
    QVERIFY(edit()->textCursor().currentTable());

    // A transfer goes after the table, not into its last cell.
    m_page->appendTransfer(QStringLiteral("      问题提示：《"), QStringLiteral("能否使泵变轻"));
    const QTextCursor sentence = doc()->find(QStringLiteral("能否使泵变轻"));
    QVERIFY(!sentence.isNull());
    QVERIFY(!sentence.currentTable());
    QCOMPARE(table->cellAt(1, 1).firstCursorPosition().block().text(), QStringLiteral("表中词"));

    // Printing a document with a picture and a table gives a page.
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = m_dir.filePath(QStringLiteral("out.pdf"));
    printer.setOutputFileName(pdf);
    m_page->printTo(&printer);
    QVERIFY(QFileInfo(pdf).size() > 1000);

    // The close guard knows the document changed.
    QVERIFY(m_page->hasUnsavedChanges());
}

QTEST_MAIN(TestEditorRichContent)
#include "tst_editor_rich_content.moc"
