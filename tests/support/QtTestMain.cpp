// SPDX-License-Identifier: GPL-3.0-or-later
// Runs GoogleTest inside a QApplication on whatever platform QT_QPA_PLATFORM names
// (offscreen under ctest), so drawing and widget code has the application it needs.
#include <gtest/gtest.h>

#include <QApplication>
#include <clocale>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C");  // Qt adopts the environment's locale; numbers never do
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
