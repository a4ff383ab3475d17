#include "storage/page_setup_file.h"

#include "storage/line_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace PageSetupFile {

namespace {

const QString &formatName()
{
    static const QString name = QStringLiteral("quorvane-setup");
    return name;
}

// Entries of a word list, and of an idea page's connecting-word box.
constexpr qsizetype MaxWords = 32767;

QString pageKey(PageSetup::Page page)
{
    switch (page) {
    case PageSetup::Page::Question:
        return QStringLiteral("question");
    case PageSetup::Page::Idea:
        return QStringLiteral("idea");
    case PageSetup::Page::Title:
        return QStringLiteral("title");
    }
    return QString();
}

QJsonArray toArray(const QStringList &words)
{
    QJsonArray array;
    for (const QString &word : words)
        array.append(word);
    return array;
}

// Reads the JSON without trusting it: every field has its type or the file is refused.
class Reader
{
public:
    QString reason;

    bool text(const QJsonObject &object, const char *key, QString *into)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (!value.isString())
            return broken();
        *into = value.toString();
        return true;
    }

    bool words(const QJsonObject &object, const char *key, QStringList *into)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        if (!value.isArray())
            return broken();
        const QJsonArray array = value.toArray();
        if (array.size() > MaxWords) {
            reason = QStringLiteral("有一栏超过 %1 个单词，列表容纳不下。").arg(MaxWords);
            return false;
        }
        into->clear();
        into->reserve(array.size());
        for (const QJsonValue &word : array) {
            if (!word.isString())
                return broken();
            into->append(word.toString());
        }
        return true;
    }

    bool broken()
    {
        if (reason.isEmpty())
            reason = QStringLiteral("文件已损坏或内容不完整，不是有效的方案。");
        return false;
    }
};

bool readColumn(Reader &reader, const QJsonValue &value, PageSetup::Page page,
                PageSetup::Column *column)
{
    if (!value.isObject())
        return reader.broken();
    const QJsonObject object = value.toObject();
    const QJsonValue enabled = object.value(QLatin1String("enabled"));
    if (!enabled.isBool())
        return reader.broken();
    column->enabled = enabled.toBool();
    if (!reader.text(object, "caption", &column->caption) ||
        !reader.words(object, "words", &column->words) ||
        !reader.text(object, "input", &column->input))
        return false;
    if (page == PageSetup::Page::Title)
        return true;
    if (!reader.text(object, "listText", &column->listText))
        return false;
    if (page != PageSetup::Page::Idea)
        return true;
    return reader.text(object, "lead", &column->lead) &&
           reader.words(object, "leadWords", &column->leadWords) &&
           reader.text(object, "trail", &column->trail) &&
           reader.words(object, "trailWords", &column->trailWords);
}

} // namespace

QString pageCaption(PageSetup::Page page)
{
    switch (page) {
    case PageSetup::Page::Question:
        return QStringLiteral("问题提示");
    case PageSetup::Page::Idea:
        return QStringLiteral("思路提示");
    case PageSetup::Page::Title:
        return QStringLiteral("题目提示");
    }
    return QString();
}

int columnCount(PageSetup::Page page)
{
    switch (page) {
    case PageSetup::Page::Question:
        return 11;
    case PageSetup::Page::Idea:
        return 6;
    case PageSetup::Page::Title:
        return 7;
    }
    return 0;
}

