#include "form1.h"

#include "form3.h"
#include "kit/artwork.h"
#include "kit/classiclook.h"
#include "kit/commondialog.h"
#include "kit/fitlabel.h"
#include "kit/framebox.h"
#include "kit/picturebox.h"
#include "playback/recentlines.h"
#include "playback/tick.h"
#include "report/crestfile.h"
#include "report/lineupcapture.h"
#include "textfile/regularfile.h"
#include "report/reportheader.h"
#include "textfile/textfilereader.h"
#include "settings/settingsfile.h"
#include "settings/settingslocation.h"
#include "form2.h"
#include "kit/toolbar.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QRadioButton>
#include <QTimer>

#include <optional>

using ClassicLook::color;

namespace {

constexpr quint32 DarkGreen = 0x00004000;
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

const QString StartTip = QStringLiteral("Comenzar Partida");
const QString ContinueTip = QStringLiteral("Continuar Partida");

void setColours(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    if (background.isValid()) {
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::Base, background);
        palette.setColor(QPalette::Button, background);
        widget->setAutoFillBackground(true);
    }
    if (text.isValid()) {
        palette.setColor(QPalette::WindowText, text);
        palette.setColor(QPalette::Text, text);
    }
    widget->setPalette(palette);
}

// Pictures are read from the opened file, never by path: a pipe named as a
// picture must not block the window.
QPixmap loadPicture(const QString &path)
{
    QFile file;
    if (!openRegularFile(file, path))
        return {};
    // The format is told by the content: a crest named .gif may be a PNG.
    QImageReader reader(&file);
    return QPixmap::fromImage(reader.read());
}

// The place of a crest, the size of the stored default crests.
constexpr QSize CrestBox(121, 143);

bool fitsCrestBox(const QPixmap &crest)
{
    return crest.width() <= CrestBox.width() && crest.height() <= CrestBox.height();
}

// A crest larger than its place would cover the lists and labels below it:
// it is scaled down to fit, smoothly and keeping its proportions.
QPixmap fittedCrest(const QPixmap &crest)
{
    return fitsCrestBox(crest) ? crest : crest.scaled(CrestBox, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

// What the user is told of a chosen report that cannot be played, or that
// plays but does not look like a match report.
QString reportNotice(const QString &path, ReportFault fault)
{
    const QString name = QFileInfo(path).fileName();
    QString reason;
    switch (fault) {
    case ReportFault::None:
        return {};
    case ReportFault::NoTeamsLine:
        return QStringLiteral("«%1» no es un informe de partido: falta la línea de los equipos.").arg(name);
    case ReportFault::Unreadable:
        reason = QStringLiteral("no se puede leer");
        break;
    case ReportFault::NotText:
        reason = QStringLiteral("no es un archivo de texto");
        break;
    case ReportFault::Empty:
        reason = QStringLiteral("está vacío");
        break;
    case ReportFault::TeamsLineUncut:
        reason = QStringLiteral("la línea de los equipos no se entiende");
        break;
    }
    return QStringLiteral("No se pudo abrir «%1»: %2.").arg(name, reason);
}

} // namespace

Form1::Form1(const QString &programDir, QWidget *parent)
    : QMainWindow(parent)
    , m_programDir(programDir)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Tezmaro 1.1"));
    setWindowIcon(Artwork::icon(QStringLiteral(":/tezmaro.svg"), {16, 32, 48}));
    createMenus();
    createElements();
    Form_Load();
}

Form1::~Form1() = default;

