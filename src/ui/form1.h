#pragma once

#include "form1elements.h"
#include "playback/playbackcontroller.h"
#include "round/roundcontroller.h"
#include "settings/preferences.h"

#include <QMainWindow>

struct NarrationFont;
struct SettingsValues;
class CommonDialog;
class Cronica;
class Jornada;
class MatchSounds;
class QAction;
class QMessageBox;
class RecentMenu;
class ScoreFlash;
class StatusLine;

// The main window: replays a match report line by line with a running clock,
// the scoreboard, both crests and the goals, cards and substitutions of each
// team, and keeps the user's appearance settings. The match and where its
// replay stands are the playback controller's (in a round, the round's, which
// this window follows one match of); the window shows what the controller's
// commands and ticks change, and never reads them back from its elements.
class Form1 : public QMainWindow, private Form1Elements
{
    Q_OBJECT

public:
    // programDir is the folder that holds the crests (escudos/) and the settings file.
    explicit Form1(const QString &programDir, QWidget *parent = nullptr);
    ~Form1() override;

    QString programDir() const { return m_programDir; }
    // The match being replayed: in a round, the one followed.
    const PlaybackController &partido() const { return m_round ? m_round->followed() : m_match; }
    // The round being replayed; none while a single match is.
    const RoundController *jornada() const { return m_round.get(); }
    // The cues, notifications and reading aloud of the replay.
    MatchSounds *sounds() const { return m_sounds; }

    // The background picture: relative to the program folder (IMAGEN_NUM 0) or
    // the full path held by Archivo2 (IMAGEN_NUM 1).
    QString NOMBRE_IMA;
    quint8 IMAGEN_NUM = 0;

    void ABRIR();
    // Opens a report as a choice in the open dialog would: the dialog
    // component's file name holds the path, as the statistics window reads it.
    void openReport(const QString &path);
    // Opens reports named together, on the command line, in a drop or in the
    // round's open dialog: one as openReport() does, several as a round.
    void openReports(const QStringList &paths);
    void LEER_OPCIONES();
    void GUARDAR_OPCIONES();

    // Tells the user, in one short modal message, that an action of theirs
    // failed; name is the box's object name.
    // The user's preferences beyond the classic program's settings.
    const Preferences &preferencias() const { return m_preferences; }
    // Keeps a changed preference in its file, telling the user when it cannot.
    void setPreferences(const Preferences &preferences);

    void avisar(const QString &title, const QString &text, const QString &name = QStringLiteral("Aviso"));

signals:
    // Emitted with each message box just before it runs, so it can be answered
    // without a person.
    void aboutToWarn(QMessageBox *box);

public slots:
    void Form_Load();
    void Abrir_Encuentro_Click();
    void Abrir_Jornada_Click();
    void Ver_Jornada_Click();
    void Cronica_Click();
    void Guardar_Imagen_Click();
    void Salir_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Toolbar1_ButtonClick(QAction *Button);
    void Comenzar_Click();
    void Pausar_Click();
    void Ir_Gol_Click();
    void Ir_Descanso_Click();
    void Ir_Final_Click();
    void Timer1_Timer();
    void Predeterminado_Click();
    void Escoger_Click();
    void Predeterminado2_Click();
    void Escoger2_Click();
    void Fondo_Aplicacion_Click();
    void Guia_Click();
    void Acerca_Click();
    void Copiar_Resumen_Click();
    void Copiar_Resumen_BBCode_Click();
    void Pausa_Goles_Click();

private:
    void connectElements();
    void openRecent(const QString &path);
    void showState();
    void apply(const PlaybackChange &change);
    void pickSpeed(qint16 option);
    void skip(SkipTarget target);
    void setBackgroundColour(qint32 colour);
    void applyNarrationFont(const NarrationFont &font);
    // The settings as the dialog components and the picture pair hold them.
    SettingsValues heldSettings() const;
    void tellSave(const QString &path, const SaveResult &saved);
    static QString reportFilter();
    // The round: the followed match in this window, every match in the
    // "Jornada" window.
    void openRound(const QStringList &paths);
    void leaveRound();
    void applyRound(const RoundChange &change);
    void showWhole(const PlaybackChange &change);
    void followRow(int row);
    // The summary entries, the pause on goals and the score's flash.
    void setUpSharing();
    void showSharing(const StateView &view);
    // The chronicle window and the match card (form1cronica.cpp).
    void createChronicle();
    void showChronicle(bool whole);

    QString m_programDir;
    // The single match, while no round is open.
    PlaybackController m_match;
    std::unique_ptr<RoundController> m_round;
    Jornada *m_jornada = nullptr;
    Cronica *m_cronica = nullptr;
    // The save dialog of "Guardar imagen", apart from Archivo, whose file
    // name is the report's.
    CommonDialog *m_imageDialog = nullptr;
    RecentMenu *m_recent = nullptr;
    StatusLine *m_status = nullptr;
    MatchSounds *m_sounds = nullptr;
    ScoreFlash *m_scoreFlash = nullptr;
    Preferences m_preferences;
    QString m_preferencesFile;
    // A failed save has been told and no save has succeeded since.
    bool m_saveFailureTold = false;
};
