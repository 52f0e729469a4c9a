// SPDX-License-Identifier: GPL-3.0-or-later
// The typeface of one kind of text on the plate: either the face it has always had (no key in
// the file), or a family of the system's with its weight, slant and size in percent of the
// usual height. A family read from the file is shown and kept as written, even when the system
// lacks it, until the user picks another.
#pragma once

#include <QWidget>
#include <optional>

#include "model/Outcome.h"
#include "model/ScaleExtensions.h"

class QCheckBox;
class QComboBox;
class QFontComboBox;
class QLineEdit;

namespace quirn {

class TypefaceEdit : public QWidget {
    Q_OBJECT
  public:
    explicit TypefaceEdit(QWidget* parent = nullptr);

    // None: the usual face, the other fields greyed.
    void Fill(const std::optional<Typeface>& face);
    // The face as chosen, none for the usual one; what is wrong ("размер шрифта ...") when the
    // fields cannot be read, and then face is left as it was.
    Outcome ReadInto(std::optional<Typeface>& face) const;

    QCheckBox* ownBox() const { return own_; }
    QFontComboBox* familyBox() const { return family_; }
    QComboBox* weightBox() const { return weight_; }
    QCheckBox* italicBox() const { return italic_; }
    QLineEdit* percentEdit() const { return percent_; }

  private:
    void ShowOwn();

    QCheckBox* own_ = nullptr;
    QFontComboBox* family_ = nullptr;
    QComboBox* weight_ = nullptr;
    QCheckBox* italic_ = nullptr;
    QLineEdit* percent_ = nullptr;
};

}  // namespace quirn
