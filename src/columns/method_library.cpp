#include "columns/method_library.h"

#include <QFile>

MethodLibrary MethodLibrary::parse(const QByteArray &text)
{
    static const QString titleKey = QStringLiteral("标题：");
    static const QString sourceKey = QStringLiteral("来源：");
    MethodLibrary library;
    const QStringList lines = QString::fromUtf8(text).split(u'\n');
    for (const QString &raw : lines) {
        const QString line = raw.trimmed();
        if (line.isEmpty())
            continue;
        if (!line.startsWith(u'#')) {
            library.words.append(line);
            continue;
        }
        const QString header = line.mid(1).trimmed();
        if (header.startsWith(titleKey))
            library.title = header.mid(titleKey.size()).trimmed();
        else if (header.startsWith(sourceKey))
            library.source = header.mid(sourceKey.size()).trimmed();
    }
    return library;
}

const QList<MethodLibrary> &MethodLibrary::all()
{
    static const QList<MethodLibrary> libraries = [] {
        const char *const files[] = {"triz_principles", "triz_parameters", "osborn_checklist",
                                     "hetian_methods",  "scamper",         "physical_effects",
                                     "materials",       "function_verbs"};
        QList<MethodLibrary> read;
        for (const char *name : files) {
            QFile file(QStringLiteral(":/methods/%1.txt").arg(QLatin1String(name)));
            if (file.open(QIODevice::ReadOnly))
                read.append(parse(file.readAll()));
        }
        return read;
    }();
    return libraries;
}
