#include "classiclook.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QPalette>

namespace ClassicLook {

QColor color(quint32 value)
{
    if (value & 0x80000000u) {
        // System colours by index; only window text is used by the layout.
        switch (value & 0xFFu) {
        case 5: return QGuiApplication::palette().color(QPalette::Base);
        case 8: return QGuiApplication::palette().color(QPalette::WindowText);
        case 15: return QGuiApplication::palette().color(QPalette::Button);
        case 18: return QGuiApplication::palette().color(QPalette::ButtonText);
        default: return QGuiApplication::palette().color(QPalette::Window);
        }
    }
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

quint32 colorValue(const QColor &c)
{
    const QColor rgb = c.toRgb();
    return quint32(rgb.red()) | (quint32(rgb.green()) << 8) | (quint32(rgb.blue()) << 16);
}

namespace {

void installFontFallbacks()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const QStringList mono = {QStringLiteral("DejaVu Sans Mono"), QStringLiteral("Liberation Mono"),
                              QFontDatabase::systemFont(QFontDatabase::FixedFont).family()};
    const QString sans = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    const QStringList sansList = {sans, QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")};
    for (const char *name : {"Lucida Console", "Courier", "Courier New"}) {
        if (!QFontDatabase::hasFamily(QLatin1String(name)))
            QFont::insertSubstitutions(QLatin1String(name), mono);
    }
    for (const char *name : {"Tahoma", "System", "MS Sans Serif"}) {
        if (!QFontDatabase::hasFamily(QLatin1String(name)))
            QFont::insertSubstitutions(QLatin1String(name), sansList);
    }
}

} // namespace

QFont font(const QString &family, qreal pointSize, bool bold)
{
    installFontFallbacks();
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    const QString lower = family.toLower();
    if (lower.contains(u"console") || lower.contains(u"courier"))
        f.setStyleHint(QFont::TypeWriter);
    else
        f.setStyleHint(QFont::SansSerif);
    return f;
}

QFont font(const NarrationFont &narration)
{
    QFont f = font(narration.name, narration.size, narration.bold);
    f.setItalic(narration.italic);
    f.setStrikeOut(narration.strikethru);
    f.setUnderline(narration.underline);
    return f;
}

} // namespace ClassicLook
