// Widget tests need an application object before any widget exists.
#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include <clocale>

int main(int argc, char** argv)
{
    // Listing and running the tests must work without a display. The
    // offscreen screen is the smallest the windows are made for: a
    // 1366 × 768 laptop less its desktop panel.
    const QByteArray plataforma = qgetenv("QT_QPA_PLATFORM");
    if (plataforma.isEmpty() || plataforma == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TARVIA_TEST_DATA "/pantalla_1366x728.json");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    // Settings (the recent calculations) go to a test folder, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
