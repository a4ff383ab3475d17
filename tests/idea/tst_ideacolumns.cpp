#include "columns/random_source.h"
#include "columns/simple_combo.h"
#include "columns/sorted_order.h"
#include "idea/connecting_word_box.h"
#include "idea/idea_page.h"
#include "storage/data_directory.h"
#include "storage/line_file.h"

#include <QFile>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <algorithm>
#include <memory>

namespace {
QString at(const char *name, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

bool isSorted(const QStringList &words)
{
    return std::is_sorted(words.cbegin(), words.cend(), sortedLess);
}

// Everything a shift moves, for one column.
struct Contents
{
    QStringList words;
    QStringList leadEntries;
    QString lead;
    QStringList trailEntries;
    QString trail;
    QString caption;
    QString input;
    bool operator==(const Contents &other) const
    {
        return words == other.words && leadEntries == other.leadEntries && lead == other.lead &&
               trailEntries == other.trailEntries && trail == other.trail &&
               caption == other.caption && input == other.input;
    }
};

char *toString(const Contents &c)
{
    return QTest::toString(
        QStringList({c.words.join(QLatin1Char('/')), c.leadEntries.join(QLatin1Char('/')), c.lead,
                     c.trailEntries.join(QLatin1Char('/')), c.trail, c.caption, c.input})
            .join(QStringLiteral(" | ")));
}
} // namespace

class TestIdeaColumns : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void enterAndAdd_putTheWordOnTopEvenInSortedLists();
    void removeAndRandom();
    void connectingBox_keepsTypedTextAsTyped();
    void shift_movesEveryPieceAndKeepsSwitches();
    void shift_twiceRestoresUnsortedNeighbours();
    void shift_intoSortedListsSortsAndWalksRight();
    void library_roundTripAndSortedLoad();
    void library_neverSavedLoadsEmptyAndCreatesFile();
    void library_disabledColumnIgnoresSaveAndLoad();

private:
    template <typename T> T *get(const QString &name) const
    {
        T *widget = m_page->findChild<T *>(name);
        if (!widget)
            qFatal("missing control %s", qPrintable(name));
        return widget;
    }
    Contents contents(int i) const;
    void click(const char *name, int index) { get<QPushButton>(at(name, index))->click(); }

    QTemporaryDir m_data;
    std::unique_ptr<IdeaPage> m_page;
};

Contents TestIdeaColumns::contents(int i) const
{
    return {get<SimpleCombo>(at("Combos", i))->items(),
            get<ConnectingWordBox>(at("Combot", i))->entries(),
            get<ConnectingWordBox>(at("Combot", i))->text(),
            get<ConnectingWordBox>(at("Combow", i))->entries(),
            get<ConnectingWordBox>(at("Combow", i))->text(),
            get<QLineEdit>(at("Text21", i))->text(),
            get<QLineEdit>(at("Text11", i))->text()};
}

void TestIdeaColumns::initTestCase()
{
    QVERIFY(m_data.isValid());
    qputenv("XDG_DATA_HOME", m_data.path().toUtf8());
    QString error;
    QVERIFY2(DataDirectory::ensureExists(&error), qPrintable(error));
}

void TestIdeaColumns::init()
{
    m_page = std::make_unique<IdeaPage>();
}

void TestIdeaColumns::cleanup()
{
    m_page.reset();
    RandomSource::instance().scriptDraws({});
}

void TestIdeaColumns::enterAndAdd_putTheWordOnTopEvenInSortedLists()
{
    auto *list = get<SimpleCombo>(at("Combos", 4)); // sorted
    auto *input = get<QLineEdit>(at("Text11", 4));
    input->setText(QStringLiteral("自动"));
    click("Commanda", 4);
    QCOMPARE(list->itemText(0), QStringLiteral("自动"));
    QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(input->text(), QStringLiteral("自动"));

    input->setText(QStringLiteral("轻便"));
    QTest::keyClick(input, Qt::Key_Return);
    QCOMPARE(list->itemText(0), QStringLiteral("轻便"));
    QCOMPARE(list->itemText(1), QStringLiteral("自动"));
    QCOMPARE(input->text(), QString());
    QCOMPARE(list->count(), 14);

    // Enter on an empty box adds an empty entry.
    QTest::keyClick(input, Qt::Key_Return);
    QCOMPARE(list->itemText(0), QString());
    QCOMPARE(list->count(), 15);
}

