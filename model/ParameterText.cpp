#include "model/ParameterText.h"

#include <cstdint>

#include "model/NumberText.h"

namespace quirn {
namespace {

void AppendInteger(std::string& out, const char* key, std::int32_t value) {
    out += key;
    out += "\t= ";
    out += std::to_string(value);
    out += "\r\n";
}

// A text value ends at its first control byte when read, and a NUL ends the whole text: a NUL
// pasted into a name would cost every value after it on the next open, a CR LF would leave a
// stray line. Control bytes are written as spaces, so the file keeps its 24 lines and the text
// reads back whole.
std::string TextValue(const std::string& text) {
    std::string value = text;
    for (char& c : value)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return value;
}

}  // namespace

std::string WriteParameterText(const ScaleParameters& p) {
    std::string out;
    out.reserve(300 + p.name.size() + p.unit.size());
    out += "name\t= " + TextValue(p.name) + "\r\n";
    out += "unit\t= " + TextValue(p.unit) + "\r\n";
    out += "range\t= " + TrimmedNumber(p.range, 2) + "\r\n";
    out += "alfa\t= " + TrimmedNumber(p.alfa, 2) + "\r\n";
    AppendInteger(out, "shape", p.shape);
    AppendInteger(out, "Lshk", p.Lshk);
    AppendInteger(out, "Hshk", p.Hshk);
    AppendInteger(out, "skos", p.skos);
    AppendInteger(out, "Rout", p.Rout);
    AppendInteger(out, "Rin", p.Rin);
    AppendInteger(out, "Lkrep", p.Lkrep);
    AppendInteger(out, "Rdel", p.Rdel);
    AppendInteger(out, "out_R", p.out_R);
    AppendInteger(out, "Nfull", p.Nfull);
    AppendInteger(out, "Nbig", p.Nbig);
    AppendInteger(out, "Nm", p.Nm);
    AppendInteger(out, "Lbig", p.Lbig);
    AppendInteger(out, "Lsm", p.Lsm);
    AppendInteger(out, "Hbig", p.Hbig);
    AppendInteger(out, "Hsm", p.Hsm);
    AppendInteger(out, "Duga", p.Duga);
    AppendInteger(out, "Hduga", p.Hduga);
    AppendInteger(out, "Los_os", p.Los_os);
    AppendInteger(out, "Los_niz", p.Los_niz);
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
    auto integer = [&](std::string_view key) {
        return ParseInteger(FindParameterValue(text, key));
    };
    ScaleParameters p;
    p.name = FindParameterValue(text, "name");
    p.unit = FindParameterValue(text, "unit");
    p.range = ParseDecimal(FindParameterValue(text, "range"));
    p.alfa = ParseDecimal(FindParameterValue(text, "alfa"));
    p.shape = integer("shape");
    p.Lshk = integer("Lshk");
    p.Hshk = integer("Hshk");
    p.skos = integer("skos");
    p.Rout = integer("Rout");
    p.Rin = integer("Rin");
    p.Lkrep = integer("Lkrep");
    p.Rdel = integer("Rdel");
    p.out_R = integer("out_R");
    p.Nfull = integer("Nfull");
    p.Nbig = integer("Nbig");
    p.Nm = integer("Nm");
    p.Lbig = integer("Lbig");
    p.Lsm = integer("Lsm");
    p.Hbig = integer("Hbig");
    p.Hsm = integer("Hsm");
    p.Duga = integer("Duga");
    p.Hduga = integer("Hduga");
    p.Los_os = integer("Los_os");
    p.Los_niz = integer("Los_niz");
    return p;
}

}  // namespace quirn
