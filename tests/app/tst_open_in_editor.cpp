#include "app/form1.h"
#include "app/open_in_editor.h"
#include "editor/editor_page.h"
#include "editor/rich_text_box.h"
#include "support/message_box.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// A file named on the command line, by the first start or by a later one, in a real window.
class TestOpenInEditor : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void atStart_opensTheFile_andShowsTheEditorPage();
    void atStart_unreadableFile_saysSoLikeOpen_andStaysOnFirstPage();
    void laterStart_asksAboutUnsavedChanges_first();
    void atStart_afterARestoredCopy_asksBeforeReplacingIt();

private:
    QString writeRtf(const QString &name, const QByteArray &body) const;
    // Answers the next modal box with the button of that object name, keeping its text.
    void answerNextModal(const QString &button, QString *text);

    QTemporaryDir *m_home = nullptr;
    QTemporaryDir m_config;
};

// Qt finds the settings folder once a run: a folder per test would be written again after
// it is removed, and left behind.
void TestOpenInEditor::initTestCase()
{
    qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
}

void TestOpenInEditor::init()
{
    m_home = new QTemporaryDir;
    qputenv("XDG_DATA_HOME", m_home->path().toUtf8());
}

void TestOpenInEditor::cleanup()
{
    delete m_home;
    m_home = nullptr;
}

QString TestOpenInEditor::writeRtf(const QString &name, const QByteArray &body) const
{
    const QString path = m_home->filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("{\\rtf1\\ansi\\ansicpg936{\\fonttbl{\\f0 SimSun;}}\\f0 " + body + "\\par}");
    return path;
}

void TestOpenInEditor::answerNextModal(const QString &button, QString *text)
{
    onNextMessageBox(this, [button, text](QMessageBox *box) {
        *text = box->text();
        if (auto *target = box->findChild<QPushButton *>(button))
            target->click();
        else
            box->reject();
    });
}

void TestOpenInEditor::atStart_opensTheFile_andShowsTheEditorPage()
{
    const QString path = writeRtf(QStringLiteral("题目.rtf"), "\\'c4\\'dc\\'b7\\'f1 pump"); // 能否
    Form1 form;
    QVERIFY(OpenInEditor::atStart(form, path));
    QCOMPARE(form.editorPage()->editor()->toPlainText(), QStringLiteral("能否 pump"));
    QCOMPARE(form.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->currentWidget(),
             form.editorPage());
    QVERIFY(!form.editorPage()->hasUnsavedChanges());
}

void TestOpenInEditor::atStart_unreadableFile_saysSoLikeOpen_andStaysOnFirstPage()
{
    const QString folder = m_home->filePath(QStringLiteral("a folder.rtf"));
    QVERIFY(QDir().mkpath(folder));
    Form1 form;
    const QString before = form.editorPage()->editor()->toPlainText();
    QString message;
    answerNextModal(QString(), &message);
    QVERIFY(!OpenInEditor::atStart(form, folder));
    QCOMPARE(message, QStringLiteral("无法打开文件：%1").arg(folder));
    QCOMPARE(form.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->currentIndex(), 0);
    QCOMPARE(form.editorPage()->editor()->toPlainText(), before);
}

void TestOpenInEditor::laterStart_asksAboutUnsavedChanges_first()
{
    const QString path = writeRtf(QStringLiteral("new.rtf"), "from the later start");
    Form1 form;
    form.show();
    form.editorPage()->appendTransfer(QStringLiteral("问题"), QStringLiteral("能否使泵变轻"));
    QVERIFY(form.editorPage()->hasUnsavedChanges());

    QString question;
    answerNextModal(QStringLiteral("cancel"), &question);
    OpenInEditor::fromLaterStart(form, path);
    QVERIFY(question.contains(QStringLiteral("还没有保存")));
    QVERIFY(form.editorPage()->editor()->toPlainText().contains(QStringLiteral("能否使泵变轻")));
    QCOMPARE(form.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->currentIndex(), 0);

    answerNextModal(QStringLiteral("discard"), &question);
    OpenInEditor::fromLaterStart(form, path);
    QCOMPARE(form.editorPage()->editor()->toPlainText(), QStringLiteral("from the later start"));
    QCOMPARE(form.findChild<QTabWidget *>(QStringLiteral("SSTab1"))->currentWidget(),
             form.editorPage());

    // Without a file, a later start only brings the window back.
    form.showMinimized();
    OpenInEditor::fromLaterStart(form, QString());
    QVERIFY(!form.isMinimized());
    QCOMPARE(form.editorPage()->editor()->toPlainText(), QStringLiteral("from the later start"));
}

void TestOpenInEditor::atStart_afterARestoredCopy_asksBeforeReplacingIt()
{
    const QString sysh = m_home->filePath(QStringLiteral("quorvane/sysh"));
    QVERIFY(QDir().mkpath(sysh));
    QFile copy(sysh + QStringLiteral("/quorvane-recovery.rtf"));
    QVERIFY(copy.open(QIODevice::WriteOnly));
    copy.write("{\\rtf1\\ansi restored words\\par}");
    copy.close();
    const QString path = writeRtf(QStringLiteral("given.rtf"), "given on the command line");

    QString question;
    answerNextModal(QStringLiteral("restore"), &question);
    Form1 form;
    QVERIFY(form.editorPage()->editor()->toPlainText().contains(QStringLiteral("restored words")));
    answerNextModal(QStringLiteral("cancel"), &question);
    QVERIFY(!OpenInEditor::atStart(form, path));
    QVERIFY(question.contains(QStringLiteral("还没有保存")));
    QVERIFY(form.editorPage()->editor()->toPlainText().contains(QStringLiteral("restored words")));
}

QTEST_MAIN(TestOpenInEditor)
#include "tst_open_in_editor.moc"
