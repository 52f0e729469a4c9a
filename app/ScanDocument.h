// SPDX-License-Identifier: GPL-3.0-or-later
// "Создать по скану…": a new document proposed from a scan of an old plate, the scan its
// template.
#pragma once

namespace quirn {

class ScaleSession;
class UserPrompts;

// The scan chosen, searched and shown for its end values; accepted, the current document makes
// way for a new one (as "Создать" does) whose record the proposal becomes, as one step.
void CreateFromScan(ScaleSession& session, UserPrompts& prompts);

}  // namespace quirn
