#include "columns/setup_button.h"

#include "storage/page_setup_file.h"
#include "storage/recent_paths.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

namespace {

const QString &saveTitle()
{
    static const QString title = QStringLiteral("保存方案");
    return title;
}

const QString &openTitle()
{
    static const QString title = QStringLiteral("打开方案");
    return title;
}

QString askForFile(QWidget *parent, bool save, const QString &suggested)
{
    QFileDialog dialog(parent, save ? saveTitle() : openTitle());
    dialog.setObjectName(QStringLiteral("setupFileDialog"));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(
        {QStringLiteral("Quorvane 方案 (*.qvset)"), QStringLiteral("所有文件 (*)")});
    dialog.setDefaultSuffix(QLatin1String(PageSetupFile::suffix()));
    if (save)
        dialog.selectFile(suggested);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

} // namespace

SetupButton::SetupButton(PageSetup::Page page, const QString &name, Capture capture, Apply apply,
                         QWidget *parent)
    : QToolButton(parent), m_page(page), m_capture(std::move(capture)), m_apply(std::move(apply)),
      m_menu(new QMenu(this))
{
    setObjectName(name);
    setText(QStringLiteral("方案"));
    setToolTip(QStringLiteral("把本页的各栏单词、开关和文字存为方案文件，或打开保存过的方案"));
    setPopupMode(QToolButton::InstantPopup);
    m_menu->setObjectName(name + QStringLiteral("Menu"));
    m_menu->setToolTipsVisible(true);
    setMenu(m_menu);
    connect(m_menu, &QMenu::aboutToShow, this, &SetupButton::rebuildMenu);
    rebuildMenu();
}

QString SetupButton::settingsKey() const
{
    switch (m_page) {
    case PageSetup::Page::Question:
        return QStringLiteral("setups/recentQuestion");
    case PageSetup::Page::Idea:
        return QStringLiteral("setups/recentIdea");
    case PageSetup::Page::Title:
        return QStringLiteral("setups/recentTitle");
    }
    return QString();
}

void SetupButton::addPageAction(QAction *action)
{
    m_pageActions.append(action);
    rebuildMenu();
}

QStringList SetupButton::recentSetups() const
{
    return RecentPaths(settingsKey(), MaxRecent).paths();
}

void SetupButton::rebuildMenu()
{
    m_menu->clear();
    QAction *save = m_menu->addAction(QStringLiteral("保存方案…"));
    save->setObjectName(QStringLiteral("saveSetup"));
    connect(save, &QAction::triggered, this, [this] {
        const QString path = chooseFile(true);
        if (!path.isEmpty())
            saveTo(path);
    });
    QAction *open = m_menu->addAction(QStringLiteral("打开方案…"));
    open->setObjectName(QStringLiteral("openSetup"));
    connect(open, &QAction::triggered, this, [this] {
        const QString path = chooseFile(false);
        if (!path.isEmpty())
            openFrom(path);
    });
    const QStringList recent = recentSetups();
    if (!recent.isEmpty())
        m_menu->addSeparator();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent.at(i);
        // "&1 name" gives keyboard access; an ampersand in a name must not become one.
        QString name = QFileInfo(path).completeBaseName();
        name.replace(u'&', QStringLiteral("&&"));
        QAction *action = m_menu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        action->setObjectName(QStringLiteral("recentSetup(%1)").arg(i));
        action->setToolTip(QDir::toNativeSeparators(path));
        connect(action, &QAction::triggered, this, [this, path] { openFrom(path); });
    }
    if (!m_pageActions.isEmpty())
        m_menu->addSeparator();
    m_menu->addActions(m_pageActions);
}

QString SetupButton::chooseFile(bool save)
{
    if (m_chooser)
        return m_chooser(window(), save);
    return askForFile(window(), save,
                      PageSetupFile::pageCaption(m_page) + QStringLiteral("方案.qvset"));
}

bool SetupButton::saveTo(const QString &path)
{
    QString error;
    if (!PageSetupFile::write(path, m_capture(), &error)) {
        QMessageBox::warning(window(), saveTitle(), error);
        return false;
    }
    RecentPaths(settingsKey(), MaxRecent).add(path);
    return true;
}

bool SetupButton::openFrom(const QString &path)
{
    PageSetup setup;
    QString error;
    if (!PageSetupFile::read(path, &setup, &error)) {
        if (!QFileInfo::exists(path)) // gone since: no use offering it again
            RecentPaths(settingsKey(), MaxRecent).remove(path);
        QMessageBox::warning(window(), openTitle(), error);
        return false;
    }
    if (setup.page != m_page) {
        QMessageBox::warning(
            window(), openTitle(),
            QStringLiteral("无法打开方案：%1\n这是“%2”页的方案，只能在那一页打开。")
                .arg(QDir::toNativeSeparators(path), PageSetupFile::pageCaption(setup.page)));
        return false;
    }
    applyRead(setup, path);
    return true;
}

void SetupButton::applyRead(const PageSetup &setup, const QString &path)
{
    m_apply(setup);
    RecentPaths(settingsKey(), MaxRecent).add(path);
}
