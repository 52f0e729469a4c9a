#include "model/ParameterText.h"

#include "model/ExtensionText.h"
#include "model/ParameterFields.h"

namespace quirn {

std::string WriteParameterText(const ScaleParameters& p) {
    std::string out;
    out.reserve(300 + p.name.size() + p.unit.size());
    for (const ParameterField& field : StandardFields()) {
        out += field.key;
        out += "\t= ";
        out += FieldFileText(field, p);
        out += "\r\n";
    }
    out += WriteExtensionLines(p.ext);
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
    std::string_view text = fileBytes.substr(0, kParameterReadLimit);
    if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos)
        text = text.substr(0, nul);
    ScaleParameters p;
    for (const ParameterField& field : StandardFields())
        SetFieldFromFile(field, p, FindParameterValue(text, field.key));
    p.ext = ReadExtensionLines(text);
    return p;
}

}  // namespace quirn
