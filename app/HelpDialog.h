// The help window: ReadMe.txt in a read-only text box.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>
#include <string>

class QPlainTextEdit;

namespace quirn {

// The help text: ReadMe.txt from the current directory or else the program's data folder,
// Windows-1251 bytes up to the first zero byte, as UTF-8 with the line breaks it has. Nothing
// when neither place holds a readable file.
std::optional<QString> LoadHelpText();

class CHelpDlg : public QDialog {
    Q_OBJECT
  public:
    using TextLoader = std::function<std::optional<QString>()>;
    explicit CHelpDlg(QWidget* parent = nullptr, TextLoader load = LoadHelpText);

    // Loads the text; without it only the message "В папке с программой отсутствует файл
    // ReadMe.txt" is shown and the dialog ends as cancelled without being seen.
    int exec() override;

    QPlainTextEdit* textBox() const { return text_; }

  private:
    QPlainTextEdit* text_ = nullptr;
    TextLoader load_;
};

}  // namespace quirn
