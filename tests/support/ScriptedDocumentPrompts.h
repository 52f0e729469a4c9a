// SPDX-License-Identifier: GPL-3.0-or-later
// The document's questions answered from a script, with what was asked and reported kept.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "model/Document.h"

namespace quirn::test {

// Answers from a script and remembers what was asked.
struct ScriptedDocumentPrompts : DocumentPrompts {
    explicit ScriptedDocumentPrompts(SaveAnswer unscripted = SaveAnswer::Cancel)
        : unscriptedAnswer(unscripted) {}

    std::deque<SaveAnswer> saveAnswers;
    SaveAnswer unscriptedAnswer;  // once saveAnswers runs out
    std::deque<std::string> openNames;
    std::deque<std::string> saveNames;
    std::vector<std::string> questions;
    std::vector<std::string> proposals;
    struct Report {
        Fault error;
        std::string path;
    };
    std::vector<Report> reports;
    // Whether a file another program changed may be replaced, in turn; none left: no.
    std::deque<bool> replaceChanged;
    std::vector<std::string> changedAsked;

    SaveAnswer AskSaveChanges(const std::string& title) override {
        questions.push_back(title);
        if (saveAnswers.empty()) return unscriptedAnswer;
        const SaveAnswer answer = saveAnswers.front();
        saveAnswers.pop_front();
        return answer;
    }
    std::string AskOpenFileName() override { return Next(openNames); }
    bool AskReplaceChangedFile(const std::string& name) override {
        changedAsked.push_back(name);
        if (replaceChanged.empty()) return false;
        const bool answer = replaceChanged.front();
        replaceChanged.pop_front();
        return answer;
    }
    std::string AskSaveFileName(const std::string& proposedPath) override {
        proposals.push_back(proposedPath);
        return Next(saveNames);
    }
    void ReportFailure(const Outcome& failure) override {
        reports.push_back({failure.fault, failure.args.empty() ? "" : failure.args[0]});
    }
    static std::string Next(std::deque<std::string>& names) {
        if (names.empty()) return {};
        std::string name = names.front();
        names.pop_front();
        return name;
    }
};

}  // namespace quirn::test
