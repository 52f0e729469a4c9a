// SPDX-License-Identifier: GPL-3.0-or-later
// One page of the scales window: the keys of one scale, one control for each row of the per-scale
// key table (model/ScaleKeys.h), group by group. Scale 1's page holds the keys that are not the
// parameter panel's (its law, lists, ink, flattening and numerals' offset) and its numerals'
// typeface; a further scale's page holds every key, an empty field, a grey check box or "как у
// шкалы 1" leaving the key to scale 1 (its ink and flattening are its own: none is black and
// round).
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "model/Outcome.h"
#include "model/ScaleExtensions.h"
#include "model/ScaleKeys.h"
#include "model/ScaleParameters.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace quirn {

class ColourChoice;
class TypefaceEdit;
class UserPrompts;

// Which scale a page edits: scale 1 beside the panel, or a further one on its own.
enum class PageScale { First, Further };

class ScalePage : public QWidget {
    Q_OBJECT
  public:
    // prompts: where the scale's colour is chosen.
    ScalePage(PageScale scale, UserPrompts& prompts, QWidget* parent = nullptr);

    bool isFirst() const { return first_; }

    // Scale 1's page shows and sets only the keys it shows and the numerals' typeface.
    void Fill(const ScaleParameters& first);
    void Fill(const FurtherScale& s);
    // The fields as keys; what is wrong ("в списке «Числа» не число: «1О»") when a field cannot
    // be read, and then nothing is set.
    Outcome ReadInto(ScaleParameters& first) const;
    Outcome ReadInto(FurtherScale& s) const;

    // The law chosen; nothing for "as scale 1".
    std::optional<ScaleLaw> law() const;
    // Where scale 1's range is read, the centre an ohmmeter's default lists are made for when
    // this page sets none of its own.
    void setFirstRange(std::function<double()> range) { firstRange_ = std::move(range); }

    QComboBox* lawBox() const { return law_; }
    // The control of a row of kScaleKeys; null when the page does not show the key.
    QWidget* control(std::size_t row) const {
        return row < controls_.size() ? controls_[row] : nullptr;
    }
    // A key's field or check box; null when the page has none for it.
    template <class T>
    QLineEdit* edit(T ScaleSetup::*member) const {
        return EditOf(ScaleKeyIndex(member));
    }
    template <class T>
    QCheckBox* check(T ScaleSetup::*member) const {
        return CheckOf(ScaleKeyIndex(member));
    }
    ColourChoice* colour() const { return colour_; }
    // Scale 1's numerals; null on a further scale's page.
    TypefaceEdit* numeralsFace() const { return numeralsFace_; }

  private:
    void AddControl(std::size_t row, UserPrompts& prompts);
    // The caption a fault names the key's field by: the range as the law calls it.
    QString CaptionOf(std::size_t row) const;
    // Shows the keys of values, those the scale does not set as "as scale 1".
    void Show(const ScaleSetup& values, const ScaleKeySet& set);
    // Reads the fields in the page's order, the first that cannot be read told; scale 1's
    // numerals' typeface too, when face is given.
    Outcome Read(ScaleSetup& values, ScaleKeySet& set, std::optional<Typeface>* face) const;
    QLineEdit* EditOf(std::size_t row) const;
    QCheckBox* CheckOf(std::size_t row) const;
    // Picking the ohmmeter law fills empty tick and number lists with a 1-2-5 series, the
    // standing-wave-ratio law with the ratios a reflectometer is read at. Picking another law
    // takes them out again while they are as it put them, since their values would lie outside
    // the new scale.
    void lawPicked();
    // A law that starts at 1 by itself (SWR) has no start to type.
    void ShowLawFields();
    // The range field is the scale's end, or its centre value under the ohmmeter law.
    void ShowRangeCaption();
    QString Text(QLineEdit* field) const;
    void SetText(QLineEdit* field, const std::string& utf8);

    bool first_;
    std::function<double()> firstRange_;
    // The tick and number lists a law filled in, while the page may still hold them.
    std::optional<std::pair<QString, QString>> filledLists_;
    // By row of kScaleKeys; null for the keys the page does not show.
    std::array<QWidget*, kScaleKeys.size()> controls_{};
    // The rows shown, top to bottom; kNumeralsFace stands for scale 1's numerals' typeface.
    static constexpr std::size_t kNumeralsFace = kScaleKeys.size();
    std::vector<std::size_t> order_;
    QComboBox* law_ = nullptr;
    ColourChoice* colour_ = nullptr;
    TypefaceEdit* numeralsFace_ = nullptr;
};

}  // namespace quirn
