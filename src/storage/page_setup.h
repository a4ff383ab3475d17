#pragma once

#include "columns/exclusion_set.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One prompt page's whole setup, as a setup file keeps it: every column in order, the
// page's pattern or style, and its ruled-out pairs.
struct PageSetup
{
    enum class Page
    {
        Question,
        Idea,
        Title
    };

    struct Column
    {
        QString caption;
        QStringList words; // in the list's order, sorted list or not
        bool enabled = false;
        QString input;    // the input box; on the title page the list's edit line
        QString listText; // what the list's edit line shows, where it is not the input box
        // The idea page's connecting words: the boxes' texts and entries.
        QString lead;
        QStringList leadWords;
        QString trail;
        QStringList trailWords;
    };

    Page page = Page::Question;
    QList<Column> columns;
    // The question page's pattern (0 .. 7, -1 none shown) or the idea page's style (0 .. 3).
    int choice = -1;
    // The page's ruled-out word pairs; files from before they were kept have none to give.
    std::optional<QList<WordPair>> ruledOut;
};
