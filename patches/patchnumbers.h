#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// The arithmetic behind the program and bank selectors: what is sent, what is shown and how typed
// numbers are read back.

struct TPatchMessage {
    uint8_t status;
    uint8_t data1;
    uint8_t data2;
    bool operator==(const TPatchMessage& o) const {
        return status == o.status && data1 == o.data1 && data2 == o.data2;
    }
};

// The bank select (controllers 0 and 32, MSB first when asked, left out for bank -1) and the
// program change that choose a sound on channel 0..15. Nothing for program -1.
std::vector<TPatchMessage> ProgramMessages(int channel, int program, int bank, bool msbFirst);

// "none" for -1, else value + offset.
QString NumberText(int value, int offset);
// "Bank: 131 (MSB: 1 LSB: 2)"; empty for bank -1.
QString BankHint(int bank, int offset);

// Typed numbers: "none" means -1 (any letter case for programs, exactly "none" for banks), else
// the decimal number minus offset. False for anything else or a value outside -1..127 (program)
// or -1..16383 (bank).
bool ParseProgramText(const QString& text, int offset, int& value);
bool ParseBankText(const QString& text, int offset, int& value);

// One step through count items from index, wrapping around at both ends.
int WrapIndex(int index, int delta, int count);
// One program step: below -1 becomes 127, above 127 becomes -1.
int StepProgramNumber(int program, int delta);
