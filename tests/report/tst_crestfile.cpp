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
    void init();
    void lookup_data();
    void lookup();
    void exactNameWins();
    void missingFolder();

private:
    std::unique_ptr<QTemporaryDir> m_root;
    QString m_program;
};

void TestCrestFile::init()
{
    // The program folder sits inside a folder that holds pictures of its own,
    // which no key may reach.
    m_root = std::make_unique<QTemporaryDir>();
    QVERIFY(m_root->isValid());
    m_program = m_root->filePath(u"programa"_qs);
    QVERIFY(QDir().mkpath(m_program + u"/escudos"_qs));
    touch(m_program + u"/escudos/ARIO.gif"_qs);
    touch(m_program + u"/escudos/csie.gif"_qs);
    touch(m_program + u"/escudos/Le\u00f3n.gif"_qs);
    touch(m_root->filePath(u"FUERA.gif"_qs));
    touch(m_program + u"/FUERA.gif"_qs);
    QVERIFY(QDir().mkpath(m_program + u"/escudos/CARPETA.gif"_qs));
}

void TestCrestFile::lookup_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("found"); // relative to the program folder; empty for none

    QTest::newRow("exact name") << u"ARIO"_qs << u"escudos/ARIO.gif"_qs;
    QTest::newRow("name in another letter case") << u"CSIE"_qs << u"escudos/csie.gif"_qs;
    QTest::newRow("accented key in another case") << u"LE\u00d3N"_qs << u"escudos/Le\u00f3n.gif"_qs;
    QTest::newRow("no such crest") << u"ZZZZ"_qs << QString();
    QTest::newRow("empty key") << QString() << QString();
    QTest::newRow("slash") << u"../FUERA"_qs << QString();
    QTest::newRow("backslash") << u"..\\FUERA"_qs << QString();
    QTest::newRow("NUL in the key") << (u"ARIO"_qs + QChar(0) + u"x"_qs) << QString();
    QTest::newRow("a folder is no crest") << u"CARPETA"_qs << QString();
}

void TestCrestFile::lookup()
{
    QFETCH(QString, key);
    QFETCH(QString, found);

    const QString file = crestFile(m_program, key);
    if (found.isEmpty())
        QCOMPARE(file, QString());
    else
        QCOMPARE(QFileInfo(file).canonicalFilePath(), QFileInfo(m_program + u'/' + found).canonicalFilePath());
}

void TestCrestFile::exactNameWins()
{
    touch(m_program + u"/escudos/Ario.gif"_qs);
    touch(m_program + u"/escudos/ario.gif"_qs);
    QCOMPARE(crestFile(m_program, u"Ario"_qs), m_program + u"/escudos/Ario.gif"_qs);
    QCOMPARE(crestFile(m_program, u"ario"_qs), m_program + u"/escudos/ario.gif"_qs);
}

void TestCrestFile::missingFolder()
{
    QVERIFY(QDir(m_program + u"/escudos"_qs).removeRecursively());
    QCOMPARE(crestFile(m_program, u"ARIO"_qs), QString());
}

QTEST_GUILESS_MAIN(TestCrestFile)
#include "tst_crestfile.moc"
