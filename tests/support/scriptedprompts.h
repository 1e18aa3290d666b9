#pragma once

#include <QList>
#include <QStringList>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include "app/errform.h"
#include "app/userprompts.h"

// Answers every question of a main window from the test's script and records what was asked.
class TScriptedPrompts : public TUserPrompts {
public:
    void Error(const QString& text) override { errors << text; }
    void Information(const QString& text) override { information << text; }
    bool Reminder(const QString& text, bool dontRemind) override {
        reminders << text;
        return dontRemind || tickDontRemind;
    }
    bool SnapshotName(QString& name) override {
        offeredNames << name;
        if (snapshotName) name = *snapshotName;
        return snapshotName.has_value();
    }
    void ShowWarnings(TErrForm& form) override { warnings << form.Lines(); }
    QString ChooseFile(bool forExport, const QString& startFile) override {
        offeredFiles << startFile;
        return forExport ? exportTo : importFrom;
    }
    bool Explain(int index, bool& flag) override {
        explained << index;
        flagsOffered << flag;
        if (explainAnswers.empty()) return true;
        const auto [ok, chosen] = explainAnswers.front();
        explainAnswers.pop_front();
        if (ok) flag = chosen;
        return ok;
    }
    void Pause(int ms) override { pauses.push_back(ms); }
    QString ChooseMidiFile(bool forSave, const QString& startFile) override {
        offeredFiles << startFile;
        return forSave ? saveMidiTo : playMidiFrom;
    }
    TKeptAnswer KeptRecording(const QString& text) override {
        keptAsked << text;
        return keptAnswer;
    }

    QStringList errors, information, reminders, offeredNames, offeredFiles;
    QList<QStringList> warnings;
    QList<int> explained;
    QList<bool> flagsOffered;
    std::vector<int> pauses;
    bool tickDontRemind = false;
    // The name typed for a snapshot; none: cancelled.
    std::optional<QString> snapshotName;
    QString exportTo, importFrom;
    QString saveMidiTo, playMidiFrom;
    QStringList keptAsked;
    TKeptAnswer keptAnswer = kaLater;
    // Explanations answered in turn (go on, flag chosen); past the last one: go on, flag kept.
    std::deque<std::pair<bool, bool>> explainAnswers;
};
