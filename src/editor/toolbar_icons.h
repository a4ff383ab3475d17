#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;
class QColor;
class QIcon;
class QImage;
class QToolBar;

// The toolbar's icons: the desktop theme's where it has one, else the bundled drawing,
// drawn again in the palette's button-text colour whenever the palette changes, so that
// it reads on dark palettes too.
class ToolbarIcons : public QObject
{
    Q_OBJECT

public:
    explicit ToolbarIcons(QToolBar *toolbar);

    void add(QAction *action, const QString &key, const QString &themeName);

    // A one-colour image in the ink colour, alpha kept; a coloured image stays as it is.
    // For the bundled PNGs when Qt's SVG plugin is missing.
    static QImage inked(const QImage &image, const QColor &ink);
    // The bundled icon for key as it shows on toolbar's palette.
    static QIcon bundledIcon(const QString &key, const QToolBar *toolbar);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        QPointer<QAction> action;
        QString key;
        QString themeName;
    };

    void apply(const Entry &entry) const;

    QToolBar *m_toolbar;
    QList<Entry> m_entries;
};
