#include "app/form1.h"
#include "app/readable_colour.h"
#include "editor/editor_page.h"

#include <QAction>
#include <QApplication>
#include <QHash>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

// Legibility measured on the pixels the real window renders, under a light and a dark
// Fusion palette: each text or icon is rendered with and without it, and the pixels it
// changed are compared with what lay beneath (WCAG: 4.5:1 text, 3:1 icons).
class TestPaletteContrast : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void readableOn_keepsGoodColours_andFixesPoorOnes();
    void everyTextAndIcon_reads_data();
    void everyTextAndIcon_reads();

private:
    QTemporaryDir m_home;
};

namespace {

using ReadableColour::contrast;

QPalette darkPalette()
{
    // The dark Fusion palette handed around for years, white tool tips on white included.
    QPalette dark(Qt::white, QColor(0x35, 0x35, 0x35), QColor(0x4a, 0x4a, 0x4a),
                  QColor(0x20, 0x20, 0x20), QColor(0x7f, 0x7f, 0x7f), Qt::white, Qt::red,
                  QColor(0x2a, 0x2a, 0x2a), QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ToolTipBase, Qt::white);
    dark.setColor(QPalette::ToolTipText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    return dark;
}

// Renders widget, runs hide, renders again, runs show: the best contrast between a pixel
// the content drew and the pixel beneath it; 1 when it drew nothing visible.
template <typename Hide, typename Show> double measure(QWidget *widget, Hide hide, Show show)
{
    const QImage with = widget->grab().toImage();
    hide();
    const QImage without = widget->grab().toImage();
    show();
    double best = 1;
    for (int y = 0; y < with.height(); ++y)
        for (int x = 0; x < with.width(); ++x)
            best = qMax(best, contrast(QColor(with.pixel(x, y)), QColor(without.pixel(x, y))));
    return best;
}

// A document view: its pixels against the most common (background) colour.
double documentContrast(QWidget *viewport)
{
    const QImage image = viewport->grab().toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    const QRgb background = *std::max_element(
        counts.keyBegin(), counts.keyEnd(), [&](QRgb a, QRgb b) { return counts[a] < counts[b]; });
    double best = 1;
    for (auto it = counts.keyBegin(); it != counts.keyEnd(); ++it)
        best = qMax(best, contrast(QColor(*it), QColor(background)));
    return best;
}

// -1 for a widget without text.
double textContrast(QWidget *widget)
{
    const QSignalBlocker blocker(widget);
    if (auto *list = qobject_cast<QListWidget *>(widget)) {
        const QSignalBlocker modelBlocker(list->model());
        QStringList words;
        for (int i = 0; i < list->count(); ++i)
            words << list->item(i)->text();
        const auto fill = [list](const QStringList &texts) {
            for (int i = 0; i < list->count(); ++i)
                list->item(i)->setText(texts.value(i));
        };
        return words.isEmpty() ? -1
                               : measure(
                                     list->viewport(), [&] { fill({}); }, [&] { fill(words); });
    }
    if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
        QStringList texts;
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
        const auto fill = [tabs](const QStringList &texts) {
            for (int i = 0; i < tabs->count(); ++i)
                tabs->setTabText(i, texts.value(i));
        };
        return measure(
            tabs, [&] { fill({}); }, [&] { fill(texts); });
    }
    if (auto *plain = qobject_cast<QPlainTextEdit *>(widget))
        return plain->document()->isEmpty() ? -1 : documentContrast(plain->viewport());
    if (auto *rich = qobject_cast<QTextEdit *>(widget))
        return rich->document()->isEmpty() ? -1 : documentContrast(rich->viewport());
    // Labels, buttons and edit lines hold "text", frames "title".
    for (const char *property : {"text", "title"}) {
        const QVariant text = widget->property(property);
        if (text.typeId() == QMetaType::QString && !text.toString().isEmpty())
            return measure(
                widget, [&] { widget->setProperty(property, QString()); },
                [&] { widget->setProperty(property, text); });
    }
    return -1;
}

// An icon-only button's icon; -1 for other widgets.
double iconContrast(QWidget *widget)
{
    auto *button = qobject_cast<QToolButton *>(widget);
    if (!button || !button->defaultAction() || !qobject_cast<QToolBar *>(widget->parent()))
        return -1;
    QAction *action = button->defaultAction();
    const QIcon icon = action->icon();
    QPixmap nothing(button->iconSize());
    nothing.fill(Qt::transparent); // a null icon would show the text instead
    return measure(
        button, [&] { action->setIcon(QIcon(nothing)); }, [&] { action->setIcon(icon); });
}

} // namespace

