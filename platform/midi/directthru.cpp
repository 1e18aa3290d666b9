#include "platform/midi/directthru.h"

TDirectThru::TDirectThru() : m_presses(std::make_unique<TKeyPresses[]>(16 * 128)) {}

void TDirectThru::Publish(const TThruShape& shape) {
    m_shapes[m_back] = shape;
    m_back =
        m_middle.exchange(static_cast<std::uint8_t>(m_back | kFresh), std::memory_order_acq_rel) &
        kSlotMask;
}

void TDirectThru::Forget() {
    for (int key = 0; key < 16 * 128; ++key) m_presses[key].Size = 0;
    m_releasesDone.store(m_releasesAsked.load(std::memory_order_acquire),
                         std::memory_order_release);
}
