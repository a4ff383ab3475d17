#include "app/form1.h"
#include "app/help_page.h"
#include "columns/exclusion_set.h"
#include "columns/simple_combo.h"
#include "editor/editor_page.h"
#include "editor/rich_text_box.h"
#include "question/question_page.h"
#include "storage/line_file.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

// Saves that cannot succeed, on real file systems: each shows a message naming the file,
// leaves the old file byte for byte, and keeps what the user has in the window.
class TestFailedSaves : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fullDisk_everySaveRefusesAndKeepsOldFiles();
    void folderWhereTheFileShouldBe();
    void dataDirectoryGone_isMadeAgainOrReported();
    void memoUnsaved_closeAsksBeforeLosingIt();
    void fullDisk_ruledOutPairsKeepTheOldFile();

private:
    // A 512 KiB tmpfs as the data home; false where mounting is not permitted.
    bool mountSmallDisk();
    // Fills it to the last byte; returns the filler's path.
    QString fillDisk();
    QString sysh() const { return m_data + QStringLiteral("/quorvane/sysh"); }
    QString messageFrom(const std::function<void()> &action);
    QPushButton *saveWordsButton(int column) const;
    SimpleCombo *wordList(int column) const;
    static QByteArray readBytes(const QString &path);
    static void writeBytes(const QString &path, const QByteArray &bytes);

    std::unique_ptr<QTemporaryDir> m_home;
    QTemporaryDir m_config;
    QString m_data;
    QString m_mount;
    std::unique_ptr<Form1> m_form;
};

// Qt finds the settings folder once a run: a folder per test would be written again after
// it is removed, and left behind.
void TestFailedSaves::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
}

void TestFailedSaves::init()
{
    m_home = std::make_unique<QTemporaryDir>();
    m_data = m_home->filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(m_data));
    qputenv("XDG_DATA_HOME", m_data.toUtf8());
}

void TestFailedSaves::cleanup()
{
    m_form.reset();
    if (!m_mount.isEmpty())
        QProcess::execute(QStringLiteral("umount"), {m_mount});
    m_mount.clear();
    m_home.reset();
}

QString TestFailedSaves::messageFrom(const std::function<void()> &action)
{
    QString text;
    QTimer poll;
    poll.setInterval(0);
    connect(&poll, &QTimer::timeout, this, [&text, &poll] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            text = box->text();
            poll.stop();
            box->reject();
        }
    });
    poll.start();
    action();
    return text;
}

QPushButton *TestFailedSaves::saveWordsButton(int column) const
{
    return m_form->findChild<QPushButton *>(QStringLiteral("Command2ck(%1)").arg(column));
}

SimpleCombo *TestFailedSaves::wordList(int column) const
{
    return m_form->findChild<SimpleCombo *>(QStringLiteral("Combos(%1)").arg(column));
}

QByteArray TestFailedSaves::readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestFailedSaves::writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

bool TestFailedSaves::mountSmallDisk()
{
    m_data = m_home->filePath(QStringLiteral("disk"));
    if (!QDir().mkpath(m_data))
        return false;
    qputenv("XDG_DATA_HOME", m_data.toUtf8());
    QProcess mount;
    mount.start(QStringLiteral("mount"),
                {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                 QStringLiteral("size=512k"), QStringLiteral("tmpfs"), m_data});
    if (!mount.waitForFinished() || mount.exitStatus() != QProcess::NormalExit ||
        mount.exitCode() != 0)
        return false;
    m_mount = m_data;
    return true;
}