void Form1::createMenus()
{
    QMenu *archivo = menuBar()->addMenu(QStringLiteral("&Archivo"));
    archivo->setObjectName(QStringLiteral("Archivo3"));
    QAction *abrir = archivo->addAction(QStringLiteral("Abrir Encuentro"));
    abrir->setObjectName(QStringLiteral("Abrir_Encuentro"));
    abrir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    connect(abrir, &QAction::triggered, this, &Form1::Abrir_Encuentro_Click);
    archivo->addSeparator()->setObjectName(QStringLiteral("A"));
    QAction *salir = archivo->addAction(QStringLiteral("Salir"));
    salir->setObjectName(QStringLiteral("Salir"));
    salir->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(salir, &QAction::triggered, this, &Form1::Salir_Click);

    QMenu *opciones = menuBar()->addMenu(QStringLiteral("&Opciones"));
    opciones->setObjectName(QStringLiteral("Opciones"));
    QMenu *colour = opciones->addMenu(QStringLiteral("Cambiar Color"));
    colour->setObjectName(QStringLiteral("CFondo"));
    QAction *predeterminado = colour->addAction(QStringLiteral("Predeterminado"));
    predeterminado->setObjectName(QStringLiteral("Predeterminado"));
    connect(predeterminado, &QAction::triggered, this, &Form1::Predeterminado_Click);
    QAction *escoger = colour->addAction(QStringLiteral("Escoger"));
    escoger->setObjectName(QStringLiteral("Escoger"));
    connect(escoger, &QAction::triggered, this, &Form1::Escoger_Click);
    QMenu *letter = opciones->addMenu(QStringLiteral("Cambiar Letra"));
    letter->setObjectName(QStringLiteral("Tipo_de_Letra"));
    QAction *predeterminado2 = letter->addAction(QStringLiteral("Predeterminado"));
    predeterminado2->setObjectName(QStringLiteral("Predeterminado2"));
    connect(predeterminado2, &QAction::triggered, this, &Form1::Predeterminado2_Click);
    QAction *escoger2 = letter->addAction(QStringLiteral("Escoger"));
    escoger2->setObjectName(QStringLiteral("Escoger2"));
    connect(escoger2, &QAction::triggered, this, &Form1::Escoger2_Click);
    QAction *fondo = opciones->addAction(QStringLiteral("Imagen de Fondo"));
    fondo->setObjectName(QStringLiteral("Fondo_Aplicacion"));
    connect(fondo, &QAction::triggered, this, &Form1::Fondo_Aplicacion_Click);

    QAction *acerca = menuBar()->addAction(QStringLiteral("A&cerca"));
    acerca->setObjectName(QStringLiteral("Acerca"));
    connect(acerca, &QAction::triggered, this, &Form1::Acerca_Click);
}

template<typename Label>
Label *Form1::createLabel(QWidget *container, const QString &name, const QString &caption, const QRect &geometry,
                          quint32 foreColor, const QFont &labelFont, bool centred)
{
    auto *label = new Label(caption, container);
    label->setObjectName(name);
    // Captions and report text alike are shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(geometry);
    label->setFont(labelFont);
    label->setWordWrap(true);
    label->setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    // No background of its own: the picture or colour behind shows through.
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TranslucentBackground);
    setColours(label, QColor(), color(foreColor));
    return label;
}

QListWidget *Form1::createList(const QString &name, const QRect &geometry)
{
    auto *list = new QListWidget(Cuadro_Principal);
    list->setObjectName(name);
    list->setGeometry(geometry);
    list->setFont(ClassicLook::font(QStringLiteral("Lucida Console"), 9));
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    setColours(list, color(0x004F760E), color(0x00FFFFFF));
    list->hide();
    return list;
}

QLabel *Form1::createImage(const QString &name, const QRect &geometry)
{
    auto *image = new QLabel(Cuadro_Principal);
    image->setObjectName(name);
    image->setGeometry(geometry);
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setAttribute(Qt::WA_TranslucentBackground);
    image->hide();
    return image;
}

