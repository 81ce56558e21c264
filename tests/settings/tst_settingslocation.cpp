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
    void programFolderNotWritable_data();
    void programFolderNotWritable();
    void readOnlyFolderWithWritableFile();
    void saving();
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
    const QString program = m_dir.path();
    QCOMPARE(settingsFilePath(program), program + "/TPZ.INI");
    QCOMPARE(settingsReadPath(program), program + "/TPZ.INI");
}

void TestSettingsLocation::programFolderNotWritable_data()
{
    QTest::addColumn<bool>("exists");
    QTest::newRow("read-only folder holding the shipped file") << true;
    QTest::newRow("missing folder") << false;
}

void TestSettingsLocation::programFolderNotWritable()
{
    QFETCH(bool, exists);
    const QString program = m_dir.filePath(exists ? QStringLiteral("solo-lectura") : QStringLiteral("no-existe"));
    if (exists) {
        QVERIFY(QDir().mkpath(program));
        QVERIFY(writeFile(program + "/TPZ.INI", "instalado"));
        QVERIFY(QFile::setPermissions(program + "/TPZ.INI", QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        QVERIFY(QFile::setPermissions(program, ReadOnlyFolder));
    }
    const auto restore = qScopeGuard([&] { QFile::setPermissions(program, WritableFolder); });
    if (exists && QFileInfo(program).isWritable())
        QSKIP("This user may write into read-only folders");

    const QString config = m_config + "/TPZ.INI";
    QCOMPARE(settingsFilePath(program), config);
    // Until the user saves, the file beside the program is read.
    QCOMPARE(settingsReadPath(program), program + "/TPZ.INI");
    QVERIFY(saveSettingsFile(settingsFilePath(program), "elegido"));
    QCOMPARE(settingsReadPath(program), config);
    QCOMPARE(contents(config), QByteArray("elegido"));
    QCOMPARE(contents(program + "/TPZ.INI"), exists ? QByteArray("instalado") : QByteArray());
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

void TestSettingsLocation::saving()
{
    // The whole file is replaced, and a missing configuration folder is made.
    const QString path = m_config + "/TPZ.INI";
    QVERIFY(saveSettingsFile(path, QByteArray(500, 'x')));
    QVERIFY(saveSettingsFile(path, "[General]\r\n"));
    QCOMPARE(contents(path), QByteArray("[General]\r\n"));

    // A folder that cannot be made fails quietly.
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
    QTest::newRow("complete path taken as it is") << "C:\\fotos\\a.gif" << false << "C:\\fotos\\a.gif";
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
