#include "desktopnotices.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QVariantMap>

namespace {

constexpr int ShownMs = 8000;

// A service may read the body as markup: a name from a report is shown as it
// is, never as a tag or an entity.
QString plain(const QString &text)
{
    QString shown = text;
    return shown.replace(u'&', u'＆').replace(u'<', u'‹').replace(u'>', u'›');
}

} // namespace

void DesktopNotices::notify(const Notice &notice)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral("org.tezmaro.tezmaro")}};
    call << QStringLiteral("Tezmaro") << 0u << QStringLiteral("org.tezmaro.tezmaro") << notice.summary.left(200)
         << plain(notice.body.left(400)) << QStringList() << hints << ShownMs;
    // Sent, never waited for: a missing service answers with an error nobody reads.
    bus.send(call);
}
