#include "platform/midi/midistream.h"

int TMidiStreamParser::DataBytes(std::uint8_t status) {
    switch (status & 0xF0) {
        case 0xC0:  // program change
        case 0xD0:  // channel pressure
            return 1;
        case 0xF0:
            break;
        default:
            return 2;
    }
    switch (status) {
        case 0xF1:  // time code quarter frame
        case 0xF3:  // song select
            return 1;
        case 0xF2:  // song position
            return 2;
        default:
            return 0;
    }
}

void TMidiStreamParser::Reset() {
    m_status = 0;
    m_count = 0;
    m_inSysEx = false;
}
