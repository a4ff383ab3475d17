#include "app/form1.h"
#include "columns/simple_combo.h"
#include "links/patent_search.h"
#include "results/result_export.h"
#include "results/result_list.h"
#include "results/result_list_menu.h"
#include "support/menu_action.h"
#include "support/message_box.h"
#include "support/url_recorder.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrlQuery>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

// What a query keeps when punctuation and blanks are set aside.
QString lettersOnly(const QString &text)
{
    QString kept;
    for (const QChar c : text) {
        if (c.isLetterOrNumber())
            kept += c;
    }
    return kept;
}

} // namespace

// The result lists' context menu: export all, search a patent database.
class TestResultListMenu : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void encode_utf8OneEntryPerLineInOrder();
    void exportAll_writesTheListAsShown_data();
    void exportAll_writesTheListAsShown();
    void exportAll_fullList();
    void exportAll_folderAsTarget_saysSoAndWritesNothing();
    void exportAll_cancelledDialog_writesNothing();

    void query_pagesPunctuationBecomesSpaces_data();
    void query_pagesPunctuationBecomesSpaces();
    void searchUrl_percentEncodedPerDatabase();
    void composedSentence_searchedFromTheEntryUnderTheMouse_data();
    void composedSentence_searchedFromTheEntryUnderTheMouse();
    void editLine_menuSearchesItsText();
    void menuKey_onTheList_searchesTheCurrentEntry();
    void emptySpace_disablesTheSearch();
    void failingBrowser_saysSo();

private:
    template <typename T> T *child(const QString &name)
    {
        T *found = m_form->findChild<T *>(name);
        if (!found)
            qFatal("no control %s", qPrintable(name));
        return found;
    }
    ResultListMenu *menuOf(SimpleCombo *list) { return list->findChild<ResultListMenu *>(); }
    QMenu *listMenu(SimpleCombo *list) { return list->findChild<QMenu *>(u"resultMenu"_s); }
    void rightClickRow(SimpleCombo *list, int row);
    QByteArray exportVia(SimpleCombo *list);

    QTemporaryDir m_home;
    UrlRecorder m_recorder;
    Form1 *m_form = nullptr;
};

void TestResultListMenu::initTestCase()
{
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home.filePath(u"config"_s).toUtf8());
    QDesktopServices::setUrlHandler(u"https"_s, &m_recorder, "open");
}

void TestResultListMenu::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(u"https"_s);
}

void TestResultListMenu::init()
{
    m_form = new Form1;
    m_form->show();
    m_recorder.opened.clear();
}

void TestResultListMenu::cleanup()
{
    delete m_form;
    m_form = nullptr;
}

void TestResultListMenu::rightClickRow(SimpleCombo *list, int row)
{
    QListWidget *view = list->listWidget();
    const QPoint at = view->visualItemRect(view->item(row)).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &event);
}

QByteArray TestResultListMenu::exportVia(SimpleCombo *list)
{
    const QString path = m_home.filePath(u"导出.txt"_s);
    QFile::remove(path);
    menuOf(list)->setFileChooser([path](QWidget *) { return path; });
    rightClickRow(list, 0);
    QMenu *menu = listMenu(list);
    if (!menu->isVisible())
        return "menu not shown";
    actionIn(menu, u"exportResults"_s)->trigger();
    menu->hide();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "not written";
    return file.readAll();
}

void TestResultListMenu::encode_utf8OneEntryPerLineInOrder()
{
    QCOMPARE(ResultExport::encode({}), QByteArray());
    QCOMPARE(ResultExport::encode({u"乙"_s, QString(), u"甲 𠀀"_s}),
             QByteArray("\xE4\xB9\x99\n\n\xE7\x94\xB2 \xF0\xA0\x80\x80\n"));
    // a line break typed into the edit line and added stays one entry, one line
    QCOMPARE(ResultExport::encode({u"一\n二"_s}), u"一 二\n"_s.toUtf8());
}

void TestResultListMenu::exportAll_writesTheListAsShown_data()
{
    QTest::addColumn<QString>("list");
    QTest::newRow("question") << u"Combo1wy"_s;
    QTest::newRow("idea") << u"Combo18"_s;
    QTest::newRow("title") << u"Combo7"_s;
}

void TestResultListMenu::exportAll_writesTheListAsShown()
{
    QFETCH(QString, list);
    auto *results = child<SimpleCombo>(list);
    results->clear();
    // newest on top, as the composers put them
    for (const QString &sentence : {u"第一句"_s, u"Second, 二"_s, u"第三句（  地）"_s})
        ResultList::pushNewest(results, sentence);
    QCOMPARE(exportVia(results), u"第三句（  地）\nSecond, 二\n第一句\n"_s.toUtf8());
}

