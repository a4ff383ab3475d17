#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

CommandLine CommandLine::parse(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("由单词栏组合问题、思路和发明题目，辅助发明构思。"));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("在“编辑保存”页打开的 RTF 或文本文件，或在所属页打开的方案 (.qvset)"),
        QStringLiteral("[file]"));

    CommandLine result;
    const auto fail = [&](const QString &message) {
        result.m_action = Action::Fail;
        result.m_text = message + QLatin1Char('\n') + parser.helpText();
        return result;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (parser.isSet(help)) {
        result.m_action = Action::PrintHelp;
        result.m_text = parser.helpText();
        return result;
    }
    if (parser.isSet(version)) {
        result.m_action = Action::PrintVersion;
        result.m_text = QCoreApplication::applicationName() + QLatin1Char(' ') +
                        QCoreApplication::applicationVersion() + QLatin1Char('\n');
        return result;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
        return fail(QStringLiteral("只能打开一个文件。"));
    // The running copy may have another working directory: hand over absolute paths.
    if (!files.isEmpty() && !files.first().isEmpty())
        result.m_file = QFileInfo(files.first()).absoluteFilePath();
    return result;
}

int CommandLine::print() const
{
    const QByteArray bytes = m_text.toLocal8Bit();
    std::FILE *stream = m_action == Action::Fail ? stderr : stdout;
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
    return m_action == Action::Fail ? 1 : 0;
}
