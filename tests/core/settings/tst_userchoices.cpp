#include "settings/layoutsize.h"
#include "settings/preferences.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

Q_DECLARE_METATYPE(Preferences)

// The small files that keep the user's choices beside TPZ.INI, as hostile
// input: the layout's size (anything but an offered size is the layout's own)
// and the preferences.
class TestUserChoices : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void read_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("percent");

        QTest::newRow("as written") << formatLayoutSize(150) << 150;
        QTest::newRow("line end and blanks of an editor") << QByteArray(" 200 \r\n") << 200;
        QTest::newRow("a size the menu does not offer") << QByteArray("175\n") << 100;
        QTest::newRow("a size followed by a megabyte") << "150\n" + QByteArray(1 << 20, ' ') << 100;
    }

    void read()
    {
        QFETCH(QByteArray, bytes);
        QFile file(m_dir.filePath("tamano.txt"));
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        QTEST(readLayoutSize(file.fileName()), "percent");
    }

    // Saved into a folder made for it, read back; a pipe in its place is
    // passed over at once.
    void savedAndPassedOver()
    {
        const QString file = m_dir.filePath("config/tamano.txt");
        QVERIFY(saveLayoutSize(file, 125));
        QCOMPARE(readLayoutSize(file), 125);
        QVERIFY(QFile::remove(file));
        QCOMPARE(mkfifo(qPrintable(file), 0600), 0);
        QCOMPARE(readLayoutSize(file), 100);
    }

    void preferences_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Preferences>("expected");

        Preferences chosen{.pauseOnGoals = true, .sound = false, .readAloud = true, .myTeam = "RMA", .unknown = {}};
        QTest::newRow("as written") << formatPreferences(chosen) << chosen;
        QTest::newRow("none: the defaults") << QByteArray() << Preferences{};
        Preferences soundOff;
        soundOff.sound = false;
        QTest::newRow("blanks and CR LF of an editor") << QByteArray(" Sonido = 0 \r\n\r\n") << soundOff;
        QTest::newRow("a value not understood keeps the default")
            << QByteArray("Sonido=no\nPausaGoles=2\n") << Preferences{};
        Preferences newer;
        newer.unknown = {"Volumen=40", "sin igual"};
        QTest::newRow("lines of a newer version kept") << QByteArray("Volumen=40\nsin igual\n") << newer;
        QTest::newRow("a team key too long for a crest")
            << "MiEquipo=" + QByteArray(65, 'A') + '\n' << Preferences{};
        QTest::newRow("a preference followed by a megabyte")
            << "Sonido=0\n" + QByteArray(1 << 20, ' ') << Preferences{};
    }

    // Written, read back through the file; lines it did not know written again.
    void preferences()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Preferences, expected);
        const QString file = m_dir.filePath("preferencias.txt");
        QFile::remove(file);
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        out.close();
        QCOMPARE(readPreferences(file), expected);
        QVERIFY(savePreferences(file, expected));
        QCOMPARE(readPreferences(file), expected);
    }

    // A team key with a line end cannot add a line of its own.
    void teamKeyStaysOneLine()
    {
        Preferences hostile;
        hostile.myTeam = QStringLiteral("RMA\nSonido=0");
        QCOMPARE(parsePreferences(formatPreferences(hostile)).sound, true);
    }
};

QTEST_GUILESS_MAIN(TestUserChoices)
#include "tst_userchoices.moc"
