#pragma once

#include <QCoreApplication>
#include <QWidget>
#include <functional>

#include "platform/midi/synthcontrol.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The settings window's page of the built-in synth: soundfont, audio output, buffer, reverb,
// chorus and gain, with the delay every note gets and what the synth is doing now.
class TSynthPage : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TSynthPage)

public:
    explicit TSynthPage(QWidget* parent = nullptr);

    // Shows `settings`, and `status` below them.
    void Load(const TSynthSettings& settings, const TSynthStatus& status);
    // The settings as edited.
    TSynthSettings Edited() const;

    // Asks for a soundfont file, starting at `start`; empty when cancelled. Tests replace it.
    std::function<QString(const QString& start)> ChooseSoundfont;

    QLineEdit* ESoundfont = nullptr;
    QPushButton* BBrowseSoundfont = nullptr;
    QPushButton* BDefaultSoundfont = nullptr;
    QComboBox* CBAudioOutput = nullptr;
    QComboBox* CBBufferSize = nullptr;
    QSpinBox* SEBuffers = nullptr;
    QCheckBox* CBReverb = nullptr;
    QCheckBox* CBChorus = nullptr;
    QDoubleSpinBox* SEGain = nullptr;
    QLabel* LDelay = nullptr;
    QLabel* LSynthStatus = nullptr;

private:
    void ShowDelay();

    // The sample rate in use, for the delay; the one asked for while the synth is not playing.
    double m_sampleRate = 48000;
    // JACK's own block while the synth plays into JACK; 0 otherwise.
    int m_jackBlock = 0;
    // While the synth plays through the desktop sound server: its buffer and what the server
    // said it queues after that (frames); 0 otherwise.
    int m_serverBlock = 0;
    int m_serverQueue = 0;
    // The buffer the synth plays with (the figures above hold for it).
    int m_loadedBuffer = 0;
};

// "256 frames, 5.3 ms at 48000 Hz": the delay of one buffer.
QString SynthDelayText(int frames, double sampleRate);
