#pragma once

#include <QLabel>

// A label that looks and acts like a link: pointing hand, link colour, underlined,
// activated by a left click or by Enter/Space while it has the focus.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    LinkLabel(const QString &objectName, const QString &caption, QWidget *parent);

signals:
    void activated();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void followLinkColour();
};
