// SPDX-License-Identifier: GPL-3.0-or-later
// The program's commands: their ids, menu captions, keys and tooltips. The texts are the
// Russian sources of context "quirn::Commands", translated where the actions are made.
#pragma once

#include <vector>

namespace quirn {

// Named, not numbered: nothing depends on a command's number.
enum class Command {
    Separator,  // a place in a menu or the toolbar, not a command
    New,
    FromScan,
    Open,
    Save,
    SaveAs,
    PageSetup,
    PrintSetup,
    Print,
    PrintDirect,
    PrintPreview,
    About,
    Exit,
    Help,
    RealScreenSize,
    ScalesWindow,
    ForgetPlaces,
    Grid,
    Undo,
    Redo,
    ExportPicture,
    Export,
    ZoomIn,
    ZoomOut,
    ZoomFit,
    PrinterCalibration,
    LevelTemplate,
    CalibrateFromTemplate,
    FindTicks,
    HideDrawing,
};

struct CommandInfo {
    Command id;
    const char* name;      // the action's object name: "file.new"
    const char* menuText;  // "" when the command has no menu entry
    const char* shortcut;  // portable key text, "" for none
    const char* prompt;    // what the command does
    const char* tooltip;   // "" when it has no toolbar button
};

// Every command that has an action in the frame.
const std::vector<CommandInfo>& CommandTable();
const CommandInfo& InfoOf(Command id);

// Where a command sits: the "&Файл", "&Правка" and "Вид" menus, directly on the menu bar, the
// toolbar.
const std::vector<Command>& FileMenuLayout();
const std::vector<Command>& EditMenuLayout();
const std::vector<Command>& ViewMenuLayout();
const std::vector<Command>& MenuBarCommands();
const std::vector<Command>& ToolbarLayout();

}  // namespace quirn
