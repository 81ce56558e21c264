#include "preferences.h"

#include "textfile/regularfile.h"

#include <QFile>
#include <QStandardPaths>

namespace {

// Far more than the few short lines written; a larger file is no preferences file.
constexpr qint64 MaxFileSize = 4096;
// A team key is a crest's file name; longer is no key.
constexpr qsizetype MaxTeamKeyLength = 64;

const QByteArray PauseOnGoals = QByteArrayLiteral("PausaGoles");
const QByteArray Sound = QByteArrayLiteral("Sonido");
const QByteArray ReadAloud = QByteArrayLiteral("VozAlta");
const QByteArray MyTeam = QByteArrayLiteral("MiEquipo");

void readFlag(const QByteArray &value, bool &flag)
{
    if (value == "1")
        flag = true;
    else if (value == "0")
        flag = false;
}

QByteArray flagLine(const QByteArray &name, bool flag)
{
    return name + '=' + (flag ? '1' : '0') + '\n';
}

} // namespace

QString preferencesPath()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return config.isEmpty() ? QString() : config + QStringLiteral("/preferencias.txt");
}

Preferences parsePreferences(const QByteArray &bytes)
{
    Preferences preferences;
    for (const QByteArray &raw : bytes.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.isEmpty())
            continue;
        const qsizetype equals = line.indexOf('=');
        const QByteArray name = line.left(equals).trimmed();
        const QByteArray value = equals < 0 ? QByteArray() : line.mid(equals + 1).trimmed();
        if (name == PauseOnGoals)
            readFlag(value, preferences.pauseOnGoals);
        else if (name == Sound)
            readFlag(value, preferences.sound);
        else if (name == ReadAloud)
            readFlag(value, preferences.readAloud);
        else if (name == MyTeam)
            preferences.myTeam = value.size() <= MaxTeamKeyLength ? QString::fromUtf8(value) : QString();
        else
            preferences.unknown.append(line);
    }
    return preferences;
}

QByteArray formatPreferences(const Preferences &preferences)
{
    QByteArray bytes = flagLine(PauseOnGoals, preferences.pauseOnGoals) + flagLine(Sound, preferences.sound)
        + flagLine(ReadAloud, preferences.readAloud);
    // A key with a line end in it would split into a line of its own.
    QString team = preferences.myTeam;
    team.remove(QLatin1Char('\n')).remove(QLatin1Char('\r'));
    bytes += MyTeam + '=' + team.toUtf8() + '\n';
    for (const QByteArray &line : preferences.unknown)
        bytes += line + '\n';
    return bytes;
}

Preferences readPreferences(const QString &file)
{
    QFile preferences;
    if (file.isEmpty() || !openRegularFile(preferences, file))
        return {};
    const QByteArray bytes = preferences.read(MaxFileSize + 1);
    return bytes.size() > MaxFileSize ? Preferences{} : parsePreferences(bytes);
}

SaveResult savePreferences(const QString &file, const Preferences &preferences)
{
    if (file.isEmpty())
        return {true, {}};
    return saveSettingsFile(file, formatPreferences(preferences));
}
