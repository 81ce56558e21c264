#include "form1.h"

#include "form2.h"
#include "form3.h"
#include "matchsounds.h"
#include "notices.h"
#include "recentmenu.h"
#include "reportdrop.h"
#include "scoreflash.h"
#include "statusline.h"
#include "userguide.h"
#include "windowsize.h"
#include "kit/artwork.h"
#include "kit/classiclook.h"
#include "kit/commondialog.h"
#include "kit/fitlabel.h"
#include "kit/framebox.h"
#include "kit/picturebox.h"
#include "kit/picturefile.h"
#include "kit/toolbar.h"
#include "report/crestfile.h"
#include "settings/layoutsize.h"
#include "settings/settingsfile.h"
#include "settings/settingslocation.h"
#include "textfile/textfilereader.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>

#include <optional>

using ClassicLook::color;

namespace {

constexpr qint32 DefaultGrey = 0x007E7E7E;

// The narration line at start-up, before any settings are read: larger than
// the default narration font that Archivo holds.
const NarrationFont StartUpNarration{.size = 20.25f};

// Buttons 2 to 4 are addressed by position, as the playback states name them.
constexpr int StartButton = 2;
constexpr int PauseButton = 3;
constexpr int StatisticsButton = 4;

// As much as a label keeps, far more than a list row shows: a player's name
// is the first word of his line-up row, which a hostile report makes long.
constexpr qsizetype MaxListEntryLength = FitLabel::MaxKeptLength;

} // namespace

Form1::Form1(const QString &programDir, QWidget *parent)
    : QMainWindow(parent)
    , m_programDir(programDir)
    , m_preferences(readPreferences(preferencesPath()))
    , m_preferencesFile(preferencesPath())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tezmaro 1.1"));
    setWindowIcon(Artwork::icon(QStringLiteral(":/tezmaro.svg"), {16, 32, 48}));
    build(this);
    m_recent = new RecentMenu(Recientes, recentReportsPath(), this);
    m_status = new StatusLine(this);
    m_sounds = new MatchSounds(*this);
    new WindowSize(this, *this, layoutSizePath());
    connectElements();
    setUpSharing();
    createChronicle();
    Form_Load();
    showState();
}

Form1::~Form1() = default;

void Form1::connectElements()
{
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    connect(Toolbar1, &Toolbar::ButtonClick, this, &Form1::Toolbar1_ButtonClick);
    connect(m_recent, &RecentMenu::chosen, this, &Form1::openRecent);
    connect(new ReportDrop(this), &ReportDrop::dropped, this, &Form1::openReports);
    void (Form1::*const picks[])() = {&Form1::Option1_Click, &Form1::Option2_Click, &Form1::Option3_Click,
                                      &Form1::Option4_Click, &Form1::Option5_Click};
    for (int i = 0; i < 5; ++i) {
        QRadioButton *option = options()[i];
        const auto pick = picks[i];
        connect(option, &QRadioButton::clicked, this, pick);
        // A screen reader's toggle action checks an option without clicking it and
        // must pick the speed as well. A click on an unpicked option toggles it too,
        // so that pick runs twice at once, to the same effect.
        connect(option, &QRadioButton::toggled, this, [this, pick](bool on) {
            if (on)
                (this->*pick)();
        });
    }
}

void Form1::Form_Load()
{
    pickSpeed(1);
    LEER_OPCIONES();
    // Dialogs start where the last report or picture was, else in the shipped ones.
    Archivo->setStartFolder({m_recent->newest(), m_programDir + QStringLiteral("/ejemplos")});
    Archivo2->setStartFolder({Archivo2->FileName, m_programDir + QStringLiteral("/fondos")});
}

// The playback commands, the timer and the status line as the match's state
// has them. Nothing else enables or disables those commands.
void Form1::showState()
{
    StateView view = partido().view();
    // A skip would carry the followed match past the others of a round.
    view.skip = view.skip && !m_round;
    findChild<QAction *>(QStringLiteral("Ver_Jornada"))->setEnabled(bool(m_round));
    Toolbar1->button(StartButton)->setEnabled(view.start);
    Toolbar1->button(PauseButton)->setEnabled(view.pause);
    Toolbar1->button(StatisticsButton)->setEnabled(view.statistics);
    showPartidoEntries(view);
    showSharing(view);
    Toolbar::setToolTipText(Toolbar1->button(StartButton), view.startToolTip());
    if (view.timer == StateView::Timer::Stop)
        Timer1->stop();
    else if (view.timer == StateView::Timer::Run && !Timer1->isActive())
        Timer1->start();
    m_status->show(partido());
}

// Opening a match

void Form1::Abrir_Encuentro_Click()
{
    ABRIR();
}

void Form1::ABRIR()
{
    const std::optional<QString> chosen = Archivo->askOpenFile(QStringLiteral("Buscar Encuentro"), reportFilter());
    if (chosen)
        openReport(*chosen);
}

