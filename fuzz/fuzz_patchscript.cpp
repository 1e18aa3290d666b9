// Patch script parser: any bytes load or are refused with a message; a loaded list keeps every
// number in its range, and the header alone reads the same as the header of the full load.
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

#include "fuzz/fuzzcheck.h"
#include "patches/patchlist.h"

namespace {

// Walks a group: programs 0..127, banks -1..16383, key names complete, parents right.
void CheckGroup(const TPatchModeGroup& group, int depth) {
    FUZZ_CHECK(depth <= 10);
    for (int i = 0; i < group.ProgramCount(); ++i) {
        const TPatchProgram* p = group.Program(i);
        FUZZ_CHECK(p->Group() == &group);
        FUZZ_CHECK(p->Program() >= 0 && p->Program() <= 127);
        FUZZ_CHECK(p->Bank() >= -1 && p->Bank() <= 16383);
        FUZZ_CHECK(!p->KeyNames() || p->KeyNames()->size() == 128);
        FUZZ_CHECK(p->DisplayText(1).startsWith(p->Name()));
    }
    for (int i = 0; i < group.SubgroupCount(); ++i) {
        const TPatchModeGroup* g = group.Subgroup(i);
        FUZZ_CHECK(g->Parent() == &group && !g->IsMode());
        CheckGroup(*g, depth + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QStringList messages;
    std::unique_ptr<TPatchList> list;
    try {
        list = TPatchList::LoadFromBytes(bytes, QStringLiteral("fuzz.txt"), &messages, false);
    } catch (const TPatchScriptParseException& e) {
        // The error is the last message, with its line prefix.
        FUZZ_CHECK(!messages.isEmpty() && messages.last().toStdString() == e.what());
        FUZZ_CHECK(messages.last().startsWith(QStringLiteral("Line ")));
        return 0;
    } catch (const std::runtime_error&) {
        return 0;
    }
    for (const QString& m : messages) FUZZ_CHECK(m.startsWith(QStringLiteral("Line ")));
    for (int i = 0; i < list->ModeCount(); ++i) {
        const TPatchModeGroup* mode = list->Mode(i);
        FUZZ_CHECK(mode->IsMode() && mode->List() == list.get());
        FUZZ_CHECK(mode->MidiChannel() >= -1 && mode->MidiChannel() <= 15);
        FUZZ_CHECK(list->FindMode(mode->Name()) != nullptr);
        CheckGroup(*mode, 0);
    }
    const auto header = TPatchList::LoadFromBytes(bytes, QString(), nullptr, true);
    FUZZ_CHECK(header->DeviceName == list->DeviceName && header->ScriptName == list->ScriptName &&
               header->SwapValueBytes == list->SwapValueBytes &&
               header->SendMsbFirst == list->SendMsbFirst);
    return 0;
}
