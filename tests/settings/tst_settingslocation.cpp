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
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const QFileDevice::Permissions ReadOnly = QFileDevice::ReadOwner | QFileDevice::ReadGroup;
const QFileDevice::Permissions ReadOnlyFolder = ReadOnly | QFileDevice::ExeOwner | QFileDevice::ExeGroup;

} // namespace

class TestSettingsLocation : public QObject
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

    // The file beside the program when it can be written there, else one in
    // the user's configuration folder; until that one exists, the file beside
    // the program is read.
    void whereSettingsGo_data()
    {
        QTest::addColumn<bool>("folderExists");
        QTest::addColumn<bool>("folderWritable");
        QTest::addColumn<bool>("fileWritable");
        QTest::addColumn<bool>("beside");

        QTest::newRow("writable folder") << true << true << true << true;
        QTest::newRow("read-only folder with the shipped file") << true << false << false << false;
        QTest::newRow("read-only folder with a writable file") << true << false << true << true;
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
        if (folderExists) {
            QVERIFY(QDir().mkpath(program) && writeFile(shipped, "instalado, mas largo"));
            QVERIFY(QFile::setPermissions(shipped, fileWritable ? ReadOnly | QFileDevice::WriteOwner : ReadOnly));
            QVERIFY(QFile::setPermissions(program, folderWritable ? ReadOnlyFolder | QFileDevice::WriteOwner : ReadOnlyFolder));
        }
        const auto restore = qScopeGuard([&] { QFile::setPermissions(program, ReadOnlyFolder | QFileDevice::WriteOwner); });
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

    void saveFailsQuietly()
    {
        const QString notAFolder = m_dir.filePath(QStringLiteral("archivo"));
        QVERIFY(writeFile(notAFolder, "x"));
        QVERIFY(!saveSettingsFile(notAFolder + "/TPZ.INI", "[General]\r\n"));
        QCOMPARE(contents(notAFolder), QByteArray("x"));
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
};

QTEST_GUILESS_MAIN(TestSettingsLocation)
#include "tst_settingslocation.moc"
