#include "settingsfile.h"

#include "textfile/textfilereader.h"

#include <QBuffer>
#include <QStringDecoder>
#include <QStringEncoder>

#include <charconv>
#include <cmath>
#include <optional>

namespace {

using Key = SettingsChange::Key;

struct KeyName
{
    QStringView text;
    Key key;
};

// The order in which a line is tested; every key found in it counts.
constexpr KeyName Keys[] = {
    {u"[COLORFONDO]", Key::ColorFondo},
    {u"[LETRABold]", Key::LetraBold},
    {u"[LETRAItalic]", Key::LetraItalic},
    {u"[LETRAStrikethru]", Key::LetraStrikethru},
    {u"[LETRAUnderline]", Key::LetraUnderline},
    {u"[LETRAName]", Key::LetraName},
    {u"[LETRASize]", Key::LetraSize},
    {u"[LETRAColor]", Key::LetraColor},
    {u"[IMAGENFONDO]", Key::ImagenFondo},
};

// The first "=" of a line was found by a signed 16-bit position: one past
// 32767 could not be held.
constexpr qsizetype MaxEqualsPosition = 32767;

QString flagText(bool flag)
{
    return flag ? QStringLiteral("True") : QStringLiteral("False");
}

QString sizeText(float size, QChar decimalSeparator)
{
    // Fixed notation in the fewest digits that read back as the same float:
    // 12 is "12", 20.25 is "20.25", never an exponent.
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, size, std::chars_format::fixed);
    QString text = QString::fromLatin1(buffer, result.ec == std::errc() ? result.ptr - buffer : 0);
    // The reader takes a point or a comma only: a locale with a separator of
    // its own (Persian, Arabic) writes the point.
    if (decimalSeparator == u',')
        text.replace(u'.', decimalSeparator);
    return text;
}

// Whether the report reader would take these bytes for UTF-8.
bool readBackAsUtf8(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return TextFileReader::detectEncoding(buffer) == TextFileReader::Encoding::Utf8;
}

QByteArray encodeFile(const QString &text)
{
    QStringEncoder encoder("windows-1252");
    QStringDecoder decoder("windows-1252");
    if (!encoder.isValid() || !decoder.isValid()) {
        // The report reader falls back to Latin-1 as well.
        encoder = QStringEncoder(QStringEncoder::Latin1);
        decoder = QStringDecoder(QStringDecoder::Latin1);
    }
    const QByteArray bytes = encoder(text);
    if (!encoder.hasError() && decoder(bytes) == text && !readBackAsUtf8(bytes))
        return bytes;
    // A font name or path that Windows-1252 cannot hold goes out as UTF-8,
    // which the reader recognises, rather than with a character lost.
    return text.toUtf8();
}

std::optional<qint32> toColor(const QString &value)
{
    bool ok = false;
    const qint32 color = value.trimmed().toInt(&ok, 10);
    return ok ? std::optional<qint32>(color) : std::nullopt;
}

// A number written with either decimal separator: a file written under
// another locale still reads.
std::optional<double> toNumber(const QString &value)
{
    QString text = value.trimmed();
    if (text.contains(u'.') && text.contains(u','))
        return std::nullopt;
    text.replace(u',', u'.');
    bool ok = false;
    const double number = text.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number;
}

std::optional<bool> toFlag(const QString &value)
{
    const QString text = value.trimmed();
    if (text.compare(u"True", Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(u"False", Qt::CaseInsensitive) == 0)
        return false;
    const auto number = toNumber(text);
    if (!number)
        return std::nullopt;
    return *number != 0;
}

std::optional<float> toSize(const QString &value)
{
    const auto number = toNumber(value);
    if (!number || *number < MinFontSize || *number > MaxFontSize)
        return std::nullopt;
    return float(*number);
}

// The change a key found in the line makes, or nothing when its value does
// not convert.
std::optional<SettingsChange> changeFor(Key key, const QString &value)
{
    switch (key) {
    case Key::ColorFondo:
    case Key::LetraColor:
        if (const auto color = toColor(value))
            return SettingsChange::ofColor(key, *color);
        return std::nullopt;
    case Key::LetraBold:
    case Key::LetraItalic:
    case Key::LetraStrikethru:
    case Key::LetraUnderline:
        if (const auto flag = toFlag(value))
            return SettingsChange::ofFlag(key, *flag);
        return std::nullopt;
    case Key::LetraName:
        return SettingsChange::ofName(value);
    case Key::LetraSize:
        if (const auto size = toSize(value))
            return SettingsChange::ofSize(*size);
        return std::nullopt;
    case Key::ImagenFondo:
        break;
    }
    return std::nullopt;
}

} // namespace

QByteArray writeSettings(const SettingsValues &values, QChar decimalSeparator)
{
    const QString lines[] = {
        QStringLiteral("[General]"),
        QStringLiteral("[COLORFONDO]=") + QString::number(values.colorFondo),
        QStringLiteral("[LETRABold]=") + flagText(values.font.bold),
        QStringLiteral("[LETRAItalic]=") + flagText(values.font.italic),
        QStringLiteral("[LETRAStrikethru]=") + flagText(values.font.strikethru),
        QStringLiteral("[LETRAUnderline]=") + flagText(values.font.underline),
        QStringLiteral("[LETRAName]=") + values.font.name,
        QStringLiteral("[LETRASize]=") + sizeText(values.font.size, decimalSeparator),
        QStringLiteral("[LETRAColor]=") + QString::number(values.font.color),
        QStringLiteral("[IMAGENFONDO]=") + values.picturePath,
        QStringLiteral("[IMAGEN]=") + QString::number(values.pictureFlag),
    };
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    return encodeFile(text);
}

SettingsReadResult readSettings(TextFileReader &file)
{
    SettingsReadResult result;
    const auto failure = [&result] {
        result.failed = true;
        return result;
    };

    QString line;
    if (!file.readLine(line))
        return failure();
    // The first line is never looked at; at least one line must follow it.
    do {
        if (!file.readLine(line))
            return failure();
        const qsizetype equals = line.indexOf(u'=');
        if (equals + 1 > MaxEqualsPosition)
            return failure();
        const QString value = equals < 0 ? line : line.mid(equals + 1);

        for (const KeyName &key : Keys) {
            if (!line.contains(key.text))
                continue;
            if (key.key == Key::ImagenFondo) {
                // The "[IMAGEN]" line follows at once and is not tested for keys.
                QString flagLine;
                if (!file.readLine(flagLine))
                    return failure();
                result.changes.append(SettingsChange::ofPicture(value, flagLine.contains(u"=0")));
                continue;
            }
            const auto change = changeFor(key.key, value);
            if (!change)
                return failure();
            result.changes.append(*change);
        }
    } while (!file.atEnd());
    return result;
}
