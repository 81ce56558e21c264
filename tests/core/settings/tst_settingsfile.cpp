#include "textfile/textfilereader.h"
#include "settings/settingsfile.h"
#include "settings/settingslocation.h"

#include "../support/reports.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Key = SettingsChange::Key;

const char *const Keys[] = {"COLORFONDO", "LETRABold", "LETRAItalic", "LETRAStrikethru", "LETRAUnderline", "LETRAName",
                            "LETRASize", "LETRAColor", "IMAGENFONDO"};

// The two default commands, and a choice of everything.
const SettingsValues Predeterminado{.colorFondo = 0x7E7E7E, .font = NarrationFont(), .picturePath = {}};
const SettingsValues Elegido{.colorFondo = INT_MIN, .font = {.name = "Garamond Cursiva", .size = 20.25f, .bold = false,
                                                       .italic = true, .strikethru = true, .underline = true, .color = 0x0000FF},
                             .picturePath = "/home/usuario/Imágenes/campo Ñuñoa.gif", .pictureFlag = 1};

using reports::writeFile;
const auto contents = reports::readFile;

// Mounts made by one test, undone in reverse order when it ends.
struct Mounts
{
    QStringList points;

    // Undoing a mount that failed fails as well, and harms nothing.
    bool add(const QStringList &arguments)
    {
        points.prepend(arguments.last());
        return QProcess::execute(QStringLiteral("mount"), arguments) == 0;
    }

    ~Mounts()
    {
        for (const QString &point : std::as_const(points))
            QProcess::execute(QStringLiteral("umount"), {point});
    }
};

// A settings file on a disk that takes `room` bytes and then kills the
// program.
struct KilledSaveFile : QSaveFile
{
    KilledSaveFile(const QString &path, qint64 room) : QSaveFile(path), m_room(room) {}

    qint64 writeData(const char *data, qint64 length) override
    {
        if (m_room <= 0)
            raise(SIGKILL);
        const qint64 written = QSaveFile::writeData(data, std::min(length, m_room));
        m_room -= std::max<qint64>(written, 0);
        return written;
    }

    qint64 m_room;
};

} // namespace

