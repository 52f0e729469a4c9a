// SPDX-License-Identifier: GPL-3.0-or-later
// A picture the record places but the folder lacks is told once, naming its file.
#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>

#include "model/Document.h"
#include "editing/ScaleSession.h"

namespace quirn {
namespace {

TEST(PictureNotice, AMissingPictureIsToldOnceNamingItsFile) {
    QTemporaryDir dir;
    const QString saved = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Document doc;
    ScaleSession session(doc);
    QSignalSpy told(&session, &ScaleSession::pictureNotice);

    ScaleParameters record = kDefaultParameters;
    record.ext.pictures = {{1, PlacedPicture{{0, 1500}, 1000, "maker.png"}},
                           {4, PlacedPicture{{900, 1500}, 500, "maker.png"}}};
    session.Show(record);
    ASSERT_EQ(told.count(), 1);
    EXPECT_TRUE(told.at(0).at(0).toString().contains(QStringLiteral("maker.png")));

    // Other changes, and undoing them, keep the lines and say nothing more.
    ScaleParameters changed = session.scene().params;
    changed.range = 50.0;
    session.Apply(changed);
    session.history().undo();
    EXPECT_EQ(told.count(), 1);
    EXPECT_EQ(session.scene().params.ext.pictures, record.ext.pictures);
    QDir::setCurrent(saved);
}

}  // namespace
}  // namespace quirn
