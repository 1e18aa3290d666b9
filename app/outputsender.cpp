#include "app/outputsender.h"

#include <exception>

#include "app/userprompts.h"
#include "midi/midioutput.h"

TOutputSender::TOutputSender(std::function<TMidiOutput&()> output, TUserPrompts& prompts,
                             std::function<void(const QString&)> statusText)
    : m_output(std::move(output)), m_prompts(prompts), m_statusText(std::move(statusText)) {}

bool TOutputSender::Send(uint8_t status, uint8_t data1, uint8_t data2) {
    if (OnSent) OnSent(status, data1, data2);
    try {
        m_output().SendShort(status, data1, data2);
        return true;
    } catch (const std::exception& e) {
        Failed(QString::fromStdString(e.what()));
        return false;
    }
}

void TOutputSender::Sent(uint8_t status, uint8_t data1, uint8_t data2, const QString& failure) {
    if (OnSent) OnSent(status, data1, data2);
    if (!failure.isEmpty()) Failed(failure);
}

void TOutputSender::Failed(const QString& failure) {
    TMidiOutput& output = m_output();
    const bool open = !output.IsClosed();
    const std::string name = output.DeviceName();
    output.CheckDevicePresent();
    DeviceFailed(failure);
    if (open && output.IsClosed() && OnDeviceVanished) OnDeviceVanished(name);
}

void TOutputSender::DeviceFailed(const QString& text) {
    m_statusText(text.section(QLatin1Char('\n'), -1).trimmed());
    if (m_errorShown) return;
    m_errorShown = true;
    m_prompts.Error(text);
}
