// INI parser: any input is read; writing it back keeps every line; values written read back
// unchanged and never add sections.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/settings/inidocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    TIniDocument d;
    d.Parse(text);
    std::string once = d.Serialize();
    TIniDocument again;
    again.Parse(once);
    if (again.Lines() != d.Lines()) std::abort();

    auto sections = d.Sections();
    for (const auto& s : sections) {
        for (const auto& n : d.Names(s)) {
            std::string v;
            if (!d.Find(s, n, v)) std::abort();
        }
    }
    // Write a value taken from the input into the first section (or a new one) and read it back.
    std::string section = sections.empty() ? "New" : sections.front();
    std::string value = text.substr(0, 32);
    d.Set(section, "FuzzValue", value);
    std::string back;
    if (!d.Find(section, "fuzzvalue", back)) std::abort();
    std::string expect;
    for (char c : value) expect += (c == '\r' || c == '\n') ? ' ' : c;
    if (back != expect && !(expect.find_first_not_of(" \t") == std::string::npos && back.empty()))
        std::abort();
    size_t count = d.Sections().size();
    if (count != sections.size() + (sections.empty() ? 1 : 0)) std::abort();
    d.Delete(section, "FUZZVALUE");
    d.EraseSection(section);
    return 0;
}
