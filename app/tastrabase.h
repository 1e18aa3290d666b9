#pragma once

#include <QCoreApplication>
#include <QMainWindow>
#include <QPixmap>
#include <QSpinBox>
#include <cstdint>
#include <functional>

#include "app/displayoffsets.h"
#include "keyboard/noteplayer.h"
#include "keyboard/scanmap.h"
#include "platform/midi/shortmessage.h"

class QComboBox;
class TFrameImage;
class TImgControl;
class QLabel;
class QSlider;
class TKeyboard;
class TSettingsStore;

// The channel field: an up-down 0..15 that shows the channel plus the channel display offset and
// takes typed text minus that offset. Text that is not a channel in range is ignored and the
// channel is shown again.
class TChannelSpin : public QSpinBox {
public:
    // offset lives as long as the field: the window's channel display offset.
    explicit TChannelSpin(const int& offset, QWidget* parent = nullptr);
    int DisplayOffset() const { return m_offset; }
    QString textFromValue(int value) const override;
    QLineEdit* Edit() const { return lineEdit(); }

protected:
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const int& m_offset;
};

// The central area: tiles the background picture, when there is one, over black.
class TClientArea : public QWidget {
public:
    explicit TClientArea(QWidget* parent = nullptr);
    void SetBackground(const QPixmap& tile);
    bool HasBackground() const { return !m_tile.isNull(); }
    std::function<void()> OnResize;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPixmap m_tile;
};

// The base window: the keyboard with its chord box and channel field, the size rules and the
// send event PutShort. Only TTastra2 is ever created.
class TTastra : public QMainWindow {
    Q_DECLARE_TR_FUNCTIONS(TTastra)

public:
    explicit TTastra(QWidget* parent = nullptr);
    ~TTastra() override;

    QString RegKey() const { return m_regKey; }

    // The notes the window plays, and the table its computer keys are read through (the chord
    // editor's keyboard reads the same one).
    TNotePlayer& Player() { return m_player; }
    scanmap::TScanMap& ScanMap() { return m_scanMap; }
    TKeyboard* Keyboard1 = nullptr;
    QComboBox* CBChord = nullptr;
    TChannelSpin* EChannel = nullptr;
    QSlider* TBKeyWidth = nullptr;
    TImgControl* ICPitch = nullptr;
    TImgControl* ICMW = nullptr;
    TImgControl* ICLeftArrow = nullptr;
    TImgControl* ICRightArrow = nullptr;

    // The offsets every number shown in this window and its tool windows counts from.
    TDisplayOffsets& DisplayOffsets() { return m_offsets; }
    int ModulationController() const { return m_mwCtrl; }
    void SetModulationController(int controller) { m_mwCtrl = controller & 127; }

    virtual void UpdateControls();
    virtual int MinWidth() const;
    virtual int MaxWidth() const;
    virtual void LoadSettings(TSettingsStore& store);
    virtual void SaveSettings(TSettingsStore& store);
    virtual void RefreshNumbers();

    // Chord box: index 0..7 are the built-in chords.
    virtual void CBChordClick();
    void EChannelExit();
    void TBKeyWidthChange();
    // Lays the keyboard and the strips beside it out again after its paint style, key width or
    // image size changed.
    void FitKeyboardToStyle();
    // Moves the keyboard and the strips beside it to y in the client area; the window grows or
    // shrinks by as much.
    void SetKeyboardTop(int y);
    static int KeyWidthFromBar(int position);
    static int BarFromKeyWidth(int keyWidth);

    // Sends a controller through PutShort, as the modulation wheel and the mouse wheel do.
    void SendController(int controller, int value);
    // Sends the pitch bend of a wheel position -8192..8191 through PutShort.
    void SendPitchBend(int value);
    bool ArrowsVisible() const;
    void SetArrowsVisible(bool visible);

    TClientArea* ClientArea() const { return m_client; }
    int DesignHeight() const { return m_designHeight; }
    int DesignWidth() const { return m_designWidth; }

protected:
    virtual void FormResize();
    void ApplySizeRules();
    void ShowChannel();
    void CreateStrips();
    void Keyboard1Note(uint8_t status, uint8_t data1, uint8_t data2);

    TSendShort PutShort;
    // The captions of the chord box and the channel field, and the strips the wheels and arrows
    // are drawn from.
    QLabel *Label2 = nullptr, *Label7 = nullptr;
    TFrameImage *FIWheel = nullptr, *FILeftArrow = nullptr, *FIRightArrow = nullptr;
    TDisplayOffsets m_offsets;
    scanmap::TScanMap m_scanMap = scanmap::DefaultScanMap();
    TNotePlayer m_player{&m_scanMap};
    TClientArea* m_client = nullptr;
    QString m_regKey;
    int m_mwCtrl = 1;
    int m_placementFlags = 0;
    int m_designHeight = 0;
    int m_designWidth = 0;
    bool m_updatingControls = false;
};
