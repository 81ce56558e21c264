#include "textfile/textfilereader.h"
#include "settings/settingsfile.h"
#include "settings/settingslocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using Key = SettingsChange::Key;
using Changes = QList<SettingsChange>;

// Readable failures for lists of changes.
char *toString(const SettingsChange &c)
{
    return QTest::toString(QStringLiteral("{key %1, color %2, flag %3, text \"%4\", size %5, relative %6}")
                               .arg(int(c.key)).arg(c.color).arg(c.flag).arg(c.text.left(40))
                               .arg(double(c.size)).arg(c.relative));
}

namespace {

SettingsReadResult readBytes(const QByteArray &bytes)
{
    TextFileReader reader;
    reader.openBytes(bytes);
    return readSettings(reader);
}

// The two default commands: the default background and narration font.
const SettingsValues Predeterminado{.colorFondo = 0x7E7E7E, .font = NarrationFont(), .picturePath = {}};
const SettingsValues Elegido{.colorFondo = INT_MIN,
                             .font = {.name = "Garamond Cursiva", .size = 20.25f, .bold = false, .italic = true,
                                      .strikethru = true, .underline = true, .color = 0x0000FF},
                             .picturePath = "/home/usuario/Imágenes/campo Ñuñoa.gif", .pictureFlag = 1};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Mounts made by one test, undone in reverse order when it ends.
struct Mounts
{
    QStringList points;

    bool add(const QStringList &arguments)
    {
        if (!run(QStringLiteral("mount"), arguments))
            return false;
        points.prepend(arguments.last());
        return true;
    }

    ~Mounts()
    {
        for (const QString &point : std::as_const(points))
            run(QStringLiteral("umount"), {point});
    }
};

// A settings file on a disk that takes `room` bytes and then fails with the
// system error `error`; with no room at all it cannot even be created. With
// error 0 the program is killed where the disk would fail.
class FailingSaveFile : public QSaveFile
{
public:
    FailingSaveFile(const QString &path, qint64 room, int error) : QSaveFile(path), m_room(room), m_error(error) {}

    bool open(OpenMode mode) override
    {
        if (m_room >= 0)
            return QSaveFile::open(mode);
        setErrorString(qt_error_string(m_error));
        return false;
    }

protected:
    qint64 writeData(const char *data, qint64 length) override
    {
        if (m_room > 0) {
            const qint64 written = QSaveFile::writeData(data, std::min(length, m_room));
            m_room -= std::max<qint64>(written, 0);
            return written;
        }
        if (m_error == 0)
            raise(SIGKILL);
        setErrorString(qt_error_string(m_error));
        return -1;
    }

private:
    qint64 m_room;
    int m_error;
};

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

const QFileDevice::Permissions ReadOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup;
const QFileDevice::Permissions ReadOnlyFolder = ReadOnly | QFileDevice::ExeOwner | QFileDevice::ExeGroup;

} // namespace

// What the settings file holds, and where it is kept.
class TestSettingsFile : public QObject
{
    Q_OBJECT

