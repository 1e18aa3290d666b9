#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;
class QShowEvent;

// "Warnings and Errors": lists the problems found while loading a patch script. The memo's lines
// are the message list; the loader fills them and shows the window modally.
class TErrForm : public QDialog {
    Q_OBJECT

public:
    explicit TErrForm(QWidget* parent = nullptr);

    QPlainTextEdit* MemoError() const { return m_memoError; }
    QPushButton* BClose() const { return m_bClose; }

    QStringList Lines() const;
    void SetLines(const QStringList& lines);
    void AddLine(const QString& line);
    void Clear();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPlainTextEdit* m_memoError;
    QPushButton* m_bClose;
};
