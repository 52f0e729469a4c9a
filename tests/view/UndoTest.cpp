// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo as a user meets them: the picture, the panel's fields and the document's
// modified state at each step of a drag, an Apply and a template load.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdint>

#include "model/Document.h"
#include "model/FileAccess.h"
#include "model/ParameterText.h"
#include "support/ScriptedDocumentPrompts.h"
#include "support/ViewHost.h"
#include "view/canvas/ViewMapping.h"

namespace quirn {
namespace {

using C = BarControl;
using E = MovableElement;

class UndoTest : public test::HostedViewTest {
  protected:
    // What the user sees: the view's pixels and the panel's fields.
    struct Seen {
        QImage picture;
        QStringList fields;
        bool modified = false;
        bool operator==(const Seen&) const = default;
    };
    Seen Look() {
        host_.view->viewport()->repaint();
        QStringList fields;
        for (C id : {C::Name, C::Range, C::TemplateButton, C::TemplateX})
            fields << host_.bar->text(id);
        return {host_.view->viewport()->grab().toImage(), fields, doc_.isModified()};
    }
    QPoint ClientOf(Point drawing) const {
        const QPoint scroll = host_.view->scrollPosition();
        return DrawingToView(host_.view->Shown().geometry, drawing, {scroll.x(), scroll.y()})
            .toPoint();
    }
    void DragNameLabel(QPoint by) {
        const PictureSource s = host_.view->Shown();
        const Point a = s.laid.layout.anchors[Index(E::NameLabel)];
        const Extent size = s.laid.sizes[Index(E::NameLabel)];
        const QPoint grab = ClientOf({a.x + size.width / 2, a.y - size.height / 2});
        QWidget* port = host_.view->viewport();
        QTest::mousePress(port, Qt::LeftButton, {}, grab);
        QMouseEvent move(QEvent::MouseMove, QPointF(grab + by), port->mapToGlobal(grab + by),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(port, &move);
        QTest::mouseRelease(port, Qt::LeftButton, {}, grab + by);
    }
    QString TemplateFile() {
        QImage image(200, 100, QImage::Format_RGB32);
        image.fill(QColor(255, 200, 120));
        const QString path = QDir(dir_.path()).filePath(QStringLiteral("template.bmp"));
        EXPECT_TRUE(image.save(path));
        return path;
    }
};

TEST_F(UndoTest, DragApplyAndTemplateAreUndoneAndRedoneStepByStep) {
    QUndoStack& history = host_.session->history();
    const Seen opened = Look();
    EXPECT_FALSE(opened.modified);
    EXPECT_FALSE(history.canUndo());

    DragNameLabel(QPoint(120, 60));
    const Seen dragged = Look();
    EXPECT_TRUE(dragged.modified);
    EXPECT_NE(dragged.picture, opened.picture);
    EXPECT_EQ(history.undoText(), QStringLiteral("перемещение надписи"));

    host_.bar->setText(C::Range, QStringLiteral("20"));
    host_.bar->button(C::Apply)->click();
    const Seen applied = Look();
    EXPECT_NE(applied.picture, dragged.picture);
    EXPECT_EQ(applied.fields[1], QStringLiteral("20"));

    const QString templ = TemplateFile();
    host_.prompts->templateFile = [templ] { return templ; };
    host_.bar->button(C::TemplateButton)->click();
    const Seen loaded = Look();
    EXPECT_NE(loaded.picture, applied.picture);
    EXPECT_EQ(loaded.fields[2], QStringLiteral("Удалить шаблон"));
    EXPECT_EQ(history.count(), 3);

    history.undo();
    EXPECT_EQ(Look(), applied);
    history.undo();
    EXPECT_EQ(Look(), dragged);
    history.undo();
    EXPECT_EQ(Look(), opened) << "back at the opened state, the document is unmodified again";
    history.redo();
    EXPECT_EQ(Look(), dragged);
    EXPECT_EQ(history.undoText(), QStringLiteral("перемещение надписи"));
    EXPECT_EQ(history.redoText(), QStringLiteral("применение параметров"));

    // Removing the template with Esc in a field is a step too, and is undone with the rest.
    history.redo();
    history.redo();
    QTest::keyClick(host_.bar->edit(C::Range), Qt::Key_Escape);
    EXPECT_EQ(Look().fields[2], QStringLiteral("Загрузить шаблон"));
    history.undo();
    EXPECT_EQ(Look(), loaded);

    // A new document starts a history of its own.
    host_.session->Show(kDefaultParameters);
    EXPECT_FALSE(history.canUndo());
}

// The drag is the view's while the button is held: the session's scene and the document stay as
// they were, and the release hands the place over as one step.
TEST_F(UndoTest, ADragReachesTheSessionOnlyAtTheRelease) {
    const PictureSource shown = host_.view->Shown();
    const Point a = shown.laid.layout.anchors[Index(E::NameLabel)];
    const Extent size = shown.laid.sizes[Index(E::NameLabel)];
    const QPoint grab = ClientOf({a.x + size.width / 2, a.y - size.height / 2});
    const std::uint64_t revision = host_.session->revision();
    QWidget* port = host_.view->viewport();
    QTest::mousePress(port, Qt::LeftButton, {}, grab);
    for (const QPoint by : {QPoint(30, 0), QPoint(60, 20)}) {
        QMouseEvent move(QEvent::MouseMove, QPointF(grab + by), port->mapToGlobal(grab + by),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(port, &move);
    }
    const Point held = host_.view->Shown().laid.layout.anchors[Index(E::NameLabel)];
    EXPECT_NE(held, a) << "the window shows the label moved";
    EXPECT_EQ(host_.session->revision(), revision);
    EXPECT_FALSE(host_.session->scene().params.ext.places[Index(E::NameLabel)]);
    EXPECT_FALSE(doc_.isModified());

    QTest::mouseRelease(port, Qt::LeftButton, {}, grab + QPoint(60, 20));
    EXPECT_EQ(host_.session->history().count(), 1);
    EXPECT_EQ(host_.session->scene().params.ext.places[Index(E::NameLabel)],
              (Place{held.x, held.y}));
    EXPECT_EQ(host_.view->Shown().laid.layout.anchors[Index(E::NameLabel)], held);
    EXPECT_TRUE(doc_.isModified());
}

TEST_F(UndoTest, TypingATemplateFieldIsOneStep) {
    QUndoStack& history = host_.session->history();
    ASSERT_TRUE(host_.session->templates().Load(TemplateFile()).ok());
    EXPECT_TRUE(doc_.isModified()) << "the template is the document's";
    const Seen before = Look();
    QLineEdit* x = host_.bar->edit(C::TemplateX);
    x->selectAll();
    QTest::keyClicks(x, QStringLiteral("-12.5"));
    EXPECT_EQ(host_.session->scene().params.ext.templateRecord->corner.x, -1250);
    EXPECT_EQ(history.count(), 2) << "digit by digit, one step after the loading";
    EXPECT_EQ(x->text(), QStringLiteral("-12.5")) << "what is typed stays as typed";
    history.undo();
    EXPECT_EQ(Look(), before);
    history.undo();
    EXPECT_FALSE(doc_.isModified());
}

TEST_F(UndoTest, UnappliedFieldsAreMarkedAndSettledBeforeACommand) {
    QPushButton* apply = host_.bar->button(C::Apply);
    EXPECT_FALSE(host_.panel->HasUnappliedEdits());
    const QImage plain = apply->grab().toImage();

    host_.bar->setText(C::Range, QStringLiteral("30"));
    EXPECT_TRUE(host_.panel->HasUnappliedEdits());
    EXPECT_NE(apply->grab().toImage(), plain) << "the Apply button is highlighted";

    int asked = 0;
    SaveAnswer answer = SaveAnswer::Cancel;
    host_.prompts->applyAnswer = [&] {
        ++asked;
        return answer;
    };
    EXPECT_FALSE(host_.panel->ResolveUnappliedEdits());
    answer = SaveAnswer::No;
    EXPECT_TRUE(host_.panel->ResolveUnappliedEdits());
    EXPECT_EQ(host_.session->scene().params.range, 15.0) << "kept as typed, not applied";
    answer = SaveAnswer::Yes;
    EXPECT_TRUE(host_.panel->ResolveUnappliedEdits());
    EXPECT_EQ(host_.session->scene().params.range, 30.0);
    EXPECT_EQ(asked, 3);
    EXPECT_FALSE(host_.panel->HasUnappliedEdits());
    EXPECT_EQ(apply->grab().toImage(), plain);

    // Retyping what was applied is no edit; the export button asks before it writes.
    host_.bar->setText(C::Range, QStringLiteral("30.000"));
    EXPECT_FALSE(host_.panel->HasUnappliedEdits());
    host_.bar->setText(C::Range, QStringLiteral("31"));
    answer = SaveAnswer::Cancel;
    host_.bar->button(C::ExportPicture)->click();
    EXPECT_EQ(asked, 4);
    EXPECT_TRUE(QDir(dir_.path()).entryList({QStringLiteral("*.bmp")}).isEmpty());
}

}  // namespace
}  // namespace quirn

namespace quirn {
namespace {

// Saved into another folder, the plate names its picture and template from there, and so does
// every step undo and redo bring back: the files are still found and drawn.
TEST_F(UndoTest, SaveAsIntoAnotherFolderRegressionUndoKeepsNamesThatResolve) {
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("plates")));
    ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("copies")));
    QImage logo(40, 20, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(dir_.filePath(QStringLiteral("plates/logo.png"))));
    ASSERT_TRUE(logo.save(dir_.filePath(QStringLiteral("plates/scan.png"))));
    ScaleParameters p = kDefaultParameters;
    p.ext.pictures[1] = PlacedPicture{{0, 2000}, 800, "logo.png"};
    p.ext.templateRecord = TemplateRecord{{-3550, -400}, 7100, 0.0, 0, "scan.png"};
    const std::string plate = dir_.filePath(QStringLiteral("plates/plate.qrn")).toStdString();
    ASSERT_EQ(WriteFileAtomically(plate, WriteParameterText(p)), Fault::None);
    ASSERT_TRUE(host_.session->files().OpenFile(plate));
    host_.bar->setText(C::Range, QStringLiteral("20"));
    host_.bar->button(C::Apply)->click();
    test::ScriptedDocumentPrompts asked;
    asked.saveNames = {dir_.filePath(QStringLiteral("copies/copy.qrn")).toStdString()};
    doc_.setPrompts(&asked);
    ASSERT_TRUE(host_.session->files().SaveAs());
    doc_.setPrompts(nullptr);

    // Outside the new folder, the files are named in full.
    const std::string picture = host_.session->scene().params.ext.pictures.at(1).file;
    const std::string scan = host_.session->scene().params.ext.templateRecord->file;
    EXPECT_TRUE(picture.starts_with("/") && picture.ends_with("plates/logo.png")) << picture;
    const auto found = [this] {
        const Scene& scene = host_.session->scene();
        return !scene.pictures.at(1).isNull() && !scene.templatePicture.image.isNull();
    };
    EXPECT_TRUE(found());
    host_.session->history().undo();
    EXPECT_EQ(host_.session->scene().params.range, 15.0);
    EXPECT_EQ(host_.session->scene().params.ext.pictures.at(1).file, picture);
    EXPECT_EQ(host_.session->scene().params.ext.templateRecord->file, scan);
    EXPECT_TRUE(found());
    EXPECT_TRUE(doc_.isModified());
    host_.session->history().redo();
    EXPECT_TRUE(found());
    EXPECT_FALSE(doc_.isModified()) << "redone to what was saved";
}

}  // namespace
}  // namespace quirn
