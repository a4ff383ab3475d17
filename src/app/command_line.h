#pragma once

#include <QString>
#include <QStringList>

// What the arguments ask for: run (maybe with a file for the editor), or only print a text.
// Needs a QCoreApplication (for the program's name and version) but no display.
class CommandLine
{
public:
    enum class Action
    {
        Run,
        PrintHelp,
        PrintVersion,
        Fail
    };

    static CommandLine parse(const QStringList &arguments);

    Action action() const { return m_action; }
    // The file to open in the editor, absolute; empty when none was given.
    QString file() const { return m_file; }
    // Help, version or error text, ending in a line break.
    QString text() const { return m_text; }

    // Prints the text (errors to stderr) and gives the exit status for a non-Run action.
    int print() const;

private:
    Action m_action = Action::Run;
    QString m_file;
    QString m_text;
};
