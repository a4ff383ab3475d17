#include "app/command_line.h"

#include <QDir>
#include <QTest>

// The arguments a user or a file manager passes, without any window.
class TestCommandLine : public QObject
{
    Q_OBJECT

private slots:
    void fileArgument_becomesAbsolute();
    void textOnlyOptions_andMistakes();
};

void TestCommandLine::fileArgument_becomesAbsolute()
{
    const QString program = QStringLiteral("quorvane");
    QCOMPARE(CommandLine::parse({program}).action(), CommandLine::Action::Run);
    QCOMPARE(CommandLine::parse({program}).file(), QString());

    // A running copy in another folder must find the file: the path is made absolute here.
    const CommandLine relative = CommandLine::parse({program, QStringLiteral("笔记/题目.rtf")});
    QCOMPARE(relative.action(), CommandLine::Action::Run);
    QCOMPARE(relative.file(), QDir::current().absoluteFilePath(QStringLiteral("笔记/题目.rtf")));
    QCOMPARE(CommandLine::parse({program, QStringLiteral("/tmp/a b.rtf")}).file(),
             QStringLiteral("/tmp/a b.rtf"));
    // A file manager may pass a name that looks like an option after "--".
    QCOMPARE(
        CommandLine::parse({program, QStringLiteral("--"), QStringLiteral("/x/-v.rtf")}).file(),
        QStringLiteral("/x/-v.rtf"));
}

void TestCommandLine::textOnlyOptions_andMistakes()
{
    const QString program = QStringLiteral("quorvane");
    const CommandLine help = CommandLine::parse({program, QStringLiteral("--help")});
    QCOMPARE(help.action(), CommandLine::Action::PrintHelp);
    QVERIFY(help.text().contains(QStringLiteral("--version")));
    QVERIFY(help.text().contains(QStringLiteral("[file]")));
    QCOMPARE(CommandLine::parse({program, QStringLiteral("-v")}).action(),
             CommandLine::Action::PrintVersion);

    const CommandLine twoFiles =
        CommandLine::parse({program, QStringLiteral("a.rtf"), QStringLiteral("b.rtf")});
    QCOMPARE(twoFiles.action(), CommandLine::Action::Fail);
    QVERIFY(twoFiles.text().startsWith(QStringLiteral("只能打开一个文件。")));
    QCOMPARE(twoFiles.file(), QString());
    const CommandLine unknown = CommandLine::parse({program, QStringLiteral("--second-copy")});
    QCOMPARE(unknown.action(), CommandLine::Action::Fail);
    QVERIFY(unknown.text().contains(QStringLiteral("second-copy")));
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_command_line.moc"
