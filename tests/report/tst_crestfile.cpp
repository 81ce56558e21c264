#include "report/crestfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("GIF89a");
}

} // namespace

class TestCrestFile : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // A picture beside the crest folder, which no key may reach.
        m_root = std::make_unique<QTemporaryDir>();
        QVERIFY(m_root->isValid());
        m_program = m_root->filePath("programa");
        QVERIFY(QDir().mkpath(m_program + "/escudos"));
        touch(m_program + "/escudos/ARIO.gif");
        touch(m_program + "/escudos/csie.gif");
        touch(m_program + "/escudos/Csie.gif");
        touch(m_program + "/escudos/CSIE.gif");
            touch(m_program + "/FUERA.gif");
        QVERIFY(QDir().mkpath(m_program + "/escudos/CARPETA.gif"));
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("found"); // relative to the program folder; empty for none

        QTest::newRow("exact name") << "ARIO" << "escudos/ARIO.gif";
        QTest::newRow("exact name before names in another case") << "Csie" << "escudos/Csie.gif";
        QTest::newRow("name in another letter case") << "ario" << "escudos/ARIO.gif";
        QTest::newRow("slash") << "../FUERA" << QString();
        QTest::newRow("backslash") << "..\\FUERA" << QString();
        QTest::newRow("NUL in the key") << (QStringLiteral("ARIO") + QChar(0) + "x") << QString();
        QTest::newRow("a folder is no crest") << "CARPETA" << QString();
    }

    void lookup()
    {
        QFETCH(QString, key);
        QFETCH(QString, found);

        const QString file = crestFile(m_program, key);
        if (found.isEmpty())
            QCOMPARE(file, QString());
        else
            QCOMPARE(QFileInfo(file).canonicalFilePath(), QFileInfo(m_program + u'/' + found).canonicalFilePath());
    }

    void missingFolder()
    {
        QVERIFY(QDir(m_program + "/escudos").removeRecursively());
        QCOMPARE(crestFile(m_program, "ARIO"), QString());
    }

private:
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_program;
};

QTEST_GUILESS_MAIN(TestCrestFile)
#include "tst_crestfile.moc"
