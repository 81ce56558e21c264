#pragma once

#include <QObject>
#include <QSize>
#include <QString>

class QAction;
class QActionGroup;
class QMainWindow;
struct Form1Elements;

// The "&Ver" menu and the size the classic layout is shown at. The layout
// keeps its proportions: it is scaled to the largest size that fits the
// window, in steps of 5 % from its own size up, and centred on the window's
// colour where the window is wider or taller than that. A size picked in
// "Tamaño" sets the window to the layout at that size and is kept for the
// next start; "Pantalla completa" (F11) shows the window over the whole
// screen and back.
class WindowSize : public QObject
{
    Q_OBJECT

public:
    // Steps in each whole size: 20 steps of 5 %. Finer ones would redraw
    // everything at each pixel a window is dragged by.
    static constexpr int StepsPerSize = 20;

    // file keeps the size picked; empty keeps it for this run only.
    WindowSize(QMainWindow *window, Form1Elements &elements, const QString &file);

    // The largest scale, in whole steps and 1 at least, at which a layout of
    // size layout fits room.
    static qreal scaleToFit(const QSize &room, const QSize &layout);

    // Picks a size in percent, as its menu entry does.
    void choose(int percent);
    void toggleFullScreen();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildMenu();
    // The scale for the room the window has, the client area centred in it.
    void fit();
    // The window's size that shows the layout at percent.
    QSize windowSizeFor(int percent) const;

    // Held as widgets: events still come while the window is destroyed, when
    // it is a main window no longer.
    QWidget *m_window;
    // The window's central widget, around the client area.
    QWidget *m_room;
    Form1Elements &m_elements;
    QString m_file;
    QActionGroup *m_sizes = nullptr;
    QAction *m_fullScreen = nullptr;
};
