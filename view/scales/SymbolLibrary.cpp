// SPDX-License-Identifier: GPL-3.0-or-later
#include "view/scales/SymbolLibrary.h"

#include <QCoreApplication>
#include <QSvgRenderer>
#include <array>
#include <cmath>
#include <optional>

#include "render/SymbolImages.h"

namespace quirn {
namespace {

constexpr std::array<LibrarySymbol, 14> kSymbols{{
    {"direct-current.svg", QT_TRANSLATE_NOOP("quirn::SymbolLibrary", "Постоянный ток")},
    {"alternating-current.svg", QT_TRANSLATE_NOOP("quirn::SymbolLibrary", "Переменный ток")},
    {"direct-and-alternating-current.svg",
     QT_TRANSLATE_NOOP("quirn::SymbolLibrary", "Постоянный и переменный ток")},
    {"moving-coil.svg", QT_TRANSLATE_NOOP("quirn::SymbolLibrary", "Магнитоэлектрическая система")},
    {"moving-iron.svg", QT_TRANSLATE_NOOP("quirn::SymbolLibrary", "Электромагнитная система")},
    {"rectifier.svg", QT_TRANSLATE_NOOP("quirn::SymbolLibrary", "Выпрямитель")},
    {"electrodynamic.svg",
     QT_TRANSLATE_NOOP("quirn::SymbolLibrary", "Электродинамическая система")},
    {"test-voltage-500v.svg",
     QT_TRANSLATE_NOOP("quirn::SymbolLibrary", "Испытательное напряжение 0,5 кВ")},
    {"test-voltage-2kv.svg",
     QT_TRANSLATE_NOOP("quirn::SymbolLibrary", "Испытательное напряжение 2 кВ")},
    {"position-vertical.svg",
     QT_TRANSLATE_NOOP("quirn::SymbolLibrary", "Вертикальное положение шкалы")},
    {"position-horizontal.svg",
     QT_TRANSLATE_NOOP("quirn::SymbolLibrary", "Горизонтальное положение шкалы")},
    {"position-inclined-60.svg",
     QT_TRANSLATE_NOOP("quirn::SymbolLibrary", "Наклонное положение шкалы, 60°")},
    {"class-1.5.svg", QT_TRANSLATE_NOOP("quirn::SymbolLibrary", "Класс точности 1,5")},
    {"class-2.5.svg", QT_TRANSLATE_NOOP("quirn::SymbolLibrary", "Класс точности 2,5")},
}};

}  // namespace

std::span<const LibrarySymbol> LibrarySymbols() {
    return kSymbols;
}

QString SymbolName(const LibrarySymbol& symbol) {
    return QCoreApplication::translate("quirn::SymbolLibrary", symbol.name);
}

std::optional<std::int32_t> NaturalWidth(const LibrarySymbol& symbol) {
    const QString path = FindLibrarySymbol(QString::fromLatin1(symbol.file));
    if (path.isEmpty()) return std::nullopt;
    // The library's view boxes are in drawing units.
    const QSvgRenderer drawing(path);
    const double width = drawing.viewBoxF().width();
    if (!drawing.isValid() || !(width > 0)) return std::nullopt;
    return static_cast<std::int32_t>(std::lround(width));
}

}  // namespace quirn
