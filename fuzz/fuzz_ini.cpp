// INI parser: any input is read; writing it back keeps every line; values written read back
// unchanged and never add sections.
#include <cstdint>
#include <string>

#include "fuzz/fuzzcheck.h"
#include "platform/settings/inidocument.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    TIniDocument d;
    d.Parse(text);
    std::string once = d.Serialize();
    TIniDocument again;
    again.Parse(once);
    FUZZ_CHECK(again.Lines() == d.Lines());

    auto sections = d.Sections();
    for (const auto& s : sections) {
        for (const auto& n : d.Names(s)) {
            std::string v;
            FUZZ_CHECK(d.Find(s, n, v));
        }
    }
    // Write a value taken from the input into the first section (or a new one) and read it back.
    std::string section = sections.empty() ? "New" : sections.front();
    std::string value = text.substr(0, 32);
    d.Set(section, "FuzzValue", value);
    std::string back;
    FUZZ_CHECK(d.Find(section, "fuzzvalue", back));
    std::string expect;
    for (char c : value) expect += (c == '\r' || c == '\n') ? ' ' : c;
    // A value of blanks only reads back empty.
    const bool blank = expect.find_first_not_of(" \t") == std::string::npos;
    FUZZ_CHECK(back == expect || (blank && back.empty()));
    size_t count = d.Sections().size();
    FUZZ_CHECK(count == sections.size() + (sections.empty() ? 1 : 0));
    d.Delete(section, "FUZZVALUE");
    d.EraseSection(section);
    return 0;
}