void Form1::createElements()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("Form1_Client"));
    client->setFixedSize(ClassicLook::rect(0, 0, 10140, 7620).size());
    setColours(client, color(DarkGreen), QColor());
    setCentralWidget(client);

    Frame2 = new FrameBox(client);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(ClassicLook::rect(1920, -140, 8295, 615));
    Frame2->setBackColor(color(DarkGreen));
    Frame2->setForeColor(color(0x80000008));
    const int optionLefts[] = {2880, 2520, 2160, 1800, 1440};
    QRadioButton **options[] = {&Option5, &Option4, &Option3, &Option2, &Option1};
    for (int i = 0; i < 5; ++i) {
        auto *option = new QRadioButton(Frame2);
        option->setObjectName(QStringLiteral("Option%1").arg(5 - i));
        option->setGeometry(ClassicLook::rect(optionLefts[i], 240, 255, 255));
        option->setAccessibleName(QStringLiteral("Velocidad %1").arg(5 - i));
        option->setToolTip(QStringLiteral("Velocidad %1").arg(5 - i));
        setColours(option, color(0x00C0C0C0), QColor());
        *options[i] = option;
    }
    Option1->setChecked(true);
    connect(Option1, &QRadioButton::clicked, this, &Form1::Option1_Click);
    connect(Option2, &QRadioButton::clicked, this, &Form1::Option2_Click);
    connect(Option3, &QRadioButton::clicked, this, &Form1::Option3_Click);
    connect(Option4, &QRadioButton::clicked, this, &Form1::Option4_Click);
    connect(Option5, &QRadioButton::clicked, this, &Form1::Option5_Click);
    // A screen reader's toggle action checks an option without clicking it and
    // must pick the speed as well. A click on an unpicked option toggles it too,
    // so that pick runs twice at once, to the same effect.
    connect(Option1, &QRadioButton::toggled, this, [this](bool on) { if (on) Option1_Click(); });
    connect(Option2, &QRadioButton::toggled, this, [this](bool on) { if (on) Option2_Click(); });
    connect(Option3, &QRadioButton::toggled, this, [this](bool on) { if (on) Option3_Click(); });
    connect(Option4, &QRadioButton::toggled, this, [this](bool on) { if (on) Option4_Click(); });
    connect(Option5, &QRadioButton::toggled, this, [this](bool on) { if (on) Option5_Click(); });
    Label8 = createLabel(Frame2, QStringLiteral("Label8"), QStringLiteral("Velocidad >>"), ClassicLook::rect(195, 240, 1215, 255),
                         0x00E0E0E0, ClassicLook::font(QStringLiteral("Tahoma"), 8.25, true), false);
    Label8->setWordWrap(false);

    createToolbar();
    Toolbar1->setParent(client);
    Toolbar1->setGeometry(ClassicLook::rect(0, 0, 10140, 420));
    // The speed selector lies in front of the toolbar's right part.
    Frame2->raise();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    Archivo = new CommonDialog(this);
    Archivo->setObjectName(QStringLiteral("Archivo"));

    Cuadro_Principal = new PictureBox(client);
    Cuadro_Principal->setObjectName(QStringLiteral("Cuadro_Principal"));
    Cuadro_Principal->setGeometry(ClassicLook::rect(120, 480, 9915, 7095));
    Cuadro_Principal->setBackColor(color(DarkGreen));
    Cuadro_Principal->setForeColor(color(0x00FFFFFF));
    Cuadro_Principal->setFont(ClassicLook::font(QStringLiteral("Lucida Console"), 9.75, true));

    Archivo2 = new CommonDialog(Cuadro_Principal);
    Archivo2->setObjectName(QStringLiteral("Archivo2"));
    Archivo2->Color = qint32(DarkGreen);

    ImageList1 = new ImageList(Cuadro_Principal);
    ImageList1->setObjectName(QStringLiteral("ImageList1"));
    for (const char *image : {"abrir", "comenzar", "pausar", "salir", "estadisticas"})
        ImageList1->add(Artwork::icon(QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(image)), {16}));
    // The toolbar was made before its images existed; give them now.
    const int buttonImages[] = {1, 2, 3, 5, 0, 4};
    for (int position = 1; position <= 6; ++position) {
        if (buttonImages[position - 1])
            Toolbar1->button(position)->setIcon(ImageList1->image(buttonImages[position - 1]));
    }

    List1 = createList(QStringLiteral("List1"), ClassicLook::rect(120, 2880, 4695, 1500));
    List2 = createList(QStringLiteral("List2"), ClassicLook::rect(5055, 2880, 4680, 1500));
    List3 = createList(QStringLiteral("List3"), ClassicLook::rect(120, 4680, 4680, 1500));
    List4 = createList(QStringLiteral("List4"), ClassicLook::rect(5040, 4680, 4695, 1500));

    Frame1 = new FrameBox(Cuadro_Principal);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(ClassicLook::rect(4440, 120, 975, 855));
    Frame1->setTitle(QStringLiteral("Tiempo"));
    Frame1->setFont(ClassicLook::font(QStringLiteral("Lucida Console"), 9));
    Frame1->setBackColor(color(DarkGreen));
    Frame1->setForeColor(color(0x00C0C0C0));
    Frame1->hide();
    Label1 = createLabel(Frame1, QStringLiteral("Label1"), QStringLiteral("0"), ClassicLook::rect(120, 240, 735, 495), 0x00E0E0E0,
                         ClassicLook::font(QStringLiteral("System"), 19.5, true), true);

    Image4 = createImage(QStringLiteral("Image4"), ClassicLook::rect(7080, 3600, 1815, 2145));
    Image3 = createImage(QStringLiteral("Image3"), ClassicLook::rect(360, 3600, 1815, 2145));

    const QFont tahoma9 = ClassicLook::font(QStringLiteral("Tahoma"), 9, true);
    Label10 = createLabel<FitLabel>(Cuadro_Principal, QStringLiteral("Label10"), QString(), ClassicLook::rect(3360, 1800, 3255, 375),
                                    0x00FFFFFF, tahoma9, true);
    Label10->hide();
    Label9 = createLabel(Cuadro_Principal, QStringLiteral("Label9"), QStringLiteral("ESTADIO:"),
                         ClassicLook::rect(3960, 1560, 1935, 255), 0x00C0E0FF, tahoma9, true);
    Label9->hide();
    Texto_Narracion = createLabel<FitLabel>(Cuadro_Principal, QStringLiteral("Texto_Narracion"), QString(),
                                            ClassicLook::rect(120, 6240, 9615, 735), quint32(StartUpNarration.color),
                                            ClassicLook::font(StartUpNarration), true);
    Image2 = createImage(QStringLiteral("Image2"), ClassicLook::rect(7200, 0, 1815, 2145));
    Image2->setScaledContents(true);
    // A crest scaled down to fit keeps its proportions, so may leave room at
    // the sides of its place: it hangs from the middle of the top edge.
    Image2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Image1 = createImage(QStringLiteral("Image1"), ClassicLook::rect(960, 0, 1815, 2250));
    const QFont heading = ClassicLook::font(QStringLiteral("Lucida Console"), 8.25, true);
    Label6 = createLabel(Cuadro_Principal, QStringLiteral("Label6"), QStringLiteral("Amonestaciones y Sustituciones"),
                         ClassicLook::rect(2640, 2700, 4575, 255), 0x0000FFFF, heading, true);
    Label6->hide();
    Label7 = createLabel(Cuadro_Principal, QStringLiteral("Label7"), QStringLiteral("Goles"),
                         ClassicLook::rect(4155, 4500, 1575, 255), 0x0080C0FF, heading, true);
    Label7->hide();
    const QFont courier = ClassicLook::font(QStringLiteral("Courier"), 12, true);
    const QFont score = ClassicLook::font(QStringLiteral("System"), 29.25, true);
    Label5 = createLabel<FitLabel>(Cuadro_Principal, QStringLiteral("Label5"), QString(), ClassicLook::rect(6480, 2280, 3345, 480),
                                   0x00FFFFFF, courier, true);
    Label5->hide();
    Label2 = createLabel(Cuadro_Principal, QStringLiteral("Label2"), QStringLiteral("0"), ClassicLook::rect(3000, 840, 975, 1095),
                         0x00FFFFFF, score, true);
    Label2->hide();
    Label3 = createLabel(Cuadro_Principal, QStringLiteral("Label3"), QStringLiteral("0"), ClassicLook::rect(6000, 840, 975, 1095),
                         0x00FFFFFF, score, true);
    Label3->hide();
    Label4 = createLabel<FitLabel>(Cuadro_Principal, QStringLiteral("Label4"), QString(), ClassicLook::rect(120, 2280, 3345, 480),
                                   0x00FFFFFF, courier, true);
    Label4->hide();
    // Team names were meant to take two lines of the classic Courier; give
    // the look-alike font room for its own two lines.
    for (QLabel *name : {Label4, Label5})
        name->resize(name->width(), qMax(name->height(), 2 * QFontMetrics(courier).lineSpacing()));

    // Later elements of the table lie above earlier ones, and the labels must
    // show over the crests and lists they overlap.
    for (QWidget *w : {static_cast<QWidget *>(Image2), static_cast<QWidget *>(Image1), static_cast<QWidget *>(Label6),
                       static_cast<QWidget *>(Label7), static_cast<QWidget *>(Label5), static_cast<QWidget *>(Label2),
                       static_cast<QWidget *>(Label3), static_cast<QWidget *>(Label4)})
        w->raise();

    describeElements();
}

