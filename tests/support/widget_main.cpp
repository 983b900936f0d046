#include "app/FontSetup.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // CTest may name a screen configuration; offscreen in any case.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
