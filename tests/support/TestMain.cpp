// The main of every test program: the offscreen platform, a configuration
// folder of the test run's own (set before the first settings access), the
// application object and the links between the layers the client uses, then
// GoogleTest.

#include "app/Links.h"
#include "foundation/Application.h"

#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QuelvarApplication app(argc, argv);
    InstallProgramLinks();
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
