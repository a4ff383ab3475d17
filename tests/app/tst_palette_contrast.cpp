#include "app/form1.h"
#include "app/readable_colour.h"
#include "editor/editor_page.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QToolButton>

// Legibility measured on the pixels the real window renders, under a light and a dark
// Fusion palette: each text is rendered with and without its text, and the changed
// pixels are compared with what lay under them (WCAG: 4.5:1 text, 3:1 icons).
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

QPalette darkPalette()
{
    // The dark Fusion palette handed around for years, white tool tips on white included.
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
    dark.setColor(QPalette::ToolTipBase, Qt::white);
    dark.setColor(QPalette::ToolTipText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::BrightText, Qt::red);
    dark.setColor(QPalette::Link, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x7f, 0x7f, 0x7f));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x7f, 0x7f, 0x7f));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x7f, 0x7f, 0x7f));
    return dark;
}

// The best contrast between a pixel the content changed and the pixel beneath it; 1 when
// the content changed nothing, as text drawn in its background colour does.
double contentContrast(const QImage &with, const QImage &without)
{
    double best = 1;
    for (int y = 0; y < with.height(); ++y) {
        for (int x = 0; x < with.width(); ++x) {
            const QRgb a = with.pixel(x, y);
            const QRgb b = without.pixel(x, y);
            if (a != b)
                best = qMax(best, ReadableColour::contrast(QColor(a), QColor(b)));
        }
    }
    return best;
}

// Text pixels of a document view against its most common (background) colour.
double documentContrast(QWidget *viewport)
{
    const QImage image = viewport->grab().toImage();
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(background))
            background = it.key();
    double best = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = qMax(best, ReadableColour::contrast(QColor(it.key()), QColor(background)));
    return best;
}

// Renders widget, runs hide, renders again, runs show; the contrast of what hide removed.
template <typename Hide, typename Show> double measure(QWidget *widget, Hide hide, Show show)
{
    const QImage with = widget->grab().toImage();
    hide();
    const QImage without = widget->grab().toImage();
    show();
    return contentContrast(with, without);
}

// -1 for a widget without text or of a kind not measured here.
double textContrast(QWidget *widget)
{
    const QSignalBlocker blocker(widget);
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        const QString text = label->text();
        if (text.isEmpty())
            return -1;
        return measure(
            label, [&] { label->setText(QString()); }, [&] { label->setText(text); });
    }
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        const QString text = button->text();
        if (text.isEmpty())
            return -1;
        return measure(
            button, [&] { button->setText(QString()); }, [&] { button->setText(text); });
    }
    if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        const QString text = edit->text();
        if (text.isEmpty())
            return -1;
        return measure(
            edit, [&] { edit->setText(QString()); }, [&] { edit->setText(text); });
    }
    if (auto *box = qobject_cast<QGroupBox *>(widget)) {
        const QString title = box->title();
        if (title.isEmpty())
            return -1;
        return measure(
            box, [&] { box->setTitle(QString()); }, [&] { box->setTitle(title); });
    }
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        if (combo->isEditable())
            return -1; // its edit line is measured as one
        const int row = combo->currentIndex();
        const QString text = combo->itemText(row);
        if (text.isEmpty())
            return -1;
        return measure(
            combo, [&] { combo->setItemText(row, QString()); },
            [&] { combo->setItemText(row, text); });
    }
    if (auto *list = qobject_cast<QListWidget *>(widget)) {
        if (list->count() == 0)
            return -1;
        const QSignalBlocker modelBlocker(list->model());
        const QStringList words = [list] {
            QStringList all;
            for (int i = 0; i < list->count(); ++i)
                all << list->item(i)->text();
            return all;
        }();
        return measure(
            list->viewport(),
            [&] {
                for (int i = 0; i < list->count(); ++i)
                    list->item(i)->setText(QString());
            },
            [&] {
                for (int i = 0; i < list->count(); ++i)
                    list->item(i)->setText(words.at(i));
            });
    }
    if (auto *tabs = qobject_cast<QTabBar *>(widget)) {
        QStringList texts;
        for (int i = 0; i < tabs->count(); ++i)
            texts << tabs->tabText(i);
        return measure(
            tabs,
            [&] {
                for (int i = 0; i < tabs->count(); ++i)
                    tabs->setTabText(i, QString());
            },
            [&] {
                for (int i = 0; i < tabs->count(); ++i)
                    tabs->setTabText(i, texts.at(i));
            });
    }
    if (auto *document = qobject_cast<QTextEdit *>(widget))
        return document->document()->isEmpty() ? -1 : documentContrast(document->viewport());
    if (auto *plain = qobject_cast<QPlainTextEdit *>(widget))
        return plain->document()->isEmpty() ? -1 : documentContrast(plain->viewport());
    return -1; // not a text this test knows
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
    QCOMPARE(contrast(QColor(0x77, 0x77, 0x77), Qt::white),
             contrast(Qt::white, QColor(0x77, 0x77, 0x77)));
    QVERIFY(contrast(QColor(0x77, 0x77, 0x77), Qt::white) < 4.5); // the classic near miss
    QCOMPARE(readableOn(QColor(0xef, 0xef, 0xef), Qt::blue), QColor(Qt::blue));
    const QColor darkWindow(0x35, 0x35, 0x35);
    const QColor link = readableOn(darkWindow, QColor(0x2a, 0x82, 0xda));
    QVERIFY(contrast(darkWindow, link) >= TextContrast);
    QVERIFY(link.blue() > link.red()); // still a blue
    QVERIFY(contrast(Qt::white, readableOn(Qt::white, Qt::white)) >= TextContrast);
    QVERIFY(contrast(Qt::black, readableOn(Qt::black, Qt::black, IconContrast)) >= IconContrast);
}

