#pragma once

#include "platform/DesktopServices.h"

#include <QDBusConnection>

// SessionControl over the login manager's bus interface (org.freedesktop.login1). Power-off and
// reboot are asked without an interactive authorisation, so a request the user may not make is
// refused at once instead of waiting for a password.
class LoginManagerSession : public SessionControl {
public:
    explicit LoginManagerSession(const QDBusConnection& bus = QDBusConnection::systemBus());
    bool request(SessionRequest what) override;

private:
    QDBusConnection bus_;
};