// What a screen reader says: the display labels read their value and tell
// what it is; lists, crests and the speed selector have no caption of their own.
void Form1::describeElements()
{
    Frame2->setAccessibleName(QStringLiteral("Velocidad"));
    Label1->setAccessibleDescription(QStringLiteral("Minuto de juego"));
    Label2->setAccessibleDescription(QStringLiteral("Marcador del equipo local"));
    Label3->setAccessibleDescription(QStringLiteral("Marcador del equipo visitante"));
    Label4->setDescription(QStringLiteral("Equipo local"));
    Label5->setDescription(QStringLiteral("Equipo visitante"));
    Label10->setDescription(QStringLiteral("Estadio"));
    Texto_Narracion->setDescription(QStringLiteral("Narración"));
    Image1->setAccessibleName(QStringLiteral("Escudo del equipo local"));
    Image2->setAccessibleName(QStringLiteral("Escudo del equipo visitante"));
    List1->setAccessibleName(QStringLiteral("Amonestaciones y sustituciones del equipo local"));
    List2->setAccessibleName(QStringLiteral("Amonestaciones y sustituciones del equipo visitante"));
    List3->setAccessibleName(QStringLiteral("Goles del equipo local"));
    List4->setAccessibleName(QStringLiteral("Goles del equipo visitante"));

    // Tab runs as the eye reads: the toolbar, the speeds left to right (they
    // were made right to left), then the event lists row by row.
    QList<QWidget *> chain;
    for (QAction *button : Toolbar1->actions()) {
        if (QWidget *tool = Toolbar1->widgetForAction(button); tool && !button->isSeparator())
            chain << tool;
    }
    chain << Option1 << Option2 << Option3 << Option4 << Option5 << List1 << List2 << List3 << List4;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain.at(i - 1), chain.at(i));
    // The speeds are one stop for Tab and the arrow keys move among them. The
    // stop is the option last focused; until one is, make it the picked one,
    // or Shift+Tab would land on the last.
    for (QRadioButton *option : {Option2, Option3, Option4, Option5})
        option->setFocusPolicy(Qt::FocusPolicy(option->focusPolicy() & ~Qt::TabFocus));
}

