// SPDX-License-Identifier: GPL-3.0-or-later
// At the start, the copies of unsaved work that a program which is gone left behind are offered:
// one is restored as the modified document of its own file, thrown away, or kept for later.
#pragma once

#include <cstddef>
#include <vector>

#include "app/RecoveryCopies.h"

class QWidget;

namespace quirn {

class AutoSave;
class ScaleSession;

enum class RecoveryAnswer { Restore, Discard, Later };
struct RecoveryDecision {
    RecoveryAnswer answer = RecoveryAnswer::Later;
    std::size_t chosen = 0;  // which of the copies offered
};

class RecoveryPrompts {
  public:
    virtual ~RecoveryPrompts() = default;
    // copies: the newest first, never empty.
    virtual RecoveryDecision AskRecover(const std::vector<RecoveryCopy>& copies) = 0;
    virtual void Warn(const QString& text) = 0;
};

// "Восстановить несохранённые изменения «…» от <time>?", or a list of them.
class RecoveryDialogs : public RecoveryPrompts {
  public:
    explicit RecoveryDialogs(QWidget* parent) : parent_(parent) {}
    RecoveryDecision AskRecover(const std::vector<RecoveryCopy>& copies) override;
    void Warn(const QString& text) override;

  private:
    QWidget* parent_;
};

// Offers what the recovery folder holds of processes that are gone. A copy restored replaces
// the document shown; one that cannot be read is told and kept.
void OfferRecovery(const QString& folder, ScaleSession& session, AutoSave& autoSave,
                   RecoveryPrompts& prompts);

}  // namespace quirn
