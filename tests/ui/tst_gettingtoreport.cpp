#include "formfixture.h"
#include "kit/commondialog.h"
#include "settings/settingslocation.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QUrl>

#include <sys/stat.h>

namespace {

QByteArray report(const QByteArray &home)
{
    return "LIGA\r\n" + home + " (ARIO) vs. Club Sierra (CSIE) en Estadio Mayor\r\nComentarios\r\n"
           "Min  1: Empieza el partido.\r\nResultado final: 0 - 0\r\n";
}

} // namespace

// Reports reaching the main window other than through the open dialog: named
// on the command line, dropped on it, or chosen from "Recientes".
class TestGettingToReport : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<Form1> m_window;
    std::unique_ptr<Notices> m_notices;

    void restart()
    {
        m_window.reset();
        m_window = std::make_unique<Form1>(m_dir->path());
        m_notices = std::make_unique<Notices>(*m_window);
    }
    QStringList takeNotices() { return std::exchange(m_notices->texts, {}); }
    QString path(const QString &name) const { return m_dir->filePath(name); }
    // The report the window holds, by its file name.
    QString opened() { return QFileInfo(m_window->findChild<CommonDialog *>(QStringLiteral("Archivo"))->FileName).fileName(); }
    QMenu *recientes() { return m_window->findChild<QMenu *>(QStringLiteral("Recientes")); }
    // The entries' captions, without the separator and "Vaciar lista" after them.
    QStringList recentEntries()
    {
        QStringList captions;
        for (QAction *action : recientes()->actions().mid(0, recientes()->actions().size() - 2))
            captions << action->text();
        return captions;
    }

    bool drag(const QList<QUrl> &urls, Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction)
    {
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(300, 300), actions, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(m_window.get(), &enter);
        QDropEvent drop(QPointF(300, 300), actions, &data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(m_window.get(), &drop);
        QApplication::processEvents();
        // Taken as a copy only: a file manager deletes a file whose move was taken.
        return enter.isAccepted() && drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_config = std::make_unique<QTemporaryDir>();
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_config->path()));
        writeFile(path("rio.txt"), report("Atlético Río"));
        writeFile(path("otro.txt"), report("Otro Club"));
        writeFile(path("dibujo.png"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
        QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("carpeta")));
        QCOMPARE(::mkfifo(QFile::encodeName(path("tuberia")).constData(), 0600), 0);
        restart();
    }

    void cleanup() { QCOMPARE(takeNotices(), QStringList()); }

    // The same names on the command line and in a drop. A drop is refused
    // whole, and nothing is opened, when anything in it is no file.
    void openTogether_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<bool>("dropTaken");

        const QString failed = QStringLiteral("No se pudo abrir «%1»: %2.");
        QTest::newRow("one report") << QStringList{"rio.txt"} << "rio.txt" << QString() << true;
        QTest::newRow("several: the first, without a word") << QStringList{"otro.txt", "rio.txt"} << "otro.txt" << QString() << true;
        QTest::newRow("a missing one") << QStringList{"falta.txt"} << "falta.txt" << failed.arg("falta.txt", "no se puede leer") << false;
        QTest::newRow("a folder") << QStringList{"carpeta"} << "carpeta" << failed.arg("carpeta", "no se puede leer") << false;
        QTest::newRow("a pipe") << QStringList{"tuberia"} << "tuberia" << failed.arg("tuberia", "no se puede leer") << false;
        QTest::newRow("a binary file") << QStringList{"dibujo.png"} << "dibujo.png"
                                       << failed.arg("dibujo.png", "no es un archivo de texto") << true;
        QTest::newRow("a report, then a folder") << QStringList{"rio.txt", "carpeta"} << "rio.txt" << QString() << false;
    }

    void openTogether()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, opened);
        QFETCH(QString, notice);
        QFETCH(bool, dropTaken);
        const QStringList expectedNotices = notice.isEmpty() ? QStringList() : QStringList{notice};
        QStringList paths;
        QList<QUrl> urls;
        for (const QString &name : names) {
            paths << path(name);
            urls << QUrl::fromLocalFile(path(name));
        }

        m_window->openReports(paths);
        QCOMPARE(this->opened(), opened);
        QCOMPARE(takeNotices(), expectedNotices);
        // Whatever failed, the window goes on opening reports.
        m_window->openReports({path("rio.txt")});
        QVERIFY(m_window->partido().reportOpen());

        restart();
        QCOMPARE(drag(urls), dropTaken);
        QCOMPARE(this->opened(), dropTaken ? opened : QString());
        QCOMPARE(takeNotices(), dropTaken ? expectedNotices : QStringList());
    }

    void dropRefused()
    {
        QVERIFY(!drag({QUrl(QStringLiteral("https://liga.example/partido.txt"))}));
        QVERIFY(!drag({}));
        QVERIFY(!drag({QUrl::fromLocalFile(path("rio.txt"))}, Qt::MoveAction));
        QCOMPARE(opened(), QString());
    }

    void recentReports()
    {
        QCOMPARE(m_window->findChild<QMenu *>(QStringLiteral("Archivo3"))->actions().at(1)->menu(), recientes());
        QStringList expected;
        for (int i = 1; i <= 9; ++i) {
            const QString name = QStringLiteral("r%1 & co.txt").arg(i);
            writeFile(path(name), i == 9 ? QByteArray("sin equipos\r\n") : report("Club " + QByteArray::number(i)));
            m_window->openReports({path(name)});
            expected.prepend(QStringLiteral("r%1 && co.txt — Club %1 - Club Sierra").arg(i));
        }
        QCOMPARE(takeNotices().size(), 1);
        expected[0] = QStringLiteral("r9 && co.txt");
        for (int i = 0; i < 8; ++i)
            expected[i].prepend(QStringLiteral("&%1 ").arg(i + 1));
        expected.removeLast();

        // Kept for the next start; choosing an entry opens it and puts it first.
        restart();
        QCOMPARE(recentEntries(), expected);
        recientes()->actions().at(4)->trigger();
        QCOMPARE(opened(), QStringLiteral("r5 & co.txt"));
        QVERIFY(recentEntries().first().startsWith(u"&1 r5 && co.txt"));

        // One deleted since is taken off with a word, and the match on show stays.
        QVERIFY(QFile::remove(path("r8 & co.txt")));
        recientes()->actions().at(2)->trigger();
        QCOMPARE(takeNotices(), QStringList{"«r8 & co.txt» ya no existe y se quita de la lista."});
        QCOMPARE(opened(), QStringLiteral("r5 & co.txt"));
        QCOMPARE(recentEntries().size(), 7);

        recientes()->findChild<QAction *>(QStringLiteral("Vaciar_Lista"))->trigger();
        QVERIFY(!recientes()->menuAction()->isEnabled());
        restart();
        QCOMPARE(recentEntries(), QStringList());
        // The list is not kept in the settings file.
        QVERIFY(!QFile::exists(path("TPZ.INI")));
    }

    // A list file that cannot be written: the window starts, and the list of
    // the run still shows.
    void unwritableListFile()
    {
        QVERIFY(QDir().mkpath(recentReportsPath()));
        restart();
        m_window->openReports({path("rio.txt")});
        QCOMPARE(recentEntries(), QStringList{"&1 rio.txt — Atlético Río - Club Sierra"});
    }
};

QTEST_MAIN(TestGettingToReport)
#include "tst_gettingtoreport.moc"
