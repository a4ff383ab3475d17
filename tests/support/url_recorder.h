#pragma once

#include <QList>
#include <QObject>
#include <QUrl>

// Stands in for the desktop's browser: install it with QDesktopServices::setUrlHandler(scheme,
// &recorder, "open") and read what the program asked to open.
class UrlRecorder : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    QList<QUrl> opened;

public slots:
    void open(const QUrl &url);
};
