#include "app/help_page.h"

#include "storage/data_directory.h"
#include "storage/memo_file.h"

#include <QFile>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextBrowser>

namespace {

QString helpHtml(const QString &name)
{
    QFile file(QStringLiteral(":/help/%1.html").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

QLabel *heading(const QString &objectName, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// Read-only, yet the keyboard and a screen reader land in it: it reads its heading as name.
QTextBrowser *helpBox(const QString &objectName, const QString &resource, const QString &name,
                      QWidget *parent)
{
    auto *box = new QTextBrowser(parent);
    box->setObjectName(objectName);
    box->setAccessibleName(name);
    box->setReadOnly(true);
    box->setOpenLinks(false);
    box->setHtml(helpHtml(resource));
    return box;
}

} // namespace

HelpPage::HelpPage(QWidget *parent) : QWidget(parent)
{
    const QString notice = QStringLiteral("本软件使用须知");
    const QString common = QStringLiteral("各提示窗口通用操作方法说明");
    const QString pages = QStringLiteral("各窗口的功能及特殊操作说明");
    auto *layout = new QGridLayout(this);
    layout->addWidget(heading(QStringLiteral("Label54"), notice, this), 0, 0);
    layout->addWidget(heading(QStringLiteral("Label55"), common, this), 0, 1);
    layout->addWidget(
        helpBox(QStringLiteral("RichTextBox2"), QStringLiteral("notice"), notice, this), 1, 0);
    layout->addWidget(
        helpBox(QStringLiteral("RichTextBox3"), QStringLiteral("common"), common, this), 1, 1);
    layout->addWidget(heading(QStringLiteral("Label56"), pages, this), 2, 0);
    layout->addWidget(heading(QStringLiteral("Label57"),
                              QStringLiteral("备忘本：由用户撰写的说明信息(系统会自动保存)"), this),
                      2, 1);
    layout->addWidget(helpBox(QStringLiteral("RichTextBox4"), QStringLiteral("pages"), pages, this),
                      3, 0);
    m_memo = new QPlainTextEdit(this);
    m_memo->setObjectName(QStringLiteral("Text4"));
    m_memo->setAccessibleName(QStringLiteral("备忘本"));
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(m_memo, 3, 1);
    layout->setRowStretch(1, 1);
    layout->setRowStretch(3, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
}

void HelpPage::loadMemo()
{
    QString memo;
    QString error;
    m_memoUnread = !MemoFile::load(DataDirectory::filePath(MemoFile::fileName()), &memo, &error);
    if (m_memoUnread) {
        QMessageBox::warning(this, QStringLiteral("备忘本"), error);
        return;
    }
    // The box keeps line breaks as LF; the file's are CR LF.
    m_memo->setPlainText(memo.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_memo->document()->setModified(false);
}

bool HelpPage::memoChanged() const
{
    return m_memo->document()->isModified();
}

bool HelpPage::saveMemo()
{
    // An unreadable memo file is not replaced by the empty box it left.
    if (m_memoUnread && !memoChanged())
        return true;
    QString memo = m_memo->toPlainText();
    memo.replace(u'\n', QStringLiteral("\r\n"));
    QString error;
    if (!DataDirectory::ensureExists(&error) ||
        !MemoFile::save(DataDirectory::filePath(MemoFile::fileName()), memo, &error)) {
        QMessageBox::warning(this, QStringLiteral("备忘本"), error);
        return false;
    }
    m_memo->document()->setModified(false);
    m_memoUnread = false;
    return true;
}
