// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ScanDocument.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "app/UserFiles.h"
#include "editing/EditedRecord.h"
#include "editing/ScaleSession.h"
#include "model/InitialParameters.h"
#include "model/TextCodec.h"
#include "view/dialogs/OutcomeText.h"
#include "view/dialogs/UserPrompts.h"

namespace quirn {

void CreateFromScan(ScaleSession& session, UserPrompts& prompts) {
    const QString path = prompts.ChooseTemplateFile();
    if (path.isEmpty()) return;
    const Result<FoundScan> scan = FindOnScanFile(path.toStdString());
    if (!scan.ok()) {
        prompts.Warn(OutcomeText(scan.outcome));
        return;
    }
    // Named whole until the document is saved, which names it relative to its folder.
    const QString whole = QFileInfo(path).absoluteFilePath();
    const std::optional<std::string> templateName = Utf8ToCp1251Exactly(whole.toStdString());
    if (!templateName) {
        prompts.Warn(
            OutcomeText(Outcome::Failed(Fault::FileNameNotStorable, {whole.toStdString()})));
        return;
    }
    // What the scan does not show comes from the parameters every new document starts with.
    const ScaleParameters base = ReadInitialParameters(InitialParametersLocation());
    const auto propose = [&](ScanEnds ends) {
        return ProposeScale(scan.value.found, ends, base, *templateName);
    };
    const std::optional<ScanEnds> ends = prompts.ReviewScan(scan.value, propose);
    if (!ends || !session.files().New()) return;
    const ScaleParameters proposed = propose(*ends).params;
    session.record().Edit(QCoreApplication::translate("quirn::ScanDocument", "создание по скану"),
                          [&proposed](SceneEdits& s) { s.params = proposed; },
                          {LayoutAfterEdit::Reset});
}

}  // namespace quirn
