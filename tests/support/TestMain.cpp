// One main for every test executable: a QApplication exists for the whole run (the
// window tests need one), always on the offscreen platform, and the user's own
// settings live in a temporary folder.
#include "support/UserSettingsFolder.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kivora::test::isolateUserSettings();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
