// Runs the tests inside a QApplication on Qt's offscreen platform, so that real widgets can be
// built, clicked and grabbed without a display.
#include <QApplication>

#include <gmock/gmock.h>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleMock(&argc, argv);
    return RUN_ALL_TESTS();
}