// What the settings file holds, and where it is kept.
class TestSettingsFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // The file beside the program when it can be replaced there, else one in
    // the user's configuration folder; until that one exists, the file beside
    // the program is read. A writable file in a read-only folder could only be
    // rewritten in place, which a kill half-way would leave truncated.
    void whereSettingsGo_data()
    {
        QTest::addColumn<bool>("folderWritable");
        QTest::addColumn<bool>("fileWritable");

        // A missing folder takes the way of a read-only one.
        QTest::newRow("writable folder") << true << true;
        QTest::newRow("read-only folder with the shipped file") << false << false;
        QTest::newRow("read-only folder with a writable file") << false << true;
    }

    void whereSettingsGo()
    {
        QFETCH(bool, folderWritable);
        QFETCH(bool, fileWritable);

        QStandardPaths::setTestModeEnabled(true);
        const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QVERIFY(!config.isEmpty() && QDir(config).removeRecursively());
        const QString program = m_dir.filePath(QLatin1String(QTest::currentDataTag())), shipped = program + "/TPZ.INI";
        const auto mode = QFile::ReadOwner | QFile::ExeOwner;
        const auto restore = qScopeGuard([&] { QFile::setPermissions(program, mode | QFile::WriteOwner); });
        Mounts mounts;
        QVERIFY(QDir().mkpath(program));
        // Root writes through permissions: the folder is a disk mounted
        // read-only, the writable file one mounted over the shipped one.
        if (!folderWritable && geteuid() == 0 && !mounts.add({"-t", "tmpfs", "tmpfs", program}))
            QSKIP("No disk could be mounted");
        QVERIFY(writeFile(shipped, "instalado, mas largo") && writeFile(program + ".ini", "instalado, mas largo"));
        QVERIFY(QFile::setPermissions(shipped, fileWritable ? QFile::ReadOwner | QFile::WriteOwner : QFile::ReadOwner));
        QVERIFY(QFile::setPermissions(program, folderWritable ? mode | QFile::WriteOwner : mode));
        QVERIFY(mounts.points.isEmpty() || QProcess::execute(QStringLiteral("mount"), {"-o", "remount,ro", program}) == 0);
        QVERIFY(mounts.points.isEmpty() || !fileWritable || mounts.add({"--bind", program + ".ini", shipped}));
        if (!folderWritable && QFileInfo(program).isWritable())
            QSKIP("This user may write into read-only folders");

        const QString path = settingsFilePath(program);
        QCOMPARE(path, folderWritable ? shipped : config + "/TPZ.INI");
        QCOMPARE(settingsReadPath(program), shipped);
        QVERIFY(saveSettingsFile(path, "elegido"));
        QCOMPARE(settingsReadPath(program), path);
        QCOMPARE(contents(path) + '|' + contents(shipped),
                 QByteArray(folderWritable ? "elegido|elegido" : "elegido|instalado, mas largo"));
        QVERIFY(QDir(config).removeRecursively());
    }

    // A save on a full disk leaves the old file byte for byte and no
    // temporary file beside it, and says why in the user's words. (A save
    // whose file cannot be created is the main window's test.)
    void fullDisk()
    {
        QTemporaryDir dir;
        Mounts mounts;
        if (geteuid() != 0 || !mounts.add({"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir.path()}))
            QSKIP("No small disk could be mounted");
        const QString path = dir.filePath(QStringLiteral("TPZ.INI"));
        const QByteArray old = writeSettings(Elegido);
        QVERIFY(writeFile(path, old) && !writeFile(dir.filePath(QStringLiteral("relleno")), QByteArray(1 << 20, 'x')));
        QCOMPARE(saveSettingsFile(path, writeSettings(Predeterminado)).reason, QStringLiteral("no queda espacio en el disco"));
        QCOMPARE(contents(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList({"relleno", "TPZ.INI"}));
    }

    // Killed anywhere in a save, the program leaves the old file whole. The
    // next save leaves the new one, having removed the temporary files that
    // killed saves left (named as the file, a point and six letters of mixed
    // case), and nothing else: not a name with five letters, a copy the user
    // named, a folder or a link.
    void killedMidSave()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("TPZ.INI"));
        const QByteArray old = writeSettings(Elegido), next = writeSettings(Predeterminado);
        QVERIFY(writeFile(path, old));
        for (qint64 room = 0; room < next.size(); room += 20) {
            const pid_t child = fork();
            if (child == 0) {
                KilledSaveFile file(path, room);
                _exit(saveSettingsFile(file, next) ? 0 : 1);
            }
            int status = 0;
            QVERIFY(child > 0 && waitpid(child, &status, 0) == child);
            QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
            QCOMPARE(contents(path), old);
        }
        for (const char *stray : {".aBcDeF", ".aBcDe", ".backup"})
            QVERIFY(writeFile(path + stray, "[General]\r\n[COLORFO"));
        QVERIFY(QDir().mkdir(path + ".gHiJkL") && QFile::link(path + ".backup", path + ".mNoPqR"));
        QVERIFY(saveSettingsFile(path, next));
        QCOMPARE(contents(path), next);
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
                 (QStringList{"TPZ.INI", "TPZ.INI.aBcDe", "TPZ.INI.backup", "TPZ.INI.gHiJkL", "TPZ.INI.mNoPqR"}));
    }

    // Written byte for byte as the reference files hold it. The size goes out
    // with a comma in a comma locale, else with a point, in the fewest digits
    // of a float.
    void goldenFile_data()
    {
        QTest::addColumn<SettingsValues>("values");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QByteArray>("expected");

        const QByteArray defaults = contents(TEZMARO_SOURCE_DIR "/tests/core/settings/data/predeterminado.ini");
        QTest::newRow("chosen font and complete picture path, comma locale, accented path in Windows-1252")
            << Elegido << QChar(u',') << contents(TEZMARO_SOURCE_DIR "/tests/core/settings/data/elegido.ini");
        QTest::newRow("a locale with a separator of its own writes a point")
            << SettingsValues{.colorFondo = 0x7E7E7E, .font = {.size = 9.75f}, .picturePath = {}} << QChar(u'٫')
            << QByteArray(defaults).replace("[LETRASize]=12\r", "[LETRASize]=9.75\r");
        QTest::newRow("a font name Windows-1252 cannot hold makes the file UTF-8, nothing lost")
            << SettingsValues{.colorFondo = 0x7E7E7E, .font = {.name = "Łódź Sans"}, .picturePath = {}} << QChar(u'.')
            << QByteArray(defaults).replace("Lucida Console", "Łódź Sans");
    }

    void goldenFile()
    {
        QFETCH(SettingsValues, values);
        QFETCH(QChar, separator);
        QTEST(writeSettings(values, separator), "expected");
    }

    // Keys count anywhere in a line after the first; the value is what
    // follows the line's first "="; a picture takes the next line as its
    // flag, relative when that line holds "=0"; a value that does not
    // convert ends the reading, the changes before it standing.
    void reader_data()
    {
        QTest::addColumn<QString>("lines"); // "|" ends a line
        QTest::addColumn<QString>("expected");

        QTest::newRow("keys in any order, anywhere in a line but the first")
            << "[COLORFONDO]=1|x [LETRABold]=1|[LETRAName]=Arial|[COLORFONDO]=7" << "[LETRABold]=1 [LETRAName]=Arial [COLORFONDO]=7";
        QTest::newRow("the value follows the first =, without one it is the whole line")
            << "[General]|[LETRAName]=Uno=Dos|[LETRAName]|" << "[LETRAName]=Uno=Dos [LETRAName]=[LETRAName]";
        QTest::newRow("size with a decimal comma") << "[General]|[LETRASize]=9,75|" << "[LETRASize]=9.75";
        QTest::newRow("picture: relative with \"=0\" anywhere in the next line, which holds no key; else complete")
            << "[General]|[IMAGENFONDO]=\\fondos\\campo.gif|[COLORFONDO]=07|[IMAGENFONDO]=/fotos/a.gif|[IMAGEN]=1|"
            << "[IMAGENFONDO]=\\fondos\\campo.gif relative [IMAGENFONDO]=/fotos/a.gif";
        QTest::newRow("a value that does not convert ends the reading, earlier changes kept")
            << "[General]|[LETRAName]=Arial|[COLORFONDO]=2147483648|[LETRABold]=True|" << "[LETRAName]=Arial, failed";
        QTest::newRow("[IMAGENFONDO] on the last line fails") << "[General]|[LETRABold]=1|[IMAGENFONDO]=a|" << "[LETRABold]=1, failed";
        // The first "=" was found by a 16-bit position.
        const QString equalsAt = "[General]|[COLORFONDO]=1|[LETRAName]" + QString(32767 - 12, u'x');
        QTest::newRow("first = at position 32767 is read") << equalsAt + "=Arial|" << "[COLORFONDO]=1 [LETRAName]=Arial";
        QTest::newRow("first = at position 32768 fails") << equalsAt + "x=Arial|" << "[COLORFONDO]=1, failed";
        QTest::newRow("a one-line file fails") << "[General]|" << ", failed";
    }

    void reader()
    {
        QFETCH(QString, lines);
        TextFileReader reader;
        reader.openBytes(lines.replace(u'|', QStringLiteral("\r\n")).toLatin1());
        const SettingsReadResult read = readSettings(reader);
        // Each change as the file would say it, a relative picture marked.
        QStringList changes;
        for (const SettingsChange &c : read.changes) {
            // A change holds a colour or a flag, never both.
            const QString value = c.key == Key::LetraName || c.key == Key::ImagenFondo ? c.text
                                  : QString::number(c.key == Key::LetraSize ? c.size : c.color + c.flag);
            changes << QStringLiteral("[%1]=%2%3").arg(QLatin1String(Keys[int(c.key)]), value, c.relative ? " relative" : "");
        }
        QTEST(changes.join(u' ') + (read.failed ? ", failed" : ""), "expected");
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
