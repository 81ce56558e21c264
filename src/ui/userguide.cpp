#include "userguide.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

QString userGuidePath(const QString &programDir)
{
    return programDir + QStringLiteral("/docs/guia.html");
}

bool openUserGuide(const QString &programDir)
{
    const QString guide = userGuidePath(programDir);
    return QFileInfo(guide).isFile() && QDesktopServices::openUrl(QUrl::fromLocalFile(guide));
}
