// Hive text parser: any input either parses or is refused; what parses (kept lines included)
// writes back to text that parses to the same hive, and editing it keeps it writable.
#include <cstdint>
#include <string>

#include "fuzz/fuzzcheck.h"
#include "platform/registry/hive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    hive::THive h;
    if (!hive::ParseHive(text, h)) return 0;

    // Written back with its keys unread (their lines as they came), then read.
    std::string once = hive::SerializeHive(h);
    hive::THive again;
    FUZZ_CHECK(hive::ParseHive(once, again) && again == h);
    // Written from keys that were read, the text no longer changes.
    std::string twice = hive::SerializeHive(again);
    hive::THive settled;
    FUZZ_CHECK(hive::ParseHive(twice, settled) && settled == again);
    FUZZ_CHECK(hive::SerializeHive(settled) == twice);

    // Store-like edits on every key: list, set, delete (an added value and the key's first
    // value, so that the lines around it come together), erase below.
    for (const auto& [path, key] : h.Keys()) {
        again.SubKeys(path);
        again.SetValue(path, hive::TValue::String("Fuzz\"\\\n", text.substr(0, 16)));
        again.DeleteValue(path, "fuzz\"\\\n");
        for (const hive::TValue& v : key.Values()) {
            if (v.Type() == hive::TValueType::Kept) continue;
            again.DeleteValue(path, v.Name());
            break;
        }
    }
    if (!h.Keys().empty()) again.DeleteKey(h.Keys().begin()->first);
    hive::THive third;
    FUZZ_CHECK(hive::ParseHive(hive::SerializeHive(again), third) && third == again);
    return 0;
}
