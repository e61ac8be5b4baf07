#include "app/commands/desktopnotice.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QVariantMap>

void NotifyDesktop(const QString& summary, const QString& body) {
    static const QString service = "org.freedesktop.Notifications";
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected() || bus.interface() == nullptr) {
        return;
    }
    // Running, or started by the bus when asked.
    const QDBusConnectionInterface& names = *bus.interface();
    if (!names.isServiceRegistered(service).value() &&
        !names.activatableServiceNames().value().contains(service)) {
        return;
    }
    QDBusInterface notifications(service, "/org/freedesktop/Notifications", service, bus);
    notifications.setTimeout(5000);
    notifications.call("Notify", QStringLiteral("Pinewick"), 0u, QStringLiteral("org.pinewick.Pinewick"),
                       summary, body, QStringList(),
                       QVariantMap{{"desktop-entry", QStringLiteral("org.pinewick.Pinewick")}}, -1);
}
