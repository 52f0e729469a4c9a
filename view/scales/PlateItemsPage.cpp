// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/scales/PlateItemsPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

#include "editing/ScaleSession.h"
#include "model/PlateFrame.h"
#include "render/Saturate.h"
#include "render/ScaleDrawing.h"
#include "view/dialogs/UserPrompts.h"
#include "view/scales/FreeTextTable.h"
#include "view/scales/PictureTable.h"
#include "view/scales/PlaceTable.h"
#include "view/scales/SymbolLibrary.h"

namespace quirn {
namespace {

// Symbols placed one after another at the middle stand this far apart: 2 mm.
constexpr std::int64_t kSymbolGap = 200;

}  // namespace

PlateItemsPage::PlateItemsPage(ScaleSession& session, UserPrompts& prompts, QWidget* parent)
    : QWidget(parent), session_(session), prompts_(prompts) {
    setObjectName(QStringLiteral("plateItemsPage"));
    auto* column = new QVBoxLayout(this);

    auto* textBox = new QGroupBox(tr("Надписи"), this);
    auto* textLayout = new QVBoxLayout(textBox);
    texts_ = new FreeTextTable(textBox);
    textLayout->addWidget(texts_);
    column->addWidget(textBox, 1);

    auto* pictureBox = new QGroupBox(tr("Рисунки"), this);
    auto* pictureLayout = new QVBoxLayout(pictureBox);
    pictures_ = new PictureTable(
        prompts_, [this] { return session_.scene().documentFolder; }, pictureBox);
    pictureLayout->addWidget(pictures_);
    auto* library = new QHBoxLayout;
    symbols_ = new QComboBox(pictureBox);
    for (const LibrarySymbol& symbol : LibrarySymbols())
        symbols_->addItem(SymbolName(symbol), QString::fromLatin1(symbol.file));
    addSymbol_ = new QPushButton(tr("Добавить символ"), pictureBox);
    library->addWidget(symbols_, 1);
    library->addWidget(addSymbol_);
    pictureLayout->addLayout(library);
    column->addWidget(pictureBox, 1);

    auto* placeBox = new QGroupBox(tr("Расположение элементов"), this);
    auto* placeLayout = new QVBoxLayout(placeBox);
    places_ = new PlaceTable(placeBox);
    placeLayout->addWidget(places_);
    column->addWidget(placeBox);

    connect(texts_->addButton(), &QPushButton::clicked, this,
            [this] { texts_->AddText(PlateMiddle()); });
    connect(pictures_->addButton(), &QPushButton::clicked, this,
            [this] { pictures_->AddChosenPicture(PlateMiddle()); });
    connect(addSymbol_, &QPushButton::clicked, this, [this] { addSymbol(); });
    for (ItemTable* table : {static_cast<ItemTable*>(texts_), static_cast<ItemTable*>(pictures_)})
        connect(table, &ItemTable::edited, this, [this] {
            addSymbol_->setEnabled(pictures_->FreeNumber() != 0);
            emit edited();
        });
    connect(places_, &PlaceTable::edited, this, [this] { emit edited(); });

    // A drag moved an element: its place follows, unless the user is typing here.
    ApplyGroup::Of(session_).Add(this, this);
}

void PlateItemsPage::FillPage(const ScaleParameters& record) {
    texts_->Fill(record.ext.texts);
    pictures_->Fill(record.ext.pictures);
    places_->Fill(LayOutScale(session_.scene(), PaintMode::Screen).layout.anchors);
    addSymbol_->setEnabled(pictures_->FreeNumber() != 0);
}

Place PlateItemsPage::PlateMiddle() const {
    const ScaleParameters& p = session_.scene().params;
    const PlateFrame frame = FrameOf(p);
    return {0, ClampToInt((frame.top + frame.bottom) / 2)};
}

void PlateItemsPage::addSymbol() {
    const int chosen = symbols_->currentIndex();
    const auto library = LibrarySymbols();
    if (chosen < 0 || std::size_t(chosen) >= library.size()) return;
    const LibrarySymbol& symbol = library[std::size_t(chosen)];
    const std::optional<std::int32_t> width = NaturalWidth(symbol);
    if (!width) {
        prompts_.Warn(tr("Символа «%1» нет среди файлов программы: %2")
                          .arg(SymbolName(symbol), QString::fromLatin1(symbol.file)));
        return;
    }
    pictures_->AddPicture({FreeSpotNearMiddle(*width), *width, symbol.file});
}

Place PlateItemsPage::FreeSpotNearMiddle(std::int32_t width) const {
    std::map<int, PlacedPicture> typed;
    if (!pictures_->ReadInto(typed).ok()) typed.clear();
    // Pictures are taken as squares of their width: their heights are the files' business.
    const auto clear = [&typed, width](std::int64_t x, std::int64_t y) {
        return std::none_of(typed.begin(), typed.end(), [=](const auto& item) {
            const PlacedPicture& p = item.second;
            const std::int64_t apart = (std::int64_t{p.width} + width) / 2 + kSymbolGap;
            return std::abs(p.centre.x - x) < apart && std::abs(p.centre.y - y) < apart;
        });
    };
    // Rows through the middle, then below and above it; in each the middle, then a step to the
    // right, to the left, two steps to the right, ... while the picture stays on the plate.
    const Place middle = PlateMiddle();
    const std::int64_t step = std::int64_t{width} + kSymbolGap;
    const std::int64_t half = FrameOf(session_.scene().params).halfWidth;
    const auto nth = [](int k) -> std::int64_t { return k % 2 == 0 ? k / 2 : -(k / 2); };
    for (int row = 1; row <= 5; ++row) {
        const std::int64_t y = middle.y - nth(row) * step;
        for (int k = 1; k <= 2 * kMaxPictures; ++k) {
            const std::int64_t x = middle.x + nth(k) * step;
            if (std::abs(x) + width / 2 <= half && clear(x, y))
                return Place{ClampToInt(x), ClampToInt(y)};
        }
    }
    return middle;
}

void PlateItemsPage::ShowRefusal(const QString& text) {
    prompts_.Warn(text);
}

QString PlateItemsPage::StepName() const {
    return tr("изменение надписей и рисунков");
}

Outcome PlateItemsPage::ReadInto(ScaleParameters& record) const {
    ScaleExtensions& ext = record.ext;
    if (Outcome fault = texts_->ReadInto(ext.texts); !fault.ok()) return fault;
    if (Outcome fault = pictures_->ReadInto(ext.pictures); !fault.ok()) return fault;
    return places_->ReadInto(ext.places);
}

}  // namespace quirn
