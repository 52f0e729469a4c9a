// SPDX-License-Identifier: GPL-3.0-or-later
// The program's commands: their ids, menu captions, keys and tooltips. The texts are the
// Russian sources of context "quirn::Commands", translated where the actions are made.
#pragma once

#include <vector>

namespace quirn {

enum class Command : int {
    Separator = 0,  // a place in a menu or the toolbar, not a command
    New = 57600,
    Open = 57601,
    Save = 57603,
    SaveAs = 57604,
    PageSetup = 57605,
    PrintSetup = 57606,
    Print = 57607,
    PrintDirect = 57608,
    PrintPreview = 57609,
    About = 57664,
    Exit = 57665,
    Help = 57670,
    RealScreenSize = 32771,
    ScalesWindow = 32772,
    ForgetPlaces = 32773,
    Grid = 32774,
    Undo = 32775,
    Redo = 32776,
};

struct CommandInfo {
    Command id;
    const char* menuText;  // "" when the command has no menu entry
    const char* shortcut;  // portable key text, "" for none
    const char* prompt;    // what the command does
    const char* tooltip;   // "" when it has no toolbar button
};

// Every command that has an action in the frame.
const std::vector<CommandInfo>& CommandTable();
const CommandInfo& InfoOf(Command id);

// Where a command sits: the "&Файл" and "&Правка" menus, directly on the menu bar, the toolbar.
const std::vector<Command>& FileMenuLayout();
const std::vector<Command>& EditMenuLayout();
const std::vector<Command>& MenuBarCommands();
const std::vector<Command>& ToolbarLayout();

}  // namespace quirn
