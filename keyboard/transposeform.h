#pragma once

#include <QCoreApplication>
#include <QDialog>
#include <QString>
#include <functional>
#include <memory>

#include "platform/settings/settingsstore.h"

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TKeyboard;
class TUpDown;

// Section and value names of the transpose window, exactly as stored.
inline constexpr const char* kTransposeFormSection = "TransposeForm";
inline constexpr const char* kTransposeFormPrefix = "Form";
inline constexpr const char* kTransposeShowHelp = "ShowHelp";

// The small tool window in which the user sets the keyboard's transposition and its two options.
// Every change goes to the keyboard at once. Unless "keep" is checked, closing resets the
// transposition to 0. The window frees itself when closed.
class TTransposeForm : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TTransposeForm)

public:
    TTransposeForm(TKeyboard& keyboard, TStoreOpener openStore, QWidget* owner = nullptr);

    QLabel* Label1 = nullptr;
    QLineEdit* ETranspose = nullptr;
    TUpDown* UDTranspose = nullptr;
    QCheckBox* CBDisplayBeforeKeyb = nullptr;
    QCheckBox* CBThru = nullptr;
    QCheckBox* CBKeepTranspose = nullptr;
    QPushButton* BClose = nullptr;
    QPushButton* BHelp = nullptr;
    QFrame* HelpPanel = nullptr;

    bool HelpVisible() const { return m_helpVisible; }
    void SetHelpVisible(bool show);

    // Applies the edit field's text when it is a whole number from -99 to 99.
    void ApplyEditText();

    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BHelpClick();
    // Places the controls at their design positions, moved and grown where the font needs it.
    void LayOutToFont();
    void SaveValues();

    TKeyboard& m_keyboard;
    TStoreOpener m_openStore;
    QFrame* m_bevel = nullptr;
    QString m_helpCaption;
    int m_gap = 8;
    bool m_helpVisible = true;
    bool m_shown = false;
    bool m_closed = false;
};
