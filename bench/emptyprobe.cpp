// The floor of the start-up figures: an empty main window, built and linked
// like the program, reporting when it is shown. With --text it gets a menu
// bar and a line of text, the least a real window has, as a reference.
#include "probe.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    // The size of the program's window, so both paint as much.
    window.resize(676, 530);
    if (QApplication::arguments().contains(QStringLiteral("--text"))) {
        window.menuBar()->addMenu(QStringLiteral("&Archivo"))->addAction(QStringLiteral("Abrir Encuentro"));
        window.setCentralWidget(new QLabel(QStringLiteral("Velocidad >>")));
    }
    window.show();
    Probe::reportWhenShown(window);
    return QApplication::exec();
}
