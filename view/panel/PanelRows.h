// SPDX-License-Identifier: GPL-3.0-or-later
// The parameter panel described as a table, one row per control in tab order: what it shows, how
// it is captioned and explained, what kind of widget it is and where it stands. The panel is built
// from it, and its fields are filled and read through it, so that a standard field needs one row
// here besides its row in the model's table.
#pragma once

#include <compare>
#include <span>
#include <string_view>

namespace quirn {

// A control of the panel, by name: a standard field's control by the field's file key, the
// panel's own controls by names of their own.
struct BarControl {
    std::string_view name;

    friend constexpr bool operator==(BarControl, BarControl) = default;
    friend constexpr auto operator<=>(BarControl a, BarControl b) { return a.name <=> b.name; }

    static const BarControl Apply, ExportPicture, Name, Unit, Range, HalfAngle, InnerRadius,
        MountingHoleSpacing, SquareShape, RadialShape, PlateHeight, CornerBevel, OuterRadius,
        PlateWidth, TickRadius, TicksOutward, TicksInward, BigTickLength, SmallTickLength,
        Divisions, BigDivisions, NumberedDivisions, BigTickWidth, SmallTickWidth, ArcShown,
        ArcWidth, MountingAboveAxis, MountingAboveBottom, TemplateButton, TemplateWidth,
        TemplateWidthSpinner, TemplateX, TemplateY, TemplateXSpinner, TemplateYSpinner,
        TemplateLevel, TemplateCalibrate, TemplateLock, TemplateDim, ZoomReadout, CursorReadout;
};

inline constexpr BarControl BarControl::Apply{"apply"};
inline constexpr BarControl BarControl::ExportPicture{"exportPicture"};
inline constexpr BarControl BarControl::Name{"name"};
inline constexpr BarControl BarControl::Unit{"unit"};
inline constexpr BarControl BarControl::Range{"range"};
inline constexpr BarControl BarControl::HalfAngle{"alfa"};
inline constexpr BarControl BarControl::InnerRadius{"Rin"};
inline constexpr BarControl BarControl::MountingHoleSpacing{"Lkrep"};
inline constexpr BarControl BarControl::SquareShape{"shape"};
inline constexpr BarControl BarControl::RadialShape{"radialShape"};
inline constexpr BarControl BarControl::PlateHeight{"Hshk"};
inline constexpr BarControl BarControl::CornerBevel{"skos"};
inline constexpr BarControl BarControl::OuterRadius{"Rout"};
inline constexpr BarControl BarControl::PlateWidth{"Lshk"};
inline constexpr BarControl BarControl::TickRadius{"Rdel"};
inline constexpr BarControl BarControl::TicksOutward{"out_R"};
inline constexpr BarControl BarControl::TicksInward{"ticksInward"};
inline constexpr BarControl BarControl::BigTickLength{"Lbig"};
inline constexpr BarControl BarControl::SmallTickLength{"Lsm"};
inline constexpr BarControl BarControl::Divisions{"Nfull"};
inline constexpr BarControl BarControl::BigDivisions{"Nbig"};
inline constexpr BarControl BarControl::NumberedDivisions{"Nm"};
inline constexpr BarControl BarControl::BigTickWidth{"Hbig"};
inline constexpr BarControl BarControl::SmallTickWidth{"Hsm"};
inline constexpr BarControl BarControl::ArcShown{"Duga"};
inline constexpr BarControl BarControl::ArcWidth{"Hduga"};
inline constexpr BarControl BarControl::MountingAboveAxis{"Los_os"};
inline constexpr BarControl BarControl::MountingAboveBottom{"Los_niz"};
inline constexpr BarControl BarControl::TemplateButton{"template"};
inline constexpr BarControl BarControl::TemplateWidth{"templateWidth"};
inline constexpr BarControl BarControl::TemplateWidthSpinner{"templateWidthSpinner"};
inline constexpr BarControl BarControl::TemplateX{"templateX"};
inline constexpr BarControl BarControl::TemplateY{"templateY"};
inline constexpr BarControl BarControl::TemplateXSpinner{"templateXSpinner"};
inline constexpr BarControl BarControl::TemplateYSpinner{"templateYSpinner"};
inline constexpr BarControl BarControl::TemplateLevel{"templateLevel"};
inline constexpr BarControl BarControl::TemplateCalibrate{"templateCalibrate"};
inline constexpr BarControl BarControl::TemplateLock{"templateLock"};
inline constexpr BarControl BarControl::TemplateDim{"templateDim"};
inline constexpr BarControl BarControl::ZoomReadout{"zoom"};
inline constexpr BarControl BarControl::CursorReadout{"cursor"};

enum class PanelWidget {
    Text,           // a line of text, scrolling past its box
    Decimal,        // a number shown with PanelRow::decimals decimals, trailing zeros trimmed
    Length,         // millimetres, stored as drawing units
    Count,          // a whole number
    Digits,         // a whole number typed with digits only
    RadioWhenZero,  // the radio of a pair that is checked for 0; the field reads through it
    RadioWhenSet,   // the pair's other radio, checked for any other value
    CheckBox,       // checked for any value but 0, read as 1
    Button,
    TemplateField,  // a template's size or place in millimetres, two decimals
    Spinner,        // arrows only, stepping the template field before it
    Slider,         // a percentage from 0 to 100, captioned in the cell before it
    Readout,        // read-only text without a frame
};

enum class PanelUnit { None, Millimetres, Degrees };

// The parts of the panel: the two groups, the buttons under the first, the template's controls
// under the second and the readouts along the top.
enum class PanelArea { General, Ticks, Buttons, Template, Readouts };

// A row's cell in its area's grid. A captioned field takes its caption's column, the box the next
// and its unit the one after; any other control its column (over span columns) and its unit the
// next.
struct PanelPlace {
    PanelArea area;
    int row;
    int column;
    int span = 1;
};

struct PanelRow {
    BarControl id;
    std::string_view field;  // the standard field's file key, empty for the panel's own controls
    const char* caption;     // nullptr for a control without one
    const char* tip;
    PanelWidget widget;
    PanelUnit unit;
    int decimals;  // Decimal only
    PanelPlace place;
};

// Every control of the panel, in tab order.
std::span<const PanelRow> PanelRows();
// The row of id; nullptr for no control of the panel.
const PanelRow* PanelRowOf(BarControl id);
// The row that a standard field is read through; nullptr when the panel does not show it.
const PanelRow* PanelRowReading(std::string_view field);

// Whether a row's control shows text typed by the user, captioned in the cell before it.
bool IsTypedField(PanelWidget widget);

}  // namespace quirn
