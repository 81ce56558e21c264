#include "jornada.h"

#include "kit/artwork.h"
#include "kit/fitlabel.h"
#include "kit/picturefile.h"
#include "report/crestfile.h"
#include "round/roundcontroller.h"
#include "settings/settingslocation.h"
#include "textfile/regularfile.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include <optional>

namespace {

enum Column { Mark, Home, Score, Away, Minute, Event, Columns };

constexpr int CrestIcon = 20;
// A name or event longer than this is of no use in a cell.
constexpr qsizetype MaxCellText = FitLabel::MaxKeptLength;

const QColor LitBack(255, 214, 64);

// The away crest comes after the away name, as the home crest before the home name.
class CrestAfterName : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        option->decorationPosition = QStyleOptionViewItem::Right;
    }
};

QIcon crestIcon(const QString &programDir, const QString &key, const char *stored)
{
    QPixmap crest = loadPicture(crestFile(programDir, key));
    if (crest.isNull())
        crest = Artwork::pixmap(QLatin1String(stored), CrestBox);
    return QIcon(crest.scaled(CrestIcon, CrestIcon, Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

// Kept beside the list of recent reports, never in TPZ.INI: "x y width height".
QString placeFile()
{
    const QString recent = recentReportsPath();
    return recent.isEmpty() ? QString() : QFileInfo(recent).path() + QStringLiteral("/jornada.txt");
}

// A place that is no longer on any screen (a monitor unplugged since), or
// that a damaged file gives, is not used.
std::optional<QRect> readPlace()
{
    QFile file;
    if (!openRegularFile(file, placeFile()))
        return std::nullopt;
    const QList<QByteArray> words = file.read(64).simplified().split(' ');
    if (words.size() != 4)
        return std::nullopt;
    int numbers[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        numbers[i] = words.at(i).toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    const QRect place(numbers[0], numbers[1], numbers[2], numbers[3]);
    const QScreen *screen = QGuiApplication::screenAt(place.center());
    if (!screen || place.width() < 100 || place.height() < 100 || !screen->virtualGeometry().contains(place))
        return std::nullopt;
    return place;
}

QLabel *makeBanner(QWidget *parent)
{
    auto *banner = new QLabel(parent);
    banner->setObjectName(QStringLiteral("Aviso_Gol"));
    banner->setTextFormat(Qt::PlainText);
    banner->setAlignment(Qt::AlignCenter);
    QFont big = banner->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    banner->setFont(big);
    banner->hide();
    return banner;
}

QTableWidget *makeTable(QWidget *parent)
{
    auto *table = new QTableWidget(0, Columns, parent);
    table->setObjectName(QStringLiteral("Partidos"));
    table->setAccessibleName(QStringLiteral("Partidos de la jornada"));
    table->setHorizontalHeaderLabels({QString(), QStringLiteral("Local"), QStringLiteral("Resultado"), QStringLiteral("Visitante"),
                                      QStringLiteral("Minuto"), QStringLiteral("Último suceso")});
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Nothing is done with a selection, which would hide a goal's light: the
    // keys and the mouse only pick the row to follow.
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->setIconSize(QSize(CrestIcon, CrestIcon));
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setItemDelegateForColumn(Away, new CrestAfterName(table));
    for (const auto &[column, width] : {std::pair{Mark, 24}, {Home, 220}, {Score, 72}, {Away, 220}, {Minute, 60}})
        table->setColumnWidth(column, width);
    return table;
}

} // namespace

Jornada::Jornada(const QString &programDir, QWidget *parent)
    : QDialog(parent)
    , m_programDir(programDir)
{
    setObjectName(QStringLiteral("Jornada"));
    setWindowTitle(QStringLiteral("Jornada"));
    setModal(false);
    resize(840, 360);

    m_banner = makeBanner(this);
    m_bannerTimer = new QTimer(this);
    m_bannerTimer->setObjectName(QStringLiteral("Aviso_Tiempo"));
    m_bannerTimer->setSingleShot(true);
    m_bannerTimer->setInterval(LitMilliseconds);
    connect(m_bannerTimer, &QTimer::timeout, m_banner, &QLabel::hide);
    m_table = makeTable(this);
    // Double-click and Enter alike.
    connect(m_table, &QAbstractItemView::activated, this, [this](const QModelIndex &index) { emit followAsked(index.row()); });

    m_results = new QPlainTextEdit(this);
    m_results->setObjectName(QStringLiteral("Resultados"));
    m_results->setAccessibleName(QStringLiteral("Resultados de la jornada"));
    m_results->setReadOnly(true);
    m_results->setMaximumHeight(140);
    m_results->hide();

    m_carrusel = new QCheckBox(QStringLiteral("Seguir los goles"), this);
    m_carrusel->setObjectName(QStringLiteral("Seguir_Goles"));
    connect(m_carrusel, &QCheckBox::toggled, this, [this](bool on) {
        if (m_round)
            m_round->setCarrusel(on);
    });
    m_copy = new QPushButton(QStringLiteral("Copiar resultados"), this);
    m_copy->setObjectName(QStringLiteral("Copiar_Resultados"));
    m_copy->setAutoDefault(false);
    m_copy->setEnabled(false);
    connect(m_copy, &QPushButton::clicked, this, [this] {
        if (m_round)
            QGuiApplication::clipboard()->setText(m_round->resultsText());
    });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_carrusel);
    buttons->addStretch();
    buttons->addWidget(m_copy);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_banner);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_results);
    layout->addLayout(buttons);
}

