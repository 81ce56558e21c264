// Renders the documentation screenshots: drives the real windows through a
// sample match and saves what they show. Run it under a real X server
// (xvfb-run) of 1920 by 1080 pixels, so fonts and styles are those a user
// sees and full screen is a common screen's:
//   xvfb-run -a -s "-screen 0 1920x1080x24" build/tools/screenshots/tezmaro-screenshots <program-folder> <out-folder>
#include "cronica.h"
#include "form3.h"
#include "kit/commondialog.h"
#include "kit/fontdialog.h"
#include "form1.h"
#include "kit/toolbar.h"
#include "form2.h"
#include "jornada.h"
#include "scripteddialogs.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QTableWidget>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QTranslator>

namespace {

void save(QWidget *widget, const QString &path)
{
    QApplication::processEvents();
    widget->window()->grab().save(path);
}

// Windows side by side on one picture, as they stand on the screen.
void saveSide(const QList<QWidget *> &windows, const QString &path)
{
    QApplication::processEvents();
    QList<QPixmap> shots;
    QSize size(0, 0);
    constexpr int Gap = 12;
    for (QWidget *window : windows) {
        shots << window->grab();
        size = QSize(size.width() + shots.last().width() + Gap, qMax(size.height(), shots.last().height()));
    }
    QPixmap picture(size.width() - Gap, size.height());
    picture.fill(QColor(0x30, 0x30, 0x30));
    QPainter painter(&picture);
    int x = 0;
    for (const QPixmap &shot : shots) {
        painter.drawPixmap(x, 0, shot);
        x += shot.width() + Gap;
    }
    painter.end();
    picture.save(path);
}

// The X server answers a new window size in its own time.
void waitForSize(QWidget *widget, const QSize &size)
{
    for (QDeadlineTimer deadline(5000); widget->size() != size && !deadline.hasExpired();) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
    QApplication::processEvents();
}

void playToStop(Form1 &window)
{
    auto *timer = window.findChild<QTimer *>(QStringLiteral("Timer1"));
    for (int i = 0; i < 100000 && timer->isActive(); ++i)
        window.Timer1_Timer();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTranslator qtSpanish;
    if (qtSpanish.load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtSpanish);
    const QStringList args = QApplication::arguments();
    if (args.size() < 3)
        return 2;
    // A scratch copy of the program folder, so the settings the pictures need
    // never touch the user's own; nor do the recent reports.
    QTemporaryDir scratch;
    const QString programDir = scratch.path();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(programDir + QStringLiteral("/config")));
    for (const char *folder : {"escudos", "ejemplos", "fondos"}) {
        const QDir from(args.at(1) + u'/' + QLatin1String(folder));
        QDir(programDir).mkdir(QLatin1String(folder));
        for (const QString &name : from.entryList(QDir::Files))
            QFile::copy(from.filePath(name), programDir + u'/' + QLatin1String(folder) + u'/' + name);
    }
    const QDir out(args.at(2));
    const QString sample = programDir + QStringLiteral("/ejemplos/puerto_alcazar-vallehondo.txt");

    Form1 window(programDir);
    window.show();
    auto *toolbar = window.findChild<Toolbar *>(QStringLiteral("Toolbar1"));
    auto *archivo = window.findChild<CommonDialog *>(QStringLiteral("Archivo"));
    save(&window, out.filePath(QStringLiteral("inicio.png")));

    answerNextOpen(archivo, sample);
    window.Abrir_Encuentro_Click();
    save(&window, out.filePath(QStringLiteral("abierto.png")));

    toolbar->button(2)->trigger();
    playToStop(window);
    save(&window, out.filePath(QStringLiteral("descanso.png")));

    toolbar->button(2)->trigger();
    playToStop(window);
    save(&window, out.filePath(QStringLiteral("final.png")));

    // A larger layout: the window at 150 %, then over the whole screen.
    const auto choose = [&window](const char *entry) { window.findChild<QAction *>(QLatin1String(entry))->trigger(); };
    QWidget *room = window.centralWidget();
    const QSize ownSize = room->size();
    choose("Tamano150");
    waitForSize(room, ownSize * 3 / 2);
    save(&window, out.filePath(QStringLiteral("tamano150.png")));
    choose("Pantalla_Completa");
    // Without a window manager to take the window over the whole screen, the
    // tool does what one would.
    const QRect screen = window.screen()->geometry();
    waitForSize(&window, screen.size());
    if (window.size() != screen.size()) {
        window.setGeometry(screen);
        waitForSize(&window, screen.size());
    }
    save(&window, out.filePath(QStringLiteral("pantallacompleta.png")));
    choose("Tamano100");
    waitForSize(room, ownSize);

