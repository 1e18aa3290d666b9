#include "app/userprompts.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include "app/errform.h"
#include "app/eximhelp.h"
#include "app/messages.h"
#include "app/texts.h"
#include "platform/ui/nameprompt.h"

void TQtPrompts::Error(const QString& text) {
    QMessageBox box(QMessageBox::Critical, texts::kProgramTitle, text, QMessageBox::Ok, m_owner);
    box.exec();
}

void TQtPrompts::Information(const QString& text) {
    QMessageBox box(QMessageBox::Information, texts::kProgramTitle, text, QMessageBox::Ok, m_owner);
    box.exec();
}

bool TQtPrompts::Reminder(const QString& text, bool dontRemind) {
    MessageWithCheckbox(m_owner, text, texts::Shown(texts::kDontRemind), dontRemind,
                        QMessageBox::Information, QMessageBox::Ok);
    return dontRemind;
}

bool TQtPrompts::SnapshotName(QString& name) {
    return AskForName(m_owner, tr("Snapshot name"), tr("Please enter a name for this Snapshot:"),
                      name);
}

void TQtPrompts::ShowWarnings(TErrForm& form) { form.exec(); }

QString TQtPrompts::ChooseFile(bool forExport, const QString& startFile) {
    QFileDialog dialog(m_owner, forExport ? tr("Select export file") : tr("Select import file"));
    dialog.setNameFilter(tr("Ini files (*.ini);;All files (*.*)"));
    dialog.setDefaultSuffix(QStringLiteral("ini"));
    dialog.setAcceptMode(forExport ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forExport ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QFileInfo start(startFile);
    if (!start.path().isEmpty()) dialog.setDirectory(start.absolutePath());
    dialog.selectFile(start.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

bool TQtPrompts::Explain(int index, bool& flag) {
    TExImHelp help(m_owner);
    return help.Explain(index, flag);
}

void TQtPrompts::Pause(int ms) { QThread::msleep(static_cast<unsigned long>(ms)); }

QString TQtPrompts::ChooseMidiFile(bool forSave, const QString& startFile) {
    QFileDialog dialog(m_owner, forSave ? tr("Save Recording") : tr("Play MIDI File"));
    dialog.setNameFilter(tr("MIDI files (*.mid *.midi *.smf);;All files (*)"));
    dialog.setDefaultSuffix(QStringLiteral("mid"));
    dialog.setAcceptMode(forSave ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(forSave ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    const QFileInfo start(startFile);
    if (!start.path().isEmpty()) dialog.setDirectory(start.absolutePath());
    dialog.selectFile(start.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

TUserPrompts::TKeptAnswer TQtPrompts::KeptRecording(const QString& text) {
    QMessageBox box(QMessageBox::Question, tr("Recording kept"), text, QMessageBox::NoButton,
                    m_owner);
    QPushButton* save = box.addButton(tr("&Save..."), QMessageBox::AcceptRole);
    box.addButton(tr("&Later"), QMessageBox::RejectRole);
    QPushButton* discard = box.addButton(tr("&Discard"), QMessageBox::DestructiveRole);
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == save) return kaSave;
    if (box.clickedButton() == discard) return kaDiscard;
    return kaLater;
}
