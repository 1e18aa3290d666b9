#pragma once

#include <QCoreApplication>
#include <QString>

class QWidget;
class TErrForm;

// Everything the main window and its parts ask or tell the user. The program answers through
// dialogs (TQtPrompts); tests hand in scripted answers.
class TUserPrompts {
public:
    virtual ~TUserPrompts() = default;

    // An error box.
    virtual void Error(const QString& text) = 0;
    // The result of a command.
    virtual void Information(const QString& text) = 0;
    // A notice with a "don't remind me" check box that starts as dontRemind; returns its state.
    virtual bool Reminder(const QString& text, bool dontRemind) = 0;
    // Asks for a snapshot's name (name holds the current one); false on cancel.
    virtual bool SnapshotName(QString& name) = 0;
    // Shows the warnings window modally.
    virtual void ShowWarnings(TErrForm& form) = 0;
    // The export (forExport) or import file dialog offering startFile; empty when cancelled.
    virtual QString ChooseFile(bool forExport, const QString& startFile) = 0;
    // Explains import/export command index (0-3 the exports, 4-7 the imports) and returns
    // whether to go on; on OK flag becomes the overwrite choice or "don't show again".
    virtual bool Explain(int index, bool& flag) = 0;
    // Waits with the window busy (Panic between channels).
    virtual void Pause(int ms) = 0;
    // The file dialog for a MIDI file to save (forSave) or to play, offering startFile; empty
    // when cancelled.
    virtual QString ChooseMidiFile(bool forSave, const QString& startFile) {
        static_cast<void>(forSave);
        static_cast<void>(startFile);
        return QString();
    }
    // What to do with a recording kept from an earlier run (text says which).
    enum TKeptAnswer { kaSave, kaLater, kaDiscard };
    virtual TKeptAnswer KeptRecording(const QString& text) {
        static_cast<void>(text);
        return kaLater;
    }
};

// The dialogs of the program, owned by a window.
class TQtPrompts : public TUserPrompts {
    Q_DECLARE_TR_FUNCTIONS(TQtPrompts)

public:
    explicit TQtPrompts(QWidget* owner) : m_owner(owner) {}

    void Error(const QString& text) override;
    void Information(const QString& text) override;
    bool Reminder(const QString& text, bool dontRemind) override;
    bool SnapshotName(QString& name) override;
    void ShowWarnings(TErrForm& form) override;
    QString ChooseFile(bool forExport, const QString& startFile) override;
    bool Explain(int index, bool& flag) override;
    void Pause(int ms) override;
    QString ChooseMidiFile(bool forSave, const QString& startFile) override;
    TKeptAnswer KeptRecording(const QString& text) override;

private:
    QWidget* m_owner;
};