    {
        Form2 statistics(archivo->FileName, quint32(0x00004000), &window);
        statistics.show();
        save(&statistics, out.filePath(QStringLiteral("estadisticas1.png")));
        auto *next = statistics.findChild<QPushButton *>(QStringLiteral("Command2"));
        next->click();
        next->click();
        save(&statistics, out.filePath(QStringLiteral("estadisticas3.png")));
    }
    {
        Form3 about(&window);
        about.show();
        save(&about, out.filePath(QStringLiteral("acerca.png")));
    }

    // A round of the three samples: the second match followed from its 20th
    // minute, just after its first goal.
    QStringList round;
    for (const char *name : {"arenales-penascal.txt", "puerto_alcazar-vallehondo.txt", "santa_olaya-torrealba.txt"})
        round << programDir + QStringLiteral("/ejemplos/") + QLatin1String(name);
    window.openReports(round);
    toolbar->button(2)->trigger();
    while (window.partido().match().Minuto < 20)
        window.Timer1_Timer();
    auto *jornada = window.findChild<Jornada *>(QStringLiteral("Jornada"));
    auto *partidos = jornada->findChild<QTableWidget *>(QStringLiteral("Partidos"));
    partidos->setCurrentCell(1, 1);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(partidos, &enter);
    // The lights of the goals before have gone out, as they do after a few seconds.
    for (QTimer *light : jornada->findChildren<QTimer *>())
        QMetaObject::invokeMethod(light, "timeout");
    while (window.partido().match().Home == 0 && window.partido().clockRunning())
        window.Timer1_Timer();
    saveSide({&window, jornada}, out.filePath(QStringLiteral("jornada.png")));

    // Another look: grey background, a narration font of its own, the pitch picture.
    auto *archivo2 = window.findChild<CommonDialog *>(QStringLiteral("Archivo2"));
    window.Predeterminado_Click();
    answerNext(archivo, [](QDialog *dialog) {
        static_cast<FontDialog *>(dialog)->setChoice(
            {.name = QStringLiteral("DejaVu Serif"), .size = 13, .italic = true, .color = 0x0080FFFF});
        return true;
    });
    window.Escoger2_Click();
    answerNextOpen(archivo2, programDir + QStringLiteral("/fondos/campo.gif"));
    window.Fondo_Aplicacion_Click();
    answerNextOpen(archivo, sample);
    window.Abrir_Encuentro_Click();
    toolbar->button(2)->trigger();
    auto *narration = window.findChild<QLabel *>(QStringLiteral("Texto_Narracion"));
    for (int i = 0; i < 60 || narration->text().isEmpty(); ++i)
        window.Timer1_Timer();
    save(&window, out.filePath(QStringLiteral("apariencia.png")));

    // The chronicle in the derby's 72nd minute, just after the sending-off,
    // then the match card at full time, saved as the user would.
    window.openReport(programDir + QStringLiteral("/ejemplos/arenales-penascal.txt"));
    toolbar->button(2)->trigger();
    window.Cronica_Click();
    auto *cronica = window.findChild<Cronica *>(QStringLiteral("Form_Cronica"));
    cronica->resize(900, 640);
    while (window.partido().match().Minuto < 72) {
        window.Timer1_Timer();
        if (window.partido().state() == PlaybackState::HalfTime)
            toolbar->button(2)->trigger();
    }
    save(cronica, out.filePath(QStringLiteral("cronica.png")));

    // The "Opciones" menu with "Mi equipo" open on the derby's teams, as
    // the screen shows them over the window.
    cronica->hide();
    auto *opciones = window.findChild<QMenu *>(QStringLiteral("Opciones"));
    auto *miEquipo = window.findChild<QMenu *>(QStringLiteral("Mi_Equipo"));
    QMenuBar *bar = window.menuBar();
    opciones->popup(bar->mapToGlobal(bar->actionGeometry(opciones->menuAction()).bottomLeft()));
    waitForSize(opciones, opciones->sizeHint());
    opciones->setActiveAction(miEquipo->menuAction());
    miEquipo->popup(opciones->mapToGlobal(opciones->actionGeometry(miEquipo->menuAction()).topRight()));
    waitForSize(miEquipo, miEquipo->sizeHint());
    const QRect shown = opciones->geometry().united(miEquipo->geometry()).adjusted(-10, -30, 10, 10);
    window.screen()->grabWindow(0, shown.x(), shown.y(), shown.width(), shown.height())
        .save(out.filePath(QStringLiteral("opciones.png")));
    miEquipo->hide();
    opciones->hide();
    window.Ir_Final_Click();
    QFile::remove(out.filePath(QStringLiteral("tarjeta.png")));
    answerNext(window.findChild<CommonDialog *>(QStringLiteral("Archivo_Imagen")), [&out](QDialog *dialog) {
        static_cast<QFileDialog *>(dialog)->selectFile(out.filePath(QStringLiteral("tarjeta.png")));
        return true;
    });
    window.Guardar_Imagen_Click();
    return 0;
}
