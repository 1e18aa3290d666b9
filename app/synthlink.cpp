#include "app/synthlink.h"

#include <cmath>

#include "app/userprompts.h"
#include "platform/settings/settingsstore.h"

TSynthLink::TSynthLink(THost host) : m_host(std::move(host)) {
    if (!m_host.synth) return;
    // The synth tells from its own thread; the notices are taken on the window thread.
    m_host.synth->SetOnChange([this] {
        QMetaObject::invokeMethod(
            this, [this] { TakeNotices(); }, Qt::QueuedConnection);
    });
}

TSynthLink::~TSynthLink() {
    // The synth outlives the window: it must not wake a window that is gone.
    if (m_host.synth) m_host.synth->SetOnChange(nullptr);
}

void TSynthLink::LoadSettings(TSettingsStore& store) {
    if (!store.IsRegistry()) return;
    using namespace SynthSettingsKeys;
    TSynthSettings s;
    s.Soundfont = store.ReadString(kSection, kSoundfont, s.Soundfont);
    s.Output = static_cast<TSynthOutput>(
        store.ReadInteger(kSection, kAudioOutput, static_cast<int>(s.Output)));
    s.BufferFrames = store.ReadInteger(kSection, kBufferSize, s.BufferFrames);
    s.Buffers = store.ReadInteger(kSection, kBuffers, s.Buffers);
    s.Reverb = store.ReadBool(kSection, kReverb, s.Reverb);
    s.Chorus = store.ReadBool(kSection, kChorus, s.Chorus);
    s.Gain =
        store.ReadInteger(kSection, kGain, static_cast<int>(std::lround(s.Gain * 100))) / 100.0;
    m_settings = ClampedSynthSettings(s);
    if (m_host.synth) m_host.synth->Restore(m_settings);
}

void TSynthLink::SaveSettings(TSettingsStore& store) {
    if (!store.IsRegistry()) return;
    using namespace SynthSettingsKeys;
    const TSynthSettings s = Settings();
    store.WriteString(kSection, kSoundfont, s.Soundfont);
    store.WriteInteger(kSection, kAudioOutput, static_cast<int>(s.Output));
    store.WriteInteger(kSection, kBufferSize, s.BufferFrames);
    store.WriteInteger(kSection, kBuffers, s.Buffers);
    store.WriteBool(kSection, kReverb, s.Reverb);
    store.WriteBool(kSection, kChorus, s.Chorus);
    store.WriteInteger(kSection, kGain, static_cast<int>(std::lround(s.Gain * 100)));
}

TSynthSettings TSynthLink::Settings() const {
    return m_host.synth ? m_host.synth->Settings() : m_settings;
}

TSynthStatus TSynthLink::Status() const {
    return m_host.synth ? m_host.synth->Status() : TSynthStatus();
}

bool TSynthLink::Apply(const TSynthSettings& settings) {
    if (!m_host.synth) {
        m_settings = ClampedSynthSettings(settings);
        return true;
    }
    const std::string refused = m_host.synth->Apply(settings);
    if (refused.empty()) return true;
    if (m_host.prompts) m_host.prompts->Error(QString::fromStdString(refused));
    return false;
}

void TSynthLink::TakeNotices() {
    for (const TSynthNotice& n : m_host.synth->TakeNotices()) {
        const QString text = QString::fromStdString(n.Text);
        switch (n.Kind) {
            case TSynthNotice::Status:
                if (m_host.statusHint) m_host.statusHint(text);
                break;
            case TSynthNotice::Error:
                if (m_host.statusText) m_host.statusText(text);
                if (m_host.prompts) m_host.prompts->Error(text);
                break;
            case TSynthNotice::Failed:
                if (m_host.failed) m_host.failed(text);
                break;
            case TSynthNotice::Outage:
                // Also the hint: what it plays and how is no longer (or again) true.
                if (m_host.statusText) m_host.statusText(text);
                if (m_host.statusHint) m_host.statusHint(text);
                break;
        }
    }
}
