// Filling the panel from the working copy, its enabling rules, and Apply.
#include <QSignalBlocker>
#include <QSpinBox>

#include "model/NumberText.h"
#include "model/TextCodec.h"
#include "view/CQuirnView.h"
#include "view/PanelText.h"

namespace quirn {
namespace {

QString Qt8(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

}  // namespace

void CQuirnView::FillParameterBar() {
    using C = BarControl;
    const ScaleParameters& p = state_.params;
    const auto length = [this](C id, std::int32_t units) {
        bar_.setText(id, Qt8(LengthText(units)));
    };
    bar_.setText(C::Name, Qt8(Cp1251ToUtf8(p.name)));
    bar_.setText(C::Unit, Qt8(Cp1251ToUtf8(p.unit)));
    bar_.setText(C::Range, Qt8(TrimmedNumber(p.range, 3)));
    bar_.setText(C::Alfa, Qt8(TrimmedNumber(p.alfa, 2)));
    bar_.setChecked(C::SquareShape, p.shape == 0);
    bar_.setChecked(C::RadialShape, p.shape != 0);
    bar_.setChecked(C::Arc, p.Duga != 0);
    length(C::Hduga, p.Hduga);
    length(C::Lshk, p.Lshk);
    length(C::Hshk, p.Hshk);
    length(C::Skos, p.skos);
    length(C::Rout, p.Rout);
    length(C::Rin, p.Rin);
    length(C::Lkrep, p.Lkrep);
    length(C::LosOs, p.Los_os);
    length(C::LosNiz, p.Los_niz);
    length(C::Rdel, p.Rdel);
    bar_.setChecked(C::InnerRadius, p.out_R == 0);
    bar_.setChecked(C::OuterRadius, p.out_R != 0);
    bar_.setText(C::Nfull, Qt8(std::to_string(p.Nfull)));
    bar_.setText(C::Nbig, Qt8(std::to_string(p.Nbig)));
    bar_.setText(C::Nm, Qt8(std::to_string(p.Nm)));
    length(C::Lbig, p.Lbig);
    length(C::Lsm, p.Lsm);
    length(C::Hbig, p.Hbig);
    length(C::Hsm, p.Hsm);

    const TemplateUnderlay& t = state_.templ;
    bar_.setText(C::TemplateWidth, Qt8(TemplateFieldText(t.width)));
    bar_.setText(C::TemplateX, Qt8(TemplateFieldText(t.anchor.x)));
    bar_.setText(C::TemplateY, Qt8(TemplateFieldText(t.anchor.y)));
    for (auto [id, value] :
         {std::pair{C::TemplateWidthSpinner, t.width}, std::pair{C::TemplateXSpinner, t.anchor.x},
          std::pair{C::TemplateYSpinner, t.anchor.y}}) {
        QSpinBox* spinner = bar_.spinner(id);
        const QSignalBlocker quiet(spinner);  // a step is the user's, not the fill's
        spinner->setValue(SpinnerPosition(value));
    }

    bar_.setControlEnabled(C::Hshk, p.shape == 0);
    bar_.setControlEnabled(C::Rout, p.shape != 0);
    bar_.setControlEnabled(C::Hduga, p.Duga != 0);
}

void CQuirnView::OnSquareShape() {
    bar_.setControlEnabled(BarControl::Hshk, true);
    bar_.setControlEnabled(BarControl::Rout, false);
}

void CQuirnView::OnRadialShape() {
    bar_.setControlEnabled(BarControl::Hshk, false);
    bar_.setControlEnabled(BarControl::Rout, true);
}

void CQuirnView::OnArcToggle() {
    bar_.setControlEnabled(BarControl::Hduga, bar_.isChecked(BarControl::Arc));
}

void CQuirnView::OnApplyParameters() {
    using C = BarControl;
    // Disabled fields are read like the others: a radial plate keeps its typed height.
    const auto text = [this](C id) { return bar_.text(id).toStdString(); };
    const auto length = [&text](C id) { return ParseFieldLength(text(id)); };
    ScaleParameters& p = state_.params;
    p.name = Utf8ToCp1251(text(C::Name));
    p.unit = Utf8ToCp1251(text(C::Unit));
    p.range = ParseFieldDecimal(text(C::Range));
    p.alfa = ParseFieldDecimal(text(C::Alfa));
    p.shape = bar_.isChecked(C::SquareShape) ? 0 : 1;
    p.Duga = bar_.isChecked(C::Arc) ? 1 : 0;
    p.Hduga = length(C::Hduga);
    p.Lshk = length(C::Lshk);
    p.Hshk = length(C::Hshk);
    p.skos = length(C::Skos);
    p.Rout = length(C::Rout);
    p.Rin = length(C::Rin);
    p.Lkrep = length(C::Lkrep);
    p.Los_os = length(C::LosOs);
    p.Los_niz = length(C::LosNiz);
    p.Rdel = length(C::Rdel);
    p.out_R = bar_.isChecked(C::InnerRadius) ? 0 : 1;
    p.Nfull = ParseFieldCount(text(C::Nfull));
    p.Nbig = ParseFieldCount(text(C::Nbig));
    p.Nm = ParseFieldCount(text(C::Nm));
    p.Lbig = length(C::Lbig);
    p.Lsm = length(C::Lsm);
    p.Hbig = length(C::Hbig);
    p.Hsm = length(C::Hsm);

    doc_.SetModifiedFlag(true);
    doc_.setParameters(p);
    doc_.SetPathName(Cp1251ToUtf8(ComposeDescription(p)), false);
    // The panel keeps the texts as typed; only the drawing and the layout start afresh.
    ResetLayout();
    viewport()->update();
}

}  // namespace quirn
