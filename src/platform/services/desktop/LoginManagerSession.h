#pragma once

#include "platform/services/DesktopServices.h"

#include <QDBusConnection>

#include <optional>

// SessionControl over the login manager's bus interface (org.freedesktop.login1). Power-off and
// reboot are asked without an interactive authorisation, so a request the user may not make is
// refused at once instead of waiting for a password.
class LoginManagerSession : public SessionControl {
public:
    LoginManagerSession() = default;  // the system bus, reached only when a request is made
    explicit LoginManagerSession(const QDBusConnection& bus) : bus_(bus) {}
    bool request(SessionRequest what) override;

private:
    std::optional<QDBusConnection> bus_;
};
