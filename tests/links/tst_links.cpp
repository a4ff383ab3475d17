#include "links/link_frames.h"
#include "links/link_targets.h"
#include "support/url_recorder.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

class TestLinks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void click_opensTarget_andSetsCaptionWithoutBreak_data();
    void click_opensTarget_andSetsCaptionWithoutBreak();
    void keyboard_activatesTheFocusedLink();
    void homePage_opensTheShippedHelp_mailHasNoInventedAddress();

private:
    QLabel *label(QGroupBox *frame, const char *name);

    QTemporaryDir m_home;
    UrlRecorder m_recorder;
};

void TestLinks::initTestCase()
{
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    QDir().mkpath(m_home.path() + QStringLiteral("/quorvane/sysh"));
    for (const char *scheme : {"http", "https", "mailto", "file"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), &m_recorder, "open");
}

void TestLinks::cleanupTestCase()
{
    for (const char *scheme : {"http", "https", "mailto", "file"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
}

QLabel *TestLinks::label(QGroupBox *frame, const char *name)
{
    return frame->findChild<QLabel *>(QLatin1String(name));
}

void TestLinks::click_opensTarget_andSetsCaptionWithoutBreak_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("host");
    QTest::newRow("China") << "Label5"
                           << "中国专利检索系统\r\n"
                           << "中国专利检索系统"
                           << "pss-system.cponline.cnipa.gov.cn";
    QTest::newRow("WIPO") << "Label7"
                          << "世界知识产权组织\r\n"
                          << "世界知识产权组织"
                          << "patentscope.wipo.int";
    QTest::newRow("USA") << "Label8"
                         << "美国专利数据库\r\n"
                         << "美国专利数据库"
                         << "ppubs.uspto.gov";
    QTest::newRow("Europe") << "Label9"
                            << "欧洲及各国专利\r\n"
                            << "欧洲及欧洲各国专利"
                            << "worldwide.espacenet.com";
    QTest::newRow("IPC") << "Label13"
                         << "IPC国际专利分类表\r\n"
                         << "IPC国际专利分类表"
                         << "ipcpub.wipo.int";
    QTest::newRow("search") << "Label14"
                            << "网易google搜索引擎\r\n"
                            << "网易google搜索引擎"
                            << "www.google.com";
}

void TestLinks::click_opensTarget_andSetsCaptionWithoutBreak()
{
    QFETCH(QString, name);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QString, host);
    QWidget page;
    QGroupBox *frame = LinkFrames::createPatentLinks(&page);
    QCOMPARE(frame->objectName(), QStringLiteral("Frame12"));
    QCOMPARE(frame->findChildren<QLabel *>().size(), 12);
    QLabel *link = label(frame, name.toLatin1().constData());
    QVERIFY(link);
    QCOMPARE(link->text(), before);
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);

    m_recorder.opened.clear();
    page.show();
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(m_recorder.opened.size(), 1);
    QCOMPARE(m_recorder.opened.first().host(), host);
    QCOMPARE(link->text(), after);
    QTest::mouseClick(link, Qt::RightButton); // not a link click
    QCOMPARE(m_recorder.opened.size(), 1);
}

void TestLinks::keyboard_activatesTheFocusedLink()
{
    QWidget page;
    QGroupBox *frame = LinkFrames::createPatentLinks(&page);
    QLabel *link = label(frame, "Label16");
    m_recorder.opened.clear();
    QTest::keyClick(link, Qt::Key_Return);
    QCOMPARE(m_recorder.opened.size(), 1);
    QCOMPARE(m_recorder.opened.first().host(), QStringLiteral("www.yahoo.com"));
}

void TestLinks::homePage_opensTheShippedHelp_mailHasNoInventedAddress()
{
    QWidget page;
    QGroupBox *frame = LinkFrames::createSupportLinks(&page);
    QCOMPARE(frame->objectName(), QStringLiteral("Frame10"));
    QCOMPARE(label(frame, "Label4")->text(), QStringLiteral("Quorvane"));
    m_recorder.opened.clear();
    QTest::mouseClick(label(frame, "Label4"), Qt::LeftButton);
    QVERIFY(m_recorder.opened.isEmpty());

    QTest::mouseClick(label(frame, "Label2"), Qt::LeftButton);
    QCOMPARE(m_recorder.opened.size(), 1);
    const QUrl help = m_recorder.opened.first();
    QVERIFY(help.isLocalFile());
    QFile file(help.toLocalFile());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    QVERIFY(html.contains(QStringLiteral("单词栏")));
    QCOMPARE(label(frame, "Label2")->text(), QStringLiteral("软件主页"));

    QTest::mouseClick(label(frame, "Label3"), Qt::LeftButton);
    const QUrl mail = m_recorder.opened.last();
    QCOMPARE(mail.scheme(), QStringLiteral("mailto"));
    QVERIFY(mail.path().isEmpty());
    QVERIFY(mail.query().contains(QStringLiteral("subject=Quorvane")));
}

QTEST_MAIN(TestLinks)
#include "tst_links.moc"
