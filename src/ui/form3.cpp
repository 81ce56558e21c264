#include "form3.h"

#include "kit/artwork.h"
#include "kit/classiclook.h"
#include "kit/framebox.h"
#include "kit/picturebox.h"
#include "kit/scaledlayout.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr quint32 BackColor = 0x00E0E0E0;

PictureBox *logo(QWidget *parent, const QString &name, const QRect &geometry, ScaledLayout &layout)
{
    auto *box = new PictureBox(parent);
    box->setObjectName(name);
    layout.place(box, geometry);
    box->setBackColor(ClassicLook::color(BackColor));
    box->setPicture(Artwork::pixmap(QStringLiteral(":/logo.svg"), box->size(), qApp->devicePixelRatio()));
    box->setAccessibleName(QStringLiteral("Logotipo de Tezmaro"));
    return box;
}

QLabel *label(QWidget *parent, const QString &name, const QString &text, const QRect &geometry,
              Qt::Alignment alignment, bool wrap, ScaledLayout &layout)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    layout.place(label, geometry);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setWordWrap(wrap);
    return label;
}

// One of the two rules, a pixel high, that together look engraved.
QWidget *line(QWidget *parent, int index, int x1, int x2, int y, quint32 color, ScaledLayout &layout)
{
    auto *rule = new QWidget(parent);
    rule->setObjectName(QStringLiteral("Line1"));
    rule->setProperty("index", index);
    const int left = ClassicLook::px(x1);
    layout.place(rule, QRect(left, ClassicLook::px(y), ClassicLook::px(x2) - left + 1, 1));
    rule->setAutoFillBackground(true);
    QPalette palette = rule->palette();
    palette.setColor(QPalette::Window, ClassicLook::color(color));
    rule->setPalette(palette);
    return rule;
}

} // namespace

Form3::Form3(QWidget *parent, qreal scale)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Acerca "));
    setModal(true);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ClassicLook::color(BackColor));
    setPalette(palette);
    setFixedSize(ScaledLayout::scaled(QSize(ClassicLook::px(4380), ClassicLook::px(3135)), scale));

    // Made once at the main window's size: the main window cannot change it
    // while this one is open.
    ScaledLayout layout;
    layout.setScale(scale);
    logo(this, QStringLiteral("Picture1"), ClassicLook::rect(3360, 120, 720, 720), layout);

    auto *Frame1 = new FrameBox(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    layout.place(Frame1, ClassicLook::rect(240, 1200, 3975, 1215));
    Frame1->setBackColor(ClassicLook::color(BackColor));
    label(Frame1, QStringLiteral("Label2"),
          QStringLiteral("Tezmaro es de libre distribución: puede copiarse y regalarse a otros aficionados sin costo alguno."),
          ClassicLook::rect(120, 240, 3735, 855), Qt::AlignHCenter, true, layout);

    logo(this, QStringLiteral("picIcon"), ClassicLook::rect(120, 120, 720, 720), layout);

    cmdOK = new QPushButton(QStringLiteral("Aceptar"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    layout.place(cmdOK, ClassicLook::rect(3120, 2640, 1020, 345));
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &Form3::cmdOK_Click);

    label(this, QStringLiteral("Label4"), QStringLiteral("Tezmaro, hecho por aficionados de la liga"),
          ClassicLook::rect(1080, 720, 2175, 495), Qt::AlignHCenter, true, layout);
    label(this, QStringLiteral("Label3"), QStringLiteral("tpz@example.org"),
          ClassicLook::rect(360, 2760, 1695, 255), Qt::AlignLeft, false, layout);
    label(this, QStringLiteral("Label1"), QStringLiteral("TPZ 1.1 PARA ZINTO 11.1.0"),
          ClassicLook::rect(840, 240, 2535, 375), Qt::AlignHCenter, false, layout);

    line(this, 1, 570, 3962, 2565, 0x00808080, layout);
    line(this, 0, 585, 3962, 2580, 0x00FFFFFF, layout);
}

void Form3::cmdOK_Click()
{
    accept();
}

void Form3::keyPressEvent(QKeyEvent *event)
{
    // Escape presses the button, as Enter does, rather than only rejecting.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}
