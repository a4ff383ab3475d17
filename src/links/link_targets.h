#pragma once

#include <QList>
#include <QString>

// What each link label shows and opens.
struct LinkTarget
{
    QString label;        // object name, "Label5"
    QString caption;      // as first shown
    QString captionAfter; // set after a click
    QString target;       // an address, or LinkTargets::localHelp()
};

namespace LinkTargets {

QList<LinkTarget> patentLinks();  // Label5 .. Label16
QList<LinkTarget> supportLinks(); // Label1 .. Label3

// The program has no home page: its own help, written out as an HTML file, stands in.
QString localHelp();
// localHelp() becomes a file URL (written to the data directory); others pass through.
// Empty, with error set, when the help file cannot be written.
QString resolve(const QString &target, QString *error);

} // namespace LinkTargets