void Form1::openReport(const QString &path)
{
    leaveRound();
    Archivo->FileName = path;
    Cuadro_Principal->cls();
    for (QWidget *element : matchElements())
        element->hide();
    for (QListWidget *list : lists())
        list->clear();
    setNarrationSize(NarrationSize::Opening);
    Texto_Narracion->clear();
    m_scoreFlash->stop();
    for (QLabel *label : {Label1, Label2, Label3})
        label->setText(QStringLiteral("0"));

    const HeaderResult header = m_match.open(path, [this](const QString &line) { Cuadro_Principal->print(line); });
    const TeamsLine &teams = m_match.teams();
    Label4->setText(teams.home);
    Label5->setText(teams.away);
    Label10->setText(teams.stadium);
    if (header.ok()) {
        showCrests(crestFiles(m_programDir, teams.homeKey), crestFiles(m_programDir, teams.awayKey));
        const QString match = QStringLiteral("%1 - %2").arg(teams.home.trimmed(), teams.away.trimmed());
        m_recent->add(path, header.teamsLineFound() ? match : QString());
    }
    showState();
    showChronicle(true);
    if (header.fault != ReportFault::None)
        avisar(QStringLiteral("Abrir Encuentro"), openingNotice(path, header.fault), QStringLiteral("Encuentro_Error"));
}

// A report moved or deleted since is taken off the list, and the match on
// show stays: opening it would only clear the window.
void Form1::openRecent(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        m_recent->remove(path);
        avisar(QStringLiteral("Recientes"), recentGoneNotice(path), QStringLiteral("Recientes_Error"));
        return;
    }
    openReports({path});
}

// Playback

void Form1::Toolbar1_ButtonClick(QAction *Button)
{
    const QString key = Toolbar::key(Button);
    if (key == u"A")
        ABRIR();
    else if (key == u"B")
        Comenzar_Click();
    else if (key == u"C")
        Pausar_Click();
    else if (key == u"D")
        Form2(Archivo->FileName, Archivo2->Color, this, scale()).exec();
    else if (key == u"E")
        Salir_Click();
}

void Form1::Salir_Click()
{
    Timer1->stop();
    hide();
    QCoreApplication::exit(0);
}

void Form1::pickSpeed(qint16 option)
{
    // While the clock runs the new speed applies at once, a full new period from now.
    if (const std::optional<int> period = m_round ? m_round->pickSpeed(option) : m_match.pickSpeed(option)) {
        Timer1->stop();
        Timer1->setInterval(*period);
        Timer1->start();
    }
    showSpeed(option);
    m_status->show(partido());
}

void Form1::Option1_Click() { pickSpeed(1); }
void Form1::Option2_Click() { pickSpeed(2); }
void Form1::Option3_Click() { pickSpeed(3); }
void Form1::Option4_Click() { pickSpeed(4); }
void Form1::Option5_Click() { pickSpeed(5); }

void Form1::Timer1_Timer()
{
    if (m_round)
        applyRound(m_round->tick());
    else
        apply(m_match.tick());
}

// Shows what a command or a tick of the match changed.
void Form1::apply(const PlaybackChange &change)
{
    if (change.prepareDisplay) {
        Cuadro_Principal->cls();
        for (QWidget *element : matchElements())
            element->show();
    }
    // Setting the interval restarts the timer from now, which would add each
    // tick's own lateness to every period; an unchanged period keeps the
    // timer on its schedule.
    if (change.period && *change.period != Timer1->interval())
        Timer1->setInterval(*change.period);
    setNarrationSize(change.size);
    if (change.narration)
        Texto_Narracion->setText(*change.narration);
    if (change.clock)
        Label1->setText(*change.clock);
    const auto eventLists = lists();
    for (const ListEntry &entry : change.entries)
        eventLists[entry.list - 1]->addItem(entry.text.left(MaxListEntryLength));
    if (change.homeScored)
        Label2->setText(QString::number(partido().match().Home));
    if (change.awayScored)
        Label3->setText(QString::number(partido().match().Away));
    m_scoreFlash->follow(change);
    showChronicle(change.whole);
    if (change.stateChanged)
        showState();
    m_sounds->matchChanged(change);
}

// Appearance

void Form1::setBackgroundColour(qint32 colour)
{
    const QColor c = color(quint32(colour));
    setColours(centralWidget(), c, QColor());
    Frame2->setBackColor(c);
}

void Form1::applyNarrationFont(const NarrationFont &font)
{
    setNarrationFont(ClassicLook::font(font));
    setColours(Texto_Narracion, QColor(), color(quint32(font.color)));
}

void Form1::Predeterminado_Click()
{
    Archivo2->Color = DefaultGrey;
    setBackgroundColour(Archivo2->Color);
    GUARDAR_OPCIONES();
}

void Form1::Escoger_Click()
{
    Archivo2->ShowColor();
    setBackgroundColour(Archivo2->Color);
    GUARDAR_OPCIONES();
}

