#include "matchcard.h"

#include "timelinestrip.h"
#include "kit/artwork.h"
#include "kit/crestpicture.h"
#include "kit/picturefile.h"
#include "playback/playbackcontroller.h"
#include "report/crestfile.h"

#include <QLinearGradient>
#include <QPainter>

namespace {

constexpr int CrestSide = 170;
constexpr int MaxScorerLines = 5;
constexpr int MaxNameLength = 60;

const QColor Text(245, 245, 240);
const QColor Dim(190, 214, 196);

// One font everywhere, sized in pixels and drawn without hinting or
// subpixel colour, so the glyphs do not depend on the screen's settings.
QFont cardFont(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    return font;
}

QImage crest(const QString &programDir, const QString &key, const QString &stored)
{
    const CrestFiles files = crestFiles(programDir, key);
    CrestPicture picture(loadPicture(files.gif), files.sharp);
    if (picture.isNull())
        picture = CrestPicture::stored(Artwork::pixmap(stored, CrestBox), stored);
    const QSize size = picture.size().scaled(CrestSide, CrestSide, Qt::KeepAspectRatio);
    return picture.drawn(size, 1.0).toImage();
}

// Text that must fit a width: smaller down to a floor, then cut with an
// ellipsis rather than overflow.
void drawFitted(QPainter &p, const QRectF &box, int flags, const QString &text, int smallest = 0)
{
    QFont font = p.font();
    while (smallest && font.pixelSize() > smallest && QFontMetricsF(font).horizontalAdvance(text) > box.width())
        font.setPixelSize(font.pixelSize() - 1);
    p.setFont(font);
    const QString shown = p.fontMetrics().elidedText(text, Qt::ElideRight, int(box.width()));
    p.drawText(box, flags, shown);
}

QString status(const PlaybackController &match)
{
    switch (match.state()) {
    case PlaybackState::Finished:
        return QStringLiteral("Final");
    case PlaybackState::HalfTime:
        return QStringLiteral("Descanso");
    default:
        return match.chronicle().entries().isEmpty() ? QStringLiteral("Sin comenzar")
                                                     : QStringLiteral("Minuto %1").arg(match.clock());
    }
}

} // namespace

QImage MatchCard::draw(const PlaybackController &match, const QString &programDir)
{
    QImage image(Width, Height, QImage::Format_ARGB32_Premultiplied);
    // The same metres per pixel on every run: written into the PNG.
    image.setDotsPerMeterX(3780);
    image.setDotsPerMeterY(3780);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    QLinearGradient back(0, 0, 0, Height);
    back.setColorAt(0, QColor(20, 83, 45));
    back.setColorAt(1, QColor(6, 46, 22));
    p.fillRect(image.rect(), back);
    // The pitch's mown stripes, faintly.
    for (int x = 0; x < Width; x += 120)
        p.fillRect(QRect(x, 0, 60, Height), QColor(255, 255, 255, 8));

    const TeamsLine &teams = match.teams();
    const QString home = teams.home.trimmed().left(MaxNameLength);
    const QString away = teams.away.trimmed().left(MaxNameLength);

    p.setPen(Dim);
    p.setFont(cardFont(22));
    drawFitted(p, QRectF(40, 22, Width - 80, 34), Qt::AlignCenter, teams.stadium.trimmed().left(2 * MaxNameLength));

    const QImage crests[] = {crest(programDir, teams.homeKey, QStringLiteral(":/escudo_local.svg")),
                             crest(programDir, teams.awayKey, QStringLiteral(":/escudo_visita.svg"))};
    const int crestX[] = {185, Width - 185};
    for (int side = 0; side < 2; ++side) {
        const QImage &c = crests[side];
        p.drawImage(QPointF(crestX[side] - c.width() / 2.0, 75 + (CrestSide - c.height()) / 2.0), c);
    }

    p.setPen(Text);
    p.setFont(cardFont(30, true));
    const QString names[] = {home, away};
    for (int side = 0; side < 2; ++side) {
        p.setFont(cardFont(30, true));
        drawFitted(p, QRectF(crestX[side] - 160, 255, 320, 40), Qt::AlignCenter, names[side], 20);
    }

    p.setFont(cardFont(120, true));
    p.drawText(QRectF(300, 70, Width - 600, 150), Qt::AlignCenter,
               QStringLiteral("%1 - %2").arg(match.match().Home).arg(match.match().Away));
    p.setPen(Dim);
    p.setFont(cardFont(26));
    p.drawText(QRectF(300, 220, Width - 600, 40), Qt::AlignCenter, status(match));

    // Each side's scorers under its name; more than fit are counted.
    const Timeline timeline = match.timeline();
    p.setFont(cardFont(22));
    p.setPen(Text);
    for (int side = 0; side < 2; ++side) {
        QStringList lines = timeline.scorers(side == 1);
        if (lines.size() > MaxScorerLines) {
            const qsizetype more = lines.size() - (MaxScorerLines - 1);
            lines = lines.mid(0, MaxScorerLines - 1);
            lines << QStringLiteral("y %1 más").arg(more);
        }
        for (int i = 0; i < lines.size(); ++i) {
            const QRectF box(crestX[side] - 160, 305 + i * 30, 320, 30);
            p.setFont(cardFont(22));
            drawFitted(p, box, Qt::AlignCenter, lines.at(i), 16);
        }
    }

    const TimelineLook look{QColor(0, 0, 0, 60), Text, QColor(10, 40, 22), QColor(74, 222, 128), cardFont(16), home,
                            away};
    drawTimeline(p, QRectF(30, 470, Width - 60, 175), timeline, look);

    p.setPen(Dim);
    p.setFont(cardFont(14));
    p.drawText(QRectF(30, Height - 26, Width - 60, 22), Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Tezmaro"));
    p.end();
    return image;
}

QString MatchCard::fileName(const QString &home, const QString &away)
{
    const auto safe = [](const QString &name, const QString &fallback) {
        QString out;
        for (QChar c : name.trimmed().left(MaxNameLength)) {
            const bool refused = c.category() == QChar::Other_Control || c.category() == QChar::Other_Format
                || QStringView(u"/\\:*?\"<>|").contains(c);
            out += refused ? u'_' : c;
        }
        while (out.startsWith(u'.'))
            out.remove(0, 1);
        out = out.trimmed();
        return out.isEmpty() ? fallback : out;
    };
    return safe(home, QStringLiteral("Local")) + u'-' + safe(away, QStringLiteral("Visitante")) + QStringLiteral(".png");
}