    QString m_config;
    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        QVERIFY(!m_config.isEmpty());
    }

    void init() { QDir(m_config).removeRecursively(); }
    void cleanupTestCase() { QDir(m_config).removeRecursively(); }

    // The file beside the program when it can be replaced there, else one in
    // the user's configuration folder; until that one exists, the file beside
    // the program is read. A writable file in a read-only folder could only be
    // rewritten in place, which a kill half-way would leave truncated.
    void whereSettingsGo_data()
    {
        QTest::addColumn<bool>("folderExists");
        QTest::addColumn<bool>("folderWritable");
        QTest::addColumn<bool>("fileWritable");
        QTest::addColumn<bool>("beside");

        QTest::newRow("writable folder") << true << true << true << true;
        QTest::newRow("read-only folder with the shipped file") << true << false << false << false;
        QTest::newRow("read-only folder with a writable file") << true << false << true << false;
        QTest::newRow("missing folder") << false << false << false << false;
    }

    void whereSettingsGo()
    {
        QFETCH(bool, folderExists);
        QFETCH(bool, folderWritable);
        QFETCH(bool, fileWritable);
        QFETCH(bool, beside);

        const QString program = m_dir.filePath(QLatin1String(QTest::currentDataTag()));
        const QString shipped = program + "/TPZ.INI";
        Mounts mounts;
        const auto restore = qScopeGuard([&] { QFile::setPermissions(program, ReadOnlyFolder | QFileDevice::WriteOwner); });
        if (folderExists && !folderWritable && geteuid() == 0) {
            // Root writes through permissions: the folder is a disk mounted
            // read-only, the writable file one mounted over the shipped one.
            QVERIFY(QDir().mkpath(program));
            if (!mounts.add({"-t", "tmpfs", "tmpfs", program}))
                QSKIP("No disk could be mounted");
            QVERIFY(writeFile(shipped, "instalado, mas largo"));
            QVERIFY(run(QStringLiteral("mount"), {"-o", "remount,ro", program}));
            const QString copy = program + ".ini";
            QVERIFY(writeFile(copy, "instalado, mas largo"));
            if (fileWritable)
                QVERIFY(mounts.add({"--bind", copy, shipped}));
        } else if (folderExists) {
            QVERIFY(QDir().mkpath(program) && writeFile(shipped, "instalado, mas largo"));
            QVERIFY(QFile::setPermissions(shipped, fileWritable ? ReadOnly | QFileDevice::WriteOwner : ReadOnly));
            QVERIFY(QFile::setPermissions(program, folderWritable ? ReadOnlyFolder | QFileDevice::WriteOwner : ReadOnlyFolder));
        }
        if (folderExists && !folderWritable && QFileInfo(program).isWritable())
            QSKIP("This user may write into read-only folders");

        const QString path = settingsFilePath(program);
        QCOMPARE(path, beside ? shipped : m_config + "/TPZ.INI");
        QCOMPARE(settingsReadPath(program), shipped);
        QVERIFY(saveSettingsFile(path, "elegido"));
        QCOMPARE(settingsReadPath(program), path);
        QCOMPARE(contents(path), QByteArray("elegido"));
        if (folderExists && !beside)
            QCOMPARE(contents(shipped), QByteArray("instalado, mas largo"));
    }

    void folderThatIsAFile()
    {
        const QString notAFolder = m_dir.filePath(QStringLiteral("archivo"));
        QVERIFY(writeFile(notAFolder, "x"));
        const SaveResult saved = saveSettingsFile(notAFolder + "/TPZ.INI", "[General]\r\n");
        QVERIFY(!saved);
        QCOMPARE(saved.reason, QStringLiteral("la carpeta no existe"));
        QCOMPARE(contents(notAFolder), QByteArray("x"));
    }

    // On a disk that fills up, the old file stays byte for byte and no
    // temporary file is left beside it.
    void fullDisk()
    {
        if (geteuid() != 0)
            QSKIP("Mounting a small disk needs root");
        const QString disk = m_dir.filePath(QStringLiteral("disco"));
        QVERIFY(QDir().mkpath(disk));
        Mounts mounts;
        if (!mounts.add({"-t", "tmpfs", "-o", "size=64k", "tmpfs", disk}))
            QSKIP("No small disk could be mounted");
        const QString path = disk + "/TPZ.INI";
        const QByteArray old = writeSettings(Elegido);
        QVERIFY(writeFile(path, old));
        QFile fill(disk + "/relleno");
        QVERIFY(fill.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (fill.write(QByteArray(4096, 'x')) > 0) {
        }
        fill.close();

        const SaveResult saved = saveSettingsFile(path, writeSettings(Predeterminado));
        QVERIFY(!saved);
        QCOMPARE(saved.reason, QStringLiteral("no queda espacio en el disco"));
        QCOMPARE(contents(path), old);
        QCOMPARE(filesIn(disk), QStringList({"relleno", "TPZ.INI"}));
    }

    // The same through a disk that fails on demand, wherever the test runs.
    void failingDisk_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("reason");

        QTest::newRow("no permission to create the file") << qint64(-1) << EACCES << "permiso denegado";
        QTest::newRow("disk full at the first byte") << qint64(0) << ENOSPC << "no queda espacio en el disco";
        QTest::newRow("disk error half-way") << qint64(100) << EIO << "error de lectura o escritura en el disco";
        QTest::newRow("a failure with no words of its own") << qint64(100) << ENXIO << "no se pudo escribir el archivo";
    }

    void failingDisk()
    {
        QFETCH(qint64, room);
        QFETCH(int, error);
        QFETCH(QString, reason);

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("TPZ.INI"));
        const QByteArray old = writeSettings(Elegido);
        QVERIFY(writeFile(path, old));
        FailingSaveFile file(path, room, error);
        const SaveResult saved = saveSettingsFile(file, writeSettings(Predeterminado));
        QVERIFY(!saved);
        QCOMPARE(saved.reason, reason);
        QCOMPARE(contents(path), old);
        QCOMPARE(filesIn(dir.path()), QStringList{"TPZ.INI"});
    }

    // Killed anywhere in a save, the program leaves the old file whole; the
    // next save leaves the new one and nothing else.
    void killedMidSave()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("TPZ.INI"));
        const QByteArray old = writeSettings(Elegido);
        const QByteArray next = writeSettings(Predeterminado);
        QVERIFY(writeFile(path, old));
        for (qint64 room = 0; room < next.size(); room += 20) {
            const pid_t child = fork();
            if (child == 0) {
                FailingSaveFile file(path, room, 0);
                saveSettingsFile(file, next);
                _exit(0);
            }
            QVERIFY(child > 0);
            int status = 0;
            QCOMPARE(waitpid(child, &status, 0), child);
            QVERIFY(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
            QCOMPARE(contents(path), old);
        }
        QVERIFY(saveSettingsFile(path, next));
        QCOMPARE(contents(path), next);
        QCOMPARE(filesIn(dir.path()), QStringList{"TPZ.INI"});
    }

    // Temporary files that killed saves left are removed at the next save in
    // that folder; nothing else is.
    void strayTemporaries_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("removed");

        QTest::newRow("a killed save's temporary file") << "TPZ.INI.aBcDeF" << "file" << true;
        QTest::newRow("five letters") << "TPZ.INI.aBcDe" << "file" << false;
        QTest::newRow("a copy the user named") << "TPZ.INI.backup" << "file" << false;
        QTest::newRow("a folder") << "TPZ.INI.aBcDeF" << "folder" << false;
        QTest::newRow("a link") << "TPZ.INI.aBcDeF" << "link" << false;
    }

    void strayTemporaries()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(bool, removed);

        QTemporaryDir dir;
        const QString stray = dir.filePath(name);
        const QString target = dir.filePath(QStringLiteral("destino"));
        QVERIFY(writeFile(target, "[General]\r\n"));
        if (kind == u"file")
            QVERIFY(writeFile(stray, "[General]\r\n[COLORFO"));
        else if (kind == u"folder")
            QVERIFY(QDir().mkdir(stray));
        else
            QVERIFY(QFile::link(target, stray));
        QVERIFY(saveSettingsFile(dir.filePath(QStringLiteral("TPZ.INI")), "[General]\r\n"));
        QCOMPARE(QFileInfo(stray).exists() || QFileInfo(stray).isSymLink(), !removed);
        QVERIFY(QFileInfo::exists(target));
    }

    void picturePath_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("relative");
        QTest::addColumn<QString>("expected");

        QTest::newRow("relative path with backslashes") << "\\fondos\\campo.gif" << true << "/programa/fondos/campo.gif";
        QTest::newRow("empty relative path is the folder itself") << "" << true << "/programa";
        QTest::newRow("relative path is appended directly") << "fondos\\campo.gif" << true << "/programafondos/campo.gif";
        QTest::newRow("complete path taken as it is") << "C:\\fotos\\a.gif" << false << "C:\\fotos\\a.gif";
    }

    void picturePath()
    {
        QFETCH(QString, value);
        QFETCH(bool, relative);
        QFETCH(QString, expected);
        QCOMPARE(resolvePicturePath(QStringLiteral("/programa"), value, relative), expected);
    }

    void goldenFile_data()
    {
        QTest::addColumn<SettingsValues>("values");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("the two default commands, no picture ever chosen")
            << Predeterminado << QChar(u'.') << contents(TEZMARO_SOURCE_DIR "/tests/core/settings/data/predeterminado.ini");
        QTest::newRow("chosen font and complete picture path, comma locale, accented path in Windows-1252")
            << Elegido << QChar(u',') << contents(TEZMARO_SOURCE_DIR "/tests/core/settings/data/elegido.ini");
    }

    void goldenFile()
    {
        QFETCH(SettingsValues, values);
        QFETCH(QChar, separator);
        QFETCH(QByteArray, expected);

        QVERIFY(!expected.isEmpty());
        QCOMPARE(writeSettings(values, separator), expected);
    }

    // What is written reads back the same; the size goes out in the fewest
    // digits of a float, never with an exponent.
    void roundTrip_data()
    {
        QTest::addColumn<SettingsValues>("values");
        QTest::addColumn<QString>("size");

        QTest::newRow("chosen values") << Elegido << "20,25";
        QTest::newRow("relative picture") << SettingsValues{.font = {.size = 9.75f}, .picturePath = "\\fondos\\campo.gif"} << "9,75";
        // In Windows-1252 these two letters are the bytes of a UTF-8 "é".
        QTest::newRow("Windows-1252 bytes that would read as UTF-8")
            << SettingsValues{.font = {.name = "Fuente Ã©", .size = 8.1f}, .picturePath = {}} << "8,1";
        QTest::newRow("font name outside Windows-1252 goes out as UTF-8")
            << SettingsValues{.font = {.name = "Łódź Sans"}, .picturePath = "/Imágenes/a.gif"} << "12";
        QTest::newRow("equals signs in values")
            << SettingsValues{.colorFondo = -1, .font = {.name = "Nombre=con=iguales", .size = 1000},
                              .picturePath = "/fotos/a=0.gif", .pictureFlag = 1} << "1000";
    }

    void roundTrip()
    {
        QFETCH(SettingsValues, values);
        QFETCH(QString, size);

        const QByteArray bytes = writeSettings(values, u',');
        QVERIFY(bytes.contains("\r\n[LETRASize]=" + size.toLatin1() + "\r\n"));
        const SettingsReadResult read = readBytes(bytes);
        QVERIFY(!read.failed);
        SettingsValues restored{.font = {.name = "otra"}, .picturePath = "otra"};
        for (const SettingsChange &change : read.changes)
            applySettingsChange(restored, change);
        QCOMPARE(restored, values);
    }

    void reader_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<Changes>("expected");
        QTest::addColumn<bool>("failed");

        const auto name = SettingsChange::ofName;
        const auto size = SettingsChange::ofSize;
        const auto picture = SettingsChange::ofPicture;
        const auto colorFondo = [](qint32 c) { return SettingsChange::ofColor(Key::ColorFondo, c); };
        const auto letraColor = [](qint32 c) { return SettingsChange::ofColor(Key::LetraColor, c); };
        const auto bold = [](bool f) { return SettingsChange::ofFlag(Key::LetraBold, f); };
        const auto italic = [](bool f) { return SettingsChange::ofFlag(Key::LetraItalic, f); };
        const auto after = [](const QStringList &lines) { return QStringList{"[General]"} + lines; };

        QTest::newRow("lines in any order")
            << after({"[LETRAColor]=5", "[LETRAName]=Arial", "[COLORFONDO]=7"})
            << Changes{letraColor(5), name("Arial"), colorFondo(7)} << false;
        QTest::newRow("key without = gives the whole line") << after({"[LETRAName]"}) << Changes{name("[LETRAName]")} << false;
        QTest::newRow("= in a font name is kept") << after({"[LETRAName]=Uno=Dos"}) << Changes{name("Uno=Dos")} << false;
        QTest::newRow("lower-case key is not found")
            << after({"[letraname]=Arial", "[LETRABold]=True"}) << Changes{bold(true)} << false;
        QTest::newRow("key on the first line is ignored")
            << QStringList{"[COLORFONDO]=1", "[LETRAColor]=2"} << Changes{letraColor(2)} << false;
        QTest::newRow("colour out of range stops the reading, earlier changes kept")
            << after({"[LETRAName]=Arial", "[COLORFONDO]=2147483648", "[LETRABold]=True"}) << Changes{name("Arial")} << true;
        QTest::newRow("flag words in any case")
            << after({"[LETRABold]=true", "[LETRAItalic]= FALSE "}) << Changes{bold(true), italic(false)} << false;
        QTest::newRow("flag as a number: 0 is false, others true")
            << after({"[LETRABold]=0", "[LETRAItalic]=-1"}) << Changes{bold(false), italic(true)} << false;
        QTest::newRow("garbage flag stops the reading")
            << after({"[COLORFONDO]=4", "[LETRAUnderline]=Si", "[LETRAColor]=1"}) << Changes{colorFondo(4)} << true;
        QTest::newRow("size with a point or a comma, smallest and largest")
            << after({"[LETRASize]=20.25", "[LETRASize]=9,75", "[LETRASize]=1", "[LETRASize]=1638"})
            << Changes{size(20.25f), size(9.75f), size(1), size(1638)} << false;
        QTest::newRow("size zero stops the reading") << after({"[LETRASize]=0"}) << Changes{} << true;
        QTest::newRow("size too large stops the reading") << after({"[LETRASize]=1639"}) << Changes{} << true;
        QTest::newRow("size with both separators stops the reading") << after({"[LETRASize]=1.000,5"}) << Changes{} << true;

        QTest::newRow("relative picture: \"=0\" in the next line")
            << after({"[IMAGENFONDO]=\\fondos\\campo.gif", "[IMAGEN]=0"})
            << Changes{picture("\\fondos\\campo.gif", true)} << false;
        QTest::newRow("complete picture: flag 1")
            << after({"[IMAGENFONDO]=/fotos/campo.gif", "[IMAGEN]=1"}) << Changes{picture("/fotos/campo.gif", false)} << false;
        QTest::newRow("\"=0\" anywhere in the next line is relative")
            << after({"[IMAGENFONDO]=a.gif", "cualquier cosa x=07"}) << Changes{picture("a.gif", true)} << false;
        QTest::newRow("the line after the picture is not tested for keys")
            << after({"[IMAGENFONDO]=a.gif", "[COLORFONDO]=0"}) << Changes{picture("a.gif", true)} << false;
        QTest::newRow("[IMAGENFONDO] on the last line fails")
            << after({"[LETRABold]=True", "[IMAGENFONDO]=a.gif"}) << Changes{bold(true)} << true;

        // The first "=" was found by a 16-bit position.
        const auto equalsAt = [](int position) { return "[LETRAName]" + QString(position - 12, u'x') + "=Arial"; };
        QTest::newRow("first = at position 32767 is read")
            << after({"[COLORFONDO]=1", equalsAt(32767)}) << Changes{colorFondo(1), name("Arial")} << false;
        QTest::newRow("first = at position 32768 fails")
            << after({"[COLORFONDO]=1", equalsAt(32768)}) << Changes{colorFondo(1)} << true;
        QTest::newRow("a one-line file fails") << QStringList{"[General]"} << Changes{} << true;
        QTest::newRow("an empty file fails") << QStringList{} << Changes{} << true;
    }

    void reader()
    {
        QFETCH(QStringList, lines);
        QFETCH(Changes, expected);
        QFETCH(bool, failed);

        QByteArray bytes;
        for (const QString &line : lines)
            bytes += line.toLatin1() + "\r\n";
        const SettingsReadResult read = readBytes(bytes);
        QCOMPARE(read.changes, expected);
        QCOMPARE(read.failed, failed);
    }
};

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