void Form1::createToolbar()
{
    Toolbar1 = new Toolbar(this);
    Toolbar1->setObjectName(QStringLiteral("Toolbar1"));
    Toolbar1->addButton(QStringLiteral("A"), QIcon(), QStringLiteral("Abrir Encuentro"));
    Toolbar1->addButton(QStringLiteral("B"), QIcon(), StartTip)->setEnabled(false);
    Toolbar1->addButton(QStringLiteral("C"), QIcon(), QStringLiteral("Pausar Partida"))->setEnabled(false);
    Toolbar1->addButton(QStringLiteral("D"), QIcon(), QStringLiteral("Ver Estadisticas"))->setEnabled(false);
    Toolbar1->addSeparator();
    Toolbar1->addButton(QStringLiteral("E"), QIcon(), QStringLiteral("Salir"));
    connect(Toolbar1, &Toolbar::ButtonClick, this, &Form1::Toolbar1_ButtonClick);
}

void Form1::Form_Load()
{
    Intervalo = 1;
    LEER_OPCIONES();
}

QList<QWidget *> Form1::matchElements() const
{
    return {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label9, Label10,
            List1,  List2,  List3,  List4,  Image1, Image2, Frame1};
}

// Opening a match

void Form1::Abrir_Encuentro_Click()
{
    openCommand();
}

