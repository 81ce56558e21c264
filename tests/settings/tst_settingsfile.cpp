#include "report/reportreader.h"
#include "settings/settingsfile.h"

#include <QFile>
#include <QStringEncoder>
#include <QTest>

using Key = SettingsChange::Key;
using Changes = QList<SettingsChange>;

// Readable failures for lists of changes.
char *toString(const SettingsChange &change)
{
    return QTest::toString(QStringLiteral("{key %1, color %2, flag %3, text \"%4\", size %5, relative %6}")
                               .arg(int(change.key))
                               .arg(change.color)
                               .arg(change.flag)
                               .arg(change.text.left(40))
                               .arg(double(change.size))
                               .arg(change.relative));
}

namespace {

QByteArray fileBytes(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes += line.toLatin1() + "\r\n";
    return bytes;
}

SettingsReadResult readBytes(const QByteArray &bytes)
{
    ReportReader reader;
    reader.openBytes(bytes);
    return readSettings(reader);
}

QByteArray reference(const char *name)
{
    QFile file(QStringLiteral(TEZMARO_SOURCE_DIR "/tests/settings/data/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

SettingsValues predeterminado()
{
    SettingsValues values;
    values.colorFondo = 0x7E7E7E;
    values.bold = true;
    values.fontName = QStringLiteral("Lucida Console");
    values.fontSize = 12;
    values.fontColor = 0xFFFFFF;
    values.picturePath.clear();
    values.pictureFlag = 0;
    return values;
}

SettingsValues elegido()
{
    SettingsValues values;
    values.colorFondo = std::numeric_limits<qint32>::min();
    values.bold = false;
    values.italic = values.strikethru = values.underline = true;
    values.fontName = QStringLiteral("Garamond Cursiva");
    values.fontSize = 20.25f;
    values.fontColor = 0x0000FF;
    values.picturePath = QStringLiteral("/home/usuario/Imágenes/campo Ñuñoa.gif");
    values.pictureFlag = 1;
    return values;
}

SettingsValues relativo()
{
    SettingsValues values;
    values.fontSize = 9.75f;
    values.picturePath = QStringLiteral("\\fondos\\campo.gif");
    values.pictureFlag = 0;
    return values;
}

} // namespace

class TestSettingsFile : public QObject
{
    Q_OBJECT

private slots:
    void goldenFile_data();
    void goldenFile();
    void sizeLine_data();
    void sizeLine();
    void roundTrip_data();
    void roundTrip();
    void utf8WhenWindows1252CannotHoldIt_data();
    void utf8WhenWindows1252CannotHoldIt();
    void reader_data();
    void reader();
    void equalsPosition_data();
    void equalsPosition();
    void noFile();
};

void TestSettingsFile::goldenFile_data()
{
    QTest::addColumn<SettingsValues>("values");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("the two default commands, no picture ever chosen")
        << predeterminado() << QChar(u'.') << reference("predeterminado.ini");
    QTest::newRow("chosen font and complete picture path, comma locale, accented path in Windows-1252")
        << elegido() << QChar(u',') << reference("elegido.ini");
    QTest::newRow("start-up look with a relative picture read earlier")
        << relativo() << QChar(u'.') << reference("relativo.ini");
}

void TestSettingsFile::goldenFile()
{
    QFETCH(SettingsValues, values);
    QFETCH(QChar, separator);
    QFETCH(QByteArray, expected);

    QVERIFY(!expected.isEmpty());
    QCOMPARE(writeSettings(values, separator), expected);
}

void TestSettingsFile::sizeLine_data()
{
    QTest::addColumn<float>("size");
    QTest::addColumn<QChar>("separator");
    QTest::addColumn<QByteArray>("line");

    QTest::newRow("shortest form of a float, not of a double") << 8.1f << QChar(u'.') << QByteArray("[LETRASize]=8.1");
    QTest::newRow("large size stays in fixed notation") << 1000.0f << QChar(u'.') << QByteArray("[LETRASize]=1000");
}

void TestSettingsFile::sizeLine()
{
    QFETCH(float, size);
    QFETCH(QChar, separator);
    QFETCH(QByteArray, line);

    SettingsValues values;
    values.fontSize = size;
    const QList<QByteArray> lines = writeSettings(values, separator).split('\n');
    QCOMPARE(lines.value(7), line + '\r');
}

void TestSettingsFile::roundTrip_data()
{
    QTest::addColumn<SettingsValues>("values");
    QTest::addColumn<QChar>("separator");

    QTest::newRow("defaults") << predeterminado() << QChar(u'.');
    QTest::newRow("chosen values, comma locale") << elegido() << QChar(u',');
    QTest::newRow("relative picture") << relativo() << QChar(u'.');

    SettingsValues ambiguous = predeterminado();
    // In Windows-1252 these two letters are the bytes of a UTF-8 "é".
    ambiguous.fontName = QStringLiteral("Fuente Ã©");
    QTest::newRow("Windows-1252 bytes that would read as UTF-8") << ambiguous << QChar(u'.');

    SettingsValues polish = elegido();
    polish.fontName = QStringLiteral("Łódź Sans");
    QTest::newRow("font name outside Windows-1252") << polish << QChar(u'.');

    SettingsValues odd = predeterminado();
    odd.fontName = QStringLiteral("Nombre=con=iguales");
    odd.fontSize = 1638;
    odd.colorFondo = -1;
    odd.picturePath = QStringLiteral("/fotos/a=0.gif");
    odd.pictureFlag = 1;
    QTest::newRow("equals signs in values, largest size") << odd << QChar(u'.');
}

void TestSettingsFile::roundTrip()
{
    QFETCH(SettingsValues, values);
    QFETCH(QChar, separator);

    const SettingsReadResult read = readBytes(writeSettings(values, separator));
    QVERIFY(!read.failed);
    QCOMPARE(read.changes.size(), 9);
    QCOMPARE(read.changes.last().key, Key::ImagenFondo);

    SettingsValues restored;
    restored.colorFondo = 1;
    restored.fontName = QStringLiteral("otra");
    restored.fontSize = 30;
    restored.picturePath = QStringLiteral("otra");
    for (const SettingsChange &change : read.changes)
        applySettingsChange(restored, change);
    QCOMPARE(restored, values);
}

void TestSettingsFile::utf8WhenWindows1252CannotHoldIt_data()
{
    QTest::addColumn<QString>("fontName");
    QTest::addColumn<QString>("picturePath");
    QTest::addColumn<bool>("utf8");

    QTest::newRow("Spanish letters fit Windows-1252") << "Fuente Ñandú" << "/Imágenes/a.gif" << false;
    QTest::newRow("euro sign fits Windows-1252") << "Fuente €" << "" << false;
    QTest::newRow("Polish letter in the font name") << "Łódź Sans" << "/Imágenes/a.gif" << true;
    QTest::newRow("Japanese picture path") << "Arial" << "/写真/campo.gif" << true;
}

void TestSettingsFile::utf8WhenWindows1252CannotHoldIt()
{
    QFETCH(QString, fontName);
    QFETCH(QString, picturePath);
    QFETCH(bool, utf8);

    SettingsValues values = predeterminado();
    values.fontName = fontName;
    values.picturePath = picturePath;
    const QByteArray bytes = writeSettings(values);

    const QString text = QStringLiteral("[LETRAName]=") + fontName;
    QStringEncoder windows1252("windows-1252");
    QVERIFY(bytes.contains(utf8 ? text.toUtf8() : QByteArray(windows1252(text))));
    ReportReader reader;
    reader.openBytes(bytes);
    QCOMPARE(reader.encoding() == ReportReader::Encoding::Utf8, utf8);
}

void TestSettingsFile::reader_data()
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

    QTest::newRow("lines in any order")
        << QStringList{"[General]", "[LETRAColor]=5", "[LETRAName]=Arial", "[COLORFONDO]=7"}
        << Changes{letraColor(5), name("Arial"), colorFondo(7)} << false;
    QTest::newRow("key without = gives the whole line")
        << QStringList{"[General]", "[LETRAName]"} << Changes{name("[LETRAName]")} << false;
    QTest::newRow("= in a font name is kept")
        << QStringList{"[General]", "[LETRAName]=Uno=Dos"} << Changes{name("Uno=Dos")} << false;
    QTest::newRow("lower-case key is not found")
        << QStringList{"[General]", "[letraname]=Arial", "[LETRABold]=True"} << Changes{bold(true)} << false;
    QTest::newRow("key on the first line is ignored")
        << QStringList{"[COLORFONDO]=1", "[LETRAColor]=2"} << Changes{letraColor(2)} << false;
    QTest::newRow("text before a key")
        << QStringList{"[General]", "xx [COLORFONDO]=7"} << Changes{colorFondo(7)} << false;
    QTest::newRow("line without a key changes nothing")
        << QStringList{"[General]", "; nota", "", "[LETRAColor]=1"} << Changes{letraColor(1)} << false;
    QTest::newRow("two keys in one line are both applied, in key order")
        << QStringList{"[General]", "[LETRAColor][COLORFONDO]=3"} << Changes{colorFondo(3), letraColor(3)} << false;

    QTest::newRow("blanks around a colour")
        << QStringList{"[General]", "[COLORFONDO]= 8289918 "} << Changes{colorFondo(8289918)} << false;
    QTest::newRow("smallest colour")
        << QStringList{"[General]", "[LETRAColor]=-2147483648"} << Changes{letraColor(INT_MIN)} << false;
    QTest::newRow("colour out of range stops the reading, earlier changes kept")
        << QStringList{"[General]", "[LETRAName]=Arial", "[COLORFONDO]=2147483648", "[LETRABold]=True"}
        << Changes{name("Arial")} << true;
    QTest::newRow("garbage colour stops the reading")
        << QStringList{"[General]", "[LETRABold]=False", "[COLORFONDO]=verde", "[LETRAName]=Arial"}
        << Changes{bold(false)} << true;
    QTest::newRow("empty colour stops the reading")
        << QStringList{"[General]", "[LETRAColor]=", "[LETRAName]=Arial"} << Changes{} << true;

    QTest::newRow("flag words in any case")
        << QStringList{"[General]", "[LETRABold]=true", "[LETRAItalic]= FALSE "} << Changes{bold(true), italic(false)}
        << false;
    QTest::newRow("flag as a number: 0 is false, others true")
        << QStringList{"[General]", "[LETRABold]=0", "[LETRAItalic]=-1", "[LETRABold]=2"}
        << Changes{bold(false), italic(true), bold(true)} << false;
    QTest::newRow("garbage flag stops the reading")
        << QStringList{"[General]", "[COLORFONDO]=4", "[LETRAUnderline]=Si", "[LETRAColor]=1"}
        << Changes{colorFondo(4)} << true;

    QTest::newRow("size with a point") << QStringList{"[General]", "[LETRASize]=20.25"} << Changes{size(20.25f)} << false;
    QTest::newRow("size with a comma") << QStringList{"[General]", "[LETRASize]=20,25"} << Changes{size(20.25f)} << false;
    QTest::newRow("smallest and largest sizes")
        << QStringList{"[General]", "[LETRASize]=1", "[LETRASize]=1638"} << Changes{size(1), size(1638)} << false;
    QTest::newRow("garbage size stops the reading, earlier changes kept")
        << QStringList{"[General]", "[LETRAName]=Arial", "[LETRASize]=doce", "[LETRAColor]=1"}
        << Changes{name("Arial")} << true;
    QTest::newRow("size zero stops the reading") << QStringList{"[General]", "[LETRASize]=0"} << Changes{} << true;
    QTest::newRow("negative size stops the reading") << QStringList{"[General]", "[LETRASize]=-12"} << Changes{} << true;
    QTest::newRow("size too large stops the reading") << QStringList{"[General]", "[LETRASize]=1639"} << Changes{} << true;
    QTest::newRow("infinite size stops the reading") << QStringList{"[General]", "[LETRASize]=inf"} << Changes{} << true;
    QTest::newRow("size with both separators stops the reading")
        << QStringList{"[General]", "[LETRASize]=1.000,5"} << Changes{} << true;

    QTest::newRow("relative picture: \"=0\" in the next line")
        << QStringList{"[General]", "[IMAGENFONDO]=\\fondos\\campo.gif", "[IMAGEN]=0"}
        << Changes{picture("\\fondos\\campo.gif", true)} << false;
    QTest::newRow("complete picture: flag 1")
        << QStringList{"[General]", "[IMAGENFONDO]=/fotos/campo.gif", "[IMAGEN]=1"}
        << Changes{picture("/fotos/campo.gif", false)} << false;
    QTest::newRow("flag 10 counts as complete")
        << QStringList{"[General]", "[IMAGENFONDO]=a.gif", "[IMAGEN]=10"} << Changes{picture("a.gif", false)} << false;
    QTest::newRow("flag beginning with 0 counts as relative")
        << QStringList{"[General]", "[IMAGENFONDO]=a.gif", "[IMAGEN]=01"} << Changes{picture("a.gif", true)} << false;
    QTest::newRow("empty flag counts as complete")
        << QStringList{"[General]", "[IMAGENFONDO]=a.gif", "[IMAGEN]="} << Changes{picture("a.gif", false)} << false;
    QTest::newRow("\"=0\" anywhere in the next line")
        << QStringList{"[General]", "[IMAGENFONDO]=a.gif", "cualquier cosa x=07"} << Changes{picture("a.gif", true)}
        << false;
    QTest::newRow("empty relative path, as first written")
        << QStringList{"[General]", "[IMAGENFONDO]=", "[IMAGEN]=0"} << Changes{picture("", true)} << false;
    QTest::newRow("the line after the picture is not tested for keys")
        << QStringList{"[General]", "[IMAGENFONDO]=a.gif", "[COLORFONDO]=0"} << Changes{picture("a.gif", true)} << false;
    QTest::newRow("changes after the picture are listed after it")
        << QStringList{"[General]", "[IMAGENFONDO]=a.gif", "[IMAGEN]=1", "[COLORFONDO]=3"}
        << Changes{picture("a.gif", false), colorFondo(3)} << false;
    QTest::newRow("[IMAGENFONDO] on the last line fails")
        << QStringList{"[General]", "[LETRABold]=True", "[IMAGENFONDO]=a.gif"} << Changes{bold(true)} << true;

    QTest::newRow("a one-line file fails") << QStringList{"[General]"} << Changes{} << true;
    QTest::newRow("an empty file fails") << QStringList{} << Changes{} << true;
}

void TestSettingsFile::reader()
{
    QFETCH(QStringList, lines);
    QFETCH(Changes, expected);
    QFETCH(bool, failed);

    const SettingsReadResult read = readBytes(fileBytes(lines));
    QCOMPARE(read.changes, expected);
    QCOMPARE(read.failed, failed);
}

void TestSettingsFile::equalsPosition_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("failed");

    QTest::newRow("first = at position 32767 is read") << 32767 << false;
    QTest::newRow("first = at position 32768 fails") << 32768 << true;
}

void TestSettingsFile::equalsPosition()
{
    QFETCH(int, position);
    QFETCH(bool, failed);

    const QString key = QStringLiteral("[LETRAName]");
    const QString line = key + QString(position - 1 - key.size(), u'x') + QStringLiteral("=Arial");
    const SettingsReadResult read = readBytes(fileBytes({"[General]", "[COLORFONDO]=1", line}));

    QCOMPARE(read.failed, failed);
    Changes expected{SettingsChange::ofColor(Key::ColorFondo, 1)};
    if (!failed)
        expected << SettingsChange::ofName(QStringLiteral("Arial"));
    QCOMPARE(read.changes, expected);
}

void TestSettingsFile::noFile()
{
    ReportReader reader;
    reader.open(QStringLiteral("/nonexistent/folder/TPZ.INI"));
    const SettingsReadResult read = readSettings(reader);
    QVERIFY(read.failed);
    QVERIFY(read.changes.isEmpty());
}

QTEST_GUILESS_MAIN(TestSettingsFile)
#include "tst_settingsfile.moc"
