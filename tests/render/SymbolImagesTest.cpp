// SPDX-License-Identifier: GPL-3.0-or-later
// Where the symbol images come from: the current directory first, then the data folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "render/SymbolImages.h"

namespace quirn {
namespace {

class SymbolImagesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        previous_ = QDir::currentPath();
        QDir::setCurrent(dir_.path());
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    QTemporaryDir dir_;
    QString previous_;
};

TEST_F(SymbolImagesTest, CurrentDirectoryComesBeforeTheDataFolder) {
    // Nothing here yet: the copies installed beside the program are found.
    const SymbolImages installed = LoadSymbolImages();
    ASSERT_FALSE(installed.data.isNull());
    ASSERT_FALSE(installed.romb.isNull());
    ASSERT_FALSE(installed.others.isNull());
    EXPECT_TRUE(FindDataFile("Data.bmp").endsWith("/share/quirn/Data.bmp"));

    QImage own(3, 2, QImage::Format_RGB32);
    own.fill(Qt::black);
    ASSERT_TRUE(own.save("Data.bmp"));
    QFile broken("Romb.bmp");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a picture");
    broken.close();

    const SymbolImages local = LoadSymbolImages();
    EXPECT_EQ(local.data.size(), QSize(3, 2));
    EXPECT_TRUE(local.romb.isNull());  // unreadable: drawn as nothing
    EXPECT_EQ(local.others, installed.others);
    EXPECT_EQ(FindDataFile("Data.bmp"), QDir(dir_.path()).absoluteFilePath("Data.bmp"));
    EXPECT_TRUE(FindDataFile("Absent.bmp").isEmpty());
}

}  // namespace
}  // namespace quirn
