#pragma once

#include "playback/matchstate.h"
#include "report/reportfault.h"

#include <QMainWindow>

#include <memory>

class CommonDialog;
struct NarrationFont;
struct SettingsValues;
class FitLabel;
class FrameBox;
class ImageList;
class PictureBox;
class QAction;
class QLabel;
class QListWidget;
class QMessageBox;
class QMenu;
class QRadioButton;
class QTimer;
class TextFileReader;
class Toolbar;

// The main window: replays a match report line by line with a running clock,
// the scoreboard, both crests and the goals, cards and substitutions of each
// team, and keeps the user's appearance settings.
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    // programDir is the folder that holds the crests (escudos/) and the settings file.
    explicit Form1(const QString &programDir, QWidget *parent = nullptr);
    ~Form1() override;

    QString programDir() const { return m_programDir; }

    // The match being replayed.
    MatchState Partido;
    QString Linea;
    QString EQUIPO_LOCAL;
    QString EQUIPO_VISITA;
    // "0" until the first start after an opening prepared the display, then "1".
    QString Bandera_Inicio;
    qint16 Intervalo = 1;
    // The background picture: relative to the program folder (IMAGEN_NUM 0) or
    // the full path held by Archivo2 (IMAGEN_NUM 1).
    QString NOMBRE_IMA;
    quint8 IMAGEN_NUM = 0;

    // The report open for playback, null when none is.
    bool reportOpen() const { return NumFile != nullptr; }

    void ABRIR();
    void LIMPIAR_LINEAS();
    void LEER_ALINEACIONES();
    // None, NoTeamsLine, or why the report could not be read.
    ReportFault LEER_ENCUENTRO();
    void LEER_OPCIONES();
    void GUARDAR_OPCIONES();

    // Tells the user, in one short modal message, that an action of theirs
    // failed; name is the box's object name.
    void avisar(const QString &title, const QString &text, const QString &name = QStringLiteral("Aviso"));

signals:
    // Emitted with each message box just before it runs, so it can be answered
    // without a person.
    void aboutToWarn(QMessageBox *box);

public slots:
    void Form_Load();
    void Abrir_Encuentro_Click();
    void Salir_Click();
    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    void Option4_Click();
    void Option5_Click();
    void Toolbar1_ButtonClick(QAction *Button);
    void Timer1_Timer();
    void Predeterminado_Click();
    void Escoger_Click();
    void Predeterminado2_Click();
    void Escoger2_Click();
    void Fondo_Aplicacion_Click();
    void Acerca_Click();

private:
    void createElements();
    void createMenus();
    void createToolbar();
    void describeElements();
    template<typename Label = QLabel>
    Label *createLabel(QWidget *container, const QString &name, const QString &caption, const QRect &geometry,
                       quint32 foreColor, const QFont &font, bool centred);
    QListWidget *createList(const QString &name, const QRect &geometry);
    QLabel *createImage(const QString &name, const QRect &geometry);

    void openCommand();
    void startCommand();
    void pauseCommand();
    void statisticsCommand();
    void pickSpeed(qint16 option);
    void endMatch();
    QList<QWidget *> matchElements() const;
    void setBackgroundColour(qint32 colour);
    void applyNarrationFont(const NarrationFont &font);
    // The settings as the dialog components and the picture pair hold them.
    SettingsValues heldSettings() const;

    QString m_programDir;
    // A failed save was told and none has succeeded since.
    bool m_saveFailureTold = false;
    std::unique_ptr<TextFileReader> NumFile;

    FrameBox *Frame2 = nullptr;
    QRadioButton *Option1 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option4 = nullptr;
    QRadioButton *Option5 = nullptr;
    QLabel *Label8 = nullptr;
    Toolbar *Toolbar1 = nullptr;
    QTimer *Timer1 = nullptr;
    CommonDialog *Archivo = nullptr;
    PictureBox *Cuadro_Principal = nullptr;
    CommonDialog *Archivo2 = nullptr;
    ImageList *ImageList1 = nullptr;
    QListWidget *List1 = nullptr;
    QListWidget *List2 = nullptr;
    QListWidget *List3 = nullptr;
    QListWidget *List4 = nullptr;
    FrameBox *Frame1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Image4 = nullptr;
    QLabel *Image3 = nullptr;
    FitLabel *Label10 = nullptr;
    QLabel *Label9 = nullptr;
    FitLabel *Texto_Narracion = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Image1 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    FitLabel *Label5 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    FitLabel *Label4 = nullptr;
};
