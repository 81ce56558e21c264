#include "report/reportreader.h"
#include "settings/settingsfile.h"

#include <QFile>
#include <QTest>

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
    ReportReader reader;
    reader.openBytes(bytes);
    return readSettings(reader);
}

QByteArray reference(const char *name)
{
    QFile file(QStringLiteral(TEZMARO_SOURCE_DIR "/tests/settings/data/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const SettingsValues Predeterminado{.colorFondo = 0x7E7E7E, .fontSize = 12};
const SettingsValues Elegido{.colorFondo = INT_MIN, .bold = false, .italic = true, .strikethru = true, .underline = true,
                             .fontName = "Garamond Cursiva", .fontSize = 20.25f, .fontColor = 0x0000FF,
                             .picturePath = "/home/usuario/Imágenes/campo Ñuñoa.gif", .pictureFlag = 1};

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void goldenFile_data()
    {
        QTest::addColumn<SettingsValues>("values");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QByteArray>("expected");

        QTest::newRow("the two default commands, no picture ever chosen")
            << Predeterminado << QChar(u'.') << reference("predeterminado.ini");
        QTest::newRow("chosen font and complete picture path, comma locale, accented path in Windows-1252")
            << Elegido << QChar(u',') << reference("elegido.ini");
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
        QTest::newRow("relative picture") << SettingsValues{.fontSize = 9.75f, .picturePath = "\\fondos\\campo.gif"} << "9,75";
        // In Windows-1252 these two letters are the bytes of a UTF-8 "é".
        QTest::newRow("Windows-1252 bytes that would read as UTF-8")
            << SettingsValues{.fontName = "Fuente Ã©", .fontSize = 8.1f} << "8,1";
        QTest::newRow("font name outside Windows-1252 goes out as UTF-8")
            << SettingsValues{.fontName = "Łódź Sans", .picturePath = "/Imágenes/a.gif"} << "20,25";
        QTest::newRow("equals signs in values")
            << SettingsValues{.colorFondo = -1, .fontName = "Nombre=con=iguales", .fontSize = 1000,
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
        SettingsValues restored{.fontName = "otra", .picturePath = "otra"};
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
        QTest::newRow("two keys in one line are both applied, in key order")
            << after({"[LETRAColor][COLORFONDO]=3"}) << Changes{colorFondo(3), letraColor(3)} << false;
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
