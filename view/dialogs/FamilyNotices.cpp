// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/dialogs/FamilyNotices.h"

#include <QCoreApplication>
#include <vector>

#include "model/TextCodec.h"

namespace quirn {

QString MissingFamilyText(const FamilySubstitute& substitute) {
    return QCoreApplication::translate("quirn::FamilyNotices",
                                       "Шрифт «%1» не найден, вместо него используется «%2».")
        .arg(QString::fromStdString(Cp1251ToUtf8(substitute.asked)),
             QString::fromStdString(substitute.used));
}

void FamilyNotices::Tell(const ScaleParameters& p, UserPrompts& prompts) {
    // The record changes at every step of a drag: a lookup only for a family not seen yet.
    std::vector<std::string> fresh;
    const auto see = [&](const std::string& family) {
        if (!family.empty() && !checked_.contains(family)) fresh.push_back(family);
    };
    for (const auto& [role, face] : p.ext.typefaces) see(face.family);
    for (const auto& [number, text] : p.ext.texts)
        if (text.font) see(text.font->family);
    if (fresh.empty()) return;
    for (const FamilySubstitute& missing : MissingFamilies(p)) {
        if (checked_.contains(missing.asked)) continue;
        prompts.Inform(MissingFamilyText(missing));
    }
    checked_.insert(fresh.begin(), fresh.end());
}

}  // namespace quirn