void TestPaletteContrast::initTestCase()
{
    qputenv("XDG_DATA_HOME", m_home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", m_home.path().toUtf8());
    QApplication::setStyle(QStringLiteral("Fusion"));
    // No desktop theme: the bundled icons are the ones drawn for the palette.
    QIcon::setThemeSearchPaths({});
    QIcon::setThemeName(QString());
}

void TestPaletteContrast::readableOn_keepsGoodColours_andFixesPoorOnes()
{
    using namespace ReadableColour;
    QCOMPARE(qRound(contrast(Qt::black, Qt::white) * 100), 2100);
    QVERIFY(contrast(QColor(0x77, 0x77, 0x77), Qt::white) < 4.5); // the classic near miss
    QCOMPARE(readableOn(QColor(0xef, 0xef, 0xef), Qt::blue), QColor(Qt::blue));
    const QColor darkWindow(0x35, 0x35, 0x35);
    const QColor link = readableOn(darkWindow, QColor(0x2a, 0x82, 0xda));
    QVERIFY(contrast(darkWindow, link) >= TextContrast);
    QVERIFY(link.blue() > link.red()); // still a blue
    QVERIFY(contrast(Qt::white, readableOn(Qt::white, Qt::white)) >= TextContrast);
}

void TestPaletteContrast::everyTextAndIcon_reads_data()
{
    QTest::addColumn<QPalette>("atStart");
    QTest::addColumn<QPalette>("afterStart");
    const QPalette light = QApplication::style()->standardPalette();
    QTest::newRow("light") << light << light;
    QTest::newRow("dark") << darkPalette() << darkPalette();
    QTest::newRow("light, then dark") << light << darkPalette();
    QPalette highContrast(Qt::white, Qt::black, Qt::white, Qt::white, Qt::white, Qt::white,
                          Qt::yellow, Qt::black, Qt::black);
    highContrast.setColor(QPalette::Link, Qt::yellow);
    highContrast.setColor(QPalette::Highlight, Qt::cyan);
    highContrast.setColor(QPalette::HighlightedText, Qt::black);
    QTest::newRow("high contrast") << highContrast << highContrast;
}

void TestPaletteContrast::everyTextAndIcon_reads()
{
    QFETCH(QPalette, atStart);
    QFETCH(QPalette, afterStart);
    QApplication::setPalette(atStart);
    Form1 form;
    form.editorPage()->appendTransfer(QStringLiteral("问题提示"), QStringLiteral("能否使泵变轻"));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QApplication::setPalette(afterStart);

    QStringList poor;
    int measured = 0;
    const auto check = [&](QWidget *widget, double ratio, double minimum) {
        ++measured;
        QObject *named = widget;
        while (named->objectName().isEmpty() && named->parent())
            named = named->parent();
        if (ratio < minimum)
            poor << QStringLiteral("%1 in %2: %3:1")
                        .arg(QLatin1String(widget->metaObject()->className()), named->objectName())
                        .arg(ratio, 0, 'f', 2);
    };
    auto *tabs = form.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    check(tabs->tabBar(), textContrast(tabs->tabBar()), ReadableColour::TextContrast);
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QCoreApplication::processEvents(); // lay the page out
        for (QWidget *widget : tabs->widget(page)->findChildren<QWidget *>()) {
            if (!widget->isVisible() || !widget->isEnabled() || widget->visibleRegion().isEmpty())
                continue; // disabled controls are exempt from the contrast bar
            if (const double icon = iconContrast(widget); icon >= 0)
                check(widget, icon, ReadableColour::IconContrast);
            else if (const double text = textContrast(widget); text >= 0)
                check(widget, text, ReadableColour::TextContrast);
        }
    }
    QVERIFY2(poor.isEmpty(), qPrintable(poor.join(QLatin1Char('\n'))));
    QVERIFY(measured > 300); // the test saw the window, not an empty one
}

QTEST_MAIN(TestPaletteContrast)
#include "tst_palette_contrast.moc"
