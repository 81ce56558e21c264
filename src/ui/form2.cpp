#include "form2.h"

#include "textfile/textfilereader.h"
#include "kit/classiclook.h"
#include "kit/picturebox.h"
#include "kit/scaledlayout.h"

#include <QAction>
#include <QPushButton>

namespace {

QPushButton *pageButton(QWidget *parent, const QString &name, const QString &caption, const QRect &geometry,
                        ScaledLayout &layout)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFont(ClassicLook::font(QStringLiteral("Tahoma"), 9.75, true));
    layout.place(button, geometry);
    button->setAutoDefault(false);
    return button;
}

} // namespace

Form2::Form2(const QString &reportPath, quint32 backColor, QWidget *parent, qreal scale)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
    , m_reportPath(reportPath)
    , m_backColor(backColor)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Estadisticas"));
    setModal(true);
    setAutoFillBackground(true);
    setFixedSize(ScaledLayout::scaled(QSize(ClassicLook::px(8610), ClassicLook::px(4785)), scale));

    ScaledLayout layout;
    Picture1 = new PictureBox(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFont(ClassicLook::font(QStringLiteral("Lucida Console"), 9.75, true));
    layout.place(Picture1, ClassicLook::rect(120, 120, 8415, 4575));
    Picture1->setForeColor(Qt::white);

    Command1 = pageButton(Picture1, QStringLiteral("Command1"), QStringLiteral("<<"),
                          ClassicLook::rect(6960, 4200, 615, 255), layout);
    Command1->setEnabled(false);
    Command2 = pageButton(Picture1, QStringLiteral("Command2"), QStringLiteral(">>"),
                          ClassicLook::rect(7680, 4200, 615, 255), layout);
    // Made once at the main window's size: the main window cannot change it
    // while this one is open.
    layout.setScale(scale);
    // "<<" and ">>" mean nothing read aloud.
    Command1->setAccessibleName(QStringLiteral("Página anterior"));
    Command2->setAccessibleName(QStringLiteral("Página siguiente"));
    setTabOrder(Command1, Command2);
    connect(Command1, &QPushButton::clicked, this, &Form2::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form2::Command2_Click);
    // The keys turn the pages as the buttons do; a disabled button's click does nothing.
    const std::pair<QPushButton *, QList<QKeySequence>> keys[] = {
        {Command1, {Qt::Key_PageUp, Qt::Key_Left, Qt::Key_Up}},
        {Command2, {Qt::Key_PageDown, Qt::Key_Right, Qt::Key_Down}},
    };
    for (const auto &[button, sequences] : keys) {
        auto *turn = new QAction(this);
        turn->setShortcuts(sequences);
        addAction(turn);
        connect(turn, &QAction::triggered, button, &QPushButton::click);
    }

    Form_Load();
}

void Form2::Form_Load()
{
    const QColor back = ClassicLook::color(m_backColor);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, back);
    setPalette(palette);
    Picture1->setBackColor(back);

    N = 1;
    // A report that cannot be opened again (moved or deleted since the match
    // was opened) leaves all four pages empty.
    TextFileReader report;
    report.open(m_reportPath);
    Paginas = buildStatsPages(report);
    report.close();

    showPage(1);
}

void Form2::MOSTRAR_PAGINA(int page)
{
    if (page < 1 || page > int(Paginas.size()))
        return;
    for (const QString &row : Paginas[page - 1])
        Picture1->print(row);
}

void Form2::showPage(int page)
{
    N = page;
    Picture1->cls();
    MOSTRAR_PAGINA(N);
}

void Form2::Command1_Click()
{
    switch (N) {
    case 2:
        Command1->setEnabled(false);
        showPage(1);
        break;
    case 3:
        showPage(2);
        break;
    case 4:
        Command2->setEnabled(true);
        showPage(3);
        break;
    default:
        break;
    }
}

void Form2::Command2_Click()
{
    switch (N) {
    case 1:
        Command1->setEnabled(true);
        showPage(2);
        break;
    case 2:
        showPage(3);
        break;
    case 3:
        Command2->setEnabled(false);
        showPage(4);
        break;
    default:
        break;
    }
}