QByteArray encode(const PageSetup &setup)
{
    QJsonArray columns;
    for (const PageSetup::Column &column : setup.columns) {
        QJsonObject object{{QStringLiteral("caption"), column.caption},
                           {QStringLiteral("words"), toArray(column.words)},
                           {QStringLiteral("enabled"), column.enabled},
                           {QStringLiteral("input"), column.input}};
        if (setup.page != PageSetup::Page::Title)
            object.insert(QStringLiteral("listText"), column.listText);
        if (setup.page == PageSetup::Page::Idea) {
            object.insert(QStringLiteral("lead"), column.lead);
            object.insert(QStringLiteral("leadWords"), toArray(column.leadWords));
            object.insert(QStringLiteral("trail"), column.trail);
            object.insert(QStringLiteral("trailWords"), toArray(column.trailWords));
        }
        columns.append(object);
    }
    QJsonObject root{{QStringLiteral("format"), formatName()},
                     {QStringLiteral("version"), FormatVersion},
                     {QStringLiteral("page"), pageKey(setup.page)},
                     {QStringLiteral("columns"), columns}};
    if (setup.ruledOut) {
        QJsonArray pairs;
        for (const WordPair &pair : *setup.ruledOut)
            pairs.append(QJsonArray{pair.first, pair.second});
        root.insert(QStringLiteral("ruledOut"), pairs);
    }
    // Numbered as the page shows them: pattern 1 to 8 (0: none), style 1 to 4.
    if (setup.page == PageSetup::Page::Question)
        root.insert(QStringLiteral("pattern"), setup.choice + 1);
    else if (setup.page == PageSetup::Page::Idea)
        root.insert(QStringLiteral("style"), setup.choice + 1);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool decode(const QByteArray &bytes, PageSetup *setup, QString *reason)
{
    Reader reader;
    const auto refuse = [&reader, reason] {
        if (reason)
            *reason = reader.reason;
        return false;
    };
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        reader.broken();
        return refuse();
    }
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != formatName()) {
        reader.reason = QStringLiteral("这不是 Quorvane 的方案文件。");
        return refuse();
    }
    const QJsonValue version = root.value(QLatin1String("version"));
    const double number = version.toDouble(-1);
    if (!version.isDouble() || number < 1 || number != double(qint64(number))) {
        reader.broken();
        return refuse();
    }
    if (number > FormatVersion) {
        reader.reason = QStringLiteral("这个方案由较新版本的 Quorvane 保存（格式第 %1 版），本程序"
                                       "只能打开第 %2 版的方案。")
                            .arg(qint64(number))
                            .arg(FormatVersion);
        return refuse();
    }

    PageSetup read;
    const QString key = root.value(QLatin1String("page")).toString();
    bool known = false;
    for (const auto page :
         {PageSetup::Page::Question, PageSetup::Page::Idea, PageSetup::Page::Title}) {
        if (key == pageKey(page)) {
            read.page = page;
            known = true;
        }
    }
    const QJsonValue columns = root.value(QLatin1String("columns"));
    if (!known || !columns.isArray() || columns.toArray().size() != columnCount(read.page)) {
        reader.broken();
        return refuse();
    }
    for (const QJsonValue &value : columns.toArray()) {
        PageSetup::Column column;
        if (!readColumn(reader, value, read.page, &column))
            return refuse();
        read.columns.append(column);
    }

    const auto choice = [&root](const char *name, int lowest, int highest, int *into) {
        const QJsonValue value = root.value(QLatin1String(name));
        const int chosen = value.toInt(-1);
        if (!value.isDouble() || chosen < lowest || chosen > highest || value.toDouble() != chosen)
            return false;
        *into = chosen - 1;
        return true;
    };
    if ((read.page == PageSetup::Page::Question && !choice("pattern", 0, 8, &read.choice)) ||
        (read.page == PageSetup::Page::Idea && !choice("style", 1, 4, &read.choice))) {
        reader.broken();
        return refuse();
    }
    // Optional: a file saved before pairs were kept leaves the page's own.
    const QJsonValue ruledOut = root.value(QLatin1String("ruledOut"));
    if (!ruledOut.isUndefined()) {
        if (!ruledOut.isArray()) {
            reader.broken();
            return refuse();
        }
        QList<WordPair> pairs;
        for (const QJsonValue &value : ruledOut.toArray()) {
            const QJsonArray pair = value.toArray();
            if (!value.isArray() || pair.size() != 2 ||
                !ExclusionSet::acceptable(pair.at(0).toString(), pair.at(1).toString())) {
                reader.broken();
                return refuse();
            }
            pairs.append(WordPair(pair.at(0).toString(), pair.at(1).toString()));
        }
        read.ruledOut = pairs;
    }
    *setup = read;
    return true;
}

bool read(const QString &path, PageSetup *setup, QString *error)
{
    const auto fail = [&path, error](const QString &reason) {
        if (error)
            *error =
                QStringLiteral("无法打开方案：%1\n%2").arg(QDir::toNativeSeparators(path), reason);
        return false;
    };
    const QFileInfo info(path);
    if (info.isDir())
        return fail(QStringLiteral("这是一个文件夹。"));
    // Before reading it: a huge file must not fill the memory.
    if (info.exists() && info.size() > MaxBytes)
        return fail(QStringLiteral("文件太大（%1 MB），方案文件不超过 %2 MB。")
                        .arg(info.size() / (1024 * 1024))
                        .arg(MaxBytes / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(info.exists() ? QStringLiteral("没有读取权限。")
                                  : QStringLiteral("文件不存在。"));
    const QByteArray bytes = file.read(MaxBytes + 1);
    if (file.error() != QFileDevice::NoError)
        return fail(QStringLiteral("读取出错。"));
    if (bytes.size() > MaxBytes) // grew since, or not a regular file
        return fail(
            QStringLiteral("文件太大，方案文件不超过 %1 MB。").arg(MaxBytes / (1024 * 1024)));
    QString reason;
    return decode(bytes, setup, &reason) || fail(reason);
}

bool write(const QString &path, const PageSetup &setup, QString *error)
{
    return LineFile::writeAll(path, encode(setup), error);
}

} // namespace PageSetupFile
