#pragma once

#include "stats/statspages.h"

#include <QDialog>
#include <QString>

class PictureBox;
class QPushButton;

// The statistics window: the closing sections of the match report in four
// pages (home line-up, away line-up, summary, the rest), turned with "<<" and
// ">>". It reads the report afresh each time it is created.
class Form2 : public QDialog
{
    Q_OBJECT

public:
    // backColor is 0x00BBGGRR, the main window's background colour; scale
    // the size of the main window's layout, which the window follows.
    Form2(const QString &reportPath, quint32 backColor, QWidget *parent = nullptr, qreal scale = 1);

public slots:
    void Command1_Click();
    void Command2_Click();

private:
    void Form_Load();
    void MOSTRAR_PAGINA(int page);
    void showPage(int page);

    QString m_reportPath;
    quint32 m_backColor;
    PictureBox *Picture1 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    StatsPages Paginas;
    int N = 1;
};
