#include "patches/patchnumbers.h"

#include <QCoreApplication>

#include "platform/settings/settingsstore.h"

std::vector<TPatchMessage> ProgramMessages(int channel, int program, int bank, bool msbFirst) {
    std::vector<TPatchMessage> out;
    if (program < 0) return out;
    const auto control = static_cast<uint8_t>(0xB0 + (channel & 15));
    if (bank >= 0) {
        const TPatchMessage msb{control, 0, static_cast<uint8_t>((bank >> 7) & 127)};
        const TPatchMessage lsb{control, 32, static_cast<uint8_t>(bank & 127)};
        out.push_back(msbFirst ? msb : lsb);
        out.push_back(msbFirst ? lsb : msb);
    }
    out.push_back(
        {static_cast<uint8_t>(0xC0 + (channel & 15)), static_cast<uint8_t>(program & 127), 0});
    return out;
}

namespace {
// "none" in the user's language; typed, the English word is understood too.
QString NoneText() { return QCoreApplication::translate("TSoundSelection", "none"); }
}  // namespace

QString NumberText(int value, int offset) {
    return value == -1 ? NoneText() : QString::number(value + offset);
}

QString BankHint(int bank, int offset) {
    if (bank == -1) return QString();
    return QCoreApplication::translate("TSoundSelection", "Bank: %1 (MSB: %2 LSB: %3)")
        .arg(bank + offset)
        .arg((bank >> 7) & 127)
        .arg(bank & 127);
}

namespace {
bool ParseNumber(const QString& text, bool anyCaseNone, int offset, int max, int& value) {
    const bool none = anyCaseNone ? text.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0 ||
                                        text.compare(NoneText(), Qt::CaseInsensitive) == 0
                                  : text == QLatin1String("none") || text == NoneText();
    if (none) {
        value = -1;
        return true;
    }
    int v = 0;
    if (!ParseDecimalInt(text.toStdString(), v)) return false;
    const long long r = static_cast<long long>(v) - offset;
    if (r < -1 || r > max) return false;
    value = static_cast<int>(r);
    return true;
}
}  // namespace

bool ParseProgramText(const QString& text, int offset, int& value) {
    return ParseNumber(text, true, offset, 127, value);
}

bool ParseBankText(const QString& text, int offset, int& value) {
    return ParseNumber(text, false, offset, 16383, value);
}

int WrapIndex(int index, int delta, int count) {
    if (count <= 0) return -1;
    const int i = index + delta;
    if (i < 0) return count - 1;
    if (i >= count) return 0;
    return i;
}

int StepProgramNumber(int program, int delta) {
    const int v = program + delta;
    if (v < -1) return 127;
    if (v > 127) return -1;
    return v;
}
