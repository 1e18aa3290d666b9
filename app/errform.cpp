#include "app/errform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TErrForm::TErrForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Warnings and Errors"));
    setSizeGripEnabled(true);
    resize(480, 300);

    auto* header = new QLabel(tr(" The following warnings and/or errors occured:"), this);
    header->setObjectName("LabelHeader");

    m_memoError = new QPlainTextEdit(this);
    m_memoError->setObjectName("MemoError");
    m_memoError->setReadOnly(true);
    m_memoError->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_memoError->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_memoError->setFocusPolicy(Qt::NoFocus);

    m_bClose = new QPushButton(tr("Close"), this);
    m_bClose->setObjectName("BClose");
    m_bClose->setDefault(true);
    connect(m_bClose, &QPushButton::clicked, this, &QDialog::accept);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(m_bClose);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addWidget(m_memoError, 1);
    layout->addLayout(bottom);
}

QStringList TErrForm::Lines() const {
    QString text = m_memoError->toPlainText();
    return text.isEmpty() ? QStringList() : text.split('\n');
}

void TErrForm::SetLines(const QStringList& lines) { m_memoError->setPlainText(lines.join('\n')); }

void TErrForm::AddLine(const QString& line) { m_memoError->appendPlainText(line); }

void TErrForm::Clear() { m_memoError->clear(); }

void TErrForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    m_bClose->setFocus();
}