void TestIdeaColumns::removeAndRandom()
{
    auto *list = get<SimpleCombo>(at("Combos", 5));
    auto *input = get<QLineEdit>(at("Text11", 5));
    RandomSource::instance().scriptDraws({0.1f}); // 20 * 0.1 = 2
    click("Commandrr", 5);
    QCOMPARE(input->text(), QStringLiteral("操场"));
    click("Commandd", 5);
    QCOMPARE(list->count(), 19);
    QVERIFY(!list->items().contains(QStringLiteral("操场")));
    QCOMPARE(input->text(), QString());
    click("Commandd", 5); // nothing selected any more
    QCOMPARE(list->count(), 19);

    // "随机" works on column 0 too.
    RandomSource::instance().scriptDraws({0.0f});
    click("Commandrr", 0);
    QCOMPARE(get<QLineEdit>(at("Text11", 0))->text(), QStringLiteral("包装机"));
}

void TestIdeaColumns::connectingBox_keepsTypedTextAsTyped()
{
    // "研" begins the entry "研究": the hint must read the typed word, not the entry.
    auto *lead = get<ConnectingWordBox>(at("Combot", 0));
    lead->setText(QString());
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
    m_page->activateWindow();
    lead->lineEdit()->setFocus();
    QTest::sendKeyEvent(QTest::Click, lead->lineEdit(), Qt::Key_unknown, QStringLiteral("研"),
                        Qt::NoModifier);
    QTest::keyClick(lead->lineEdit(), Qt::Key_Return);
    QCOMPARE(lead->text(), QStringLiteral("研"));
    QCOMPARE(lead->entries().size(), 7);
    get<QRadioButton>(QStringLiteral("Option15"))->click();
    get<QPushButton>(QStringLiteral("Command2"))->click();
    QVERIFY(get<SimpleCombo>(QStringLiteral("Combo18"))
                ->text()
                .startsWith(QStringLiteral("研割草机,")));
}

void TestIdeaColumns::shift_movesEveryPieceAndKeepsSwitches()
{
    get<QRadioButton>(at("Option2", 3))->click();
    get<QLineEdit>(at("Text11", 2))->setText(QStringLiteral("扇"));
    get<ConnectingWordBox>(at("Combot", 3))->setText(QStringLiteral("突然"));
    Contents left = contents(2);
    Contents right = contents(3);
    click("Command10", 2);

    // Columns 2 and 3 sort neither their word lists but both their connecting boxes,
    // whose laid-out entries are sorted already: everything arrives unchanged.
    QCOMPARE(contents(3), left);
    QCOMPARE(contents(2), right);
    QCOMPARE(get<ConnectingWordBox>(at("Combot", 2))->text(), QStringLiteral("突然"));
    QCOMPARE(get<SimpleCombo>(at("Combos", 2))->text(), QString());
    QCOMPARE(get<SimpleCombo>(at("Combos", 3))->text(), QString());
    QCOMPARE(get<SimpleCombo>(at("Combos", 3))->currentIndex(), -1);
    // The switch stays with the position.
    QVERIFY(get<QRadioButton>(at("Option2", 3))->isChecked());
    QVERIFY(!get<SimpleCombo>(at("Combos", 3))->isEnabled());
    QVERIFY(get<SimpleCombo>(at("Combos", 2))->isEnabled());
}

void TestIdeaColumns::shift_twiceRestoresUnsortedNeighbours()
{
    get<QLineEdit>(at("Text11", 3))->setText(QStringLiteral("加热"));
    get<ConnectingWordBox>(at("Combow", 2))->setText(QStringLiteral("的方法"));
    click("Commandc", 3);
    const Contents two = contents(2);
    const Contents three = contents(3);
    click("Command10", 2);
    QCOMPARE(get<SimpleCombo>(at("Combos", 2))->count(), 0); // an empty list moves too
    click("Command10", 2);
    QCOMPARE(contents(2), two);
    QCOMPARE(contents(3), three);
}

