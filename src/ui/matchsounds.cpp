#include "matchsounds.h"

#include "desktopnotices.h"
#include "form1.h"
#include "soundeffects.h"
#include "speechreader.h"

#include <QActionGroup>
#include <QMenu>

namespace {

// A menu shows a name from a report as it is: "&" is no mnemonic, and what
// fits a menu is enough.
QString caption(const QString &name)
{
    QString shown = name.trimmed().left(60);
    return shown.replace(u'&', QStringLiteral("&&"));
}

} // namespace

MatchSinks systemSinks()
{
    return {std::make_unique<SoundEffects>(), std::make_unique<DesktopNotices>(), std::make_unique<SpeechReader>()};
}

MatchSounds::MatchSounds(Form1 &window)
    : QObject(&window)
    , m_window(window)
    , m_sinks(systemSinks())
{
    setObjectName(QStringLiteral("MatchSounds"));
    auto *opciones = window.findChild<QMenu *>(QStringLiteral("Opciones"));
    opciones->addSeparator();
    m_sonido = opciones->addAction(QStringLiteral("Sonido"));
    m_sonido->setObjectName(QStringLiteral("Sonido"));
    m_sonido->setCheckable(true);
    connect(m_sonido, &QAction::triggered, this, &MatchSounds::Sonido_Click);
    m_vozAlta = opciones->addAction(QStringLiteral("Leer en voz alta"));
    m_vozAlta->setObjectName(QStringLiteral("Voz_Alta"));
    m_vozAlta->setCheckable(true);
    connect(m_vozAlta, &QAction::triggered, this, &MatchSounds::Voz_Alta_Click);
    m_miEquipo = opciones->addMenu(QStringLiteral("Mi equipo"));
    m_miEquipo->setObjectName(QStringLiteral("Mi_Equipo"));
    // The reason reading aloud is off shows where the entry does.
    opciones->setToolTipsVisible(true);
    connect(opciones, &QMenu::aboutToShow, this, &MatchSounds::showOptions);
    connect(m_miEquipo, &QMenu::aboutToShow, this, &MatchSounds::showTeams);
    m_sonido->setChecked(window.preferencias().sound);
    m_vozAlta->setChecked(window.preferencias().readAloud);
}

MatchSounds::~MatchSounds() = default;

void MatchSounds::setSinks(MatchSinks sinks)
{
    m_sinks = std::move(sinks);
}

bool MatchSounds::hidden() const
{
    return !m_window.isVisible() || m_window.isMinimized();
}

void MatchSounds::matchChanged(const PlaybackChange &change)
{
    m_announcer.setPreferences(m_window.preferencias());
    hear(m_announcer.matchChanged(change, m_window.partido(), hidden()));
}

void MatchSounds::roundChanged(const RoundChange &change)
{
    if (const RoundController *round = m_window.jornada())
        hear(m_announcer.roundChanged(change, *round, hidden()));
}

void MatchSounds::hear(const Announcement &announcement)
{
    for (const Cue cue : announcement.cues)
        m_sinks.sound->play(cue);
    for (const Notice &notice : announcement.notices)
        m_sinks.notice->notify(notice);
    if (announcement.say)
        m_sinks.speech->say(*announcement.say);
    for (const QString &line : announcement.then)
        m_sinks.speech->queue(line);
}

void MatchSounds::showOptions()
{
    const Preferences &preferences = m_window.preferencias();
    m_sonido->setChecked(preferences.sound);
    m_vozAlta->setChecked(preferences.readAloud);
    const QString why = m_sinks.speech->unavailable();
    m_vozAlta->setEnabled(why.isEmpty());
    m_vozAlta->setToolTip(why.isEmpty() ? QStringLiteral("Lee cada línea de la narración en voz alta") : why);
}

void MatchSounds::Sonido_Click()
{
    Preferences preferences = m_window.preferencias();
    preferences.sound = m_sonido->isChecked();
    m_window.setPreferences(preferences);
}

void MatchSounds::Voz_Alta_Click()
{
    Preferences preferences = m_window.preferencias();
    preferences.readAloud = m_vozAlta->isChecked();
    m_window.setPreferences(preferences);
    // Turned off, the line being read stops at once.
    if (!preferences.readAloud)
        m_sinks.speech->say({});
}

void MatchSounds::Mi_Equipo_Click(const QString &key)
{
    Preferences preferences = m_window.preferencias();
    preferences.myTeam = key;
    m_window.setPreferences(preferences);
}

void MatchSounds::showTeams()
{
    m_miEquipo->clear();
    auto *group = new QActionGroup(m_miEquipo);
    const QString mine = m_window.preferencias().myTeam;
    bool listed = false;
    const auto add = [&](const QString &name, const QString &key) {
        QAction *team = m_miEquipo->addAction(caption(name));
        team->setCheckable(true);
        team->setChecked(key == mine);
        team->setData(key);
        group->addAction(team);
        connect(team, &QAction::triggered, this, [this, key] { Mi_Equipo_Click(key); });
        listed = listed || key == mine;
    };
    add(QStringLiteral("Ninguno"), QString());
    // The teams of every match of a round, else the open report's.
    QList<const PlaybackController *> matches;
    if (const RoundController *round = m_window.jornada()) {
        for (int row = 0; row < round->rowCount(); ++row) {
            if (const PlaybackController *match = round->match(row))
                matches << match;
        }
    } else if (m_window.partido().state() != PlaybackState::NoMatch) {
        matches << &m_window.partido();
    }
    QStringList keys;
    for (const PlaybackController *match : matches) {
        const TeamsLine &teams = match->teams();
        for (const auto &[name, key] : {std::pair(teams.home, teams.homeKey), std::pair(teams.away, teams.awayKey)}) {
            const QString k = key.trimmed();
            if (k.isEmpty() || keys.contains(k))
                continue;
            keys << k;
            add(name, k);
        }
    }
    // A team chosen from another report stays chosen until another is.
    if (!listed)
        add(QStringLiteral("Elegido antes: ") + mine, mine);
}
