#include "app/Commands.h"

#include <algorithm>

namespace quirn {

const std::vector<CommandInfo>& CommandTable() {
    static const std::vector<CommandInfo> table{
        {Command::New, "", "Ctrl+N", "", ""},
        {Command::Open, "&Открыть...\tCtrl+O", "Ctrl+O", "Открыть существующий документ",
         "Открыть"},
        {Command::Save, "&Сохранить\tCtrl+S", "Ctrl+S", "Сохранить текущий документ", "Сохранить"},
        {Command::SaveAs, "Сохранить &как...", "", "Сохранить текущий документ под новым именем",
         ""},
        {Command::PrintSetup, "Пара&метры печати", "", "Выбрать принтер и его параметры", ""},
        {Command::PrintPreview, "Пред&варительный просмотр", "",
         "Просмотр содержимого перед печатью", "Предварительный просмотр печати"},
        {Command::Print, "&Печать...\tCtrl+P", "Ctrl+P", "Напечатать текущий документ", "Печать"},
        {Command::PrintDirect, "", "", "", ""},
        {Command::PageSetup, "Параметры страницы", "", "Настроить параметры страницы при печати",
         ""},
        {Command::Exit, "В&ыход", "", "Выход из программы", ""},
        {Command::RealScreenSize, "Реальный размер экрана", "",
         "Задать реальный размер экрана по горизонтали",
         "Задать реальный размер экрана по горизонтали"},
        {Command::ScalesWindow, "Шкалы...", "",
         "Показать окно шкал: законы, списки, дополнительные шкалы, зоны и надписи", ""},
        {Command::ForgetPlaces, "Сбросить расположение", "",
         "Вернуть перетащенные надписи и символы на их места по умолчанию", ""},
        {Command::About, "&О программе...", "",
         "Показать информацию о программе, ее версии и авторах", "О программе"},
        {Command::Help, "Помощь", "", "", ""},
    };
    return table;
}

const CommandInfo& InfoOf(Command id) {
    const auto& table = CommandTable();
    return *std::find_if(table.begin(), table.end(),
                         [id](const CommandInfo& info) { return info.id == id; });
}

const std::vector<Command>& FileMenuLayout() {
    static const std::vector<Command> layout{
        Command::Open,       Command::Save,         Command::SaveAs, Command::Separator,
        Command::PrintSetup, Command::PrintPreview, Command::Print,  Command::PageSetup,
        Command::Separator,  Command::Exit};
    return layout;
}

const std::vector<Command>& MenuBarCommands() {
    static const std::vector<Command> commands{Command::RealScreenSize, Command::ScalesWindow,
                                               Command::ForgetPlaces, Command::About,
                                               Command::Help};
    return commands;
}

const std::vector<Command>& ToolbarLayout() {
    static const std::vector<Command> layout{
        Command::Open,           Command::Save,         Command::Separator,
        Command::Print,          Command::PrintPreview, Command::Separator,
        Command::RealScreenSize, Command::Separator,    Command::About};
    return layout;
}

}  // namespace quirn
