#include "app/directthrulink.h"

#include <QAction>
#include <QMenu>
#include <chrono>
#include <exception>
#include <thread>

#include "app/disableditem.h"
#include "app/texts.h"
#include "keyboard/noteplayer.h"
#include "midi/midiinput.h"
#include "midi/midioutput.h"
#include "platform/settings/settingsstore.h"

namespace {

// How often a chord or transposition chosen while thru passes notes on reaches the process
// thread; none of the places that change them tells the player's owner.
constexpr int kShapeWatchMs = 10;
// Time the process thread gets to release what it holds: a few cycles of the longest period.
constexpr auto kReleaseWait = std::chrono::milliseconds(300);

}  // namespace

TDirectThruLink::TDirectThruLink(TDirectThruHost host) : m_host(std::move(host)) {
    m_action = new QAction(texts::Shown(texts::kThruWithoutDelay), m_host.menu);
    m_action->setObjectName(QStringLiteral("ThruWithoutDelay1"));
    m_action->setCheckable(true);
    m_host.menu->addAction(m_action);
    connect(m_action, &QAction::triggered, this, [this](bool checked) { SetOn(checked); });
    m_shapeWatch.setInterval(kShapeWatchMs);
    connect(&m_shapeWatch, &QTimer::timeout, this, [this] { Publish(); });
    Show();
}

TDirectThruLink::~TDirectThruLink() { Detach(false); }

bool TDirectThruLink::Possible() {
    return !m_host.input->IsClosed() && !m_host.output->IsClosed() &&
           m_host.input->CanDirectThru() && m_host.output->CanTakeThru();
}

void TDirectThruLink::Show() {
    const bool possible = Possible();
    m_action->setChecked(m_wanted);
    if (!possible) {
        DisableWithReason(m_action, texts::Shown(texts::kThruWithoutDelayUnavailable));
        return;
    }
    m_action->setEnabled(true);
    m_action->setStatusTip(texts::Shown(texts::kThruWithoutDelayHint));
    m_action->setToolTip(QString());
}

void TDirectThruLink::SetOn(bool on) {
    m_wanted = on;
    Apply();
}

void TDirectThruLink::Publish() {
    TNotePlayer& player = *m_host.player;
    TThruShape shape;
    shape.Pass = m_host.midiThru();
    const std::vector<int> tones = player.ThruChordTones();
    shape.ToneCount = 0;
    for (int tone : tones)
        if (shape.ToneCount < TThruShape::kMaxTones)
            shape.Offsets[shape.ToneCount++] = static_cast<std::int8_t>(tone);
    shape.Transpose = player.TransposeThru() ? player.Transpose() : 0;
    shape.ShowSent = player.DisplayTransposed();
    if (m_publishedOnce && shape == m_published) return;
    m_engine.Publish(shape);
    m_published = shape;
    m_publishedOnce = true;
}

void TDirectThruLink::Apply() {
    if (m_wanted && Possible()) {
        Publish();
        const std::string target = m_host.output->ThruInput(true);
        if (!m_active) m_host.thruSwitched();
        if (!target.empty() && m_host.input->SetDirectThru(&m_engine, target)) {
            m_active = true;
            m_shapeWatch.start();
        } else {
            Detach(true);
            m_host.statusText(texts::Shown(texts::kThruWithoutDelayFailed));
        }
    } else if (m_active || !m_wanted) {
        Detach(true);
    }
    Show();
}

void TDirectThruLink::Release() {
    if (!m_active) return;
    m_engine.RequestRelease();
    // The process thread sends the releases at the start of its next cycle; a server that went
    // away took the notes with it.
    const auto giveUp = std::chrono::steady_clock::now() + kReleaseWait;
    while (!m_engine.ReleaseDone() && std::chrono::steady_clock::now() < giveUp &&
           m_host.input->CanDirectThru())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (!m_engine.ReleaseDone() && !m_host.input->CanDirectThru()) m_engine.Forget();
}

void TDirectThruLink::Detach(bool restoreOutput) {
    m_shapeWatch.stop();
    const bool wasActive = m_active;
    m_active = false;
    // Once the input's port runs without the engine, nothing else touches what it holds.
    if (!m_host.input->IsClosed()) m_host.input->SetDirectThru(nullptr, std::string());
    if (restoreOutput && !m_host.output->IsClosed()) m_host.output->ThruInput(false);
    if (!wasActive) return;
    m_host.thruSwitched();
    const bool outputAlive = !m_host.output->IsClosed() && m_host.output->CanTakeThru();
    if (!outputAlive) {
        m_engine.Forget();
        return;
    }
    m_engine.ReleaseHeld([this](std::uint32_t, const std::uint8_t* bytes, std::size_t) {
        try {
            m_host.send(bytes[0], bytes[1], bytes[2]);
        } catch (const std::exception&) {
            // A device that fails now is reported by the next send of the window's own.
        }
    });
}

void TDirectThruLink::LoadSettings(TSettingsStore& store, const std::string& section) {
    m_wanted = store.ReadBool(section, keys::kThruWithoutDelay, m_wanted);
    Apply();
}

void TDirectThruLink::SaveSettings(TSettingsStore& store, const std::string& section) {
    store.WriteBool(section, keys::kThruWithoutDelay, m_wanted);
}
