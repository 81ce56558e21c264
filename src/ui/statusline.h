#pragma once

#include <QObject>
#include <QString>

class PlaybackController;
class QLabel;
class QMainWindow;

// Where the match stands, told under the window's content and in its title:
// the state, the speed and, while no match is open, what to do first; the
// title names the match on show.
class StatusLine : public QObject
{
    Q_OBJECT

public:
    // The window's title as it is now is the program's name.
    explicit StatusLine(QMainWindow *window);

    void show(const PlaybackController &match);

private:
    QMainWindow *m_window;
    QString m_program;
    QLabel *m_state;
    QLabel *m_hint;
    QLabel *m_speed;
};
