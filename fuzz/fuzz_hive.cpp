// Hive text parser: any input either parses or is refused; what parses writes back to text that
// parses to the same hive, and editing it keeps it writable.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/registry/hive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    hive::THive h;
    if (!hive::ParseHive(text, h)) return 0;

    std::string once = hive::SerializeHive(h);
    hive::THive again;
    if (!hive::ParseHive(once, again) || !(again == h)) std::abort();
    if (hive::SerializeHive(again) != once) std::abort();

    // Store-like edits on every key: list, set, delete, erase below.
    for (const auto& [path, key] : h.Keys()) {
        (void)key;
        again.SubKeys(path);
        hive::TValue v;
        v.name = "Fuzz\"\\\n";
        v.text = text.substr(0, 16);
        again.SetValue(path, v);
        again.DeleteValue(path, "fuzz\"\\\n");
    }
    if (!h.Keys().empty()) again.DeleteKey(h.Keys().begin()->first);
    hive::THive third;
    if (!hive::ParseHive(hive::SerializeHive(again), third) || !(third == again)) std::abort();
    return 0;
}
