#include "commandline.h"

CommandLine readCommandLine(const QStringList &arguments)
{
    using Action = CommandLine::Action;
    QStringList reports;
    QString unknown;
    bool help = false;
    bool version = false;
    bool options = true;
    for (const QString &argument : arguments) {
        // An empty argument names no file: a launcher's unused field code.
        if (argument.isEmpty())
            continue;
        if (!options || argument == u"-" || !argument.startsWith(u'-'))
            reports << argument;
        else if (argument == u"--")
            options = false;
        else if (argument == u"-h" || argument == u"--help")
            help = true;
        else if (argument == u"-v" || argument == u"--version")
            version = true;
        else if (unknown.isEmpty())
            unknown = argument;
    }
    if (help)
        return {Action::Help, {}, {}};
    if (version)
        return {Action::Version, {}, {}};
    if (!unknown.isEmpty())
        return {Action::Unknown, {}, unknown};
    return {Action::Open, reports, {}};
}

QString commandLineHelp()
{
    return QStringLiteral(
        "Uso: tezmaro [OPCIÓN]... [INFORME]...\n"
        "Revive un partido de fútbol de la liga virtual a partir de su informe.\n"
        "\n"
        "Un INFORME se abre como con «Abrir Encuentro»; varios, como una jornada con\n"
        "«Abrir Jornada»: se sigue el primero y la ventana «Jornada» muestra todos.\n"
        "\n"
        "Opciones:\n"
        "  -h, --help     muestra esta ayuda y termina\n"
        "  -v, --version  muestra la versión y termina\n"
        "  --             lo que sigue son informes, aunque empiecen por «-»\n");
}

QString versionText(const QString &version)
{
    return QStringLiteral("Tezmaro %1\nLicencia MIT.\n").arg(version);
}

QString unknownOptionText(const QString &option)
{
    return QStringLiteral("tezmaro: opción desconocida «%1»\nPruebe «tezmaro --help» para más información.\n").arg(option);
}
