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
    void fitted_putsTheFrameOnTheAvailableArea_data();
    void fitted_putsTheFrameOnTheAvailableArea();
    void windowLargerThanTheScreen_isShownOnIt_thenLeftWhereTheUserPutsIt();

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

void TestWindowGeometry::fitted_putsTheFrameOnTheAvailableArea_data()
{
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QRect>("expected");
    const QRect screen(0, 0, 800, 600);
    // The frame: 1 px sides, a 20 px title bar, a 5 px bottom edge.
    QTest::newRow("fits") << QRect(40, 60, 700, 400) << screen << QSize()
                          << QRect(40, 60, 700, 400);
    QTest::newRow("taller than the screen")
        << QRect(40, 60, 700, 700) << screen << QSize() << QRect(40, 20, 700, 575);
    QTest::newRow("wider and taller")
        << QRect(40, 60, 1000, 700) << screen << QSize() << QRect(1, 20, 798, 575);
    QTest::newRow("over the right and bottom edges")
        << QRect(300, 300, 600, 400) << screen << QSize() << QRect(199, 195, 600, 400);
    QTest::newRow("under a panel")
        << QRect(10, 10, 500, 400) << QRect(0, 30, 800, 570) << QSize() << QRect(10, 50, 500, 400);
    QTest::newRow("on a second screen") << QRect(900, 100, 1100, 800) << QRect(800, 0, 1024, 738)
                                        << QSize() << QRect(801, 20, 1022, 713);
    QTest::newRow("minimum larger than the screen")
        << QRect(40, 60, 1000, 700) << screen << QSize(900, 650) << QRect(1, 20, 900, 650);
}

void TestWindowGeometry::fitted_putsTheFrameOnTheAvailableArea()
{
    QFETCH(QRect, geometry);
    QFETCH(QRect, available);
    QFETCH(QSize, minimum);
    QFETCH(QRect, expected);
    QCOMPARE(WindowGeometry::fitted(geometry, QMargins(1, 20, 1, 5), available,
                                    minimum.isValid() ? minimum : QSize(0, 0)),
             expected);
}

void TestWindowGeometry::windowLargerThanTheScreen_isShownOnIt_thenLeftWhereTheUserPutsIt()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    QWidget window;
    window.setGeometry(QRect(screen.topLeft() + QPoint(50, 50), screen.size() + QSize(100, 100)));
    WindowGeometry::keep(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY2(screen.contains(window.frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                         .arg(window.x())
                                                                         .arg(window.y())
                                                                         .arg(window.width())
                                                                         .arg(window.height())));
    QCOMPARE(window.frameGeometry().height(), screen.height());

    const QPoint partlyOff = screen.topLeft() + QPoint(screen.width() / 2, 40);
    window.move(partlyOff);
    QTest::qWait(50);
    window.update();
    QTest::qWait(50);
    QCOMPARE(window.pos(), partlyOff);
}

QTEST_MAIN(TestWindowGeometry)
#include "tst_window_geometry.moc"
