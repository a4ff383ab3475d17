#include "app/form1.h"
#include "app/open_given_file.h"
#include "columns/exclusion_set.h"
#include "columns/setup_button.h"
#include "columns/simple_combo.h"
#include "idea/connecting_word_box.h"
#include "idea/idea_page.h"
#include "question/question_page.h"
#include "storage/page_setup_file.h"
#include "support/menu_action.h"
#include "support/message_box.h"
#include "title/title_page.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

// "方案": a page's whole setup to a .qvset file and back, the refusals, the last five, and
// a setup given on the command line.
class TestPageSetups : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void questionPage_roundTrip();
    void ideaPage_roundTrip();
    void titlePage_roundTrip();
    void ruledOutPairs_travelWithTheSetup_data();
    void ruledOutPairs_travelWithTheSetup();
    void refusals_sayWhyAndChangeNothing_data();
    void refusals_sayWhyAndChangeNothing();
    void recent_lastFiveNewestFirst();
    void givenFile_opensInItsPage();

private:
    QString file(const QString &name) const { return m_home->filePath(name); }
    static QByteArray bytesOf(const QString &path);
    std::unique_ptr<QTemporaryDir> m_home;
};

namespace {

template <typename T> T *control(const QWidget *page, const QString &name)
{
    T *found = page->findChild<T *>(name);
    if (!found)
        qFatal("missing control %s", qPrintable(name));
    return found;
}

template <typename T> T *control(const QWidget *page, const char *name, int index)
{
    return control<T>(page, QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index));
}

SetupButton *setupsOf(const QWidget *page, const char *name)
{
    return control<SetupButton>(page, QLatin1String(name));
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(bytes);
}

// The saved file with its "ruledOut" replaced (or removed, given an undefined value).
QByteArray withRuledOut(const QByteArray &bytes, const QJsonValue &ruledOut)
{
    QJsonObject root = QJsonDocument::fromJson(bytes).object();
    if (!root.contains(QStringLiteral("ruledOut")))
        qFatal("the setup keeps no ruled-out pairs");
    if (ruledOut.isUndefined())
        root.remove(QStringLiteral("ruledOut"));
    else
        root.insert(QStringLiteral("ruledOut"), ruledOut);
    return QJsonDocument(root).toJson();
}

// Any of the three pages, with its pairs and its 方案 button.
struct AnyPage
{
    explicit AnyPage(const QString &which)
    {
        if (which == u"question") {
            auto *page = new QuestionPage;
            widget.reset(page);
            pairs = page->exclusions();
        } else if (which == u"idea") {
            auto *page = new IdeaPage;
            widget.reset(page);
            pairs = page->exclusions();
        } else {
            auto *page = new TitlePage;
            widget.reset(page);
            pairs = page->exclusions();
        }
        setups = widget->findChild<SetupButton *>(which + QStringLiteral("Setups"));
        if (!setups)
            qFatal("no setup button on the %s page", qPrintable(which));
    }

    std::unique_ptr<QWidget> widget;
    ExclusionSet *pairs = nullptr;
    SetupButton *setups = nullptr;
};

} // namespace

void TestPageSetups::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    qputenv("XDG_DATA_HOME", m_home->path().toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home->filePath(QStringLiteral("config")).toUtf8());
}

QByteArray TestPageSetups::bytesOf(const QString &path)
{
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("<missing>");
}

