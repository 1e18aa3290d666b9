#pragma once

#include "support/virtualmidi.h"

// Virtual MIDI services that count how often their device list is asked for: with a real MIDI
// system each look may connect to a server and wait for its answer.
class TCountingOut : public TVirtualMidiService {
public:
    using TVirtualMidiService::TVirtualMidiService;
    int OutCount() override {
        ++Looks;
        return TVirtualMidiService::OutCount();
    }
    int Looks = 0;
};

class TCountingIn : public TVirtualMidiInService {
public:
    using TVirtualMidiInService::TVirtualMidiInService;
    int InCount() override {
        ++Looks;
        return TVirtualMidiInService::InCount();
    }
    int Looks = 0;
};
