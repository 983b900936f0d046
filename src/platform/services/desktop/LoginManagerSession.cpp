#include "LoginManagerSession.h"

#include <QDBusMessage>

using namespace Qt::StringLiterals;

bool LoginManagerSession::request(SessionRequest what)
{
    if (!bus_)
        bus_ = QDBusConnection::systemBus();
    if (!bus_->isConnected())
        return false;
    QString method;
    QVariantList arguments;
    switch (what) {
    case SessionRequest::PowerOff:
        method = u"PowerOff"_s;
        arguments << false;
        break;
    case SessionRequest::Reboot:
        method = u"Reboot"_s;
        arguments << false;
        break;
    case SessionRequest::TerminateSession:
        // "auto": the caller's session, or the user's graphical one when the program was started
        // outside any session (as desktop launchers do).
        method = u"TerminateSession"_s;
        arguments << u"auto"_s;
        break;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(u"org.freedesktop.login1"_s, u"/org/freedesktop/login1"_s,
                                                       u"org.freedesktop.login1.Manager"_s, method);
    call.setArguments(arguments);
    return bus_->call(call).type() == QDBusMessage::ReplyMessage;
}
