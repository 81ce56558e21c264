// The floor of the start-up figures: an empty main window, built and linked
// like the program, reporting when it is shown.
#include "probe.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    // The size of the program's window, so both paint as much.
    window.resize(676, 530);
    window.show();
    Probe::reportWhenShown(window);
    return QApplication::exec();
}