Jornada::~Jornada()
{
    if (isVisible())
        savePlace();
}

void Jornada::showRound(RoundController *round)
{
    m_round = round;
    m_table->clearContents();
    m_table->clearSpans();
    qDeleteAll(m_lights);
    m_lights.clear();
    m_lit.clear();
    m_banner->hide();
    m_results->hide();
    m_copy->setEnabled(false);
    const int rows = round ? round->rowCount() : 0;
    m_table->setRowCount(rows);
    if (!round) {
        hide();
        return;
    }
    round->setCarrusel(m_carrusel->isChecked());
    for (int i = 0; i < rows; ++i) {
        auto *timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("Resalte_%1").arg(i));
        timer->setSingleShot(true);
        timer->setInterval(LitMilliseconds);
        connect(timer, &QTimer::timeout, this, [this, i] { light(i, false); });
        m_lights << timer;
        m_lit << false;
        for (int column = 0; column < Columns; ++column)
            m_table->setItem(i, column, new QTableWidgetItem);
        const RoundRow row = round->row(i);
        if (!row.failure.isEmpty()) {
            m_table->setSpan(i, Home, 1, Columns - Home);
        } else {
            m_table->item(i, Home)->setIcon(crestIcon(m_programDir, row.homeKey, ":/escudo_local.svg"));
            m_table->item(i, Away)->setIcon(crestIcon(m_programDir, row.awayKey, ":/escudo_visita.svg"));
        }
        showRow(i);
    }
    place();
    show();
}

void Jornada::showChange(const RoundChange &change)
{
    if (!m_round)
        return;
    for (int i : change.rows) {
        showRow(i);
        if (m_round->row(i).goalNow)
            light(i, true);
    }
    if (change.banner)
        announce(*change.banner);
    const bool ended = m_round->followedRow() >= 0 && m_round->finished();
    if (ended && !m_copy->isEnabled()) {
        m_results->setPlainText(m_round->resultsText());
        m_results->show();
        m_copy->setEnabled(true);
    }
}

void Jornada::showRow(int index)
{
    const RoundRow row = m_round->row(index);
    const auto cell = [this, index](int column) { return m_table->item(index, column); };
    if (!row.failure.isEmpty()) {
        cell(Home)->setText(row.failure.left(MaxCellText));
        return;
    }
    // Marked in words too, for those who hear the table rather than see it.
    cell(Mark)->setText(row.followed ? QStringLiteral("►") : QString());
    cell(Mark)->setData(Qt::AccessibleTextRole, row.followed ? QStringLiteral("En pantalla") : QString());
    cell(Home)->setText(row.home.trimmed().left(MaxCellText));
    cell(Score)->setText(QStringLiteral("%1 - %2").arg(row.homeGoals).arg(row.awayGoals));
    cell(Away)->setText(row.away.trimmed().left(MaxCellText));
    cell(Minute)->setText(row.minute);
    cell(Event)->setText(row.event.left(MaxCellText));
    for (int column = 0; column < Columns; ++column) {
        QFont font = m_table->font();
        font.setBold(row.followed);
        cell(column)->setFont(font);
        cell(column)->setTextAlignment(column == Score || column == Minute ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
    }
}

void Jornada::light(int index, bool on)
{
    if (index < 0 || index >= m_lit.size())
        return;
    m_lit[index] = on;
    if (on)
        m_lights.at(index)->start();
    for (int column = 0; column < Columns; ++column) {
        QTableWidgetItem *item = m_table->item(index, column);
        item->setData(Qt::BackgroundRole, on ? QVariant(LitBack) : QVariant());
        item->setData(Qt::ForegroundRole, on ? QVariant(QColor(Qt::black)) : QVariant());
    }
}

void Jornada::announce(const QString &text)
{
    m_banner->setText(text.left(MaxCellText));
    m_banner->show();
    m_bannerTimer->start();
}

// Where the user left the window in an earlier run, else beside the main
// window; later rounds of the same run keep it where it is.
void Jornada::place()
{
    if (m_placed)
        return;
    m_placed = true;
    if (const std::optional<QRect> kept = readPlace()) {
        setGeometry(*kept);
        return;
    }
    const QWidget *main = parentWidget();
    if (!main)
        return;
    // On a narrow screen it goes as far right as the screen allows, over the
    // main window's right part rather than off the screen.
    QPoint beside = main->frameGeometry().topRight() + QPoint(8, 0);
    if (const QScreen *screen = main->screen())
        beside.setX(qMax(screen->availableGeometry().left(), qMin(beside.x(), screen->availableGeometry().right() + 1 - width())));
    move(beside);
}

void Jornada::hideEvent(QHideEvent *event)
{
    savePlace();
    QDialog::hideEvent(event);
}

void Jornada::savePlace() const
{
    const QString path = placeFile();
    if (!m_placed || path.isEmpty())
        return;
    const QRect place = geometry();
    // A place that cannot be kept is not worth a message: the window opens
    // beside the main window next time.
    saveSettingsFile(path, QStringLiteral("%1 %2 %3 %4\n").arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height()).toLatin1());
}
