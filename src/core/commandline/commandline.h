#pragma once

#include <QString>
#include <QStringList>

// What the program is asked on its command line.
struct CommandLine
{
    enum class Action { Open, Help, Version, Unknown };

    Action action = Action::Open;
    // The reports to open, in the order given.
    QStringList reports;
    // With Unknown, the first option that is not understood.
    QString option;

    bool operator==(const CommandLine &) const = default;
};

// Reads the arguments that follow the program's name. Help wins over the
// version, and both over an option that is not understood, wherever they
// stand: "tezmaro -x --help" still helps. "--" ends the options, so a report
// whose name starts with "-" can be named after it; a lone "-" names a file.
CommandLine readCommandLine(const QStringList &arguments);

// What the terminal shows, in Spanish, each text ending with a line end.
QString commandLineHelp();
QString versionText(const QString &version);
QString unknownOptionText(const QString &option);
