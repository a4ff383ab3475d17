#include "app/deferred_pages.h"

#include <QSignalBlocker>
#include <QTabWidget>

namespace DeferredPages {

QList<QWidget *> addPlaceholders(QTabWidget *tabs, const QStringList &captions)
{
    QList<QWidget *> places;
    for (const QString &caption : captions) {
        auto *place = new QWidget(tabs);
        tabs->addTab(place, caption);
        places.append(place);
    }
    return places;
}

void replace(QTabWidget *tabs, const QList<QWidget *> &places, const QList<QWidget *> &pages)
{
    // Building a page is no page switch, even when its placeholder is the current tab.
    const QSignalBlocker quiet(tabs);
    const int current = tabs->currentIndex();
    for (qsizetype i = 0; i < places.size() && i < pages.size(); ++i) {
        const int index = tabs->indexOf(places.at(i));
        if (index < 0)
            continue;
        tabs->insertTab(index, pages.at(i), tabs->tabText(index));
        tabs->removeTab(index + 1);
        delete places.at(i);
    }
    tabs->setCurrentIndex(current);
}

} // namespace DeferredPages
