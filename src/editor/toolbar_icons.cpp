#include "editor/toolbar_icons.h"

#include "app/readable_colour.h"

#include <QAction>
#include <QBuffer>
#include <QEvent>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QToolBar>

ToolbarIcons::ToolbarIcons(QToolBar *toolbar) : QObject(toolbar), m_toolbar(toolbar)
{
    toolbar->installEventFilter(this);
}

void ToolbarIcons::add(QAction *action, const QString &key, const QString &themeName)
{
    m_entries.append({action, key, themeName});
    apply(m_entries.constLast());
}

QImage ToolbarIcons::inked(const QImage &image, const QColor &ink)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    QRgb only = 0;
    bool seen = false;
    for (int y = 0; y < result.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(result.constScanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (qAlpha(line[x]) == 0)
                continue;
            const QRgb colour = line[x] & RGB_MASK;
            if (seen && colour != only)
                return image; // drawn in colours of its own: they read on either palette
            only = colour;
            seen = true;
        }
    }
    const QRgb inkRgb = ink.rgb() & RGB_MASK;
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            line[x] = (line[x] & ~RGB_MASK) | inkRgb;
    }
    return result;
}

QIcon ToolbarIcons::bundledIcon(const QString &key, const QToolBar *toolbar)
{
    const QPalette &colours = toolbar->palette();
    const QColor ink = ReadableColour::readableOn(colours.color(QPalette::Window),
                                                  colours.color(QPalette::ButtonText),
                                                  ReadableColour::IconContrast);
    // The drawings use one ink and white paper; both follow the palette, the other
    // fills (the folder's yellow, the bin's red) stay.
    QFile file(QStringLiteral(":/icons/svg/%1.svg").arg(key));
    QByteArray svg = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    svg.replace("\"#2b3a4a\"", "\"" + ink.name().toLatin1() + '"');
    svg.replace("\"#fff\"", "\"" + colours.color(QPalette::Base).name().toLatin1() + '"');
    QIcon icon;
    for (const int side : {16, 22, 24, 32, 48}) {
        QBuffer buffer(&svg);
        QImageReader reader(&buffer, "svg");
        reader.setScaledSize(QSize(side, side));
        const QImage image = reader.read();
        if (image.isNull())
            break; // without Qt's SVG plugin
        icon.addPixmap(QPixmap::fromImage(image));
    }
    if (icon.isNull())
        icon.addPixmap(
            QPixmap::fromImage(inked(QImage(QStringLiteral(":/icons/%1.png").arg(key)), ink)));
    return icon;
}

bool ToolbarIcons::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_toolbar && event->type() == QEvent::PaletteChange) {
        for (const Entry &entry : std::as_const(m_entries))
            apply(entry);
    }
    return QObject::eventFilter(watched, event);
}

void ToolbarIcons::apply(const Entry &entry) const
{
    if (!entry.action)
        return;
    if (QIcon::hasThemeIcon(entry.themeName))
        entry.action->setIcon(QIcon::fromTheme(entry.themeName));
    else
        entry.action->setIcon(bundledIcon(entry.key, m_toolbar));
}