void TestPaletteContrast::everyTextAndIcon_reads_data()
{
    QTest::addColumn<QPalette>("atStart");
    QTest::addColumn<QPalette>("afterStart");
    const QPalette light = QApplication::style()->standardPalette();
    QTest::newRow("light") << light << light;
    QTest::newRow("dark") << darkPalette() << darkPalette();
    QTest::newRow("light, then dark") << light << darkPalette();
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
    auto *tabs = form.findChild<QTabWidget *>(QStringLiteral("SSTab1"));
    const auto check = [&](QWidget *widget, double ratio, double minimum) {
        ++measured;
        if (ratio >= minimum)
            return;
        QObject *named = widget;
        while (named->objectName().isEmpty() && named->parent())
            named = named->parent();
        auto *button = qobject_cast<QToolButton *>(widget);
        poor << QStringLiteral("%1 in %2: %3:1")
                    .arg(QLatin1String(widget->metaObject()->className()),
                         button ? button->defaultAction()->objectName() : named->objectName())
                    .arg(ratio, 0, 'f', 2);
    };
    check(tabs->tabBar(), textContrast(tabs->tabBar()), ReadableColour::TextContrast);
    for (int page = 0; page < tabs->count(); ++page) {
        tabs->setCurrentIndex(page);
        QCoreApplication::processEvents(); // lay the page out
        const QList<QWidget *> widgets = tabs->widget(page)->findChildren<QWidget *>();
        for (QWidget *widget : widgets) {
            if (!widget->isVisible() || !widget->isEnabled() || widget->visibleRegion().isEmpty())
                continue; // disabled controls are exempt from the contrast bar
            if (auto *button = qobject_cast<QToolButton *>(widget);
                button && button->defaultAction() &&
                qobject_cast<QToolBar *>(button->parentWidget())) {
                QAction *action = button->defaultAction();
                const QIcon icon = action->icon();
                QPixmap nothing(button->iconSize());
                nothing.fill(Qt::transparent); // a null icon would show the text instead
                check(button,
                      measure(
                          button, [&] { action->setIcon(QIcon(nothing)); },
                          [&] { action->setIcon(icon); }),
                      ReadableColour::IconContrast);
                continue;
            }
            const double ratio = textContrast(widget);
            if (ratio >= 0)
                check(widget, ratio, ReadableColour::TextContrast);
        }
    }
    QVERIFY2(poor.isEmpty(), qPrintable(poor.join(QLatin1Char('\n'))));
    QVERIFY(measured > 300); // the test saw the window, not an empty one
}

QTEST_MAIN(TestPaletteContrast)
#include "tst_palette_contrast.moc"
