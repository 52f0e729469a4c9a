// SPDX-License-Identifier: GPL-3.0-or-later
#include "render/FontMeasure.h"

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <tuple>

#include "model/TextCodec.h"
#include "render/Saturate.h"

namespace quirn {
namespace {

// Arial's average character width per em, which is what a requested width is relative to
// (the substitute face's own figure differs).
constexpr double kAverageWidthPerEm = 904.0 / 2048.0;
// A cell height of 0 asks for the platform's default size: 12 points.
constexpr int kDefaultCellHeight = 423;

}  // namespace

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

bool IsNumeral(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return (c >= u'0' && c <= u'9') || c == u'.' || c == u'-'; });
}

double FontMeasure::Face::charAdvance(QChar c) {
    auto found = charAdvances.constFind(c.unicode());
    if (found != charAdvances.constEnd()) return *found;
    return *charAdvances.insert(c.unicode(), metrics.horizontalAdvance(c));
}

FontMeasure::FontMeasure(bool monochrome) : monochrome_(monochrome) {
    setFont(font_);
}

FontMeasure::Face& FontMeasure::faceFor(const FontChoice& wanted) {
    // Faces and their measured advances outlive the measure: every paint of the view would
    // otherwise load and shape the same texts again. The advances of numerals are per
    // character; a cache grown past a bound by long-lived fuzzing or many documents starts over.
    // Never destroyed: fonts must not outlive the application object at exit. One cache for the
    // process, not one per thread: painting runs on whichever thread of the global pool is free
    // while its caller waits (PaintWithoutParallelFills), and a cache per thread was lost, and
    // leaked, whenever an idle pool thread ended. Nothing measures or paints on two threads at
    // once.
    // Keyed by family and slant too: a plate may set a face of its own for each text.
    using Key = std::tuple<std::string, int, FontSlant, bool>;
    static auto* cache = new std::map<Key, Face>;
    auto& faces = *cache;
    const Key key{wanted.family, std::clamp(wanted.weight, 1, 1000), wanted.slant, monochrome_};
    auto found = faces.find(key);
    if (found != faces.end()) {
        if (found->second.advances.size() > 4096) found->second.advances.clear();
        return found->second;
    }
    QFont font(wanted.family.empty() ? QStringLiteral("Arial")
                                     : QString::fromStdString(Cp1251ToUtf8(wanted.family)));
    font.setPixelSize(kReferencePixelSize);
    font.setWeight(QFont::Weight(std::get<1>(key)));
    if (wanted.slant == FontSlant::Italic) font.setStyle(QFont::StyleItalic);
    font.setKerning(false);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(monochrome_ ? QFont::NoAntialias : QFont::NoSubpixelAntialias);
    return faces.try_emplace(key, font).first->second;
}

void FontMeasure::setFont(const FontChoice& font) {
    font_ = font;
    face_ = &faceFor(font);
    const double refCell = face_->metrics.ascent() + face_->metrics.descent();
    // A positive height is the cell, internal leading included; a negative one is the em.
    if (font.cellHeight > 0) {
        unitsPerRefPx_ = font.cellHeight / refCell;
    } else if (font.cellHeight < 0) {
        unitsPerRefPx_ = -double(font.cellHeight) / kReferencePixelSize;
    } else {
        unitsPerRefPx_ = kDefaultCellHeight / refCell;
    }
    stretch_ = 1.0;
    if (font.averageWidth > 0) {
        const double naturalWidth = kAverageWidthPerEm * kReferencePixelSize * unitsPerRefPx_;
        stretch_ = font.averageWidth / naturalWidth;
    }
}

double FontMeasure::advance(const QString& text) {
    if (IsNumeral(text)) {
        double sum = 0.0;
        for (const QChar c : text) sum += face_->charAdvance(c);
        return sum;
    }
    auto found = face_->advances.constFind(text);
    if (found != face_->advances.constEnd()) return *found;
    return *face_->advances.insert(text, face_->metrics.horizontalAdvance(text));
}

// Sizes come back in whole drawing units rounded to the nearest, as the platform rounds its
// device-to-logical conversions.
int FontMeasure::widthInUnits(const QString& text) {
    return RoundToInt(advance(text) * unitsPerRefPx_ * stretch_);
}

Extent FontMeasure::measureText(std::string_view text) {
    const QString s = ToQString(text);
    const double refCell = face_->metrics.ascent() + face_->metrics.descent();
    return {widthInUnits(s), RoundToInt(refCell * unitsPerRefPx_)};
}

// The spaces at a break are dropped, those inside a line kept.
std::vector<QString> FontMeasure::wrapLines(const QString& text, int boxWidth) {
    std::vector<QString> lines;
    QString current;
    bool lineStarted = false;
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        const qsizetype wordStart = i;
        while (i < n && text[i] == u' ') ++i;
        const QString spaces = text.mid(wordStart, i - wordStart);
        const qsizetype letters = i;
        while (i < n && text[i] != u' ') ++i;
        const QString word = text.mid(letters, i - letters);
        if (!lineStarted) {
            current = spaces + word;
            lineStarted = true;
            continue;
        }
        const QString candidate = current + spaces + word;
        if (word.isEmpty() || widthInUnits(candidate) <= boxWidth) {
            current = candidate;
        } else {
            lines.push_back(current);
            current = word;
        }
    }
    lines.push_back(current);
    return lines;
}

Box FontMeasure::measureWrapped(const Box& box, std::string_view text) {
    const int boxWidth = ClampToInt(std::int64_t{box.right} - box.left);
    const std::vector<QString> lines = wrapLines(ToQString(text), boxWidth);
    int longest = 0;
    for (const QString& l : lines) longest = std::max(longest, widthInUnits(l));
    const int cell = measureText({}).height;
    Box measured = box;
    measured.right = ClampToInt(std::int64_t{box.left} + longest);
    measured.bottom = ClampToInt(box.top - std::int64_t{cell} * std::int64_t(lines.size()));
    return measured;
}

}  // namespace quirn