QString TestFailedSaves::fillDisk()
{
    QFile filler(m_data + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return QString();
    const QByteArray block(64 * 1024, 'x');
    while (filler.write(block) > 0) {
    }
    while (filler.write("x", 1) > 0) {
    }
    return filler.fileName();
}

void TestFailedSaves::fullDisk_everySaveRefusesAndKeepsOldFiles()
{
    if (!mountSmallDisk())
        QSKIP("mounting a tmpfs is not permitted here (needs root); the full-disk case is "
              "not checked");

    QVERIFY(QDir().mkpath(sysh()));
    const QString memoPath = sysh() + QStringLiteral("/dllkvrc.kvr");
    const QString libraryPath = sysh() + QStringLiteral("/dllts0.kvr");
    const QString documentPath = m_data + QStringLiteral("/发明.rtf");
    writeBytes(memoPath, "\r\n\xbe\xc9\xb1\xb8\xcd\xfc\r\n"); // 旧备忘
    writeBytes(libraryPath, "\xbe\xc9\xb4\xca\r\n");          // 旧词
    m_form = std::make_unique<Form1>();
    EditorPage *editor = m_form->editorPage();
    editor->editor()->insertPlainText(QStringLiteral("旧文档"));
    QVERIFY(editor->saveTo(documentPath));
    const QByteArray oldDocument = readBytes(documentPath);

    auto *memo = m_form->findChild<QPlainTextEdit *>(QStringLiteral("Text4"));
    const QString newMemo = QStringLiteral("新的备忘\n").repeated(200);
    memo->setPlainText(newMemo);
    QStringList words;
    for (int i = 0; i < 300; ++i)
        words.append(QStringLiteral("词%1").arg(i));
    wordList(0)->clear();
    wordList(0)->addItems(words);
    const QStringList listed = wordList(0)->items();
    QCOMPARE(listed.size(), 300);
    editor->editor()->insertPlainText(QStringLiteral("新的内容"));
    const QString newDocument = editor->editor()->toPlainText();

    const QString filler = fillDisk();
    QVERIFY(!filler.isEmpty());

    const auto refuses = [](const QString &message, const QString &path) {
        return message.contains(QDir::toNativeSeparators(path)) &&
               message.contains(QStringLiteral("磁盘空间已满"));
    };
    QString shown = messageFrom([this] { m_form->helpPage()->saveMemo(); });
    QVERIFY2(refuses(shown, memoPath), qPrintable(shown));
    shown = messageFrom([this] { saveWordsButton(0)->click(); });
    QVERIFY2(refuses(shown, libraryPath), qPrintable(shown));
    shown = messageFrom([editor, &documentPath] { QVERIFY(!editor->saveTo(documentPath)); });
    QVERIFY2(refuses(shown, documentPath), qPrintable(shown));

    QCOMPARE(readBytes(memoPath), QByteArray("\r\n\xbe\xc9\xb1\xb8\xcd\xfc\r\n"));
    QCOMPARE(readBytes(libraryPath), QByteArray("\xbe\xc9\xb4\xca\r\n"));
    QCOMPARE(readBytes(documentPath), oldDocument);
    QCOMPARE(QDir(sysh()).entryList(QDir::Files).size(), 2); // no temporary files left
    QCOMPARE(memo->toPlainText(), newMemo);
    QCOMPARE(wordList(0)->items(), listed);
    QCOMPARE(editor->editor()->toPlainText(), newDocument);
    QVERIFY(editor->hasUnsavedChanges());

    // With room again, the same commands write what was kept.
    QVERIFY(QFile::remove(filler));
    QCOMPARE(messageFrom([this] { saveWordsButton(0)->click(); }), QString());
    QCOMPARE(LineFile::decodeLines(readBytes(libraryPath)), listed);
    QVERIFY(editor->saveTo(documentPath));
    QVERIFY(!editor->hasUnsavedChanges());
}

void TestFailedSaves::folderWhereTheFileShouldBe()
{
    m_form = std::make_unique<Form1>();
    const QString libraryPath = sysh() + QStringLiteral("/dllts1.kvr");
    QVERIFY(QDir().mkpath(libraryPath));
    wordList(1)->addItems({QStringLiteral("齿轮")});
    const QStringList kept = wordList(1)->items();
    QString shown = messageFrom([this] { saveWordsButton(1)->click(); });
    QVERIFY2(shown.contains(QDir::toNativeSeparators(libraryPath)), qPrintable(shown));
    QVERIFY(shown.contains(QStringLiteral("文件夹")));
    QVERIFY(QFileInfo(libraryPath).isDir());
    QCOMPARE(wordList(1)->items(), kept);

    const QString documentPath = m_home->filePath(QStringLiteral("文档.rtf"));
    QVERIFY(QDir().mkpath(documentPath));
    EditorPage *editor = m_form->editorPage();
    editor->editor()->insertPlainText(QStringLiteral("内容"));
    shown = messageFrom([editor, &documentPath] { QVERIFY(!editor->saveTo(documentPath)); });
    QVERIFY2(shown.contains(QDir::toNativeSeparators(documentPath)), qPrintable(shown));
    QVERIFY(QFileInfo(documentPath).isDir());
    QVERIFY(editor->hasUnsavedChanges());
}

void TestFailedSaves::dataDirectoryGone_isMadeAgainOrReported()
{
    m_form = std::make_unique<Form1>();
    wordList(2)->addItems({QStringLiteral("杠杆")});
    const QStringList kept = wordList(2)->items();

    QVERIFY(QDir(sysh()).removeRecursively());
    QCOMPARE(messageFrom([this] { saveWordsButton(2)->click(); }), QString());
    QCOMPARE(LineFile::decodeLines(readBytes(sysh() + QStringLiteral("/dllts2.kvr"))), kept);

    // A file named like the base folder: sysh cannot be made at all.
    const QString base = m_data + QStringLiteral("/quorvane");
    QVERIFY(QDir(base).removeRecursively());
    writeBytes(base, "not a folder");
    QString shown = messageFrom([this] { saveWordsButton(2)->click(); });
    QVERIFY2(shown.contains(QDir::toNativeSeparators(sysh())), qPrintable(shown));
    auto *memo = m_form->findChild<QPlainTextEdit *>(QStringLiteral("Text4"));
    memo->setPlainText(QStringLiteral("留着"));
    shown = messageFrom([this] { m_form->helpPage()->saveMemo(); });
    QVERIFY2(shown.contains(QDir::toNativeSeparators(sysh())), qPrintable(shown));
    QCOMPARE(wordList(2)->items(), kept);
    QCOMPARE(memo->toPlainText(), QStringLiteral("留着"));
    QCOMPARE(readBytes(base), QByteArray("not a folder"));
}

void TestFailedSaves::memoUnsaved_closeAsksBeforeLosingIt()
{
    m_form = std::make_unique<Form1>();
    auto *memo = m_form->findChild<QPlainTextEdit *>(QStringLiteral("Text4"));
    memo->insertPlainText(QStringLiteral("别丢了"));
    const QString memoPath = sysh() + QStringLiteral("/dllkvrc.kvr");
    QVERIFY(QFile::remove(memoPath));
    QVERIFY(QDir().mkpath(memoPath));

    // The save's own warning, then the question; each answer by its caption.
    const auto closeAnswering = [this](const QString &answer) {
        QStringList seen;
        QTimer poll;
        poll.setInterval(0);
        connect(&poll, &QTimer::timeout, this, [&seen, &answer] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || !box->isVisible() || seen.contains(box->text()))
                return;
            seen.append(box->text());
            for (QAbstractButton *button : box->buttons()) {
                if (button->text() == answer) {
                    button->click();
                    return;
                }
            }
            box->reject();
        });
        poll.start();
        const bool closed = m_form->close();
        return std::make_pair(closed, seen);
    };
    auto [closed, seen] = closeAnswering(QStringLiteral("取消"));
    QVERIFY(!closed);
    QCOMPARE(seen.size(), 2);
    QVERIFY2(seen.at(0).contains(QDir::toNativeSeparators(memoPath)), qPrintable(seen.at(0)));
    QVERIFY(seen.at(1).contains(QStringLiteral("仍要关闭")));
    QVERIFY(memo->toPlainText().contains(QStringLiteral("别丢了")));

    std::tie(closed, seen) = closeAnswering(QStringLiteral("关闭"));
    QVERIFY(closed);
}

