#pragma once

#include <QDialog>

class QPushButton;

// The About box: names the program, the simulator version whose reports it
// reads, and that it may be passed on freely. Its one button closes it.
class Form3 : public QDialog
{
    Q_OBJECT

public:
    // scale is the size of the main window's layout, which the box follows.
    explicit Form3(QWidget *parent = nullptr, qreal scale = 1);

public slots:
    void cmdOK_Click();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPushButton *cmdOK = nullptr;
};
