#include "editor/editor_zoom.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QImage>
#include <QTextDocument>
#include <QTextEdit>
#include <QWheelEvent>

EditorZoom::EditorZoom(QTextEdit *edit) : QObject(edit), m_edit(edit)
{
    setObjectName(QStringLiteral("editorZoom"));
    edit->viewport()->installEventFilter(this);
}

EditorZoom::~EditorZoom()
{
    // The layout must not keep a pointer to the device this object owns.
    if (m_layout && m_layout->paintDevice() == m_device.get())
        m_layout->setPaintDevice(nullptr);
}

void EditorZoom::addActionsTo(QWidget *owner)
{
    const auto add = [this, owner](const char *name, const QString &text,
                                   const QList<QKeySequence> &keys, void (EditorZoom::*slot)()) {
        auto *action = new QAction(text, owner);
        action->setObjectName(QLatin1String(name));
        action->setShortcuts(keys);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        connect(action, &QAction::triggered, this, slot);
        owner->addAction(action);
    };
    add("zoomIn", QStringLiteral("放大"),
        {QKeySequence(Qt::CTRL | Qt::Key_Equal), QKeySequence(Qt::CTRL | Qt::Key_Plus),
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Equal)},
        &EditorZoom::zoomIn);
    add("zoomOut", QStringLiteral("缩小"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
        &EditorZoom::zoomOut);
    add("zoomReset", QStringLiteral("原始大小"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
        &EditorZoom::reset);
}

void EditorZoom::setSteps(int steps)
{
    steps = qBound(MinSteps, steps, MaxSteps);
    if (steps == m_steps)
        return;
    m_steps = steps;
    QAbstractTextDocumentLayout *layout = m_edit->document()->documentLayout();
    if (m_layout && m_layout != layout && m_layout->paintDevice() == m_device.get())
        m_layout->setPaintDevice(nullptr);
    m_layout = layout;
    std::unique_ptr<QImage> device;
    if (steps != 0) {
        device = std::make_unique<QImage>(1, 1, QImage::Format_RGB32);
        const double metresPerInch = 0.0254;
        device->setDotsPerMeterX(qRound(m_edit->logicalDpiX() * factor() / metresPerInch));
        device->setDotsPerMeterY(qRound(m_edit->logicalDpiY() * factor() / metresPerInch));
    }
    layout->setPaintDevice(device.get());
    m_device = std::move(device);
    // Laid out again for the new resolution; the content itself is not touched.
    QTextDocument *doc = m_edit->document();
    doc->markContentsDirty(0, doc->characterCount());
    m_edit->ensureCursorVisible();
}

bool EditorZoom::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        const auto *wheel = static_cast<QWheelEvent *>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            const int delta = wheel->angleDelta().y();
            if (delta > 0)
                zoomIn();
            else if (delta < 0)
                zoomOut();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
