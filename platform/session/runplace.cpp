#include "platform/session/runplace.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

#include "platform/lib/translatedtext.h"

namespace {

// JACK allows client names of 63 bytes (64 with the terminating zero); ALSA takes 63 as well.
constexpr size_t kMaxClientName = 63;

template <typename... TArgs>
std::string Tr(const char* text, const TArgs&... values) {
    return TranslatedText("TNsmClient", text, values...);
}

}  // namespace

bool SessionPlace(const TNsmSession& session, TRunPlace& place, std::string& error) {
    const std::string& id = session.clientId;
    bool usable = !id.empty() && id.size() <= kMaxClientName;
    for (unsigned char c : id) usable = usable && c != ':' && c >= 0x20 && c != 0x7F;
    if (!usable) {
        error = Tr(QT_TRANSLATE_NOOP("TNsmClient",
                                     "The client id \"%1\" cannot name a MIDI client (1 to 63 "
                                     "characters, no ':' or control characters)."),
                   id);
        return false;
    }
    if (session.path.empty() || session.path.front() != '/') {
        error = Tr(QT_TRANSLATE_NOOP("TNsmClient",
                                     "The session folder \"%1\" is not an absolute path."),
                   session.path);
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(session.path, ec);
    if (ec || !std::filesystem::is_directory(session.path, ec)) {
        error = ec ? Tr(QT_TRANSLATE_NOOP("TNsmClient",
                                          "The session folder \"%1\" cannot be made: %2"),
                        session.path, ec.message())
                   : Tr(QT_TRANSLATE_NOOP("TNsmClient",
                                          "The session folder \"%1\" cannot be made: it is "
                                          "not a folder"),
                        session.path);
        return false;
    }
    if (access(session.path.c_str(), W_OK | X_OK) != 0) {
        error = Tr(QT_TRANSLATE_NOOP("TNsmClient", "The session folder \"%1\" cannot be written."),
                   session.path);
        return false;
    }
    place.hivePath = session.path + "/registry.reg";
    place.clientName = id;
    return true;
}
