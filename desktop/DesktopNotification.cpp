#include "desktop/DesktopNotification.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace marrowick {

bool SendDesktopNotification(const QString& summary, const QString& body, Delivery delivery)
{
    constexpr int kWaitMs = 3000;
    const QString service = QStringLiteral("org.freedesktop.Notifications");
    const QString appId = QStringLiteral("org.example.marrowick");
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || !bus.interface())
        return false;
    // Neither running nor startable: nobody would show it.
    if (!bus.interface()->isServiceRegistered(service) &&
        !bus.interface()->activatableServiceNames().value().contains(service))
        return false;
    QDBusMessage call = QDBusMessage::createMethodCall(
        service, QStringLiteral("/org/freedesktop/Notifications"), service, QStringLiteral("Notify"));
    // app name, replaces id, icon, summary, body, actions, hints, timeout
    call << QStringLiteral("Marrowick") << uint(0) << appId << summary << body << QStringList()
         << QVariantMap{{QStringLiteral("desktop-entry"), appId}} << int(-1);
    if (delivery == Delivery::Queued)
        return bus.send(call);
    return bus.call(call, QDBus::Block, kWaitMs).type() == QDBusMessage::ReplyMessage;
}

} // namespace marrowick