void TestResultListMenu::exportAll_fullList()
{
    auto *results = child<SimpleCombo>(u"Combo7"_s);
    results->clear();
    QStringList entries;
    for (int i = 0; i < SimpleCombo::MaxCount; ++i)
        entries.append(u"题目%1"_s.arg(i));
    for (const QString &entry : entries)
        results->addItem(entry);
    const QByteArray bytes = exportVia(results);
    QCOMPARE(bytes.count('\n'), SimpleCombo::MaxCount);
    QCOMPARE(QString::fromUtf8(bytes).split(u'\n').mid(0, SimpleCombo::MaxCount), entries);
}

void TestResultListMenu::exportAll_folderAsTarget_saysSoAndWritesNothing()
{
    auto *results = child<SimpleCombo>(u"Combo18"_s);
    ResultList::pushNewest(results, u"思路"_s);
    const QString folder = m_home.filePath(u"一个文件夹"_s);
    QVERIFY(QDir().mkpath(folder));
    menuOf(results)->setFileChooser([folder](QWidget *) { return folder; });
    QString message;
    closeNextMessageBox(this, &message);
    menuOf(results)->exportAll();
    QVERIFY2(message.contains(QDir::toNativeSeparators(folder)), qPrintable(message));
    QVERIFY(QFileInfo(folder).isDir());
    QCOMPARE(QDir(folder).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             QStringList());
}

void TestResultListMenu::exportAll_cancelledDialog_writesNothing()
{
    auto *results = child<SimpleCombo>(u"Combo1wy"_s);
    ResultList::pushNewest(results, u"问题"_s);
    const QStringList before = QDir(m_home.path()).entryList();
    menuOf(results)->setFileChooser([](QWidget *) { return QString(); });
    menuOf(results)->exportAll();
    QCOMPARE(QDir(m_home.path()).entryList(), before);
}

void TestResultListMenu::query_pagesPunctuationBecomesSpaces_data()
{
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("query");
    QTest::newRow("question, inserted brackets")
        << u"如何使钢材（  地）熔化"_s << u"如何使钢材 地 熔化"_s;
    QTest::newRow("question, plain") << u"能否使泵变轻"_s << u"能否使泵变轻"_s;
    QTest::newRow("idea, random colon and commas")
        << u"关于冰箱:可否加热,能否引入电磁的原理,快速冷却如何"_s
        << u"关于冰箱 可否加热 能否引入电磁的原理 快速冷却如何"_s;
    QTest::newRow("title, ascii brackets") << u"电动(的把手)折叠伞"_s << u"电动 的把手 折叠伞"_s;
    QTest::newRow("transfer heading") << u"      题目名称：《电动伞》2026/12/8 10:00:00"_s
                                      << u"题目名称 电动伞 2026 12 8 10 00 00"_s;
    QTest::newRow("full-width marks")
        << u"杯子、盖子。能否？！“保温”"_s << u"杯子 盖子 能否 保温"_s;
    QTest::newRow("only punctuation") << u"（）：，"_s << QString();
    QTest::newRow("latin words keep their case") << u"USB-C, LED灯"_s << u"USB C LED灯"_s;
}

void TestResultListMenu::query_pagesPunctuationBecomesSpaces()
{
    QFETCH(QString, sentence);
    QFETCH(QString, query);
    QCOMPARE(PatentSearch::queryFrom(sentence), query);
}

void TestResultListMenu::searchUrl_percentEncodedPerDatabase()
{
    const auto &databases = PatentSearch::databases();
    QVERIFY(databases.size() >= 2);
    QCOMPARE(PatentSearch::searchUrl(databases.at(0), u"电动(的把手)"_s).toEncoded(),
             QByteArray(
                 "https://patents.google.com/?q=%E7%94%B5%E5%8A%A8%20%E7%9A%84%E6%8A%8A%E6%89%8B"));
    QCOMPARE(PatentSearch::searchUrl(databases.at(1), u"A&B=C#1"_s).toEncoded(),
             QByteArray("https://worldwide.espacenet.com/patent/search?q=A%20B%20C%201"));
    QVERIFY(PatentSearch::searchUrl(databases.at(0), u"《》"_s).isEmpty());
}

void TestResultListMenu::composedSentence_searchedFromTheEntryUnderTheMouse_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("composeButton");
    QTest::newRow("question") << u"Combo1wy"_s << u"Command1tw"_s;
    QTest::newRow("idea") << u"Combo18"_s << u"Command2"_s;
    QTest::newRow("title") << u"Combo7"_s << u"Commandsc0"_s;
}

