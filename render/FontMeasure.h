// SPDX-License-Identifier: GPL-3.0-or-later
// Texts measured with the faces the painter draws them in. Every face is loaded once at a large
// reference size and kept for the life of the thread; sizes come out in drawing units and do not
// depend on any device, so the screen, the printer and the export lay texts out alike.
#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <vector>

#include "render/TextMeasure.h"

namespace quirn {

// A drawn text (UTF-8) as Qt text.
QString ToQString(std::string_view utf8);
// A numeral's characters are laid side by side, unshaped and unkerned: the sum of their advances
// is the line's advance to the last bit, and where each character starts.
bool IsNumeral(const QString& text);

class FontMeasure : public TextMeasure {
  public:
    // The pixel size every face is loaded at; with 2048 units per em in the face this keeps
    // advances at design precision.
    static constexpr int kReferencePixelSize = 2048;

    struct Face {
        explicit Face(const QFont& f) : font(f), metrics(f) {}
        QFont font;
        QFontMetricsF metrics;
        QHash<QString, double> advances;  // each text is measured, then drawn
        QHash<char16_t, double> charAdvances;
        double charAdvance(QChar c);
    };

    // monochrome: faces for the 1-bit canvas, drawn without smoothing; their measures are the
    // same.
    explicit FontMeasure(bool monochrome = false);

    void setFont(const FontChoice& font) override;
    Extent measureText(std::string_view text) override;
    Box measureWrapped(const Box& box, std::string_view text) override;

    // The current font as the painter draws it: the face at the reference size, drawing units
    // per reference pixel vertically, and the horizontal factor giving the requested width.
    const FontChoice& font() const { return font_; }
    Face& face() { return *face_; }
    double unitsPerRefPx() const { return unitsPerRefPx_; }
    double stretch() const { return stretch_; }
    // Width of a line in reference pixels of the current face, and in drawing units.
    double advance(const QString& text);
    int widthInUnits(const QString& text);
    // Breaks at spaces so that every line fits boxWidth; a word wider than that stands alone.
    std::vector<QString> wrapLines(const QString& text, int boxWidth);

  private:
    Face& faceFor(const FontChoice& wanted);

    bool monochrome_;
    FontChoice font_;
    Face* face_ = nullptr;
    double unitsPerRefPx_ = 0.0;
    double stretch_ = 1.0;
};

}  // namespace quirn