void TestPageSetups::questionPage_roundTrip()
{
    const QString path = file(QStringLiteral("泵.qvset"));
    QByteArray saved;
    {
        QuestionPage page;
        control<SimpleCombo>(&page, QStringLiteral("Combo1"))->setCurrentIndex(6); // pattern 7
        control<QLineEdit>(&page, "Text6", 2)->setText(QStringLiteral("在水下"));
        control<QLineEdit>(&page, "Text8", 5)->setText(QStringLiteral("泵类"));
        control<SimpleCombo>(&page, "Combowt", 5)
            ->restoreItems({QStringLiteral("水泵"), QStringLiteral("油泵"), QString(),
                            QStringLiteral("水泵")});
        // Column 7 on and column 6 off again: opening must not bring column 6 back.
        control<QRadioButton>(&page, "Option3", 7)->setChecked(true);
        control<QRadioButton>(&page, "Option4", 6)->setChecked(true);
        control<QRadioButton>(&page, QStringLiteral("Optiontyyw"))->setChecked(true);
        QVERIFY(setupsOf(&page, "questionSetups")->saveTo(path));
        saved = bytesOf(path);
    }
    QuestionPage fresh;
    QVERIFY(setupsOf(&fresh, "questionSetups")->openFrom(path));
    QCOMPARE(control<SimpleCombo>(&fresh, "Combowt", 5)->items(),
             (QStringList{QStringLiteral("水泵"), QStringLiteral("油泵"), QString(),
                          QStringLiteral("水泵")}));
    QVERIFY(control<QRadioButton>(&fresh, "Option3", 7)->isChecked());
    QVERIFY(control<QRadioButton>(&fresh, "Option4", 6)->isChecked());
    QVERIFY(control<QRadioButton>(&fresh, QStringLiteral("Optiontyyw"))->isChecked());
    QCOMPARE(control<QLineEdit>(&fresh, "Text6", 2)->text(), QStringLiteral("在水下"));
    QCOMPARE(control<QLineEdit>(&fresh, "Text8", 5)->text(), QStringLiteral("泵类"));
    // The pattern is shown, not chosen again (that would empty Text6(2)).
    QCOMPARE(control<SimpleCombo>(&fresh, QStringLiteral("Combo1"))->currentIndex(), 6);
    QVERIFY(setupsOf(&fresh, "questionSetups")->saveTo(path));
    QCOMPARE(bytesOf(path), saved);
}

void TestPageSetups::ideaPage_roundTrip()
{
    const QString path = file(QStringLiteral("思路.qvset"));
    QByteArray saved;
    {
        IdeaPage page;
        control<QRadioButton>(&page, QStringLiteral("Option8"))->click(); // 建议型
        control<ConnectingWordBox>(&page, "Combot", 3)->setText(QStringLiteral("轻轻地"));
        // A word put on top of a sorted list stays on top.
        control<QLineEdit>(&page, "Text11", 0)->setText(QStringLiteral("自行车"));
        control<QPushButton>(&page, "Commanda", 0)->click();
        control<QPushButton>(&page, "Command10", 1)->click(); // lists and boxes move along
        control<QRadioButton>(&page, "Option2", 4)->setChecked(true);
        control<ConnectingWordBox>(&page, "Combow", 4)->setText(QStringLiteral("的结构"));
        control<SimpleCombo>(&page, "Combos", 3)->setCurrentIndex(2); // shown in its edit line
        QVERIFY(setupsOf(&page, "ideaSetups")->saveTo(path));
        saved = bytesOf(path);
    }
    IdeaPage fresh;
    QVERIFY(setupsOf(&fresh, "ideaSetups")->openFrom(path));
    QCOMPARE(control<SimpleCombo>(&fresh, "Combos", 0)->itemText(0), QStringLiteral("自行车"));
    QVERIFY(control<QRadioButton>(&fresh, QStringLiteral("Option8"))->isChecked());
    QCOMPARE(control<ConnectingWordBox>(&fresh, "Combot", 3)->text(), QStringLiteral("轻轻地"));
    QCOMPARE(control<ConnectingWordBox>(&fresh, "Combow", 4)->text(), QStringLiteral("的结构"));
    QCOMPARE(control<ConnectingWordBox>(&fresh, "Combot", 1)->entries(),
             (QStringList{QStringLiteral("变换"), QStringLiteral("参照"), QStringLiteral("对于"),
                          QStringLiteral("类似"), QStringLiteral("利用"), QStringLiteral("为使"),
                          QStringLiteral("研究")}));
    QVERIFY(control<QRadioButton>(&fresh, "Option2", 4)->isChecked());
    QCOMPARE(control<SimpleCombo>(&fresh, "Combos", 3)->text(), QStringLiteral("磁控"));
    QCOMPARE(control<SimpleCombo>(&fresh, "Combos", 5)->text(), QStringLiteral("显示部件"));
    QVERIFY(setupsOf(&fresh, "ideaSetups")->saveTo(path));
    QCOMPARE(bytesOf(path), saved);
}

