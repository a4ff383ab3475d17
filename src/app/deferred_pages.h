#pragma once

#include <QList>
#include <QStringList>

class QTabWidget;
class QWidget;

// Tabs whose pages come later: each tab holds an empty placeholder at once, so the tab bar
// shows every caption from the first paint, and the page takes its place when it is built.
namespace DeferredPages {

QList<QWidget *> addPlaceholders(QTabWidget *tabs, const QStringList &captions);
// pages[i] replaces places[i] (which is freed), keeping its caption, the current tab and
// the tab widget's signals quiet.
void replace(QTabWidget *tabs, const QList<QWidget *> &places, const QList<QWidget *> &pages);

} // namespace DeferredPages
