#pragma once

#include <QCoreApplication>
#include <QGroupBox>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>
#include <functional>

#include "keyboard/keylabels.h"
#include "keyboard/keymapeditor.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class TKeyboard;

// Settings pages of the keyboard's labels and key maps. Each shows the keyboard's values on
// Load and hands the edited ones back on Apply, as the settings window's other pages do.

// "Labels": note names on the keys, the computer keys' legends and the channel colours.
class TLabelsPage : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TLabelsPage)

public:
    // channelOffset: the number the first channel is shown as (0 or 1).
    explicit TLabelsPage(const int& channelOffset, QWidget* parent = nullptr);

    QComboBox* CBKeyLabels = nullptr;
    QCheckBox* CBFlats = nullptr;
    QComboBox* CBMiddleC = nullptr;
    QCheckBox* CBLegends = nullptr;
    QCheckBox* CBChannelColours = nullptr;
    std::array<QPushButton*, 16> BChannel{};
    QPushButton* BDefaultColours = nullptr;
    QCheckBox* CBPressedFill = nullptr;
    QPushButton* BPressedColour = nullptr;

    // Asks for a channel's colour; an invalid colour when the user cancels. Unset: the colour
    // dialog.
    std::function<QColor(const QColor& current, const QString& title)> ChooseColour;

    void Load(const TKeyboard& keyboard);
    void Apply(TKeyboard& keyboard) const;
    const TChannelPalette& Palette() const { return m_palette; }
    void BChannelClick(int channel);
    void BPressedColourClick();

private:
    void ShowPalette();

    const int& m_channelOffset;
    TChannelPalette m_palette = keylabels::DefaultPalette();
    QColor m_pressedColour = keylabels::DefaultPressedColour();
};

// "Keys": the key map file the computer keys play through, and its editor.
class TKeysPage : public QWidget {
    Q_DECLARE_TR_FUNCTIONS(TKeysPage)

public:
    // keyMapFolder: where the file dialog opens (the shipped maps).
    explicit TKeysPage(const QString& keyMapFolder, QWidget* parent = nullptr);

    QLineEdit* EMapFile = nullptr;
    QPushButton* BChooseMap = nullptr;
    QPushButton* BPianoRows = nullptr;
    QPushButton* BEditMap = nullptr;
    QLabel* LMapInfo = nullptr;

    // Asks for a key map file to open, offering startPath; empty when cancelled. Unset: the file
    // dialog.
    std::function<QString(const QString& startPath)> ChooseFile;
    // Asks where the editor saves a map; passed on to the editor (unset: its own dialog).
    std::function<QString(const QString& startPath)> ChooseSaveFile;

    void Load(TKeyboard& keyboard);
    void Apply(TKeyboard& keyboard) const;
    // The file chosen on the page (empty: the two piano rows).
    QString MapFile() const { return m_path; }
    // Takes the file when it is a key map; otherwise shows why and keeps the previous choice.
    bool ChooseMapFile(const QString& path);
    void BChooseMapClick();
    void BEditMapClick();
    TKeyMapEditor* Editor() const { return m_editor; }

private:
    void ShowMap();

    QString m_folder;
    QString m_path;
    QString m_info;
    TKeyboard* m_keyboard = nullptr;
    QPointer<TKeyMapEditor> m_editor;
};

// The group of the "Playing" page that plays beyond the one velocity: the velocity from where a
// key is struck, every finger on a touch screen, and pressure while a key is held.
class TTouchGroup : public QGroupBox {
    Q_DECLARE_TR_FUNCTIONS(TTouchGroup)

public:
    explicit TTouchGroup(QWidget* parent = nullptr);

    QCheckBox* CBVelocityFromHeight = nullptr;
    QSpinBox* SBVelocityMin = nullptr;
    QSpinBox* SBVelocityMax = nullptr;
    QCheckBox* CBMultiTouch = nullptr;
    QCheckBox* CBTouchPressure = nullptr;
    QComboBox* CBKeyPressure = nullptr;

    void Load(const TKeyboard& keyboard);
    void Apply(TKeyboard& keyboard) const;

private:
    void Enable();
};
