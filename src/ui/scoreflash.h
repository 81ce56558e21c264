#pragma once

#include <QColor>
#include <QObject>

class QLabel;
class QVariantAnimation;
struct PlaybackChange;

// The score of the side that scored lights up once, calmly: its digits turn
// gold and back within a second. Where the desktop asks for reduced
// animation there is no flash. At rest the labels are exactly as the window
// made them; whatever ends a flash early (a skip, an opening, another match
// followed, a colour changed) leaves them so.
class ScoreFlash : public QObject
{
    Q_OBJECT

public:
    static constexpr int Duration = 1000;

    // The animations are children of the labels, named "<label>_Destello".
    ScoreFlash(QLabel *home, QLabel *away, QObject *parent);

    // What a change of the match means for the flashes: a goal flashes its
    // side's score again from the start, a match shown whole ends both.
    void follow(const PlaybackChange &change);
    void stop();

    // No flash at all, as the desktop asks: see reducedMotion().
    void setReducedMotion(bool reduced);
    bool reducedMotion() const { return m_reduced; }
    // What this desktop asks: TEZMARO_SIN_ANIMACIONES set to anything but 0,
    // or a KDE desktop whose effects are off (Qt reports them). GNOME's
    // "enable-animations" is asked for in the background, since Qt 6.4 has
    // no hint for it; the answer, when it comes, applies from then on. Asked
    // once, at the first start of a match.
    void askDesktop();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Side
    {
        QLabel *label = nullptr;
        QVariantAnimation *animation = nullptr;
        // The label's colour before the flash; invalid at rest.
        QColor rest;
        QColor painted;
    };
    void start(Side &side);
    void end(Side &side);
    void paint(Side &side, const QColor &colour);

    Side m_sides[2];
    bool m_reduced = false;
    bool m_asked = false;
    // The palette change a flash makes itself, not to be taken for the user's.
    bool m_painting = false;
};