void TestResultListMenu::composedSentence_searchedFromTheEntryUnderTheMouse()
{
    QFETCH(QString, list);
    QFETCH(QString, composeButton);
    auto *results = child<SimpleCombo>(list);
    results->clear();
    child<QPushButton>(composeButton)->click();
    child<QPushButton>(composeButton)->click();
    QCOMPARE(results->count(), 2);
    const QString sentence = results->itemText(1); // the older one, not the selected top

    rightClickRow(results, 1);
    QMenu *menu = listMenu(results);
    QVERIFY(menu->isVisible());
    QAction *search = actionIn(menu, u"searchPatents"_s);
    QVERIFY(search && search->isEnabled());
    for (const auto &database : PatentSearch::databases())
        actionIn(menu, database.key)->trigger();
    menu->hide();

    QCOMPARE(m_recorder.opened.size(), PatentSearch::databases().size());
    QCOMPARE(m_recorder.opened.at(0).host(), u"patents.google.com"_s);
    QCOMPARE(m_recorder.opened.at(1).host(), u"worldwide.espacenet.com"_s);
    for (const QUrl &url : m_recorder.opened) {
        const QString q = QUrlQuery(url).queryItemValue(u"q"_s, QUrl::FullyDecoded);
        QVERIFY2(!q.isEmpty() && q == q.simplified(), qPrintable(q));
        QCOMPARE(lettersOnly(q), lettersOnly(sentence));
        for (const QChar c : q)
            QVERIFY2(c.isLetterOrNumber() || c == u' ', qPrintable(sentence));
    }
}

void TestResultListMenu::editLine_menuSearchesItsText()
{
    auto *results = child<SimpleCombo>(u"Combo7"_s);
    results->setText(u"折叠(的把手)雨伞"_s);
    QLineEdit *edit = results->lineEdit();
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                            edit->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(edit, &event);
    auto *menu = edit->findChild<QMenu *>(u"resultEditMenu"_s);
    QVERIFY(menu && menu->isVisible());
    QStringList names;
    for (QAction *a : menu->actions())
        names << a->objectName();
    QVERIFY(names.contains(u"exportResults"_s));
    QVERIFY(names.contains(u"searchPatents"_s));
    QVERIFY(menu->actions().size() > 3); // the line's own clipboard commands stay
    actionIn(menu, u"espacenet"_s)->trigger();
    menu->close();
    QCOMPARE(m_recorder.opened.size(), 1);
    QCOMPARE(m_recorder.opened.at(0).toEncoded(),
             "https://worldwide.espacenet.com/patent/search?q=" +
                 QUrl::toPercentEncoding(u"折叠 的把手 雨伞"_s));
}

void TestResultListMenu::menuKey_onTheList_searchesTheCurrentEntry()
{
    auto *results = child<SimpleCombo>(u"Combo1wy"_s);
    results->clear();
    ResultList::pushNewest(results, u"如何使玻璃（  地）软化"_s);
    ResultList::pushNewest(results, u"能否使泵变轻"_s);
    results->setCurrentIndex(1);
    QListWidget *view = results->listWidget();
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(0, 0), view->mapToGlobal(QPoint()));
    QApplication::sendEvent(view, &event);
    QMenu *menu = listMenu(results);
    QVERIFY(menu->isVisible());
    actionIn(menu, u"googlePatents"_s)->trigger();
    menu->hide();
    QCOMPARE(m_recorder.opened.size(), 1);
    QCOMPARE(QUrlQuery(m_recorder.opened.at(0)).queryItemValue(u"q"_s, QUrl::FullyDecoded),
             u"如何使玻璃 地 软化"_s);
}

void TestResultListMenu::emptySpace_disablesTheSearch()
{
    auto *results = child<SimpleCombo>(u"Combo18"_s);
    results->clear();
    QListWidget *view = results->listWidget();
    const QPoint at(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &event);
    QMenu *menu = listMenu(results);
    QVERIFY(menu->isVisible());
    QVERIFY(!actionIn(menu, u"searchPatents"_s)->isEnabled());
    QVERIFY(!actionIn(menu, u"exportResults"_s)->isEnabled());
    menu->hide();
}

void TestResultListMenu::failingBrowser_saysSo()
{
    QDesktopServices::unsetUrlHandler(u"https"_s);
    // No browser anywhere: the desktop's opener is not on the path.
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", m_home.path().toUtf8());
    auto *results = child<SimpleCombo>(u"Combo7"_s);
    results->clear();
    ResultList::pushNewest(results, u"电动伞"_s);
    rightClickRow(results, 0);
    QString message;
    closeNextMessageBox(this, &message);
    actionIn(listMenu(results), u"googlePatents"_s)->trigger();
    listMenu(results)->hide();
    qputenv("PATH", path);
    QDesktopServices::setUrlHandler(u"https"_s, &m_recorder, "open");
    QVERIFY2(message.contains(u"patents.google.com"_s), qPrintable(message));
}

QTEST_MAIN(TestResultListMenu)
#include "tst_result_list_menu.moc"
