#include "app/form1.h"
#include "app/lament_box.h"

#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

// Start-up, close and the help page, through a real main window in a temporary data home.
class TestForm1 : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void firstStart_createsDataDirectoryAndEmptyMemo();
    void window_hasCaptionPagesAndHelp();
    void memo_loadsAtStart_andSavesAtClose();
    void memo_of2500Lines_keepsFirst2001();
    void unreadableMemo_namesTheFile_andStartUpGoesOn();
    void lamentBox_showsTheFixedText_withThreeButtons();

private:
    QString sysh() const { return m_home->path() + QStringLiteral("/quorvane/sysh"); }
    QString memoPath() const { return sysh() + QStringLiteral("/dllkvrc.kvr"); }
    void writeMemo(const QByteArray &bytes);
    QByteArray readMemo() const;
    // Closes the next modal box and hands back its text.
    void closeNextModal(QString *text);

    QTemporaryDir *m_home = nullptr;
};

void TestForm1::init()
{
    m_home = new QTemporaryDir;
    qputenv("XDG_DATA_HOME", m_home->path().toUtf8());
}

void TestForm1::cleanup()
{
    delete m_home;
    m_home = nullptr;
}

void TestForm1::writeMemo(const QByteArray &bytes)
{
    QDir().mkpath(sysh());
    QFile file(memoPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray TestForm1::readMemo() const
{
    QFile file(memoPath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void TestForm1::closeNextModal(QString *text)
{
    QTimer::singleShot(0, this, [text] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            *text = box->text();
            box->reject();
        }
    });
}

void TestForm1::firstStart_createsDataDirectoryAndEmptyMemo()
{
    QVERIFY(!QDir(sysh()).exists());
    Form1 form;
    QVERIFY(QDir(sysh()).exists());
    QVERIFY(QFile::exists(memoPath()));
    QCOMPARE(readMemo(), QByteArray());
    QCOMPARE(form.findChild<QPlainTextEdit *>(QStringLiteral("Text4"))->toPlainText(), QString());
    form.close();
    QCOMPARE(readMemo(), QByteArray("\r\n"));
}

void TestForm1::window_hasCaptionPagesAndHelp()
{
    Form1 form;
    QCOMPARE(form.windowTitle(), QStringLiteral("Quorvane v3.0"));
    auto *tabs = form.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    QVERIFY(tabs);
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    QCOMPARE(captions, QStringList({QStringLiteral("问题提示"), QStringLiteral("思路提示"),
                                    QStringLiteral("题目提示"), QStringLiteral("编辑保存"),
                                    QStringLiteral("使用说明")}));
    QCOMPARE(tabs->currentIndex(), 0);
    QCOMPARE(form.size(), QSize(792, 539));
    auto *timer = form.findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer && timer->isActive());
    QCOMPARE(timer->interval(), 1000);
    for (const char *name : {"RichTextBox2", "RichTextBox3", "RichTextBox4"}) {
        auto *box = form.findChild<QTextBrowser *>(QLatin1String(name));
        QVERIFY(box && box->isReadOnly());
        QVERIFY2(box->toPlainText().size() > 200, name);
    }
    QCOMPARE(form.findChild<QWidget *>(QStringLiteral("Label57"))->property("text").toString(),
             QStringLiteral("备忘本：由用户撰写的说明信息(系统会自动保存)"));
}

void TestForm1::memo_loadsAtStart_andSavesAtClose()
{
    writeMemo("\xc4\xbe\xcd\xb7\r\n\r\n\xbd\xf0\xca\xf4\r\n"); // 木头, empty, 金属
    {
        Form1 form;
        auto *memo = form.findChild<QPlainTextEdit *>(QStringLiteral("Text4"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("\n木头\n金属"));
        memo->setPlainText(QStringLiteral("A\n\nB 𠀀"));
        form.close();
    }
    QCOMPARE(readMemo(), QByteArray("A\r\n\r\nB ") + QByteArray("\x95\x32\x82\x36") + "\r\n");
    Form1 again;
    QCOMPARE(again.findChild<QPlainTextEdit *>(QStringLiteral("Text4"))->toPlainText(),
             QStringLiteral("\nA\nB 𠀀"));
}

void TestForm1::memo_of2500Lines_keepsFirst2001()
{
    QByteArray bytes;
    for (int i = 0; i < 2500; ++i)
        bytes += "line" + QByteArray::number(i) + "\r\n";
    writeMemo(bytes);
    {
        Form1 form;
        form.close();
    }
    const QByteArray saved = readMemo();
    QVERIFY(saved.startsWith("\r\nline0\r\nline1\r\n"));
    QVERIFY(saved.endsWith("\r\nline2000\r\n"));
    QCOMPARE(saved.count("\r\n"), 2002);
}

void TestForm1::unreadableMemo_namesTheFile_andStartUpGoesOn()
{
    QVERIFY(QDir().mkpath(memoPath())); // a directory where the memo should be
    QString message;
    closeNextModal(&message);
    Form1 form;
    QVERIFY(message.contains(QStringLiteral("dllkvrc.kvr")));
    QVERIFY(form.findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    // Nothing was read, so the empty box is not written over what is there.
    QVERIFY(form.close());
    QVERIFY(QFileInfo(memoPath()).isDir());
}

void TestForm1::lamentBox_showsTheFixedText_withThreeButtons()
{
    QWidget parent;
    QString text;
    QString title;
    QStringList buttons;
    QTimer::singleShot(0, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        text = box->text();
        title = box->windowTitle();
        for (QAbstractButton *button : box->buttons())
            buttons << button->text();
        box->buttons().first()->click();
    });
    LamentBox::show(&parent);
    QCOMPARE(title, QStringLiteral("关于垃圾题目的感叹"));
    QVERIFY(text.startsWith(QStringLiteral("这些该死的垃圾题目一定耽误了您不少时间")));
    QVERIFY(text.contains(QStringLiteral("节约了宝贵的时间。    软件生成的信息垃圾太多")));
    QVERIFY(text.contains(QStringLiteral("用户的工作是沙里淘金。当然我们一定会加紧努力")));
    QVERIFY(text.endsWith(QStringLiteral("回报广大发明爱好者的支持。")));
    QCOMPARE(buttons,
             QStringList({QStringLiteral("取消"), QStringLiteral("重试"), QStringLiteral("继续")}));
}

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