void TestPageSetups::titlePage_roundTrip()
{
    const QString path = file(QStringLiteral("题目.qvset"));
    QByteArray saved;
    {
        TitlePage page;
        control<QRadioButton>(&page, "Optionqy3", 0)->setChecked(true);
        control<SimpleCombo>(&page, "Combotm", 0)->setCurrentIndex(3);
        control<SimpleCombo>(&page, "Combotm", 5)->setText(QStringLiteral("打的字"));
        control<QLineEdit>(&page, "Text1", 3)->setText(QStringLiteral("我的栏"));
        QVERIFY(setupsOf(&page, "titleSetups")->saveTo(path));
        saved = bytesOf(path);
    }
    TitlePage fresh;
    QVERIFY(setupsOf(&fresh, "titleSetups")->openFrom(path));
    QVERIFY(control<QRadioButton>(&fresh, "Optionqy3", 0)->isChecked());
    QCOMPARE(control<SimpleCombo>(&fresh, "Combotm", 0)->text(), QStringLiteral("(电动)"));
    QCOMPARE(control<SimpleCombo>(&fresh, "Combotm", 5)->text(), QStringLiteral("打的字"));
    QCOMPARE(control<QLineEdit>(&fresh, "Text1", 3)->text(), QStringLiteral("我的栏"));
    QVERIFY(setupsOf(&fresh, "titleSetups")->saveTo(path));
    QCOMPARE(bytesOf(path), saved);
}

void TestPageSetups::ruledOutPairs_travelWithTheSetup_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("question") << QStringLiteral("question");
    QTest::newRow("idea") << QStringLiteral("idea");
    QTest::newRow("title") << QStringLiteral("title");
}

void TestPageSetups::ruledOutPairs_travelWithTheSetup()
{
    QFETCH(QString, which);
    const QString path = file(which + QStringLiteral(".qvset"));
    const QList<WordPair> kept{WordPair(QStringLiteral("泵"), QStringLiteral("变轻")),
                               WordPair(QStringLiteral("油"), QStringLiteral("水"))};
    const QList<WordPair> own{WordPair(QStringLiteral("旧"), QStringLiteral("词"))};
    QByteArray saved;
    {
        AnyPage page(which);
        page.pairs->setPairs(kept);
        QVERIFY(page.setups->saveTo(path));
        saved = bytesOf(path);
    }
    {
        AnyPage fresh(which);
        fresh.pairs->setPairs(own);
        QSignalSpy changed(fresh.pairs, &ExclusionSet::changed);
        QVERIFY(fresh.setups->openFrom(path));
        QCOMPARE(fresh.pairs->pairs(), kept);
        QCOMPARE(changed.count(), 1); // so the page's own file is written once
        QVERIFY(fresh.setups->saveTo(path));
        QCOMPARE(bytesOf(path), saved);
    }
    {
        // A setup without pairs takes the page's away: the page is the file's.
        AnyPage page(which);
        QVERIFY(page.setups->saveTo(path));
        AnyPage fresh(which);
        fresh.pairs->setPairs(own);
        QVERIFY(fresh.setups->openFrom(path));
        QVERIFY(fresh.pairs->isEmpty());
    }
    // A file from before pairs were kept opens and leaves the page's own pairs alone.
    writeBytes(path, withRuledOut(saved, QJsonValue(QJsonValue::Undefined)));
    AnyPage older(which);
    older.pairs->setPairs(own);
    QVERIFY(older.setups->openFrom(path));
    QCOMPARE(older.pairs->pairs(), own);
}

