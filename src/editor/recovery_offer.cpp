#include "editor/recovery_offer.h"

#include "editor/editor_page.h"
#include "editor/recovery_copy.h"
#include "editor/rich_text_box.h"

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>

namespace RecoveryOffer {

void atStartUp(EditorPage *page)
{
    RecoveryCopy &copy = page->recoveryCopy();
    copy.setEnabled(true);
    const QString path = RecoveryCopy::filePath();
    if (!QFileInfo::exists(path))
        return;

    const QString title = QStringLiteral("编辑保存");
    QTextDocument loaded;
    loaded.setDefaultFont(page->editor()->document()->defaultFont());
    if (!RecoveryCopy::read(path, &loaded)) {
        const QString kept = RecoveryCopy::keepAside(path);
        QMessageBox::warning(page, title,
                             QStringLiteral("上次留下的编辑区内容无法读取，已原样保留在：%1")
                                 .arg(QDir::toNativeSeparators(kept)));
        return;
    }

    QMessageBox box(QMessageBox::Question, title,
                    QStringLiteral("上次程序没有正常关闭，编辑区还有未保存的内容。要恢复吗？"),
                    QMessageBox::NoButton, page);
    QPushButton *restore = box.addButton(QStringLiteral("恢复"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("丢弃"), QMessageBox::DestructiveRole);
    restore->setObjectName(QStringLiteral("restore"));
    discard->setObjectName(QStringLiteral("discard"));
    box.setDefaultButton(restore);
    box.exec();
    // Without an answer (the program told to end meanwhile) the copy waits for the next start.
    if (box.clickedButton() == restore)
        page->restoreUnsaved(loaded);
    else if (box.clickedButton() == discard)
        copy.discard();
}

} // namespace RecoveryOffer
