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
    // The launcher's base name, so that Wayland compositors find its icon.
    QApplication::setDesktopFileName(QStringLiteral(TEZMARO_APP_ID));

    // Qt's own texts (file dialog, colour dialog, standard buttons) in Spanish.
    QTranslator qtSpanish;
    if (qtSpanish.load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtSpanish);

    Form1 window(QCoreApplication::applicationDirPath());
    window.show();
    return QApplication::exec();
}