void Form1::Predeterminado2_Click()
{
    Archivo->Font = NarrationFont();
    applyNarrationFont(Archivo->Font);
    GUARDAR_OPCIONES();
}

void Form1::Escoger2_Click()
{
    Archivo->ShowFont();
    if (Archivo->Font.name == u" ")
        return;
    applyNarrationFont(Archivo->Font);
    GUARDAR_OPCIONES();
}

void Form1::Fondo_Aplicacion_Click()
{
    const QString previous = Archivo2->FileName;
    // A cancelled choice keeps the picture on show and the one the settings file names.
    const std::optional<QString> chosen = Archivo2->askOpenFile(
        QStringLiteral("Buscar Imagen"), QStringLiteral("Documentos de texto (*.gif)|*.gif|Todos los archivos (*.*)|*.*"));
    if (!chosen)
        return;
    const QPixmap picture = loadPicture(*chosen);
    if (picture.isNull()) {
        Archivo2->FileName = previous;
        avisar(QStringLiteral("Imagen de Fondo"), pictureNotice(*chosen), QStringLiteral("Fondo_Error"));
        return;
    }
    IMAGEN_NUM = 1;
    GUARDAR_OPCIONES();
    Cuadro_Principal->setPicture(picture);
}

void Form1::avisar(const QString &title, const QString &text, const QString &name)
{
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
    box.setObjectName(name);
    // Text from a report or a path is shown as it is, never as markup.
    box.setTextFormat(Qt::PlainText);
    emit aboutToWarn(&box);
    box.exec();
}

void Form1::Guia_Click()
{
    if (!openUserGuide(m_programDir))
        avisar(QStringLiteral("Guía"), guideNotice(userGuidePath(m_programDir)), QStringLiteral("Guia_Error"));
}

void Form1::Acerca_Click()
{
    Form3 about(this, scale());
    about.exec();
}

// Settings

SettingsValues Form1::heldSettings() const
{
    SettingsValues values;
    values.colorFondo = Archivo2->Color;
    values.font = Archivo->Font;
    values.picturePath = IMAGEN_NUM == 1 ? Archivo2->FileName : NOMBRE_IMA;
    values.pictureFlag = IMAGEN_NUM;
    return values;
}

void Form1::LEER_OPCIONES()
{
    TextFileReader file;
    if (!file.open(settingsReadPath(m_programDir)))
        return;
    const SettingsReadResult read = readSettings(file);
    SettingsValues values = heldSettings();
    // Archivo holds the default narration font, the narration line shows its
    // larger start-up look: the file changes in each only what it names.
    SettingsValues shown = values;
    shown.font = StartUpNarration;
    bool pictureRead = false;
    std::optional<QPixmap> picture;
    for (const SettingsChange &change : read.changes) {
        applySettingsChange(values, change);
        applySettingsChange(shown, change);
        if (change.key != SettingsChange::Key::ImagenFondo)
            continue;
        // The pair is held as read even when its picture does not load: one
        // on a drive not mounted yet is still the user's choice, written back
        // by the next save.
        pictureRead = true;
        if (!change.relative && change.text.isEmpty()) {
            picture = QPixmap();
            continue;
        }
        const QPixmap loaded = loadPicture(resolvePicturePath(m_programDir, change.text, change.relative));
        // A picture that does not load ends the reading here.
        if (loaded.isNull())
            break;
        picture = loaded;
    }

    Archivo2->Color = values.colorFondo;
    Archivo->Font = values.font;
    if (pictureRead) {
        const bool relative = values.pictureFlag == 0;
        NOMBRE_IMA = relative ? values.picturePath : QString();
        Archivo2->FileName = resolvePicturePath(m_programDir, values.picturePath, relative);
        IMAGEN_NUM = values.pictureFlag;
    }
    setBackgroundColour(values.colorFondo);
    applyNarrationFont(shown.font);
    if (picture)
        Cuadro_Principal->setPicture(*picture);
}

void Form1::GUARDAR_OPCIONES()
{
    const SettingsValues values = heldSettings();
    const QString separator = QLocale().decimalPoint();
    const QByteArray bytes = writeSettings(values, separator.isEmpty() ? QChar(u'.') : separator.at(0));
    const QString path = settingsFilePath(m_programDir);
    tellSave(path, saveSettingsFile(path, bytes));
}

void Form1::setPreferences(const Preferences &preferences)
{
    m_preferences = preferences;
    tellSave(m_preferencesFile, savePreferences(m_preferencesFile, m_preferences));
}

void Form1::tellSave(const QString &path, const SaveResult &saved)
{
    // The user sees the change at once and would lose it at the next start
    // without a word. One message per failed save: failures after it stay
    // silent until a save succeeds again, so a disk that stays full does not
    // answer every appearance command with the same box.
    if (saved) {
        m_saveFailureTold = false;
    } else if (!m_saveFailureTold) {
        m_saveFailureTold = true;
        avisar(QStringLiteral("Guardar Opciones"), savingNotice(path, saved.reason), QStringLiteral("Opciones_Error"));
    }
}
