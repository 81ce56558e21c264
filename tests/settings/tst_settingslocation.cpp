#include "settings/settingslocation.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QFileDevice::Permissions ReadOnlyFolder =
    QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::ExeGroup;
const QFileDevice::Permissions WritableFolder = ReadOnlyFolder | QFileDevice::WriteOwner;

} // namespace

class TestSettingsLocation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void writableProgramFolder();
    void readOnlyProgramFolder();
    void readOnlyFolderWithWritableFile();
    void missingProgramFolder();
    void saveReplacesWholeFile();
    void saveCreatesConfigFolder();
    void saveFailsQuietly();
    void picturePath_data();
    void picturePath();

private:
    QString m_config;
    QTemporaryDir m_dir;
};

void TestSettingsLocation::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    m_config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    QVERIFY(!m_config.isEmpty());
    QVERIFY(m_dir.isValid());
}

void TestSettingsLocation::init()
{
    QDir(m_config).removeRecursively();
}

void TestSettingsLocation::cleanupTestCase()
{
    QDir(m_config).removeRecursively();
}

void TestSettingsLocation::writableProgramFolder()
{
    const QString program = m_dir.filePath(QStringLiteral("escribible"));
    QVERIFY(QDir().mkpath(program));

    QCOMPARE(settingsFilePath(program), program + "/TPZ.INI");
    QCOMPARE(settingsReadPath(program), program + "/TPZ.INI");
}

void TestSettingsLocation::readOnlyProgramFolder()
{
    const QString program = m_dir.filePath(QStringLiteral("solo-lectura"));
    QVERIFY(QDir().mkpath(program));
    QVERIFY(writeFile(program + "/TPZ.INI", "instalado"));
    QVERIFY(QFile::setPermissions(program + "/TPZ.INI", QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    QVERIFY(QFile::setPermissions(program, ReadOnlyFolder));
    const auto restore = qScopeGuard([&] { QFile::setPermissions(program, WritableFolder); });
    if (QFileInfo(program).isWritable())
        QSKIP("This user may write into read-only folders");

    const QString config = m_config + "/TPZ.INI";
    QCOMPARE(settingsFilePath(program), config);
    // Until the user saves, the file shipped with the program is read.
    QCOMPARE(settingsReadPath(program), program + "/TPZ.INI");

    QVERIFY(saveSettingsFile(settingsFilePath(program), "elegido"));
    QCOMPARE(settingsReadPath(program), config);
    QCOMPARE(contents(config), QByteArray("elegido"));
    QCOMPARE(contents(program + "/TPZ.INI"), QByteArray("instalado"));
}

void TestSettingsLocation::readOnlyFolderWithWritableFile()
{
    const QString program = m_dir.filePath(QStringLiteral("archivo-escribible"));
    QVERIFY(QDir().mkpath(program));
    QVERIFY(writeFile(program + "/TPZ.INI", "anterior, mas largo"));
    QVERIFY(QFile::setPermissions(program, ReadOnlyFolder));
    const auto restore = qScopeGuard([&] { QFile::setPermissions(program, WritableFolder); });
    if (QFileInfo(program).isWritable())
        QSKIP("This user may write into read-only folders");

    QCOMPARE(settingsFilePath(program), program + "/TPZ.INI");
    QVERIFY(saveSettingsFile(program + "/TPZ.INI", "nuevo"));
    QCOMPARE(contents(program + "/TPZ.INI"), QByteArray("nuevo"));
}

void TestSettingsLocation::missingProgramFolder()
{
    const QString program = m_dir.filePath(QStringLiteral("no-existe"));

    QCOMPARE(settingsFilePath(program), m_config + "/TPZ.INI");
    QCOMPARE(settingsReadPath(program), program + "/TPZ.INI");
}

void TestSettingsLocation::saveReplacesWholeFile()
{
    const QString path = m_dir.filePath(QStringLiteral("TPZ.INI"));
    QVERIFY(writeFile(path, QByteArray(500, 'x')));

    QVERIFY(saveSettingsFile(path, "[General]\r\n"));
    QCOMPARE(contents(path), QByteArray("[General]\r\n"));
}

void TestSettingsLocation::saveCreatesConfigFolder()
{
    const QString path = m_config + "/TPZ.INI";
    QVERIFY(!QFileInfo::exists(m_config));

    QVERIFY(saveSettingsFile(path, "[General]\r\n"));
    QCOMPARE(contents(path), QByteArray("[General]\r\n"));
}

void TestSettingsLocation::saveFailsQuietly()
{
    const QString notAFolder = m_dir.filePath(QStringLiteral("archivo"));
    QVERIFY(writeFile(notAFolder, "x"));

    QVERIFY(!saveSettingsFile(notAFolder + "/TPZ.INI", "[General]\r\n"));
    QCOMPARE(contents(notAFolder), QByteArray("x"));
}

void TestSettingsLocation::picturePath_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("relative");
    QTest::addColumn<QString>("expected");

    QTest::newRow("relative path with backslashes") << "\\fondos\\campo.gif" << true << "/programa/fondos/campo.gif";
    QTest::newRow("empty relative path is the folder itself") << "" << true << "/programa";
    QTest::newRow("relative path is appended directly") << "fondos\\campo.gif" << true << "/programafondos/campo.gif";
    QTest::newRow("complete path taken as it is") << "/home/u/campo.gif" << false << "/home/u/campo.gif";
    QTest::newRow("complete path keeps its backslashes") << "C:\\fotos\\a.gif" << false << "C:\\fotos\\a.gif";
    QTest::newRow("empty complete path gives no picture") << "" << false << "";
}

void TestSettingsLocation::picturePath()
{
    QFETCH(QString, value);
    QFETCH(bool, relative);
    QFETCH(QString, expected);

    QCOMPARE(resolvePicturePath(QStringLiteral("/programa"), value, relative), expected);
}

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "tst_settingslocation.moc"
