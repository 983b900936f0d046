#include "mdlMain.h"

#include "platform/desktop/LoginManagerSession.h"
#include "platform/desktop/QtFileChooser.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarin"));
    QtFileChooser chooser;
    LoginManagerSession session;
    const DesktopServices::Installation desktop(&chooser, &session);
    return mdlMain::Main(app);
}
