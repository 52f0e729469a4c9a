// SPDX-License-Identifier: GPL-3.0-or-later
// The ink of a scale or a label: a button that shows it and opens the colour dialog, and one
// that takes it back to none, which the file leaves out.
#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

class QPushButton;

namespace quirn {

class UserPrompts;

class ColourChoice : public QWidget {
    Q_OBJECT
  public:
    // prompts: where the colour is chosen. unset: what the button says while there is no
    // colour, the ink that is drawn then ("чёрный").
    ColourChoice(UserPrompts& prompts, const QString& unset, QWidget* parent = nullptr);

    void Fill(std::optional<std::uint32_t> rgb);
    // 0xRRGGBB; none when unset.
    std::optional<std::uint32_t> colour() const { return rgb_; }

    QPushButton* pickButton() const { return pick_; }
    QPushButton* clearButton() const { return clear_; }

  signals:
    // The user chose a colour or took it back.
    void edited();

  private:
    void Show();
    void pick();

    UserPrompts& prompts_;
    QString unset_;
    std::optional<std::uint32_t> rgb_;
    QPushButton* pick_ = nullptr;
    QPushButton* clear_ = nullptr;
};

}  // namespace quirn
