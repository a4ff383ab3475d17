#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <functional>

// Runs handler on the next message box once it shows; polled from the event loop the box
// itself runs, so it works whether the box comes at once or after other events.
inline void onNextMessageBox(QObject *context, std::function<void(QMessageBox *)> handler)
{
    auto *timer = new QTimer(context);
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, context, [timer, handler] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        handler(box);
    });
    timer->start();
}

// Closes the next message box and keeps its text.
inline void closeNextMessageBox(QObject *context, QString *text)
{
    onNextMessageBox(context, [text](QMessageBox *box) {
        *text = box->text();
        box->reject();
    });
}