void Form1::openCommand()
{
    ABRIR();
    // No start without a report open for playback.
    if (!Archivo->FileName.isEmpty() && !Toolbar1->button(PauseButton)->isEnabled()
        && !Toolbar1->button(StatisticsButton)->isEnabled() && reportOpen())
        Toolbar1->button(StartButton)->setEnabled(true);
}

void Form1::ABRIR()
{
    const QString previous = Archivo->FileName;
    Archivo->FileName.clear();
    Archivo->DialogTitle = QStringLiteral("Buscar Encuentro");
    Archivo->Filter = QStringLiteral("Documentos de texto (*.txt)|*.txt|Todos los archivos (*.*)|*.*");
    Archivo->FilterIndex = 1;
    Archivo->ShowOpen();
    if (Archivo->FileName.isEmpty()) {
        Archivo->FileName = previous;
        return;
    }
    const QString chosen = Archivo->FileName;
    // The report that was playing is given up as soon as another is chosen.
    NumFile.reset();

    Cuadro_Principal->cls();
    for (QWidget *element : matchElements())
        element->hide();
    QAction *start = Toolbar1->button(StartButton);
    start->setEnabled(false);
    Toolbar::setToolTipText(start, StartTip);
    Toolbar1->button(PauseButton)->setEnabled(false);
    Toolbar1->button(StatisticsButton)->setEnabled(false);
    Partido.Home = 0;
    Partido.Away = 0;
    Partido.Minuto = 0;
    for (QListWidget *list : {List1, List2, List3, List4})
        list->clear();
    QFont narration = Texto_Narracion->font();
    narration.setPointSizeF(12);
    Texto_Narracion->setFont(narration);
    Texto_Narracion->clear();
    for (QLabel *label : {Label1, Label2, Label3})
        label->setText(QStringLiteral("0"));
    LIMPIAR_LINEAS();
    LEER_ALINEACIONES();
    Partido.rebuildMarkers();
    const auto tell = [this, &chosen](ReportFault fault) {
        avisar(QStringLiteral("Abrir Encuentro"), reportNotice(chosen, fault), QStringLiteral("Encuentro_Error"));
    };
    const ReportFault fault = LEER_ENCUENTRO();
    if (fault != ReportFault::None && fault != ReportFault::NoTeamsLine) {
        tell(fault);
        return;
    }
    auto report = std::make_unique<TextFileReader>();
    if (!report->open(chosen)) {
        tell(report->fault());
        return;
    }
    NumFile = std::move(report);
    Bandera_Inicio = QStringLiteral("0");
    Archivo->FileName = chosen;
    // It plays, to an empty end; the user is told why nothing will show.
    if (fault == ReportFault::NoTeamsLine)
        tell(fault);
}

void Form1::LIMPIAR_LINEAS()
{
    ::LIMPIAR_LINEAS(Partido);
}

void Form1::LEER_ALINEACIONES()
{
    TextFileReader report;
    report.open(Archivo->FileName);
    captureLineups(report, Partido);
}

