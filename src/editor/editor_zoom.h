#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

class QAbstractTextDocumentLayout;
class QImage;
class QTextEdit;

// The editor's view size: Ctrl+=, Ctrl++, Ctrl+-, Ctrl+0 and Ctrl+wheel. Only the view
// changes: the document is laid out for a device of higher or lower resolution, so every
// font size scales alike and the document's fonts, formats and history stay as they are
// (QTextEdit's own zoom would change the document's default font, and so the saved file).
class EditorZoom : public QObject
{
    Q_OBJECT

public:
    static constexpr int MinSteps = -5;
    static constexpr int MaxSteps = 10;

    explicit EditorZoom(QTextEdit *edit);
    ~EditorZoom() override;
    Q_DISABLE_COPY_MOVE(EditorZoom)

    // Adds the zoom actions (with their keys) to owner.
    void addActionsTo(QWidget *owner);

    void zoomIn() { setSteps(m_steps + 1); }
    void zoomOut() { setSteps(m_steps - 1); }
    void reset() { setSteps(0); }
    int steps() const { return m_steps; }
    // 1.0 at the normal size; 0.1 more or less a step.
    double factor() const { return 1.0 + 0.1 * m_steps; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setSteps(int steps);

    QTextEdit *m_edit = nullptr;
    QPointer<QAbstractTextDocumentLayout> m_layout;
    std::unique_ptr<QImage> m_device;
    int m_steps = 0;
};