void TestIdeaColumns::shift_intoSortedListsSortsAndWalksRight()
{
    const QStringList unsorted = get<SimpleCombo>(at("Combos", 2))->items();
    QVERIFY(!isSorted(unsorted));
    click("Command10", 1); // column 2's unsorted words into sorted column 1
    const QStringList moved = get<SimpleCombo>(at("Combos", 1))->items();
    QVERIFY(isSorted(moved));
    QCOMPARE(moved.size(), unsorted.size());
    click("Command10", 1);
    // Back in column 2 they keep the sorted order: the old order is gone.
    QCOMPARE(get<SimpleCombo>(at("Combos", 2))->items(), moved);

    // Column 0's unsorted lead words come out sorted in column 1's lead box.
    const QStringList lead0 = get<ConnectingWordBox>(at("Combot", 0))->entries();
    click("Command10", 0);
    const QStringList lead1 = get<ConnectingWordBox>(at("Combot", 1))->entries();
    QVERIFY(isSorted(lead1));
    QVERIFY(lead1 != lead0);
    QCOMPARE(QSet<QString>(lead1.cbegin(), lead1.cend()),
             QSet<QString>(lead0.cbegin(), lead0.cend()));

    // Walking right: 0's contents end in column 5, the others one place to the left.
    init();
    for (int i = 0; i < 5; ++i)
        click("Command10", i);
    QCOMPARE(get<QLineEdit>(at("Text21", 5))->text(), QStringLiteral("被研究对象"));
    QCOMPARE(get<QLineEdit>(at("Text11", 5))->text(), QStringLiteral("割草机"));
    QCOMPARE(get<ConnectingWordBox>(at("Combot", 5))->text(), QStringLiteral("研究"));
    QCOMPARE(get<QLineEdit>(at("Text21", 0))->text(), QStringLiteral("改变结构材质"));
    QCOMPARE(get<QLineEdit>(at("Text21", 4))->text(), QStringLiteral("更新用途"));
    QCOMPARE(get<SimpleCombo>(at("Combos", 5))->count(), 72);
}

void TestIdeaColumns::library_roundTripAndSortedLoad()
{
    auto *list3 = get<SimpleCombo>(at("Combos", 3));
    auto *input3 = get<QLineEdit>(at("Text11", 3));
    click("Commandc", 3);
    for (const QString &word : {QStringLiteral("扳手"), QStringLiteral("锤子")}) {
        input3->setText(word);
        click("Commanda", 3);
    }
    click("Command2ck", 3);
    const QString path = DataDirectory::filePath(QStringLiteral("dllts3.kvr"));
    QCOMPARE(fileBytes(path), LineFile::encodeText(QStringLiteral("锤子\r\n扳手\r\n")));

    click("Commandc", 3);
    click("Command2dy", 3);
    QCOMPARE(list3->items(), QStringList({QStringLiteral("锤子"), QStringLiteral("扳手")}));

    // The same file loaded at a sorted position: entries land in sorted order.
    QFile::remove(DataDirectory::filePath(QStringLiteral("dllts4.kvr")));
    QVERIFY(QFile::copy(path, DataDirectory::filePath(QStringLiteral("dllts4.kvr"))));
    click("Command2dy", 4);
    QCOMPARE(get<SimpleCombo>(at("Combos", 4))->items(),
             QStringList({QStringLiteral("扳手"), QStringLiteral("锤子")}));
}

void TestIdeaColumns::library_neverSavedLoadsEmptyAndCreatesFile()
{
    const QString path = DataDirectory::filePath(QStringLiteral("dllts5.kvr"));
    QFile::remove(path);
    click("Command2dy", 5);
    QCOMPARE(get<SimpleCombo>(at("Combos", 5))->count(), 0);
    QVERIFY(QFile::exists(path));
    QCOMPARE(QFileInfo(path).size(), 0);
    // Another page's files are not this page's.
    QVERIFY(!QFile::exists(DataDirectory::filePath(QStringLiteral("dlls5.kvr"))));
}

void TestIdeaColumns::library_disabledColumnIgnoresSaveAndLoad()
{
    click("Command2ck", 1);
    const QString path = DataDirectory::filePath(QStringLiteral("dllts1.kvr"));
    const QByteArray saved = fileBytes(path);
    QCOMPARE(saved.count('\n'), 15);

    auto *list = get<SimpleCombo>(at("Combos", 1));
    click("Commandc", 1);
    get<QRadioButton>(at("Option2", 1))->click();
    click("Command2ck", 1);
    QCOMPARE(fileBytes(path), saved);
    click("Command2dy", 1);
    QCOMPARE(list->count(), 0);

    get<QRadioButton>(at("Option1", 1))->click();
    click("Command2dy", 1);
    QCOMPARE(list->count(), 15);
}

QTEST_MAIN(TestIdeaColumns)
#include "tst_ideacolumns.moc"