ReportFault Form1::LEER_ENCUENTRO()
{
    for (int i = 0; i < 5; ++i)
        Cuadro_Principal->print();
    TextFileReader report;
    report.open(Archivo->FileName);
    const HeaderResult header = readHeader(report, [this](const QString &line) { Cuadro_Principal->print(line); });
    if (header.teamsLineFound()) {
        const TeamsLine &teams = header.teams;
        if (teams.cuts >= 1)
            Label4->setText(teams.home);
        if (teams.cuts >= 2)
            Label5->setText(teams.away);
        if (teams.cuts >= 3)
            Label10->setText(teams.stadium);
        if (teams.cuts >= 4)
            EQUIPO_LOCAL = teams.homeKey;
        if (teams.cuts >= 5)
            EQUIPO_VISITA = teams.awayKey;
    }
    if (!header.ok())
        return header.fault;

    // The stored default crests are drawn when a report first needs them
    // rather than at start-up.
    if (Image3->pixmap().isNull())
        Image3->setPixmap(Artwork::pixmap(QStringLiteral(":/escudo_local.svg"), QSize(121, 143)));
    if (Image4->pixmap().isNull())
        Image4->setPixmap(Artwork::pixmap(QStringLiteral(":/escudo_visita.svg"), QSize(121, 143)));
    // A crest that cannot be loaded leaves the default crest of its side.
    QPixmap home = loadPicture(crestFile(m_programDir, EQUIPO_LOCAL));
    if (home.isNull())
        home = Image3->pixmap();
    home = fittedCrest(home);
    Image1->setPixmap(home);
    Image1->resize(home.size());
    QPixmap away = loadPicture(crestFile(m_programDir, EQUIPO_VISITA));
    if (away.isNull())
        away = Image4->pixmap();
    // The away crest is stretched to its place, but one scaled down to fit
    // keeps its proportions.
    Image2->setScaledContents(fitsCrestBox(away));
    Image2->setPixmap(fittedCrest(away));
    return header.fault;
}

// Playback commands

void Form1::Toolbar1_ButtonClick(QAction *Button)
{
    const QString key = Toolbar::key(Button);
    if (key == u"A")
        openCommand();
    else if (key == u"B")
        startCommand();
    else if (key == u"C")
        pauseCommand();
    else if (key == u"D")
        statisticsCommand();
    else if (key == u"E")
        Salir_Click();
}

void Form1::startCommand()
{
    Toolbar1->button(StartButton)->setEnabled(false);
    Toolbar1->button(PauseButton)->setEnabled(true);
    if (Bandera_Inicio == u"0") {
        Bandera_Inicio = QStringLiteral("1");
        Cuadro_Principal->cls();
        Toolbar::setToolTipText(Toolbar1->button(StartButton), ContinueTip);
        for (QWidget *element : matchElements())
            element->show();
    }
    Timer1->setInterval(1);
    QFont narration = Texto_Narracion->font();
    narration.setPointSizeF(Archivo->Font.size);
    Texto_Narracion->setFont(narration);
    Timer1->start();
}

void Form1::pauseCommand()
{
    Timer1->stop();
    Toolbar1->button(StartButton)->setEnabled(true);
    Toolbar1->button(PauseButton)->setEnabled(false);
}

void Form1::statisticsCommand()
{
    Form2 statistics(Archivo->FileName, Archivo2->Color, this);
    statistics.exec();
}

void Form1::Salir_Click()
{
    Timer1->stop();
    NumFile.reset();
    hide();
    QCoreApplication::exit(0);
}

void Form1::pickSpeed(qint16 option)
{
    if (Timer1->isActive()) {
        Timer1->stop();
        Intervalo = option;
        Timer1->setInterval(optionPeriod(option).value_or(Timer1->interval()));
        Timer1->start();
    } else {
        Intervalo = option;
    }
}

void Form1::Option1_Click() { pickSpeed(1); }
void Form1::Option2_Click() { pickSpeed(2); }
void Form1::Option3_Click() { pickSpeed(3); }
void Form1::Option4_Click() { pickSpeed(4); }
void Form1::Option5_Click() { pickSpeed(5); }

