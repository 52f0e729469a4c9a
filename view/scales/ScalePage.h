// SPDX-License-Identifier: GPL-3.0-or-later
// One page of the scales window: the keys of one scale. Scale 1's page holds its law, lists,
// numerals' typeface, ink and flattening, its range, counts and lengths being the parameter
// panel's; a further scale's page holds every key it may set, an empty field or a grey check box
// meaning "as scale 1" (its ink and flattening are its own: none is black and round).
#pragma once

#include <QWidget>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "model/ScaleExtensions.h"
#include "model/ScaleParameters.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace quirn {

class ColourChoice;
class TypefaceEdit;
class UserPrompts;

enum class ScaleField {
    Range,
    Start,
    Points,
    Ticks,
    BigTicks,
    Numbers,
    TickRadius,
    TicksInward,
    Divisions,
    BigDivisions,
    NumberedDivisions,
    BigTickLength,
    SmallTickLength,
    BigTickWidth,
    SmallTickWidth,
    ArcShown,
    ArcWidth,
    Flatten,
    Unit,
};

class ScalePage : public QWidget {
    Q_OBJECT
  public:
    // prompts: where the scale's colour is chosen.
    ScalePage(bool first, UserPrompts& prompts, QWidget* parent = nullptr);

    bool isFirst() const { return first_; }

    // Scale 1's page shows and sets only its start, law, lists, numerals' typeface, ink and
    // flattening.
    void Fill(const ScaleParameters& first);
    void Fill(const FurtherScale& s);
    // The fields as keys; what is wrong ("в списке «Числа» не число: «1О»") when a field cannot
    // be read, and then nothing is set.
    std::optional<QString> ReadInto(ScaleParameters& first) const;
    std::optional<QString> ReadInto(FurtherScale& s) const;

    // The law chosen; nothing for "as scale 1".
    std::optional<ScaleLaw> law() const;
    // Where scale 1's range is read, the centre an ohmmeter's default lists are made for when
    // this page sets none of its own.
    void setFirstRange(std::function<double()> range) { firstRange_ = std::move(range); }

    QComboBox* lawBox() const { return law_; }
    // Null when the page has no such field.
    QLineEdit* edit(ScaleField id) const;
    QCheckBox* check(ScaleField id) const;
    ColourChoice* colour() const { return colour_; }
    // Scale 1's numerals; null on a further scale's page.
    TypefaceEdit* numeralsFace() const { return numeralsFace_; }

  private:
    void AddEdit(ScaleField id, const QString& caption, bool millimetres);
    void AddCheck(ScaleField id, const QString& caption);
    void AddInk(UserPrompts& prompts);
    // Picking the ohmmeter law fills empty tick and number lists with a 1-2-5 series, the
    // standing-wave-ratio law with the ratios a reflectometer is read at. Picking another law
    // takes them out again while they are as it put them, since their values would lie outside
    // the new scale.
    void lawPicked();
    // A law that starts at 1 by itself (SWR) has no start to type.
    void ShowLawFields();
    // The range field is the scale's end, or its centre value under the ohmmeter law.
    void ShowRangeCaption();
    QString Text(ScaleField id) const;
    void SetText(ScaleField id, const std::string& utf8);

    bool first_;
    std::function<double()> firstRange_;
    // The tick and number lists a law filled in, while the page may still hold them.
    std::optional<std::pair<QString, QString>> filledLists_;
    QComboBox* law_ = nullptr;
    std::map<ScaleField, QLineEdit*> edits_;
    std::map<ScaleField, QCheckBox*> checks_;
    ColourChoice* colour_ = nullptr;
    TypefaceEdit* numeralsFace_ = nullptr;
};

}  // namespace quirn