void TestPageSetups::refusals_sayWhyAndChangeNothing_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addColumn<QString>("reason");
    QTest::newRow("another page") << "page" << QStringLiteral("“思路提示”页的方案");
    QTest::newRow("newer version") << "version" << QStringLiteral("较新版本");
    QTest::newRow("cut short") << "cut" << QStringLiteral("已损坏");
    QTest::newRow("a word not text") << "type" << QStringLiteral("已损坏");
    QTest::newRow("a column missing") << "columns" << QStringLiteral("已损坏");
    QTest::newRow("no setup") << "foreign" << QStringLiteral("不是 Quorvane 的方案");
    QTest::newRow("too many words") << "words" << QStringLiteral("超过 32767 个单词");
    QTest::newRow("huge") << "huge" << QStringLiteral("文件太大");
    QTest::newRow("a folder") << "folder" << QStringLiteral("文件夹");
    QTest::newRow("pairs not a list") << "pairs" << QStringLiteral("已损坏");
    QTest::newRow("a pair of one word") << "one word" << QStringLiteral("已损坏");
    QTest::newRow("a word paired with itself") << "itself" << QStringLiteral("已损坏");
    QTest::newRow("a pair word with a tab") << "tab" << QStringLiteral("已损坏");
    QTest::newRow("a pair word not text") << "number" << QStringLiteral("已损坏");
}

void TestPageSetups::refusals_sayWhyAndChangeNothing()
{
    QFETCH(QString, damage);
    QFETCH(QString, reason);
    QuestionPage page;
    IdeaPage idea;
    const QString path = file(QStringLiteral("坏的.qvset"));
    QVERIFY(setupsOf(&page, "questionSetups")->saveTo(path));
    QByteArray bytes = bytesOf(path);
    const auto replaceOnce = [&bytes](const char *from, const QByteArray &to) {
        const qsizetype at = bytes.indexOf(from);
        QVERIFY(at >= 0);
        bytes.replace(at, qsizetype(std::strlen(from)), to);
    };
    if (damage == u"page") {
        QVERIFY(setupsOf(&idea, "ideaSetups")->saveTo(path));
        bytes = bytesOf(path);
    } else if (damage == u"version") {
        replaceOnce("\"version\": 1", "\"version\": 2");
    } else if (damage == u"cut") {
        bytes.chop(bytes.size() / 2);
    } else if (damage == u"type") {
        replaceOnce("\"如何\"", "12");
    } else if (damage == u"columns") {
        bytes = R"({"format": "quorvane-setup", "version": 1, "page": "question",
                    "pattern": 0, "columns": []})";
    } else if (damage == u"foreign") {
        bytes = R"({"name": "something else"})";
    } else if (damage == u"words") {
        QByteArray many = "[";
        for (int i = 0; i < 32768; ++i)
            many += "\"w\",";
        many.chop(1);
        many += "]";
        const qsizetype at = bytes.indexOf("\"words\": [");
        const qsizetype end = bytes.indexOf(']', at);
        bytes.replace(at + 9, end - at - 8, many);
    } else if (damage == u"pairs") {
        bytes = withRuledOut(bytes, QStringLiteral("泵\t变轻"));
    } else if (damage == u"one word") {
        bytes = withRuledOut(bytes, QJsonArray{QJsonArray{QStringLiteral("泵")}});
    } else if (damage == u"itself") {
        bytes =
            withRuledOut(bytes, QJsonArray{QJsonArray{QStringLiteral("泵"), QStringLiteral("泵")}});
    } else if (damage == u"tab") {
        bytes = withRuledOut(
            bytes, QJsonArray{QJsonArray{QStringLiteral("泵\t水"), QStringLiteral("变轻")}});
    } else if (damage == u"number") {
        bytes = withRuledOut(bytes, QJsonArray{QJsonArray{QStringLiteral("泵"), 7}});
    }
    if (damage == u"folder") {
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path));
    } else if (damage == u"huge") {
        QFile big(path);
        QVERIFY(big.open(QIODevice::ReadWrite));
        QVERIFY(big.resize(PageSetupFile::MaxBytes + 1)); // sparse: no real 64 MB written
    } else {
        writeBytes(path, bytes);
    }

    // Something to lose: the page differs from the file in every column.
    page.choosePattern(2);
    control<SimpleCombo>(&page, "Combowt", 4)->restoreItems({QStringLiteral("保留")});
    page.exclusions()->add(QStringLiteral("保留"), QStringLiteral("变轻"));
    const QByteArray before = PageSetupFile::encode(page.setup());
    QString message;
    closeNextMessageBox(&page, &message);
    QVERIFY(!setupsOf(&page, "questionSetups")->openFrom(path));
    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    QVERIFY2(message.contains(reason), qPrintable(message));
    QCOMPARE(PageSetupFile::encode(page.setup()), before);
}

