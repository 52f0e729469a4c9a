// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop program running in a scratch folder of its own, as a user starts it: its
// document's questions and its window's prompts answered from a script.
#pragma once

#include <gtest/gtest.h>

#include <QSettings>
#include <memory>
#include <string>

#include "app/Application.h"
#include "app/MainWindow.h"
#include "support/ScriptedDocumentPrompts.h"
#include "support/ScriptedPrompts.h"
#include "support/TestFiles.h"

namespace quirn::test {

class RunningApp : public ::testing::Test {
  protected:
    // Started on file, or on a new document when it is empty.
    void Start(const std::string& file = {}) {
        settings_ = std::make_unique<QSettings>(Path("profile.ini"), QSettings::IniFormat);
        app_ = std::make_unique<Application>(*settings_, &documentPrompts_);
        ASSERT_TRUE(app_->start(file));
        frame_ = app_->mainWindow();
        frame_->setPrompts(&prompts_);
    }
    void TearDown() override {
        if (frame_ != nullptr) frame_->setPrompts(nullptr);
        app_.reset();
    }
    QString Path(const char* name) const {
        return QString::fromStdString((scratch_.path() / name).string());
    }

    ScratchDirectory scratch_{"quirn-app", true};
    std::unique_ptr<QSettings> settings_;
    ScriptedDocumentPrompts documentPrompts_;
    ScriptedPrompts prompts_;
    std::unique_ptr<Application> app_;
    MainWindow* frame_ = nullptr;
};

}  // namespace quirn::test
