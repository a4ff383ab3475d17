#pragma once

#include "storage/page_setup.h"

#include <QList>
#include <QToolButton>
#include <functional>

class QAction;
class QMenu;

// A prompt page's "方案" button: "保存方案…" (saveSetup), "打开方案…" (openSetup) and the last
// five setups of this page (recentSetup(i)), then whatever the page adds. Opening checks the
// whole file first: a refused one changes nothing and says why in one message.
class SetupButton : public QToolButton
{
    Q_OBJECT

public:
    static constexpr int MaxRecent = 5;

    using Capture = std::function<PageSetup()>;
    using Apply = std::function<void(const PageSetup &)>;
    // Asks for a file to save to (save) or to open; an empty name cancels.
    using FileChooser = std::function<QString(QWidget *parent, bool save)>;

    SetupButton(PageSetup::Page page, const QString &name, Capture capture, Apply apply,
                QWidget *parent);

    void addPageAction(QAction *action);
    void setFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }

    // The menu's commands without their dialogs; false after the message.
    bool saveTo(const QString &path);
    bool openFrom(const QString &path);
    // A setup read elsewhere (a file given at start): applied and remembered.
    void applyRead(const PageSetup &setup, const QString &path);

    QStringList recentSetups() const;
    // Refills the recent entries; the menu does it each time it opens (never while one of its
    // actions runs, which the refill would delete).
    void rebuildMenu();

private:
    QString settingsKey() const;
    QString chooseFile(bool save);

    PageSetup::Page m_page;
    Capture m_capture;
    Apply m_apply;
    QMenu *m_menu = nullptr;
    QList<QAction *> m_pageActions;
    FileChooser m_chooser;
};
