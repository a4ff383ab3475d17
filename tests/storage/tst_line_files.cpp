#include "storage/line_file.h"
#include "storage/memo_file.h"
#include "storage/word_library.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

// The memo and word-library files: bytes on disk and what loads back.
class TestLineFiles : public QObject
{
    Q_OBJECT

private slots:
    void decodeLines_acceptsEveryLineEnd_data();
    void decodeLines_acceptsEveryLineEnd();
    void words_areWrittenAsGbkWithCrLf();
    void charactersOutsideGbk_surviveSaveAndLoad();
    void cp936Euro_readsAndWritesAsTheSingleByte_data();
    void cp936Euro_readsAndWritesAsTheSingleByte();
    void load_capsAt2001Lines_andCreatesMissingFile();
    void memo_dropsEmptyLines_andLeadsWithABreak_data();
    void memo_dropsEmptyLines_andLeadsWithABreak();
    void failedWrite_keepsTheOldFile_andNamesIt();
    void libraryFileNames_neverShared();

private:
    static QByteArray readBytes(const QString &path);
};

QByteArray TestLineFiles::readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestLineFiles::decodeLines_acceptsEveryLineEnd_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    const QStringList ab{QStringLiteral("扳手"), QStringLiteral("锤子")};
    QTest::newRow("CR LF") << QByteArray("\xb0\xe2\xca\xd6\r\n\xb4\xb8\xd7\xd3\r\n") << ab;
    QTest::newRow("LF") << QByteArray("\xb0\xe2\xca\xd6\n\xb4\xb8\xd7\xd3\n") << ab;
    QTest::newRow("CR") << QByteArray("\xb0\xe2\xca\xd6\r\xb4\xb8\xd7\xd3\r") << ab;
    QTest::newRow("last line unended") << QByteArray("\xb0\xe2\xca\xd6\r\n\xb4\xb8\xd7\xd3") << ab;
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf"
                                                  "扳手\r\n锤子")
                                    << ab;
    QTest::newRow("empty lines kept")
        << QByteArray("\r\n\r\nx\r\n") << QStringList({QString(), QString(), QStringLiteral("x")});
    QTest::newRow("empty file") << QByteArray() << QStringList();
}

void TestLineFiles::decodeLines_acceptsEveryLineEnd()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QCOMPARE(LineFile::decodeLines(bytes), lines);
}

void TestLineFiles::words_areWrittenAsGbkWithCrLf()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dlls0.kvr"));
    QString error;
    QVERIFY(WordLibrary::saveWords(path, {QStringLiteral("扳手"), QStringLiteral("锤子")}, &error));
    QCOMPARE(readBytes(path), QByteArray("\xb0\xe2\xca\xd6\r\n\xb4\xb8\xd7\xd3\r\n"));
    QVERIFY(WordLibrary::saveWords(path, {}, &error));
    QCOMPARE(readBytes(path), QByteArray());
    QVERIFY(WordLibrary::saveWords(path, {QString()}, &error));
    QCOMPARE(readBytes(path), QByteArray("\r\n"));
}

void TestLineFiles::charactersOutsideGbk_surviveSaveAndLoad()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dllts1.kvr"));
    const QStringList words{QStringLiteral("𠀀字"), QStringLiteral("😀"), QStringLiteral("€")};
    QString error;
    QVERIFY(WordLibrary::saveWords(path, words, &error));
    QStringList loaded;
    QVERIFY(WordLibrary::loadWords(path, &loaded, &error));
    QCOMPARE(loaded, words);
}

void TestLineFiles::cp936Euro_readsAndWritesAsTheSingleByte_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("alone and after ASCII")
        << QByteArray("\x80\r\n5\x80\r\n") << QStringList{u"€"_s, u"5€"_s};
    QTest::newRow("after a double-byte character") // 扳, then a lone 0x80
        << QByteArray("\xb0\xe2\x80\r\n") << QStringList{u"扳€"_s};
    QTest::newRow("as the trail byte of 亐, then alone")
        << QByteArray("\x81\x80\x80\r\n") << QStringList{u"亐€"_s};
    QTest::newRow("after a four-byte character") // U+0080 in GB18030's four bytes
        << QByteArray("\x81\x30\x81\x30\x80\r\n") << QStringList{u"\u0080€"_s};
}

void TestLineFiles::cp936Euro_readsAndWritesAsTheSingleByte()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, words);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dlls1.kvr"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    QStringList loaded;
    QString error;
    QVERIFY(WordLibrary::loadWords(path, &loaded, &error));
    QCOMPARE(loaded, words);
    QVERIFY(WordLibrary::saveWords(path, loaded, &error));
    QCOMPARE(readBytes(path), bytes);
    // A broken sequence before the byte does not swallow it.
    QCOMPARE(LineFile::decodeText("\x81\x30\x80"), u"\ufffd0€"_s);
}

