#pragma once

#include <QString>

namespace marrowick {

// A notification through the freedesktop notification service
// (org.freedesktop.Notifications on the session bus). False, and nothing
// shown, when there is no session bus or no such service running or
// startable. A program with an event loop sends it and goes on; one that
// ends right afterwards waits for the service's answer (a few seconds at
// most), or the message would go unsent.
enum class Delivery { Queued, Wait };
bool SendDesktopNotification(const QString& summary, const QString& body,
                             Delivery delivery = Delivery::Queued);

} // namespace marrowick
