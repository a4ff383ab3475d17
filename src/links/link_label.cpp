#include "links/link_label.h"

#include "app/readable_colour.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &objectName, const QString &caption, QWidget *parent)
    : QLabel(caption, parent)
{
    setObjectName(objectName);
    setTextFormat(Qt::PlainText);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    QFont linkFont = font();
    linkFont.setUnderline(true);
    setFont(linkFont);
    followLinkColour();
}

void LinkLabel::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        followLinkColour();
}

// The palette's link colour, lightened or darkened just enough to read on the window
// colour: the usual dark palettes pair a mid blue link with a mid grey window.
void LinkLabel::followLinkColour()
{
    QPalette colours = palette();
    bool changed = false;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        const QColor wanted = ReadableColour::readableOn(colours.color(group, QPalette::Window),
                                                         colours.color(group, QPalette::Link));
        if (colours.color(group, QPalette::WindowText) != wanted) {
            colours.setColor(group, QPalette::WindowText, wanted);
            changed = true;
        }
    }
    if (changed)
        setPalette(colours); // comes back here once and then finds nothing to change
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit activated();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        emit activated();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}
