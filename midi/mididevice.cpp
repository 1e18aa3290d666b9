#include "midi/mididevice.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <mutex>

const std::array<const char*, 6> LoopbackPrefixes = {
    "LB1", "LB2", "LB3", "LB4", "MIDI Yoke Junction:", "MIDI Yoke NT:"};

std::string MidiErrorMessage(const std::string& extra, bool haveText, const std::string& text) {
    std::string body =
        haveText ? text
                 : QCoreApplication::translate("TMidiDevice", "Unspecified error").toStdString();
    if (extra.empty()) return body;
    return extra + "\r\n" + body;
}

EMidiOutputError EMidiOutputError::FromCode(TMidiOutService& service, MidiResult code,
                                            const std::string& extra) {
    std::string text;
    bool have = service.OutErrorText(code, text);
    return EMidiOutputError(MidiErrorMessage(extra, have, text), code);
}

bool SameDeviceName(const std::string& a, const std::string& b) {
    auto squeeze = [](const std::string& s) {
        QString q = QString::fromStdString(s).toLower();
        q.remove(QLatin1Char(' '));
        return q;
    };
    return squeeze(a) == squeeze(b);
}

bool IsLoopbackName(const std::string& name) {
    for (const char* prefix : LoopbackPrefixes) {
        size_t n = std::strlen(prefix);
        if (name.size() < n) continue;
        bool same = true;
        for (size_t i = 0; i < n && same; ++i)
            same = std::tolower(static_cast<unsigned char>(name[i])) ==
                   std::tolower(static_cast<unsigned char>(prefix[i]));
        if (same) return true;
    }
    return false;
}

namespace {

struct TOpenDeviceRecord {
    std::mutex Lock;
    std::vector<QString> Names[2];
};

TOpenDeviceRecord& Record() {
    static TOpenDeviceRecord record;
    return record;
}

bool SameRecordedName(const QString& a, const QString& b) {
    return QString::localeAwareCompare(a.toCaseFolded(), b.toCaseFolded()) == 0;
}

std::vector<QString>::iterator FindName(std::vector<QString>& list, const QString& name) {
    return std::find_if(list.begin(), list.end(),
                        [&](const QString& n) { return SameRecordedName(n, name); });
}

}  // namespace

void RecordOpen(TMidiDirection dir, const std::string& name) {
    auto& r = Record();
    std::lock_guard<std::mutex> guard(r.Lock);
    auto& list = r.Names[dir];
    QString q = QString::fromStdString(name);
    if (FindName(list, q) == list.end()) list.push_back(q);
}

void RecordClosed(TMidiDirection dir, const std::string& name) {
    auto& r = Record();
    std::lock_guard<std::mutex> guard(r.Lock);
    auto& list = r.Names[dir];
    auto it = FindName(list, QString::fromStdString(name));
    if (it != list.end()) list.erase(it);
}

bool IsRecordedOpen(TMidiDirection dir, const std::string& name) {
    auto& r = Record();
    std::lock_guard<std::mutex> guard(r.Lock);
    auto& list = r.Names[dir];
    return FindName(list, QString::fromStdString(name)) != list.end();
}

std::vector<std::string> RecordedOpenNames(TMidiDirection dir) {
    auto& r = Record();
    std::lock_guard<std::mutex> guard(r.Lock);
    std::vector<std::string> out;
    for (const auto& n : r.Names[dir]) out.push_back(n.toStdString());
    return out;
}

bool WouldCreateLoop(TMidiDirection dir, const std::string& name) {
    if (!IsLoopbackName(name)) return false;
    return IsRecordedOpen(dir == mdOutput ? mdInput : mdOutput, name);
}
