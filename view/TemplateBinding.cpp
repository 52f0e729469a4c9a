// The template underlay's button, fields and spinners.
#include <QFileDialog>
#include <QPushButton>

#include "peripherals/TemplateUnderlay.h"
#include "view/CQuirnView.h"
#include "view/PanelText.h"

namespace quirn {
namespace {

const char* const kLoadCaption = "Загрузить шаблон (.bmp)";
const char* const kRemoveCaption = "Удалить шаблон";
// As the document picker is titled.
const char* const kPickerCaption = "Открыть";

}  // namespace

QString CQuirnView::AskTemplateFile() {
    if (chooseTemplateFile_) return chooseTemplateFile_();
    QFileDialog dialog(this, QString::fromUtf8(kPickerCaption));
    // Qt's own dialog rather than the desktop's, which would speak the desktop's language.
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters(TemplateFileFilters());
    // The first filter reads "Файлы изображений *.bmp" without its pattern repeated.
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

void CQuirnView::OnTemplateButton() {
    TemplateUnderlay& t = state_.templ;
    if (!t.loaded) {
        const QString path = AskTemplateFile();
        if (path.isEmpty()) return;
        TemplateLoadResult loaded = LoadTemplateImage(path);
        if (!loaded.ok()) {
            // The template stays as it was: none.
            Warn(QString::fromStdString(loaded.message));
            return;
        }
        t.image = std::move(loaded.image);
        t.path = path.toStdString();
        t.loaded = true;
        bar_.setText(BarControl::TemplateButton, QString::fromUtf8(kRemoveCaption));
    } else {
        t.loaded = false;
        bar_.setText(BarControl::TemplateButton, QString::fromUtf8(kLoadCaption));
        t.image = QImage();
        t.path.clear();
        t.drawn = {};
    }
    viewport()->update();
}

void CQuirnView::OnTemplateFieldChanged(BarControl field) {
    const std::int32_t value = TemplateFieldValue(bar_.text(field).toStdString());
    TemplateUnderlay& t = state_.templ;
    switch (field) {
        case BarControl::TemplateWidth:
            t.width = value;
            break;
        case BarControl::TemplateX:
            t.anchor.x = value;
            break;
        case BarControl::TemplateY:
            t.anchor.y = value;
            break;
        default:
            return;
    }
    // The spinner stays where it was: the next step continues from its own position.
    viewport()->update();
}

void CQuirnView::OnTemplateSpinnerStep(BarControl spinner, int value) {
    TemplateUnderlay& t = state_.templ;
    BarControl field = BarControl::TemplateWidth;
    switch (spinner) {
        case BarControl::TemplateWidthSpinner:
            t.width = value;
            break;
        case BarControl::TemplateXSpinner:
            field = BarControl::TemplateX;
            t.anchor.x = value;
            break;
        case BarControl::TemplateYSpinner:
            field = BarControl::TemplateY;
            t.anchor.y = value;
            break;
        default:
            return;
    }
    // The field's change handler then stores the value it reads back.
    bar_.setText(field, QString::fromStdString(TemplateFieldText(value)));
    viewport()->update();
}

}  // namespace quirn
