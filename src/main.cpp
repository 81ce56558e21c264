#include "form1.h"
#include "commandline/commandline.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

int print(std::FILE *stream, const QString &text, int code)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    return code;
}

} // namespace

int main(int argc, char *argv[])
{
    // Help and version answer before the window system is asked for, so they
    // work in a terminal without a display.
    const CommandLine early = readCommandLine(argumentsOf(argc, argv));
    if (early.action == CommandLine::Action::Help)
        return print(stdout, commandLineHelp(), 0);
    if (early.action == CommandLine::Action::Version)
        return print(stdout, versionText(QStringLiteral(TEZMARO_VERSION)), 0);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tezmaro"));
    QApplication::setApplicationVersion(QStringLiteral(TEZMARO_VERSION));
    // The launcher's base name, so that Wayland compositors find its icon.
    QApplication::setDesktopFileName(QStringLiteral(TEZMARO_APP_ID));

    // Read again without Qt's own options (-platform, -style...), which the
    // application has taken out.
    const CommandLine command = readCommandLine(QCoreApplication::arguments().mid(1));
    if (command.action == CommandLine::Action::Unknown)
        return print(stderr, unknownOptionText(command.option), 2);

    // Qt's own texts (file dialog, colour dialog, standard buttons) in Spanish.
    QTranslator qtSpanish;
    if (qtSpanish.load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtSpanish);

    Form1 window(QCoreApplication::applicationDirPath());
    window.show();
    // Opened once the window is on screen, so that a message about a report
    // stands over it.
    if (!command.reports.isEmpty()) {
        QMetaObject::invokeMethod(
            &window, [&window, reports = command.reports] { window.openReports(reports); }, Qt::QueuedConnection);
    }
    return QApplication::exec();
}
