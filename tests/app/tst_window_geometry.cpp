#include "app/form1.h"
#include "app/window_geometry.h"

#include <QApplication>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// The window as the user left it: saved when it closes, back at the next start.
class TestWindowGeometry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void firstStart_andUnreadableSettings_keepTheBuiltSize();
    void closedWindow_comesBackWhereItWas_maximisedToo();
    void windowOffEveryScreen_comesBackOntoOne();

private:
    QTemporaryDir m_home;
};

void TestWindowGeometry::initTestCase()
{
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
    QCoreApplication::setOrganizationName(QStringLiteral("QuorvaneTest"));
    QCoreApplication::setApplicationName(QStringLiteral("QuorvaneTest"));
}

void TestWindowGeometry::init()
{
    QSettings().clear();
}

void TestWindowGeometry::firstStart_andUnreadableSettings_keepTheBuiltSize()
{
    {
        Form1 form;
        WindowGeometry::keep(&form);
        QCOMPARE(form.size(), QSize(792, 539));
    }
    QSettings().setValue(QStringLiteral("window/geometry"), QByteArray("not a geometry"));
    Form1 form;
    WindowGeometry::keep(&form);
    QCOMPARE(form.size(), QSize(792, 539));
    QVERIFY(!form.isMaximized());
}

void TestWindowGeometry::closedWindow_comesBackWhereItWas_maximisedToo()
{
    const QRect left(QPoint(8, 40), QSize(785, 545)); // Form1 is nearly as large as the screen
    {
        Form1 form;
        WindowGeometry::keep(&form);
        form.setGeometry(left);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QVERIFY(form.close()); // through the window's own close guard
    }
    {
        Form1 form;
        WindowGeometry::keep(&form);
        QCOMPARE(form.geometry(), left);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.showMaximized();
        form.close();
    }
    Form1 form;
    WindowGeometry::keep(&form);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(form.isMaximized());
    form.showNormal();
    QTRY_COMPARE(form.geometry(), left); // un-maximising gives back the size it had
}

void TestWindowGeometry::windowOffEveryScreen_comesBackOntoOne()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    {
        QWidget window;
        WindowGeometry::keep(&window);
        window.setGeometry(QRect(screen.topLeft() + QPoint(screen.width() * 4, screen.height() * 4),
                                 QSize(300, 200)));
        window.show();
        window.close();
    }
    QWidget window;
    QVERIFY(WindowGeometry::restore(&window));
    QCOMPARE(window.size(), QSize(300, 200));
    QVERIFY2(screen.contains(window.geometry()),
             qPrintable(QStringLiteral("%1,%2").arg(window.x()).arg(window.y())));
}

QTEST_MAIN(TestWindowGeometry)
#include "tst_window_geometry.moc"
