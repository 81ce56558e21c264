#include "notices.h"

#include <QDir>
#include <QFileInfo>

// What the user is told of a chosen report that cannot be played, or that
// plays but does not look like a match report.
QString openingNotice(const QString &path, ReportFault fault)
{
    const QString name = QFileInfo(path).fileName();
    QString reason;
    switch (fault) {
    case ReportFault::None:
        return {};
    case ReportFault::NoTeamsLine:
        return QStringLiteral("«%1» no es un informe de partido: falta la línea de los equipos.").arg(name);
    case ReportFault::Unreadable:
        reason = QStringLiteral("no se puede leer");
        break;
    case ReportFault::NotText:
        reason = QStringLiteral("no es un archivo de texto");
        break;
    case ReportFault::Empty:
        reason = QStringLiteral("está vacío");
        break;
    case ReportFault::TeamsLineUncut:
        reason = QStringLiteral("la línea de los equipos no se entiende");
        break;
    }
    return QStringLiteral("No se pudo abrir «%1»: %2.").arg(name, reason);
}

QString recentGoneNotice(const QString &path)
{
    return QStringLiteral("«%1» ya no existe y se quita de la lista.").arg(QFileInfo(path).fileName());
}

QString pictureNotice(const QString &path)
{
    return QStringLiteral("No se puede mostrar «%1» como imagen de fondo.").arg(path);
}

QString savingNotice(const QString &path, const QString &reason)
{
    return QStringLiteral("No se pudieron guardar las opciones en «%1»: %2.").arg(QDir::toNativeSeparators(path), reason);
}

QString guideNotice(const QString &path)
{
    return QStringLiteral("No se pudo mostrar la guía del usuario; puede abrirla usted desde «%1».")
        .arg(QDir::toNativeSeparators(path));
}
