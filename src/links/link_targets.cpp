#include "links/link_targets.h"

#include "storage/data_directory.h"
#include "storage/line_file.h"

#include <QFile>
#include <QUrl>

namespace LinkTargets {

namespace {

// Design captions end with a line break; the caption set after a click has none.
LinkTarget designed(const QString &label, const QString &caption, const QString &after,
                    const QString &target)
{
    return {label, caption + QStringLiteral("\r\n"), after, target};
}

QString helpSection(const QString &name)
{
    QFile file(QStringLiteral(":/help/%1.html").arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

} // namespace

QList<LinkTarget> patentLinks()
{
    const QString patentQuery =
        QString::fromLatin1(QUrl::toPercentEncoding(QStringLiteral("专利检索 发明专利 数据库")));
    return {
        designed(QStringLiteral("Label5"), QStringLiteral("中国专利检索系统"),
                 QStringLiteral("中国专利检索系统"),
                 QStringLiteral("https://pss-system.cponline.cnipa.gov.cn/")),
        designed(QStringLiteral("Label6"), QStringLiteral("中国知识产权网"),
                 QStringLiteral("中国知识产权网"), QStringLiteral("https://www.cnipr.com/")),
        designed(QStringLiteral("Label7"), QStringLiteral("世界知识产权组织"),
                 QStringLiteral("世界知识产权组织"),
                 QStringLiteral("https://patentscope.wipo.int/search/zh/search.jsf")),
        designed(QStringLiteral("Label8"), QStringLiteral("美国专利数据库"),
                 QStringLiteral("美国专利数据库"),
                 QStringLiteral("https://ppubs.uspto.gov/pubwebapp/")),
        designed(QStringLiteral("Label9"), QStringLiteral("欧洲及各国专利"),
                 QStringLiteral("欧洲及欧洲各国专利"),
                 QStringLiteral("https://worldwide.espacenet.com/")),
        designed(QStringLiteral("Label10"), QStringLiteral("台湾专利数据库"),
                 QStringLiteral("台湾专利数据库"), QStringLiteral("https://twpat.tipo.gov.tw/")),
        designed(QStringLiteral("Label11"), QStringLiteral("中国专利信息网"),
                 QStringLiteral("中国专利信息网"), QStringLiteral("https://www.cnpat.com.cn/")),
        designed(QStringLiteral("Label12"), QStringLiteral("PCT国际专利"),
                 QStringLiteral("PCT国际专利"),
                 QStringLiteral("https://patentscope.wipo.int/search/en/pctBrowse.jsf")),
        designed(QStringLiteral("Label13"), QStringLiteral("IPC国际专利分类表"),
                 QStringLiteral("IPC国际专利分类表"), QStringLiteral("https://ipcpub.wipo.int/")),
        designed(QStringLiteral("Label14"), QStringLiteral("网易google搜索引擎"),
                 QStringLiteral("网易google搜索引擎"),
                 QStringLiteral("https://www.google.com/search?q=") + patentQuery),
        // Yahoo's mainland site is closed; its Chinese-language portal stands in.
        designed(QStringLiteral("Label15"), QStringLiteral("yahoo中国搜索引擎"),
                 QStringLiteral("yahoo中国搜索引擎"), QStringLiteral("https://tw.yahoo.com/")),
        designed(QStringLiteral("Label16"), QStringLiteral("yahoo英文搜索引擎"),
                 QStringLiteral("yahoo英文搜索引擎"), QStringLiteral("https://www.yahoo.com/")),
    };
}

QList<LinkTarget> supportLinks()
{
    return {
        {QStringLiteral("Label1"), QStringLiteral("本机帮助主页"), QStringLiteral("本机帮助主页"),
         localHelp()},
        {QStringLiteral("Label2"), QStringLiteral("软件主页"), QStringLiteral("软件主页"),
         localHelp()},
        // No support address exists, so none is invented: the user picks the recipient.
        {QStringLiteral("Label3"), QStringLiteral("电子信箱"), QStringLiteral("电子信箱"),
         QStringLiteral("mailto:?subject=Quorvane")},
    };
}

QString localHelp()
{
    return QStringLiteral("quorvane:help");
}

QString resolve(const QString &target, QString *error)
{
    if (target != localHelp())
        return target;
    const QString html =
        QStringLiteral("<!DOCTYPE html><html lang=\"zh-CN\"><head><meta charset=\"utf-8\">"
                       "<title>Quorvane v3.0 使用说明</title></head><body>") +
        helpSection(QStringLiteral("notice")) + helpSection(QStringLiteral("common")) +
        helpSection(QStringLiteral("pages")) + QStringLiteral("</body></html>");
    const QString path = DataDirectory::filePath(QStringLiteral("quorvane-help.html"));
    if (!DataDirectory::ensureExists(error) || !LineFile::writeAll(path, html.toUtf8(), error))
        return QString();
    return QUrl::fromLocalFile(path).toString();
}

} // namespace LinkTargets
