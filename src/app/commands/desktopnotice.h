#pragma once
// A desktop notification through the notification server of the session
// (org.freedesktop.Notifications over D-Bus). Nothing happens where there is
// no session bus or no notification server.
#include <QString>

void NotifyDesktop(const QString& summary, const QString& body);
