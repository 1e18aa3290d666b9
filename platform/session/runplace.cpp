#include "platform/session/runplace.h"

#include <unistd.h>

#include <filesystem>
#include <system_error>

namespace {

// JACK allows client names of 63 bytes (64 with the terminating zero); ALSA takes 63 as well.
constexpr size_t kMaxClientName = 63;

}  // namespace

bool SessionPlace(const TNsmSession& session, TRunPlace& place, std::string& error) {
    const std::string& id = session.clientId;
    bool usable = !id.empty() && id.size() <= kMaxClientName;
    for (unsigned char c : id) usable = usable && c != ':' && c >= 0x20 && c != 0x7F;
    if (!usable) {
        error = "The client id \"" + id +
                "\" cannot name a MIDI client (1 to 63 characters, no ':' or control characters).";
        return false;
    }
    if (session.path.empty() || session.path.front() != '/') {
        error = "The session folder \"" + session.path + "\" is not an absolute path.";
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(session.path, ec);
    if (ec || !std::filesystem::is_directory(session.path, ec)) {
        error = "The session folder \"" + session.path +
                "\" cannot be made: " + (ec ? ec.message() : std::string("not a folder"));
        return false;
    }
    if (access(session.path.c_str(), W_OK | X_OK) != 0) {
        error = "The session folder \"" + session.path + "\" cannot be written.";
        return false;
    }
    place.hivePath = session.path + "/registry.reg";
    place.clientName = id;
    return true;
}
