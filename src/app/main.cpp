#include "mdlMain.h"

#include "platform/CommandLine.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char** argv)
{
    // Answered before any window system is needed, so they work on a bare terminal too.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    if (const QString answer = commandLineAnswer(arguments); !answer.isNull()) {
        std::fputs(answer.toLocal8Bit().constData(), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tessarin"));
    return mdlMain::Main(app);
}
