// The program's own start-up (as src/main.cpp does it), reporting when its
// main window is shown. Usage: tezmaro-startup-probe <program-folder>
#include "probe.h"

#include "form1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tezmaro"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
    QApplication::setDesktopFileName(QStringLiteral("tezmaro"));

    QTranslator qtSpanish;
    if (qtSpanish.load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtSpanish);

    const QStringList args = QApplication::arguments();
    Form1 window(args.size() > 1 ? args.at(1) : QCoreApplication::applicationDirPath());
    window.show();
    Probe::reportWhenShown(window);
    return QApplication::exec();
}
