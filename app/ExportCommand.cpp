// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ExportCommand.h"

#include <QDir>
#include <QFileInfo>

#include "app/BackgroundExport.h"
#include "editing/ScaleSession.h"
#include "model/Document.h"
#include "peripherals/Printing.h"
#include "view/ApplyGroup.h"
#include "view/dialogs/OutcomeText.h"
#include "view/dialogs/UserPrompts.h"

namespace quirn {
namespace {

QString ProposedName(const Document& doc) {
    if (!doc.filePath().empty()) {
        return QFileInfo(QString::fromLocal8Bit(doc.filePath().c_str())).completeBaseName();
    }
    // The description made a bare file name the way a first save proposes one.
    return QString::fromStdString(FileNameForDescription(doc.description()));
}

}  // namespace

std::optional<QString> RunPictureExport(ScaleSession& session, ApplicationPrinter* printer,
                                        UserPrompts& prompts, ExportMemory& memory,
                                        ExportStart start, QWidget* parent) {
    if (!ApplyGroup::Of(session).ResolveUnappliedEdits(prompts)) return std::nullopt;
    ExportChoice proposed;
    proposed.format = start == ExportStart::Bitmap ? ExportFormat::Bmp : memory.format;
    proposed.folder = memory.folder.isEmpty() ? QDir::currentPath() : memory.folder;
    proposed.baseName = ProposedName(session.document());
    proposed.options = memory.options;
    if (proposed.options.dpi <= 0) {
        proposed.options.dpi = printer != nullptr ? printer->dpi() : ApplicationPrinter().dpi();
    }

    const std::optional<ExportChoice> chosen = prompts.ChooseExport(proposed);
    if (!chosen) return std::nullopt;
    const QString path = QDir::cleanPath(chosen->filePath());
    if (QFileInfo::exists(path) && !prompts.ConfirmReplace(path)) return std::nullopt;
    memory = {chosen->format, chosen->folder, chosen->options};

    const Outcome exported = ExportOffThread(session.scene(), path, chosen->options, parent);
    // Stopped by the user: nothing to tell, nothing written.
    if (exported.fault == Fault::ExportCancelled) return std::nullopt;
    if (!exported.ok()) {
        prompts.Warn(OutcomeText(exported));
        return std::nullopt;
    }
    return path;
}

}  // namespace quirn