void TestFailedSaves::fullDisk_ruledOutPairsKeepTheOldFile()
{
    if (!mountSmallDisk())
        QSKIP("mounting a tmpfs is not permitted here (needs root); the full-disk case is "
              "not checked");
    const QString path = sysh() + QStringLiteral("/quorvane-exclusions-question.txt");
    QVERIFY(QDir().mkpath(sysh()));
    const QByteArray old = QStringLiteral("变轻\t泵\n").toUtf8();
    writeBytes(path, old);
    m_form = std::make_unique<Form1>();
    ExclusionSet *pairs = m_form->questionPage()->exclusions();
    QCOMPARE(pairs->size(), 1);
    // Enough pairs that the file cannot be buffered in the disk's last free bytes.
    QList<WordPair> many;
    for (int i = 0; i < 2000; ++i)
        many.append(WordPair(QStringLiteral("词%1").arg(i), QStringLiteral("变轻")));
    const QString filler = fillDisk();
    QVERIFY(!filler.isEmpty());
    const QString shown = messageFrom([pairs, &many] { pairs->addPairs(many); });
    QVERIFY2(shown.contains(QDir::toNativeSeparators(path)) &&
                 shown.contains(QStringLiteral("磁盘空间已满")),
             qPrintable(shown));
    QCOMPARE(readBytes(path), old);
    QCOMPARE(QDir(sysh()).entryList(QDir::Files).size(), 2); // the memo, and no temporary file
    QCOMPARE(pairs->size(), 2001);

    QVERIFY(QFile::remove(filler));
    QCOMPARE(messageFrom([pairs] { pairs->remove(QStringLiteral("词0"), QStringLiteral("变轻")); }),
             QString());
    QCOMPARE(ExclusionSet::fromBytes(readBytes(path))->size(), 2000);
}

QTEST_MAIN(TestFailedSaves)
#include "tst_failed_saves.moc"
