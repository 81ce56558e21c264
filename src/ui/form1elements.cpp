#include "form1elements.h"

#include "kit/artwork.h"
#include "kit/classiclook.h"
#include "kit/commondialog.h"
#include "kit/fitlabel.h"
#include "kit/framebox.h"
#include "kit/picturebox.h"
#include "kit/picturefile.h"
#include "kit/toolbar.h"
#include "playback/playbackcontroller.h"

#include <QActionGroup>
#include <QHash>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>

using ClassicLook::color;

namespace {

enum class Kind { Frame, Option, Label, FitLabel, Toolbar, Timer, Dialog, Picture, Images, List, Image };

constexpr quint32 None = 0xFFFFFFFF;
constexpr quint32 DarkGreen = 0x00004000;
constexpr quint32 White = 0x00FFFFFF;

struct Element
{
    const char *name;
    Kind kind;
    const char *container; // "" is the window
    const char *caption;
    int left, top, width, height; // twips
    quint32 back, fore;            // 0x00BBGGRR, None for transparent or unset
    const char *font;
    qreal size;
    bool bold;
    bool hidden;
    bool centred;
    // What a screen reader says: a label's description (it reads its text as
    // its name), the name of anything else.
    const char *accessible;
};

constexpr const char *Box = "Cuadro_Principal";

// The client area.
const QSize ClientSize = ClassicLook::rect(0, 0, 10140, 7620).size();

// The stored default crests of the home and away sides.
const QString StoredCrests[] = {QStringLiteral(":/escudo_local.svg"), QStringLiteral(":/escudo_visita.svg")};

// name, kind, container, caption, left, top, width, height, back, fore, font, size, bold, hidden, centred, accessible
constexpr Element Elements[] = {
    {"Frame2", Kind::Frame, "", "", 1920, -140, 8295, 615, DarkGreen, 0x80000008, "", 0, false, false, false, "Velocidad"},
    {"Option5", Kind::Option, "Frame2", "", 2880, 240, 255, 255, 0x00C0C0C0, None, "", 0, false, false, false, "Velocidad 5"},
    {"Option4", Kind::Option, "Frame2", "", 2520, 240, 255, 255, 0x00C0C0C0, None, "", 0, false, false, false, "Velocidad 4"},
    {"Option3", Kind::Option, "Frame2", "", 2160, 240, 255, 255, 0x00C0C0C0, None, "", 0, false, false, false, "Velocidad 3"},
    {"Option2", Kind::Option, "Frame2", "", 1800, 240, 255, 255, 0x00C0C0C0, None, "", 0, false, false, false, "Velocidad 2"},
    {"Option1", Kind::Option, "Frame2", "", 1440, 240, 255, 255, 0x00C0C0C0, None, "", 0, false, false, false, "Velocidad 1"},
    {"Label8", Kind::Label, "Frame2", "Velocidad >>", 195, 240, 1215, 255, None, 0x00E0E0E0, "Tahoma", 8.25, true, false, false, ""},
    {"Toolbar1", Kind::Toolbar, "", "", 0, 0, 10140, 420, None, None, "", 0, false, false, false, ""},
    {"Timer1", Kind::Timer, "", "", 0, 0, 0, 0, None, None, "", 0, false, false, false, ""},
    {"Archivo", Kind::Dialog, "", "", 0, 0, 0, 0, None, None, "", 0, false, false, false, ""},
    {"Cuadro_Principal", Kind::Picture, "", "", 120, 480, 9915, 7095, DarkGreen, White, "Lucida Console", 9.75, true, false, false, ""},
    {"Archivo2", Kind::Dialog, Box, "", 0, 0, 0, 0, DarkGreen, None, "", 0, false, false, false, ""},
    {"ImageList1", Kind::Images, Box, "", 0, 0, 0, 0, None, None, "", 0, false, false, false, ""},
    {"List1", Kind::List, Box, "", 120, 2880, 4695, 1500, 0x004F760E, White, "Lucida Console", 9, false, true, false,
     "Amonestaciones y sustituciones del equipo local"},
    {"List2", Kind::List, Box, "", 5055, 2880, 4680, 1500, 0x004F760E, White, "Lucida Console", 9, false, true, false,
     "Amonestaciones y sustituciones del equipo visitante"},
    {"List3", Kind::List, Box, "", 120, 4680, 4680, 1500, 0x004F760E, White, "Lucida Console", 9, false, true, false,
     "Goles del equipo local"},
    {"List4", Kind::List, Box, "", 5040, 4680, 4695, 1500, 0x004F760E, White, "Lucida Console", 9, false, true, false,
     "Goles del equipo visitante"},
    {"Frame1", Kind::Frame, Box, "Tiempo", 4440, 120, 975, 855, DarkGreen, 0x00C0C0C0, "Lucida Console", 9, false, true, false, ""},
    {"Label1", Kind::Label, "Frame1", "0", 120, 240, 735, 495, None, 0x00E0E0E0, "System", 19.5, true, false, true, "Minuto de juego"},
    {"Image4", Kind::Image, Box, "", 7080, 3600, 1815, 2145, None, None, "", 0, false, true, false, ""},
    {"Image3", Kind::Image, Box, "", 360, 3600, 1815, 2145, None, None, "", 0, false, true, false, ""},
    {"Label10", Kind::FitLabel, Box, "", 3360, 1800, 3255, 375, None, White, "Tahoma", 9, true, true, true, "Estadio"},
    {"Label9", Kind::Label, Box, "ESTADIO:", 3960, 1560, 1935, 255, None, 0x00C0E0FF, "Tahoma", 9, true, true, true, ""},
    {"Texto_Narracion", Kind::FitLabel, Box, "", 120, 6240, 9615, 735, None, White, "Lucida Console", 20.25, true, false, true,
     "Narración"},
    {"Image2", Kind::Image, Box, "", 7200, 0, 1815, 2145, None, None, "", 0, false, true, false, "Escudo del equipo visitante"},
    {"Image1", Kind::Image, Box, "", 960, 0, 1815, 2250, None, None, "", 0, false, true, false, "Escudo del equipo local"},
    {"Label6", Kind::Label, Box, "Amonestaciones y Sustituciones", 2640, 2700, 4575, 255, None, 0x0000FFFF, "Lucida Console", 8.25,
     true, true, true, ""},
    {"Label7", Kind::Label, Box, "Goles", 4155, 4500, 1575, 255, None, 0x0080C0FF, "Lucida Console", 8.25, true, true, true, ""},
    {"Label5", Kind::FitLabel, Box, "", 6480, 2280, 3345, 480, None, White, "Courier", 12, true, true, true, "Equipo visitante"},
    {"Label2", Kind::Label, Box, "0", 3000, 840, 975, 1095, None, White, "System", 29.25, true, true, true,
     "Marcador del equipo local"},
    {"Label3", Kind::Label, Box, "0", 6000, 840, 975, 1095, None, White, "System", 29.25, true, true, true,
     "Marcador del equipo visitante"},
    {"Label4", Kind::FitLabel, Box, "", 120, 2280, 3345, 480, None, White, "Courier", 12, true, true, true, "Equipo local"},
};

struct Button
{
    const char *key;
    int image; // in ImageList1, 0 for the separator
    const char *toolTip;
    bool enabled;
};

constexpr Button Buttons[] = {
    {"A", 1, "Abrir Encuentro", true},    {"B", 2, "Comenzar Partida", false}, {"C", 3, "Pausar Partida", false},
    {"D", 5, "Ver Estadisticas", false}, {"", 0, "", false},                  {"E", 4, "Salir", true},
};

struct MenuEntry
{
    const char *name;
    const char *caption;
    const char *menu; // the menu it belongs to, "" for the menu bar
    QKeyCombination shortcut;
    const char *slot; // the window's handler; a menu has none, nor has the separator "-"
    // The shortcut other programs use for the same command.
    QKeyCombination usual = {};
    // Entries with a group are its radio buttons: one of them is checked.
    const char *group = nullptr;
};

// The pace of each speed, as the tick sets it for narration lines.
constexpr const char *SpeedCaptions[] = {
    "Velocidad 1: una línea cada 5 segundos", "Velocidad 2: una línea cada 3 segundos",
    "Velocidad 3: una línea por segundo",     "Velocidad 4: dos líneas por segundo",
    "Velocidad 5: diez líneas por segundo",
};

// Space is the shortcut of both start and pause: only the one enabled takes it.
constexpr MenuEntry Menus[] = {
    {"Archivo3", "&Archivo", "", {}, nullptr},
    {"Abrir_Encuentro", "Abrir Encuentro", "Archivo3", Qt::CTRL | Qt::Key_A, "Abrir_Encuentro_Click", Qt::CTRL | Qt::Key_O},
    {"Recientes", "Recientes", "Archivo3", {}, nullptr},
    {"Abrir_Jornada", "Abrir Jornada", "Archivo3", Qt::CTRL | Qt::Key_J, "Abrir_Jornada_Click"},
    {"Ver_Jornada", "Ver Jornada", "Archivo3", {}, "Ver_Jornada_Click"},
    {"Archivo_B", "-", "Archivo3", {}, nullptr},
    {"Guardar_Imagen", "Guardar imagen", "Archivo3", {}, "Guardar_Imagen_Click"},
    {"Copiar_Resumen", "Copiar resumen", "Archivo3", {}, "Copiar_Resumen_Click"},
    {"Copiar_Resumen_BBCode", "Copiar resumen para el foro", "Archivo3", {}, "Copiar_Resumen_BBCode_Click"},
    {"A", "-", "Archivo3", {}, nullptr},
    {"Salir", "Salir", "Archivo3", Qt::CTRL | Qt::Key_S, "Salir_Click", Qt::CTRL | Qt::Key_Q},
    {"Partido", "&Partido", "", {}, nullptr},
    {"Comenzar", "Comenzar / Continuar", "Partido", QKeyCombination(Qt::Key_Space), "Comenzar_Click"},
    {"Pausar", "Pausar", "Partido", QKeyCombination(Qt::Key_Space), "Pausar_Click"},
    {"Partido_A", "-", "Partido", {}, nullptr},
    {"Ir_Gol", "Ir al próximo gol", "Partido", Qt::CTRL | Qt::Key_G, "Ir_Gol_Click"},
    {"Ir_Descanso", "Ir al descanso", "Partido", Qt::CTRL | Qt::Key_D, "Ir_Descanso_Click"},
    {"Ir_Final", "Ir al final", "Partido", Qt::CTRL | Qt::Key_F, "Ir_Final_Click"},
    {"Partido_B", "-", "Partido", {}, nullptr},
    {"Velocidad1", SpeedCaptions[0], "Partido", QKeyCombination(Qt::Key_1), "Option1_Click", {}, "Velocidad"},
    {"Velocidad2", SpeedCaptions[1], "Partido", QKeyCombination(Qt::Key_2), "Option2_Click", {}, "Velocidad"},
    {"Velocidad3", SpeedCaptions[2], "Partido", QKeyCombination(Qt::Key_3), "Option3_Click", {}, "Velocidad"},
    {"Velocidad4", SpeedCaptions[3], "Partido", QKeyCombination(Qt::Key_4), "Option4_Click", {}, "Velocidad"},
    {"Velocidad5", SpeedCaptions[4], "Partido", QKeyCombination(Qt::Key_5), "Option5_Click", {}, "Velocidad"},
    {"Ver", "&Ver", "", {}, nullptr},
    {"Cronica", "Crónica", "Ver", {}, "Cronica_Click"},
    {"Opciones", "&Opciones", "", {}, nullptr},
    {"CFondo", "Cambiar Color", "Opciones", {}, nullptr},
    {"Predeterminado", "Predeterminado", "CFondo", {}, "Predeterminado_Click"},
    {"Escoger", "Escoger", "CFondo", {}, "Escoger_Click"},
    {"Tipo_de_Letra", "Cambiar Letra", "Opciones", {}, nullptr},
    {"Predeterminado2", "Predeterminado", "Tipo_de_Letra", {}, "Predeterminado2_Click"},
    {"Escoger2", "Escoger", "Tipo_de_Letra", {}, "Escoger2_Click"},
    {"Fondo_Aplicacion", "Imagen de Fondo", "Opciones", {}, "Fondo_Aplicacion_Click"},
    {"Opciones_A", "-", "Opciones", {}, nullptr},
    {"Pausa_Goles", "Pausa en los goles", "Opciones", {}, "Pausa_Goles_Click"},
    {"Guia", "&Guía", "", QKeyCombination(Qt::Key_F1), "Guia_Click"},
    {"Acerca", "A&cerca", "", {}, "Acerca_Click"},
};

constexpr const char *Images[] = {"abrir", "comenzar", "pausar", "salir", "estadisticas"};

QColor colourOf(quint32 value)
{
    return value == None ? QColor() : color(value);
}

template<typename T>
T *makeLabel(const Element &e, QWidget *container)
{
    auto *label = new T(QString::fromUtf8(e.caption), container);
    // Captions and report text alike are shown as they are, never as markup.
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment((e.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    // No background of its own: the picture or colour behind shows through.
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

QObject *make(const Element &e, QWidget *container, QMainWindow *window)
{
    switch (e.kind) {
    case Kind::Frame: {
        auto *frame = new FrameBox(container);
        frame->setTitle(QString::fromUtf8(e.caption));
        frame->setBackColor(color(e.back));
        frame->setForeColor(color(e.fore));
        return frame;
    }
    case Kind::Option:
        return new QRadioButton(container);
    case Kind::Label:
        return makeLabel<QLabel>(e, container);
    case Kind::FitLabel:
        return makeLabel<FitLabel>(e, container);
    case Kind::Toolbar:
        return new Toolbar(container);
    case Kind::Timer: {
        auto *timer = new QTimer(window);
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(1);
        return timer;
    }
    case Kind::Dialog: {
        auto *dialog = new CommonDialog(*e.container ? static_cast<QObject *>(container) : window);
        if (e.back != None)
            dialog->Color = qint32(e.back);
        return dialog;
    }
    case Kind::Picture: {
        auto *box = new PictureBox(container);
        box->setBackColor(color(e.back));
        box->setForeColor(color(e.fore));
        return box;
    }
    case Kind::Images:
        return new ImageList(container);
    case Kind::List: {
        auto *list = new QListWidget(container);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        return list;
    }
    case Kind::Image: {
        auto *image = new QLabel(container);
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        image->setAttribute(Qt::WA_TranslucentBackground);
        return image;
    }
    }
    return nullptr;
}

void describe(QWidget *widget, const Element &e)
{
    const QString text = QString::fromUtf8(e.accessible);
    if (text.isEmpty())
        return;
    if (auto *fit = qobject_cast<FitLabel *>(widget))
        fit->setDescription(text);
    else if (e.kind == Kind::Label)
        widget->setAccessibleDescription(text);
    else
        widget->setAccessibleName(text);
}

template<typename T>
void find(QObject *root, T *&member, const char *name)
{
    member = root->findChild<T *>(QLatin1String(name));
    Q_ASSERT(member);
}

} // namespace

QString speedCaption(qint16 option)
{
    return option >= 1 && option <= 5 ? QString::fromUtf8(SpeedCaptions[option - 1]) : QString();
}

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

void Form1Elements::build(QMainWindow *window)
{
    buildMenus(window);

    // The window's colour shows around the client area where the window is
    // larger than the layout at its scale.
    auto *room = new QWidget(window);
    room->setObjectName(QStringLiteral("Form1_Central"));
    room->setMinimumSize(ClientSize);
    setColours(room, color(DarkGreen), QColor());
    window->setCentralWidget(room);
    auto *client = new QWidget(room);
    client->setObjectName(QStringLiteral("Form1_Client"));
    Stage = client;
    m_layout.place(client, QRect(QPoint(), ClientSize));

    QHash<QString, QWidget *> containers{{QString(), client}};
    for (const Element &e : Elements) {
        QWidget *container = containers.value(QLatin1String(e.container));
        QObject *object = make(e, container, window);
        object->setObjectName(QLatin1String(e.name));
        auto *widget = qobject_cast<QWidget *>(object);
        if (!widget)
            continue;
        containers.insert(QLatin1String(e.name), widget);
        if (*e.font)
            widget->setFont(ClassicLook::font(QLatin1String(e.font), e.size, e.bold));
        m_layout.place(widget, ClassicLook::rect(e.left, e.top, e.width, e.height));
        if (e.kind != Kind::Frame && e.kind != Kind::Picture)
            setColours(widget, colourOf(e.back), colourOf(e.fore));
        describe(widget, e);
        if (e.hidden)
            widget->hide();
    }
    bind(client);
    finish();
}

void Form1Elements::bind(QWidget *client)
{
    QObject *w = client->window();
    find(w, Frame2, "Frame2"), find(w, Option5, "Option5"), find(w, Option4, "Option4"), find(w, Option3, "Option3");
    find(w, Option2, "Option2"), find(w, Option1, "Option1"), find(w, Label8, "Label8"), find(w, Toolbar1, "Toolbar1");
    find(w, Timer1, "Timer1"), find(w, Archivo, "Archivo"), find(w, Cuadro_Principal, "Cuadro_Principal");
    find(w, Archivo2, "Archivo2"), find(w, ImageList1, "ImageList1"), find(w, List1, "List1"), find(w, List2, "List2");
    find(w, List3, "List3"), find(w, List4, "List4"), find(w, Frame1, "Frame1"), find(w, Label1, "Label1");
    find(w, Image4, "Image4"), find(w, Image3, "Image3"), find(w, Label10, "Label10"), find(w, Label9, "Label9");
    find(w, Texto_Narracion, "Texto_Narracion"), find(w, Image2, "Image2"), find(w, Image1, "Image1");
    find(w, Label6, "Label6"), find(w, Label7, "Label7"), find(w, Label5, "Label5"), find(w, Label2, "Label2");
    find(w, Label3, "Label3"), find(w, Label4, "Label4"), find(w, Recientes, "Recientes"), find(w, Ver, "Ver");
    find(w, Comenzar, "Comenzar"), find(w, Pausar, "Pausar"), find(w, Ir_Gol, "Ir_Gol");
    find(w, Ir_Descanso, "Ir_Descanso"), find(w, Ir_Final, "Ir_Final");
}

// What the table cannot say: the picked speed, the toolbar's buttons and
// images, the crests' sizing, the stacking and the tab order.
void Form1Elements::finish()
{
    showSpeed(1);
    for (qint16 option = 1; option <= 5; ++option)
        options()[option - 1]->setToolTip(speedCaption(option));
    Label8->setWordWrap(false);
    // The speed selector lies in front of the toolbar's right part.
    Frame2->raise();
    for (const char *image : Images)
        ImageList1->add(Artwork::icon(QStringLiteral(":/toolbar/%1.svg").arg(QLatin1String(image)), {16}));
    for (const Button &b : Buttons) {
        if (!b.image) {
            Toolbar1->addSeparator();
            continue;
        }
        QAction *button = Toolbar1->addButton(QLatin1String(b.key), ImageList1->image(b.image), QLatin1String(b.toolTip));
        button->setEnabled(b.enabled);
    }
    Image2->setScaledContents(true);
    // A crest scaled down to fit keeps its proportions, so may leave room at
    // the sides of its place: it hangs from the middle of the top edge.
    Image2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // Team names were meant to take two lines of the classic Courier; give
    // the look-alike font room for its own two lines.
    for (QLabel *name : {static_cast<QLabel *>(Label4), static_cast<QLabel *>(Label5)}) {
        const QRect place = m_layout.rect(name);
        const int twoLines = 2 * QFontMetrics(name->font()).lineSpacing();
        m_layout.setRect(name, {place.topLeft(), QSize(place.width(), qMax(place.height(), twoLines))});
    }
    m_indicator = Option1->style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, Option1);
    // Later elements of the table lie above earlier ones, and the labels must
    // show over the crests and lists they overlap.
    for (QWidget *w : std::initializer_list<QWidget *>{Image2, Image1, Label6, Label7, Label5, Label2, Label3, Label4})
        w->raise();

    // Tab runs as the eye reads: the toolbar, the speeds left to right (they
    // were made right to left), then the event lists row by row.
    QList<QWidget *> chain;
    for (QAction *button : Toolbar1->actions()) {
        if (QWidget *tool = Toolbar1->widgetForAction(button); tool && !button->isSeparator())
            chain << tool;
    }
    for (QRadioButton *option : options())
        chain << option;
    for (QListWidget *list : lists())
        chain << list;
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
    // The speeds are one stop for Tab and the arrow keys move among them. The
    // stop is the option last focused; until one is, make it the picked one,
    // or Shift+Tab would land on the last.
    for (QRadioButton *option : {Option2, Option3, Option4, Option5})
        option->setFocusPolicy(Qt::FocusPolicy(option->focusPolicy() & ~Qt::TabFocus));
}

void Form1Elements::buildMenus(QMainWindow *window)
{
    QHash<QString, QMenu *> menus;
    for (const MenuEntry &entry : Menus) {
        const QString name = QLatin1String(entry.name);
        const QString caption = QString::fromUtf8(entry.caption);
        QMenu *menu = menus.value(QLatin1String(entry.menu));
        if (!entry.slot && caption != u"-") {
            QMenu *sub = menu ? menu->addMenu(caption) : window->menuBar()->addMenu(caption);
            sub->setObjectName(name);
            menus.insert(name, sub);
            continue;
        }
        QAction *action = !menu ? window->menuBar()->addAction(caption)
                                : entry.slot ? menu->addAction(caption) : menu->addSeparator();
        action->setObjectName(name);
        action->setShortcuts({entry.shortcut, entry.usual});
        // A key held down gives its command once: a held Space would start
        // and pause by turns.
        action->setAutoRepeat(false);
        if (entry.group) {
            auto *group = window->findChild<QActionGroup *>(QLatin1String(entry.group));
            if (!group) {
                group = new QActionGroup(window);
                group->setObjectName(QLatin1String(entry.group));
            }
            action->setCheckable(true);
            group->addAction(action);
        }
        if (entry.slot) {
            const QByteArray slot = entry.slot;
            QObject::connect(action, &QAction::triggered, window,
                             [window, slot] { QMetaObject::invokeMethod(window, slot.constData()); });
        }
    }
}

QList<QWidget *> Form1Elements::matchElements() const
{
    return {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label9, Label10,
            List1,  List2,  List3,  List4,  Image1, Image2, Frame1};
}

std::array<QListWidget *, 4> Form1Elements::lists() const
{
    return {List1, List2, List3, List4};
}

std::array<QRadioButton *, 5> Form1Elements::options() const
{
    return {Option1, Option2, Option3, Option4, Option5};
}

void Form1Elements::showCrests(const CrestFiles &home, const CrestFiles &away)
{
    // The stored default crests are drawn when a report first needs them
    // rather than at start-up.
    if (Image3->pixmap().isNull())
        Image3->setPixmap(Artwork::pixmap(StoredCrests[0], CrestBox));
    if (Image4->pixmap().isNull())
        Image4->setPixmap(Artwork::pixmap(StoredCrests[1], CrestBox));
    // A crest that cannot be loaded leaves the default crest of its side.
    const CrestFiles files[] = {home, away};
    const QLabel *stored[] = {Image3, Image4};
    for (int side = 0; side < 2; ++side) {
        m_crests[side] = CrestPicture(loadPicture(files[side].gif), files[side].sharp);
        if (m_crests[side].isNull())
            m_crests[side] = CrestPicture::stored(stored[side]->pixmap(), StoredCrests[side]);
    }
    // The home crest's place takes its size; the away crest is stretched to
    // its place, but one scaled down to fit keeps its proportions.
    m_layout.setRect(Image1, {m_layout.rect(Image1).topLeft(), fittedCrestSize(m_crests[0].size())});
    Image2->setScaledContents(fitsCrestBox(m_crests[1].size()));
    showCrestPictures();
}

void Form1Elements::showCrestPictures()
{
    if (m_crests[0].isNull())
        return;
    Image1->setPixmap(m_crests[0].drawn(Image1->size(), Image1->devicePixelRatioF()));
    const QSize away = Image2->hasScaledContents() ? Image2->size()
                                                   : ScaledLayout::scaled(fittedCrestSize(m_crests[1].size()), scale());
    Image2->setPixmap(m_crests[1].drawn(away, Image2->devicePixelRatioF()));
}

void Form1Elements::showPartidoEntries(const StateView &view)
{
    Comenzar->setEnabled(view.start);
    Pausar->setEnabled(view.pause);
    for (QAction *skip : {Ir_Gol, Ir_Descanso, Ir_Final})
        skip->setEnabled(view.skip);
}

void Form1Elements::showSpeed(qint16 option)
{
    if (option < 1 || option > 5)
        return;
    QRadioButton *picked = options()[option - 1];
    // Checked quietly: its toggle would pick the speed once more.
    const QSignalBlocker quiet(picked);
    picked->setChecked(true);
    Toolbar1->window()->findChild<QAction *>(QStringLiteral("Velocidad%1").arg(option))->setChecked(true);
}

void Form1Elements::setNarrationSize(NarrationSize size)
{
    float points = 0;
    switch (size) {
    case NarrationSize::Unchanged:
        return;
    case NarrationSize::Opening:
        points = 12;
        break;
    case NarrationSize::Chosen:
        points = Archivo->Font.size;
        break;
    case NarrationSize::Enlarged:
        // The score line stands out, 4 points larger than the chosen size.
        points = Archivo->Font.size + 4;
        break;
    }
    QFont narration = m_layout.font(Texto_Narracion);
    narration.setPointSizeF(points);
    setNarrationFont(narration);
}

void Form1Elements::setNarrationFont(const QFont &font)
{
    m_layout.setFont(Texto_Narracion, font);
}

QSize Form1Elements::ownSize() const
{
    return ClientSize;
}

void Form1Elements::setScale(qreal scale)
{
    m_layout.setScale(scale);
    Toolbar1->setIconSize(ScaledLayout::scaled(QSize(16, 16), scale));
    // Style sheets only for a larger layout: at its own size the buttons are
    // drawn as they always were.
    const QString mark = scale == 1 ? QString()
                                    : QStringLiteral("QRadioButton::indicator { width: %1px; height: %1px; }")
                                          .arg(ScaledLayout::scaled(QSize(m_indicator, m_indicator), scale).width());
    for (QRadioButton *option : options()) {
        if (option->styleSheet() != mark)
            option->setStyleSheet(mark);
    }
    for (FitLabel *label : {Label4, Label5, Label10, Texto_Narracion})
        label->setSmallestPointSize(FitLabel::MinPointSize * scale);
    Cuadro_Principal->setScale(scale);
    showCrestPictures();
}