void Form1::Timer1_Timer()
{
    if (!NumFile) {
        Timer1->stop();
        return;
    }
    if (!NumFile->readLine(Linea)) {
        // The report ended without a full-time line: end the match there.
        endMatch();
        return;
    }
    const TickResult tick = PROCESAR_LINEA(Partido, Linea, !Texto_Narracion->text().isEmpty(), Intervalo);
    switch (tick.branch) {
    case TickResult::Branch::Dropped:
        return;
    case TickResult::Branch::Narration: {
        // Setting the interval restarts the timer from now, which would add
        // each tick's own lateness to every period; an unchanged period keeps
        // the timer on its schedule.
        if (tick.period && *tick.period != Timer1->interval())
            Timer1->setInterval(*tick.period);
        Texto_Narracion->setText(tick.text);
        if (tick.minuteRead)
            Label1->setText(QString::number(Partido.Minuto));
        QListWidget *lists[] = {List1, List2, List3, List4};
        for (const ListEntry &entry : tick.entries)
            lists[entry.list - 1]->addItem(entry.text.left(MaxListEntryLength));
        if (tick.scored == GoalSide::Home)
            Label2->setText(QString::number(Partido.Home));
        else if (tick.scored == GoalSide::Away)
            Label3->setText(QString::number(Partido.Away));
        return;
    }
    case TickResult::Branch::HalfTime:
    case TickResult::Branch::FullTime:
        break;
    }
    // Half time or full time: the score line stands out, 4 points larger.
    Timer1->stop();
    QFont narration = Texto_Narracion->font();
    narration.setPointSizeF(Archivo->Font.size + 4);
    Texto_Narracion->setFont(narration);
    Texto_Narracion->setText(tick.text);
    if (tick.branch == TickResult::Branch::HalfTime) {
        Toolbar1->button(StartButton)->setEnabled(true);
        Toolbar1->button(PauseButton)->setEnabled(false);
        Label1->setText(QStringLiteral("45"));
    } else {
        endMatch();
        Label1->setText(QStringLiteral("90"));
    }
}

void Form1::endMatch()
{
    Timer1->stop();
    QAction *start = Toolbar1->button(StartButton);
    start->setEnabled(false);
    Toolbar1->button(PauseButton)->setEnabled(false);
    Toolbar1->button(StatisticsButton)->setEnabled(true);
    Toolbar::setToolTipText(start, StartTip);
    Bandera_Inicio = QStringLiteral("0");
    NumFile.reset();
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
    Texto_Narracion->setFont(ClassicLook::font(font));
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
    Archivo2->FileName.clear();
    Archivo2->DialogTitle = QStringLiteral("Buscar Imagen");
    Archivo2->Filter = QStringLiteral("Documentos de texto (*.gif)|*.gif|Todos los archivos (*.*)|*.*");
    Archivo2->FilterIndex = 1;
    Archivo2->ShowOpen();
    if (Archivo2->FileName.isEmpty()) {
        // Keep the picture on show and the one the settings file names.
        Archivo2->FileName = previous;
        return;
    }
    const QPixmap picture = loadPicture(Archivo2->FileName);
    if (picture.isNull()) {
        const QString rejected = Archivo2->FileName;
        Archivo2->FileName = previous;
        avisar(QStringLiteral("Imagen de Fondo"),
               QStringLiteral("No se puede mostrar «%1» como imagen de fondo.").arg(rejected),
               QStringLiteral("Fondo_Error"));
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

void Form1::Acerca_Click()
{
    Form3 about(this);
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
    const SaveResult saved = saveSettingsFile(path, bytes);
    // The user sees the change at once and would lose it at the next start
    // without a word. One message per failed save: failures after it stay
    // silent until a save succeeds again, so a disk that stays full does not
    // answer every appearance command with the same box.
    if (saved) {
        m_saveFailureTold = false;
    } else if (!m_saveFailureTold) {
        m_saveFailureTold = true;
        avisar(QStringLiteral("Guardar Opciones"),
               QStringLiteral("No se pudieron guardar las opciones en «%1»: %2.")
                   .arg(QDir::toNativeSeparators(path), saved.reason),
               QStringLiteral("Opciones_Error"));
    }
}
