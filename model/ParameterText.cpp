// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/ParameterText.h"

#include "model/ExtensionText.h"
#include "model/ParameterFields.h"
#include "model/ScaleKeys.h"
#include "model/TextCodec.h"
#include "model/TextKeys.h"

namespace quirn {
namespace {

// Calls visit(text, full) for each text of the record (const or not) that may carry a full
// form, and visitMark(text) for the texts of its numbered values, which carry none.
template <class Record, class Visit, class VisitMark>
void ForEachText(Record& p, Visit visit, VisitMark visitMark) {
    for (const PlateTextKey& t : kPlateTextKeys) visit(TextOf(p, t), FullTextOf(p, t));
    for (auto& [number, t] : p.ext.texts) visit(t.text, t.textUtf8);
    for (auto& s : p.ext.further)
        for (std::size_t k = 0; k < kScaleKeys.size(); ++k)
            if (const auto* t = std::get_if<ScaleText>(&kScaleKeys[k].member); t && s.sets.test(k))
                visit(s.values.*t->text, s.values.*t->full);
    const auto marks = [&](auto& numbers) {
        if (numbers)
            for (auto& m : *numbers) visitMark(m.text);
    };
    marks(p.numbers);
    for (auto& s : p.ext.further) marks(s.values.numbers);
}

bool HoldsTextBeyondAscii(const ScaleParameters& p) {
    bool beyond = false;
    const auto look = [&beyond](const std::string& text) {
        for (const char c : text) beyond = beyond || static_cast<unsigned char>(c) >= 0x80;
    };
    ForEachText(
        p, [&](const std::string& text, const std::optional<std::string>&) { look(text); }, look);
    return beyond;
}

// The record with every text in UTF-8, whole, and no full forms beside them.
ScaleParameters InUtf8(const ScaleParameters& record) {
    ScaleParameters p = record;
    ForEachText(
        p,
        [](std::string& text, std::optional<std::string>& full) {
            text = DisplayText(text, full);
            full.reset();
        },
        [](std::string& text) { text = Cp1251ToUtf8(text); });
    // The makers' labels as they were by default are written in no form.
    if (record.ext.origin == kDefaultOriginText) p.ext.origin = kDefaultOriginText;
    if (record.ext.standard == kDefaultStandardText) p.ext.standard = kDefaultStandardText;
    // Kept as read, in whichever code they came.
    for (std::string& line : p.ext.unknownLines)
        if (!IsUtf8Text(line)) line = Cp1251ToUtf8(line);
    return p;
}

// A text as the record keeps it, from a file's text and companion. The companion is preferred,
// unless its key says something else: then a program that knew no companion changed the key.
void SettleText(std::string& text, std::optional<std::string>& full, FileTextForm form) {
    const bool utf8 = form == FileTextForm::Utf8;
    if (full && !text.empty() && text != *full &&
        Utf8ToCp1251(*full) != (utf8 ? Utf8ToCp1251(text) : text))
        full.reset();
    // A text the file left out keeps its default, which is Windows-1251 already.
    if (full || (utf8 && IsUtf8Text(text))) {
        const std::string typed = full ? *full : text;
        StoreTypedText(typed, text, full);
    }
}

void SettleTexts(ScaleParameters& p, FileTextForm form) {
    ForEachText(
        p,
        [form](std::string& text, std::optional<std::string>& full) {
            SettleText(text, full, form);
        },
        [form](std::string& text) {
            if (form == FileTextForm::Utf8) text = Utf8ToCp1251(text);
        });
}

// The text of a file's bytes: at most the first 1 MiB, up to the first NUL, without the byte
// order mark some editors put before UTF-8.
std::string_view ParameterTextOf(std::string_view fileBytes) {
    std::string_view text = fileBytes.substr(0, kParameterReadLimit);
    if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    return text;
}

std::string WriteLines(const ScaleParameters& p) {
    std::string out;
    out.reserve(300 + p.name.size() + p.unit.size());
    for (const ParameterField& field : StandardFields()) {
        out += field.key;
        out += "\t= ";
        out += FieldFileText(field, p);
        out += "\r\n";
    }
    out += WriteCompanionLines(p);
    out += WriteExtensionLines(p);
    return out;
}

}  // namespace

std::string WriteParameterText(const ScaleParameters& p, FileTextForm form) {
    if (form == FileTextForm::Utf8) return WriteLines(InUtf8(p));
    std::string out = WriteLines(p);
    if (IsUtf8Text(out) && HoldsTextBeyondAscii(p))
        out += std::string(kCharsetKey) + "\t= " + std::string(kWindows1251) + "\r\n";
    return out;
}

namespace {

// The key where it heads a line and is followed by a space, a TAB or "=", as every written line
// has it, so that a name or unit holding the letters of a later key cannot capture that key.
// Loose hand-made files whose key stands elsewhere still read: then the first occurrence
// anywhere counts.
std::size_t FindKey(std::string_view text, std::string_view key) {
    for (std::size_t at = text.find(key); at != std::string_view::npos;
         at = text.find(key, at + 1)) {
        const bool lineHead = at == 0 || text[at - 1] == '\r' || text[at - 1] == '\n';
        const std::size_t after = at + key.size();
        if (lineHead && after < text.size() &&
            (text[after] == ' ' || text[after] == '\t' || text[after] == '='))
            return at;
    }
    return text.find(key);
}

}  // namespace

std::string FindParameterValue(std::string_view text, std::string_view key) {
    const std::size_t at = FindKey(text, key);
    if (at == std::string_view::npos) return {};
    // A key with no "=" after it has an empty value.
    const std::size_t equals = text.find('=', at);
    if (equals == std::string_view::npos) return {};
    std::size_t begin = equals + 1;
    std::size_t end = begin;
    while (end < text.size() && static_cast<unsigned char>(text[end]) >= 0x20) ++end;
    while (begin < end && text[begin] == ' ') ++begin;
    while (end > begin && text[end - 1] == ' ') --end;
    return std::string(text.substr(begin, end - begin));
}

ScaleParameters ReadScaleParameters(std::string_view fileBytes) {
    const std::string_view text = ParameterTextOf(fileBytes);
    ScaleParameters p;
    for (const ParameterField& field : StandardFields())
        SetFieldFromFile(field, p, FindParameterValue(text, field.key));
    ReadExtensionLines(text, p);
    const bool utf8 = IsUtf8Text(text) && FindParameterValue(text, kCharsetKey) != kWindows1251;
    SettleTexts(p, utf8 ? FileTextForm::Utf8 : FileTextForm::Windows1251);
    return p;
}

Result<std::string> ReadParameterFile(const std::string& path) {
    Result<std::string> read = ReadFileHead(path, kParameterReadLimit);
    if (read.outcome.fault == Fault::None && !read.value.empty() &&
        !HoldsScaleKey(ParameterTextOf(read.value)))
        read.outcome = Outcome::Failed(Fault::NotScaleFile, {path});
    return read;
}

}  // namespace quirn
