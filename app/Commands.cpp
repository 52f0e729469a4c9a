// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Commands.h"

#include <QtGlobal>
#include <algorithm>

namespace quirn {

const std::vector<CommandInfo>& CommandTable() {
    static const std::vector<CommandInfo> table{
        {Command::New, "file.new", QT_TRANSLATE_NOOP("quirn::Commands", "&Создать\tCtrl+N"),
         "Ctrl+N", QT_TRANSLATE_NOOP("quirn::Commands", "Создать новый документ"), ""},
        {Command::FromScan, "file.fromScan",
         QT_TRANSLATE_NOOP("quirn::Commands", "Создать по с&кану..."), "",
         QT_TRANSLATE_NOOP("quirn::Commands",
                           "Создать документ по скану старой пластины: ось, деления, дуга и края "
                           "находятся сами, а скан становится шаблоном"),
         ""},
        {Command::Open, "file.open", QT_TRANSLATE_NOOP("quirn::Commands", "&Открыть...\tCtrl+O"),
         "Ctrl+O", QT_TRANSLATE_NOOP("quirn::Commands", "Открыть существующий документ"),
         QT_TRANSLATE_NOOP("quirn::Commands", "Открыть")},
        {Command::Save, "file.save", QT_TRANSLATE_NOOP("quirn::Commands", "&Сохранить\tCtrl+S"),
         "Ctrl+S", QT_TRANSLATE_NOOP("quirn::Commands", "Сохранить текущий документ"),
         QT_TRANSLATE_NOOP("quirn::Commands", "Сохранить")},
        {Command::SaveAs, "file.saveAs", QT_TRANSLATE_NOOP("quirn::Commands", "Сохранить &как..."),
         "", QT_TRANSLATE_NOOP("quirn::Commands", "Сохранить текущий документ под новым именем"),
         ""},
        {Command::PrintSetup, "file.printSetup",
         QT_TRANSLATE_NOOP("quirn::Commands", "Пара&метры печати"), "",
         QT_TRANSLATE_NOOP("quirn::Commands", "Выбрать принтер и его параметры"), ""},
        {Command::PrintPreview, "file.printPreview",
         QT_TRANSLATE_NOOP("quirn::Commands", "Пред&варительный просмотр"), "",
         QT_TRANSLATE_NOOP("quirn::Commands", "Просмотр содержимого перед печатью"),
         QT_TRANSLATE_NOOP("quirn::Commands", "Предварительный просмотр печати")},
        {Command::Print, "file.print", QT_TRANSLATE_NOOP("quirn::Commands", "&Печать...\tCtrl+P"),
         "Ctrl+P", QT_TRANSLATE_NOOP("quirn::Commands", "Напечатать текущий документ"),
         QT_TRANSLATE_NOOP("quirn::Commands", "Печать")},
        {Command::PrintDirect, "file.printDirect", "", "", "", ""},
        // The panel's "Записать рисунок в файл" button, which has its own caption and tip.
        {Command::ExportPicture, "file.exportPicture", "", "", "", ""},
        {Command::Export, "file.export",
         QT_TRANSLATE_NOOP("quirn::Commands", "&Экспорт...\tCtrl+E"), "Ctrl+E",
         QT_TRANSLATE_NOOP("quirn::Commands", "Записать рисунок в файл: BMP, PNG, SVG или PDF"),
         ""},
        {Command::PageSetup, "file.pageSetup",
         QT_TRANSLATE_NOOP("quirn::Commands", "Параметры страницы"), "",
         QT_TRANSLATE_NOOP("quirn::Commands", "Настроить параметры страницы при печати"), ""},
        {Command::PrinterCalibration, "file.printerCalibration",
         QT_TRANSLATE_NOOP("quirn::Commands", "Калибровка принтера"), "",
         QT_TRANSLATE_NOOP("quirn::Commands",
                           "Напечатать пробную страницу и поправить масштаб печати принтера"),
         ""},
        {Command::LevelTemplate, "edit.levelTemplate",
         QT_TRANSLATE_NOOP("quirn::Commands", "Выровнять шаблон"), "",
         QT_TRANSLATE_NOOP("quirn::Commands",
                           "Повернуть шаблон: щёлкнуть на нём две точки одной горизонтали"),
         ""},
        {Command::CalibrateFromTemplate, "edit.calibrateFromTemplate",
         QT_TRANSLATE_NOOP("quirn::Commands", "Калибровка по шаблону"), "",
         QT_TRANSLATE_NOOP("quirn::Commands",
                           "Снять закон текущей шкалы со старой шкалы на шаблоне: ось стрелки, "
                           "затем отметки с их значениями"),
         ""},
        {Command::FindTicks, "edit.findTicks",
         QT_TRANSLATE_NOOP("quirn::Commands", "Найти деления"), "Ctrl+F",
         QT_TRANSLATE_NOOP("quirn::Commands",
                           "Найти все деления старой шкалы на шаблоне сразу, поправить их и снять "
                           "по ним закон текущей шкалы"),
         ""},
        {Command::HideDrawing, "edit.hideDrawing",
         QT_TRANSLATE_NOOP("quirn::Commands", "Скрыть новую шкалу"), "Ctrl+H",
         QT_TRANSLATE_NOOP("quirn::Commands",
                           "Оставить на экране только контур пластины, чтобы были видны деления "
                           "шаблона"),
         ""},
        {Command::Exit, "file.exit", QT_TRANSLATE_NOOP("quirn::Commands", "В&ыход"), "",
         QT_TRANSLATE_NOOP("quirn::Commands", "Выход из программы"), ""},
        {Command::RealScreenSize, "view.realScreenSize",
         QT_TRANSLATE_NOOP("quirn::Commands", "Реальный размер экрана"), "",
         QT_TRANSLATE_NOOP("quirn::Commands", "Задать реальный размер экрана по горизонтали"),
         QT_TRANSLATE_NOOP("quirn::Commands", "Задать реальный размер экрана по горизонтали")},
        {Command::ScalesWindow, "view.scalesWindow",
         QT_TRANSLATE_NOOP("quirn::Commands", "Шкалы..."), "",
         QT_TRANSLATE_NOOP(
             "quirn::Commands",
             "Показать окно шкал: законы, списки, дополнительные шкалы, зоны и надписи"),
         ""},
        {Command::ForgetPlaces, "view.forgetPlaces",
         QT_TRANSLATE_NOOP("quirn::Commands", "Сбросить расположение"), "",
         QT_TRANSLATE_NOOP("quirn::Commands",
                           "Вернуть перетащенные надписи и символы на их места по умолчанию"),
         ""},
        {Command::Grid, "view.grid", QT_TRANSLATE_NOOP("quirn::Commands", "Сетка"), "",
         QT_TRANSLATE_NOOP("quirn::Commands", "Показать или скрыть миллиметровую сетку"),
         QT_TRANSLATE_NOOP("quirn::Commands", "Сетка")},
        // The frame adds Ctrl+= to "Увеличить": the same key as plus, unshifted.
        {Command::ZoomIn, "view.zoomIn", QT_TRANSLATE_NOOP("quirn::Commands", "Увеличить"),
         "Ctrl++", QT_TRANSLATE_NOOP("quirn::Commands", "Увеличить масштаб на один шаг"), ""},
        {Command::ZoomOut, "view.zoomOut", QT_TRANSLATE_NOOP("quirn::Commands", "Уменьшить"),
         "Ctrl+-", QT_TRANSLATE_NOOP("quirn::Commands", "Уменьшить масштаб на один шаг"), ""},
        {Command::ZoomFit, "view.zoomFit", QT_TRANSLATE_NOOP("quirn::Commands", "По размеру окна"),
         "Ctrl+0",
         QT_TRANSLATE_NOOP("quirn::Commands", "Наибольший масштаб, при котором видна вся плата"),
         ""},
        // The frame adds what the step undone or redone is, and Ctrl+Shift+Z for redo.
        {Command::Undo, "edit.undo", QT_TRANSLATE_NOOP("quirn::Commands", "&Отменить"), "Ctrl+Z",
         QT_TRANSLATE_NOOP("quirn::Commands", "Отменить последнее действие"),
         QT_TRANSLATE_NOOP("quirn::Commands", "Отменить")},
        {Command::Redo, "edit.redo", QT_TRANSLATE_NOOP("quirn::Commands", "&Повторить"), "Ctrl+Y",
         QT_TRANSLATE_NOOP("quirn::Commands", "Повторить отменённое действие"),
         QT_TRANSLATE_NOOP("quirn::Commands", "Повторить")},
        {Command::About, "help.about", QT_TRANSLATE_NOOP("quirn::Commands", "&О программе..."), "",
         QT_TRANSLATE_NOOP("quirn::Commands",
                           "Показать информацию о программе, ее версии и авторах"),
         QT_TRANSLATE_NOOP("quirn::Commands", "О программе")},
        {Command::Help, "help.contents", QT_TRANSLATE_NOOP("quirn::Commands", "Помощь"), "", "",
         ""},
    };
    return table;
}

const CommandInfo& InfoOf(Command id) {
    const auto& table = CommandTable();
    return *std::find_if(table.begin(), table.end(),
                         [id](const CommandInfo& info) { return info.id == id; });
}

const std::vector<Command>& FileMenuLayout() {
    static const std::vector<Command> layout{Command::New,
                                             Command::FromScan,
                                             Command::Open,
                                             Command::Save,
                                             Command::SaveAs,
                                             Command::Separator,
                                             Command::Export,
                                             Command::Separator,
                                             Command::PrintSetup,
                                             Command::PrintPreview,
                                             Command::Print,
                                             Command::PageSetup,
                                             Command::PrinterCalibration,
                                             Command::Separator,
                                             Command::Exit};
    return layout;
}

const std::vector<Command>& EditMenuLayout() {
    static const std::vector<Command> layout{Command::Undo,
                                             Command::Redo,
                                             Command::Separator,
                                             Command::LevelTemplate,
                                             Command::CalibrateFromTemplate,
                                             Command::FindTicks,
                                             Command::HideDrawing,
                                             Command::Separator,
                                             Command::ForgetPlaces};
    return layout;
}

const std::vector<Command>& ViewMenuLayout() {
    static const std::vector<Command> layout{Command::Grid, Command::Separator, Command::ZoomIn,
                                             Command::ZoomOut, Command::ZoomFit};
    return layout;
}

const std::vector<Command>& MenuBarCommands() {
    static const std::vector<Command> commands{Command::RealScreenSize, Command::ScalesWindow,
                                               Command::About, Command::Help};
    return commands;
}

const std::vector<Command>& ToolbarLayout() {
    static const std::vector<Command> layout{
        Command::Open,      Command::Save,           Command::Separator, Command::Undo,
        Command::Redo,      Command::Separator,      Command::Print,     Command::PrintPreview,
        Command::Separator, Command::RealScreenSize, Command::Grid,      Command::Separator,
        Command::About};
    return layout;
}

}  // namespace quirn
