// SPDX-License-Identifier: GPL-3.0-or-later
// The help window: the help text of the language in force, and a labelled drawing of the
// plate's dimensions.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QPlainTextEdit;
class QTabWidget;

namespace quirn {

class PlateDrawing;

// The help text's file: "ReadMe.txt", or the one the translation in force names for its language.
QString HelpFileName();

// The help text: HelpFileName() from the current directory or else the program's data folder,
// up to the first zero byte, read as UTF-8 when it is valid UTF-8 and as Windows-1251 otherwise,
// with the line breaks it has. Nothing when neither place holds a readable file.
std::optional<QString> LoadHelpText();

class HelpDialog : public QDialog {
    Q_OBJECT
  public:
    using TextLoader = std::function<std::optional<QString>()>;
    explicit HelpDialog(QWidget* parent = nullptr, TextLoader load = LoadHelpText);

    // Loads the text; without it only the message "В папке с программой отсутствует файл
    // ReadMe.txt" (naming the file looked for) is shown and the dialog ends as cancelled without
    // being seen.
    int exec() override;

    QPlainTextEdit* textBox() const { return text_; }
    PlateDrawing* drawing() const { return drawing_; }
    QTabWidget* pages() const { return pages_; }

  private:
    QTabWidget* pages_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    PlateDrawing* drawing_ = nullptr;
    TextLoader load_;
};

}  // namespace quirn
