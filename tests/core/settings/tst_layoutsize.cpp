#include "settings/layoutsize.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

// The file that keeps the layout's size, as hostile input: anything but one
// of the offered sizes is the layout's own.
class TestLayoutSize : public QObject
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
        QTest::newRow("no number") << QByteArray("grande\n") << 100;
        QTest::newRow("empty") << QByteArray() << 100;
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
};

QTEST_GUILESS_MAIN(TestLayoutSize)
#include "tst_layoutsize.moc"
