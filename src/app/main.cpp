#include "mdlMain.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarin"));
    return mdlMain::Main(app);
}