void TestLineFiles::load_capsAt2001Lines_andCreatesMissingFile()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("dllkvr3.kvr"));
    QStringList loaded{QStringLiteral("stale")};
    QString error;
    QVERIFY(WordLibrary::loadWords(missing, &loaded, &error));
    QVERIFY(loaded.isEmpty());
    QVERIFY(QFile::exists(missing));
    QCOMPARE(QFile(missing).size(), 0);

    QStringList many;
    for (int i = 0; i < 2500; ++i)
        many.append(QStringLiteral("词%1").arg(i));
    const QString path = dir.filePath(QStringLiteral("many.kvr"));
    QVERIFY(WordLibrary::saveWords(path, many, &error));
    QVERIFY(WordLibrary::loadWords(path, &loaded, &error));
    QCOMPARE(loaded.size(), 2001);
    QCOMPARE(loaded.last(), QStringLiteral("词2000"));
}

void TestLineFiles::memo_dropsEmptyLines_andLeadsWithABreak_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("memo");
    QTest::addColumn<QByteArray>("savedAgain");
    QTest::newRow("three lines") << QByteArray("\xc4\xbe\xcd\xb7\r\n\r\n\xbd\xf0\xca\xf4\r\n")
                                 << QStringLiteral("\r\n木头\r\n金属")
                                 << QByteArray("\r\n\xc4\xbe\xcd\xb7\r\n\xbd\xf0\xca\xf4\r\n");
    QTest::newRow("only CR LF") << QByteArray("\r\n") << QString() << QByteArray("\r\n");
    QTest::newRow("empty") << QByteArray() << QString() << QByteArray("\r\n");
}

void TestLineFiles::memo_dropsEmptyLines_andLeadsWithABreak()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, memo);
    QFETCH(QByteArray, savedAgain);
    QTemporaryDir dir;
    const QString path = dir.filePath(MemoFile::fileName());
    QFile out(path);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(file);
    out.close();

    QString loaded;
    QString error;
    QVERIFY(MemoFile::load(path, &loaded, &error));
    QCOMPARE(loaded, memo);
    QVERIFY(MemoFile::save(path, loaded, &error));
    QCOMPARE(readBytes(path), savedAgain);
}

void TestLineFiles::failedWrite_keepsTheOldFile_andNamesIt()
{
    QTemporaryDir dir;
    QString error;
    // A directory where the file should be: fails even for root.
    const QString blocked = dir.filePath(QStringLiteral("dlls4.kvr"));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("dlls4.kvr")));
    QVERIFY(!WordLibrary::saveWords(blocked, {QStringLiteral("新")}, &error));
    QVERIFY(error.contains(QStringLiteral("dlls4.kvr")));
    QStringList loaded;
    QVERIFY(!WordLibrary::loadWords(dir.filePath(QStringLiteral("no/such/dir/x.kvr")), &loaded,
                                    &error));
    QVERIFY(error.contains(QStringLiteral("x.kvr")));

    const QString path = dir.filePath(QStringLiteral("dlls2.kvr"));
    QVERIFY(WordLibrary::saveWords(path, {QStringLiteral("旧")}, &error));
    const auto allPermissions =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool writable = QFile(dir.filePath(QStringLiteral("probe"))).open(QIODevice::WriteOnly);
    if (writable) {
        QFile::setPermissions(dir.path(), allPermissions);
        QSKIP("a read-only directory does not stop this user (root)");
    }
    QVERIFY(!WordLibrary::saveWords(path, {QStringLiteral("新")}, &error));
    QVERIFY(error.contains(QStringLiteral("dlls2.kvr")));
    QFile::setPermissions(dir.path(), allPermissions);
    QCOMPARE(readBytes(path), QByteArray("\xbe\xc9\r\n"));
}

void TestLineFiles::libraryFileNames_neverShared()
{
    QCOMPARE(WordLibrary::questionFileName(2), QStringLiteral("dlls2.kvr"));
    QCOMPARE(WordLibrary::ideaFileName(2), QStringLiteral("dllts2.kvr"));
    QCOMPARE(WordLibrary::titleFileName(6), QStringLiteral("dllkvr6.kvr"));
    QCOMPARE(WordLibrary::questionWordFileName(), QStringLiteral("dllos.kvr"));
}

QTEST_GUILESS_MAIN(TestLineFiles)
#include "tst_line_files.moc"
