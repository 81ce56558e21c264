// Settings file: any bytes are read without harm; the values read, written
// back (with either decimal separator) and read again, come back the same.

#include "fuzzcheck.h"
#include "textfile/textfilereader.h"
#include "settings/settingsfile.h"

#include <cstdint>

namespace {

SettingsValues applied(const SettingsReadResult &read)
{
    SettingsValues values;
    for (const SettingsChange &change : read.changes)
        applySettingsChange(values, change);
    return values;
}

// A text value holding a key, or a line break, reads back as another line
// or another key, one holding a NUL makes the file no text, and one longer
// than the reader keeps of a line (with its key) reads back cut: such a font
// name or path cannot be kept in the file.
bool storable(const QString &text)
{
    static const QStringView keys[] = {u"[COLORFONDO]", u"[LETRABold]", u"[LETRAItalic]",
                                       u"[LETRAStrikethru]", u"[LETRAUnderline]", u"[LETRAName]",
                                       u"[LETRASize]", u"[LETRAColor]", u"[IMAGENFONDO]"};
    if (text.contains(u'\r') || text.contains(u'\n') || text.contains(QChar(0)))
        return false;
    if (text.size() + qsizetype(sizeof "[IMAGENFONDO]=") > TextFileReader::MaxLineLength)
        return false;
    for (QStringView key : keys) {
        if (text.contains(key))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    TextFileReader file;
    file.openBytes(bytes);
    const SettingsReadResult read = readSettings(file);
    for (const SettingsChange &change : read.changes) {
        if (change.key == SettingsChange::Key::LetraSize)
            FUZZ_CHECK(change.size >= MinFontSize && change.size <= MaxFontSize);
    }

    const SettingsValues values = applied(read);
    if (!storable(values.font.name) || !storable(values.picturePath))
        return 0;
    for (QChar separator : {QChar(u'.'), QChar(u',')}) {
        const QByteArray written = writeSettings(values, separator);
        TextFileReader again;
        again.openBytes(written);
        const SettingsReadResult reread = readSettings(again);
        FUZZ_CHECK(!reread.failed);
        FUZZ_CHECK(reread.changes.size() == 9);
        FUZZ_CHECK(applied(reread) == values);
        FUZZ_CHECK(writeSettings(applied(reread), separator) == written);
    }
    return 0;
}
