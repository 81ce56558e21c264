#pragma once

#include <QDialog>
#include <QList>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class QTimer;
class RoundController;
struct RoundChange;

// The "Jornada" window beside the main window: every match of the round on a
// row (crests, names, score, clock, latest event), the followed one marked
// and a goal's row lit for a few seconds; "Seguir los goles", and at the end
// the results with their scorers, to copy for the league's forum. It shows
// what the round's commands and ticks change and asks the main window to
// follow a match; where the user leaves it is kept for the next run.
class Jornada : public QDialog
{
    Q_OBJECT

public:
    // How long a goal's row stays lit, and the announcement of a goal shown.
    static constexpr int LitMilliseconds = 4000;

    Jornada(const QString &programDir, QWidget *parent);
    ~Jornada() override;

    // Shows a round just opened, every row anew; none empties and hides the
    // window. The round must outlive its showing.
    void showRound(RoundController *round);
    void showChange(const RoundChange &change);
    bool lit(int row) const { return m_lit.value(row); }

signals:
    // Double-click or Enter on a row.
    void followAsked(int row);

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void showRow(int index);
    void light(int index, bool on);
    void announce(const QString &text);
    void place();
    void savePlace() const;

    QString m_programDir;
    RoundController *m_round = nullptr;
    QLabel *m_banner;
    QTimer *m_bannerTimer;
    QTableWidget *m_table;
    QPlainTextEdit *m_results;
    QCheckBox *m_carrusel;
    QPushButton *m_copy;
    QList<QTimer *> m_lights;
    QList<bool> m_lit;
    bool m_placed = false;
};
