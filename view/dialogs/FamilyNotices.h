// SPDX-License-Identifier: GPL-3.0-or-later
// The user is told, once a run for each family, when a typeface the plate asks for is not on the
// system and which one is drawn in its place; the record keeps the family as written.
#pragma once

#include <QString>
#include <set>
#include <string>

#include "model/ScaleParameters.h"
#include "render/Typefaces.h"
#include "view/dialogs/UserPrompts.h"

namespace quirn {

// "Шрифт «asked» не найден, вместо него используется «used»."
QString MissingFamilyText(const FamilySubstitute& substitute);

class FamilyNotices {
  public:
    // Informs of each family of the record the system lacks that was not told before.
    void Tell(const ScaleParameters& p, UserPrompts& prompts);

  private:
    std::set<std::string> checked_;  // families looked up already, found or told
};

}  // namespace quirn
