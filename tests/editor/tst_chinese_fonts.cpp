// Windows Chinese font names drawn with installed Simplified Chinese faces of their style.

#include "editor/chinese_font_substitutes.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QRawFont>
#include <QTest>
#include <QTextLayout>

namespace {

// The faces that draw the text, in order.
QStringList facesDrawing(const QString &family, const QString &text)
{
    QFont font(family);
    font.setPointSizeF(10.5);
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList faces;
    for (const QGlyphRun &run : layout.glyphRuns())
        faces.append(run.rawFont().familyName().toLower()); // a substitute keeps the case given
    return faces;
}

QString firstInstalled(const QStringList &candidates)
{
    const QStringList installed = QFontDatabase::families();
    for (const QString &candidate : candidates) {
        if (installed.contains(candidate))
            return candidate.toLower();
    }
    return {};
}

} // namespace

class TestChineseFonts : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ChineseFontSubstitutes::install(); }

    void windowsName_drawsInOneInstalledFaceOfItsStyle_data()
    {
        QTest::addColumn<QString>("family");
        QTest::newRow("宋体") << QStringLiteral("宋体");
        QTest::newRow("SimSun") << QStringLiteral("SimSun");
        QTest::newRow("黑体") << QStringLiteral("黑体");
        QTest::newRow("Microsoft YaHei") << QStringLiteral("Microsoft YaHei");
        QTest::newRow("楷体") << QStringLiteral("楷体");
    }

    void windowsName_drawsInOneInstalledFaceOfItsStyle()
    {
        QFETCH(QString, family);
        if (QFontDatabase::families().contains(family))
            QSKIP("the Windows font itself is installed here");
        const QString expected = firstInstalled(ChineseFontSubstitutes::candidatesFor(family));
        if (expected.isEmpty())
            QSKIP("no Simplified Chinese font is installed");
        // One run: no character went through the fallback chain, Latin letters included.
        QCOMPARE(facesDrawing(family, QStringLiteral("能否使泵变轻 Pump 12")),
                 QStringList{expected});
    }

    void songAndHei_lookDifferent()
    {
        const QString song =
            firstInstalled(ChineseFontSubstitutes::candidatesFor(QStringLiteral("宋体")));
        const QString hei =
            firstInstalled(ChineseFontSubstitutes::candidatesFor(QStringLiteral("黑体")));
        if (song.isEmpty() || song == hei)
            QSKIP("no Song and Hei faces are both installed");
        QVERIFY(facesDrawing(QStringLiteral("宋体"), QStringLiteral("宋")) !=
                facesDrawing(QStringLiteral("黑体"), QStringLiteral("宋")));
    }
};

QTEST_MAIN(TestChineseFonts)
#include "tst_chinese_fonts.moc"
