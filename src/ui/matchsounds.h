#pragma once

#include "matchsinks.h"
#include "sound/announcer.h"

#include <QObject>

class Form1;
class QAction;
class QMenu;

// The sound of the main window's replay: the "Sonido", "Leer en voz alta" and
// "Mi equipo" entries of "&Opciones", and, for every change the window shows,
// what the announcer decides played through the sinks.
class MatchSounds : public QObject
{
    Q_OBJECT

public:
    explicit MatchSounds(Form1 &window);
    ~MatchSounds() override;

    // Tests hear through recording sinks.
    void setSinks(MatchSinks sinks);

    // A change of the match on show (in a round, the followed one).
    void matchChanged(const PlaybackChange &change);
    // The rest of a round's change, after matchChanged() for its followed part.
    void roundChanged(const RoundChange &change);

public slots:
    void Sonido_Click();
    void Voz_Alta_Click();
    // Chooses the user's team by its key; empty for none.
    void Mi_Equipo_Click(const QString &key);
    // The entries as the preferences and the system have them, before the
    // "&Opciones" menu shows.
    void showOptions();
    // The teams of the open report or round, before "Mi equipo" shows.
    void showTeams();

private:
    void hear(const Announcement &announcement);
    bool hidden() const;

    Form1 &m_window;
    Announcer m_announcer;
    MatchSinks m_sinks;
    QAction *m_sonido = nullptr;
    QAction *m_vozAlta = nullptr;
    QMenu *m_miEquipo = nullptr;
};
