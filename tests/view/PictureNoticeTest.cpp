// SPDX-License-Identifier: GPL-3.0-or-later
// A picture the record places but the folder lacks is told once, naming its file.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "editing/PlateEdits.h"
#include "editing/ScaleSession.h"
#include "model/Document.h"
#include "view/dialogs/OutcomeText.h"

namespace quirn {
namespace {

TEST(PictureNotice, AMissingPictureIsToldOnceNamingItsFile) {
    QTemporaryDir dir;
    const QString saved = QDir::currentPath();
    QDir::setCurrent(dir.path());
    Document doc;
    ScaleSession session(doc);
    QStringList told;
    QObject::connect(&session.plateFiles(), &PlateFiles::notice,
                     [&told](const Outcome& fault) { told << OutcomeText(fault); });

    ScaleParameters record = kDefaultParameters;
    record.ext.pictures = {{1, PlacedPicture{{0, 1500}, 1000, "maker.png"}},
                           {4, PlacedPicture{{900, 1500}, 500, "maker.png"}}};
    session.Show(record);
    ASSERT_EQ(told.count(), 1);
    EXPECT_TRUE(told.at(0).contains(QStringLiteral("maker.png")));

    // Other changes, and undoing them, keep the lines and say nothing more.
    ScaleParameters changed = session.scene().params;
    changed.range = 50.0;
    ApplyFields(session.record(), changed);
    session.history().undo();
    EXPECT_EQ(told.count(), 1);
    EXPECT_EQ(session.scene().params.ext.pictures, record.ext.pictures);
    QDir::setCurrent(saved);
}

}  // namespace
}  // namespace quirn
