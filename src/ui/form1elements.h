#pragma once

#include "kit/crestpicture.h"
#include "kit/scaledlayout.h"
#include "report/crestfile.h"

#include <QColor>
#include <QList>

#include <array>

class CommonDialog;
class FitLabel;
class FrameBox;
class ImageList;
class PictureBox;
class QAction;
class QLabel;
class QListWidget;
class QMainWindow;
class QMenu;
class QRadioButton;
class QTimer;
class QWidget;
class Toolbar;
enum class NarrationSize;
struct StateView;

// The main window's elements, made from one table in the order the classic
// layout created them, each with its name as object name. The window wires
// them; this builds and describes them, and does what concerns the elements
// alone.
struct Form1Elements
{
    // The classic client area, which holds every element below; centred in
    // the window and scaled with it.
    QWidget *Stage = nullptr;
    FrameBox *Frame2 = nullptr;
    QRadioButton *Option5 = nullptr;
    QRadioButton *Option4 = nullptr;
    QRadioButton *Option3 = nullptr;
    QRadioButton *Option2 = nullptr;
    QRadioButton *Option1 = nullptr;
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
    // The "Recientes" submenu of "&Archivo", filled by its own class.
    QMenu *Recientes = nullptr;
    // "&Ver", filled by the class that sizes the layout.
    QMenu *Ver = nullptr;
    // Entries of "&Partido": the start and pause commands and the skips.
    QAction *Comenzar = nullptr;
    QAction *Pausar = nullptr;
    QAction *Ir_Gol = nullptr;
    QAction *Ir_Descanso = nullptr;
    QAction *Ir_Final = nullptr;

    void build(QMainWindow *window);

    // What shows a match: hidden by an opening, shown by its first start, in this order.
    QList<QWidget *> matchElements() const;
    // List1 to List4.
    std::array<QListWidget *, 4> lists() const;
    // Option1 to Option5, left to right.
    std::array<QRadioButton *, 5> options() const;

    // The crests of a match in Image1 and Image2 from their files, or the
    // stored default crest of a side whose file does not load.
    void showCrests(const CrestFiles &home, const CrestFiles &away);
    // Texto_Narracion at a size relative to the narration font Archivo holds.
    void setNarrationSize(NarrationSize size);
    // The narration font at the layout's own size; it shows scaled.
    void setNarrationFont(const QFont &font);

    // The client area at its own size.
    QSize ownSize() const;
    // Every element at scale times its place and font size in the classic
    // layout, the toolbar's images, the speed buttons, the crests and the
    // background picture with them.
    void setScale(qreal scale);
    qreal scale() const { return m_layout.scale(); }
    // The "&Partido" entries enabled as the state has its commands.
    void showPartidoEntries(const StateView &view);
    // The speed picked, both in the option buttons and in the menu.
    void showSpeed(qint16 option);

private:
    // The menu entries call the window's handlers by their slot names.
    void buildMenus(QMainWindow *window);
    void bind(QWidget *client);
    void finish();
    void showCrestPictures();

    ScaledLayout m_layout;
    // Home and away.
    CrestPicture m_crests[2];
    // The side of a speed button's round mark at the layout's own size.
    int m_indicator = 0;
};

// "Velocidad 1: una línea cada 5 segundos": a speed option and its pace.
QString speedCaption(qint16 option);

// Background and text colours of a widget; an invalid colour leaves that one
// as it is.
void setColours(QWidget *widget, const QColor &background, const QColor &text);