void TestPageSetups::recent_lastFiveNewestFirst()
{
    TitlePage page;
    SetupButton *setups = setupsOf(&page, "titleSetups");
    for (int i = 1; i <= 6; ++i)
        QVERIFY(setups->saveTo(file(QStringLiteral("第%1个.qvset").arg(i))));
    setups->rebuildMenu();
    QStringList names;
    for (int i = 0; i < SetupButton::MaxRecent + 1; ++i) {
        if (QAction *a = actionIn(setups->menu(), QStringLiteral("recentSetup(%1)").arg(i)))
            names.append(a->text());
    }
    QCOMPARE(names, (QStringList{QStringLiteral("&1 第6个"), QStringLiteral("&2 第5个"),
                                 QStringLiteral("&3 第4个"), QStringLiteral("&4 第3个"),
                                 QStringLiteral("&5 第2个")}));
    QVERIFY(actionIn(setups->menu(), QStringLiteral("exportCombinations")));

    // The third one, chosen from the menu, opens; a vanished one says so and drops off.
    control<QLineEdit>(&page, "Text1", 0)->setText(QStringLiteral("改过"));
    actionIn(setups->menu(), QStringLiteral("recentSetup(2)"))->trigger();
    QCOMPARE(control<QLineEdit>(&page, "Text1", 0)->text(), QStringLiteral("动作单词栏"));
    QCOMPARE(setups->recentSetups().first(), QDir::cleanPath(file(QStringLiteral("第4个.qvset"))));
    QVERIFY(QFile::remove(file(QStringLiteral("第5个.qvset"))));
    setups->rebuildMenu();
    QString message;
    closeNextMessageBox(&page, &message);
    actionIn(setups->menu(), QStringLiteral("recentSetup(2)"))->trigger();
    QVERIFY2(message.contains(QStringLiteral("第5个")), qPrintable(message));
    QVERIFY(!setups->recentSetups().contains(QDir::cleanPath(file(QStringLiteral("第5个.qvset")))));
}

void TestPageSetups::givenFile_opensInItsPage()
{
    const QString ideaPath = file(QStringLiteral("给定.QVSET"));
    {
        IdeaPage page;
        control<QLineEdit>(&page, "Text11", 0)->setText(QStringLiteral("吸尘器"));
        QVERIFY(setupsOf(&page, "ideaSetups")->saveTo(ideaPath));
    }
    Form1 form;
    auto *tabs = control<QTabWidget>(&form, QStringLiteral("SSTab1"));
    QVERIFY(OpenGivenFile::atStart(form, ideaPath));
    QCOMPARE(tabs->currentWidget(), form.ideaPage());
    QCOMPARE(control<QLineEdit>(form.ideaPage(), "Text11", 0)->text(), QStringLiteral("吸尘器"));
    QCOMPARE(setupsOf(form.ideaPage(), "ideaSetups")->recentSetups().first(),
             QDir::cleanPath(ideaPath));

    // A later start's broken setup: one message, the window stays as it was.
    const QString broken = file(QStringLiteral("坏.qvset"));
    writeBytes(broken, "{");
    tabs->setCurrentIndex(0);
    QString message;
    closeNextMessageBox(&form, &message);
    OpenGivenFile::fromLaterStart(form, broken);
    QVERIFY2(message.contains(QStringLiteral("坏.qvset")), qPrintable(message));
    QCOMPARE(tabs->currentIndex(), 0);
}

QTEST_MAIN(TestPageSetups)
#include "tst_page_setups.moc"
