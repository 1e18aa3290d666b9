#include "platform/session/runplace.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QString>
#include <filesystem>
#include <system_error>

namespace {

// JACK allows client names of 63 bytes (64 with the terminating zero); ALSA takes 63 as well.
constexpr size_t kMaxClientName = 63;

std::string Fill(const QString& text, const std::string& subject, const std::string& reason) {
    // Both values go in at once, so a "%2" inside a folder's name stays as it is.
    return (text.contains(QLatin1String("%2"))
                ? text.arg(QString::fromStdString(subject), QString::fromStdString(reason))
                : text.arg(QString::fromStdString(subject)))
        .toStdString();
}

}  // namespace

std::string TPlaceError::English() const { return Fill(QString::fromUtf8(text), subject, reason); }

std::string TPlaceError::Translated() const {
    return Fill(QCoreApplication::translate("TNsmClient", text), subject, reason);
}

bool SessionPlace(const TNsmSession& session, TRunPlace& place, TPlaceError& error) {
    const std::string& id = session.clientId;
    bool usable = !id.empty() && id.size() <= kMaxClientName;
    for (unsigned char c : id) usable = usable && c != ':' && c >= 0x20 && c != 0x7F;
    if (!usable) {
        error = {QT_TRANSLATE_NOOP("TNsmClient",
                                   "The client id \"%1\" cannot name a MIDI client (1 to 63 "
                                   "characters, no ':' or control characters)."),
                 id, {}};
        return false;
    }
    if (session.path.empty() || session.path.front() != '/') {
        error = {QT_TRANSLATE_NOOP("TNsmClient",
                                   "The session folder \"%1\" is not an absolute path."),
                 session.path, {}};
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(session.path, ec);
    if (ec || !std::filesystem::is_directory(session.path, ec)) {
        error = ec ? TPlaceError{QT_TRANSLATE_NOOP("TNsmClient",
                                                   "The session folder \"%1\" cannot be made: %2"),
                                 session.path, ec.message()}
                   : TPlaceError{QT_TRANSLATE_NOOP("TNsmClient",
                                                   "The session folder \"%1\" cannot be made: it "
                                                   "is not a folder"),
                                 session.path, {}};
        return false;
    }
    if (access(session.path.c_str(), W_OK | X_OK) != 0) {
        error = {QT_TRANSLATE_NOOP("TNsmClient", "The session folder \"%1\" cannot be written."),
                 session.path, {}};
        return false;
    }
    place.hivePath = session.path + "/registry.reg";
    place.clientName = id;
    return true;
}
