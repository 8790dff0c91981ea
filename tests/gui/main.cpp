// Widget tests need an application object before any widget exists.
#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv)
{
    // Listing and running the tests must work without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    // Settings (the recent calculations) go to a test folder, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
