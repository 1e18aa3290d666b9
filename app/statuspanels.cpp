#include "app/statuspanels.h"

#include <QEvent>
#include <QFontMetrics>
#include <QStringList>
#include <algorithm>

#include "app/texts.h"

void TElidedLabel::SetFullText(const QString& text) {
    m_full = text;
    Elide();
}

void TElidedLabel::SetHint(const QString& hint) {
    m_hint = hint;
    Elide();
}

void TElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Elide();
}

void TElidedLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) Elide();
}

void TElidedLabel::Elide() {
    // A framed label without an indent of its own indents its text by half an "x".
    const int in = indent() >= 0      ? indent()
                   : frameWidth() > 0 ? fontMetrics().horizontalAdvance(QLatin1Char('x')) / 2
                                      : 0;
    const int room = contentsRect().width() - 2 * margin() - in;
    const QString shown = fontMetrics().elidedText(m_full, Qt::ElideRight, std::max(0, room));
    if (text() != shown) setText(shown);
    QStringList tip;
    if (shown != m_full) tip << m_full;
    if (!m_hint.isEmpty()) tip << m_hint;
    setToolTip(tip.join(QLatin1Char('\n')));
}

TStatusPanels::TStatusPanels(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    const int design[5] = {200, 50, 50, 50, 50};
    for (int i = 0; i < 5; ++i) {
        m_panels[i] = new TElidedLabel(this);
        m_panels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        m_panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // Panel 0 stretches over what the others leave.
        if (i == 0)
            m_panels[i]->setMinimumWidth(20);
        else
            m_panels[i]->setFixedWidth(design[i]);
        m_panels[i]->setTextFormat(Qt::PlainText);
        addWidget(m_panels[i], i == 0 ? 1 : 0);
    }
    m_notice = new QLabel(this);
    m_notice->setObjectName(QStringLiteral("Notice"));
    m_notice->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_notice->setTextFormat(Qt::PlainText);
    addWidget(m_notice);
    m_notice->hide();
    m_record = new QLabel(this);
    m_record->setObjectName(QStringLiteral("RecordPanel"));
    m_record->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_record->setTextFormat(Qt::PlainText);
    addWidget(m_record);
    m_record->hide();
}

void TStatusPanels::SetRecordText(const QString& text) {
    if (m_record->text() == text) return;
    m_record->setText(text);
    m_record->setVisible(!text.isEmpty());
}

QString TStatusPanels::RecordText() const { return m_record->text(); }

void TStatusPanels::SetNotice(const QString& text) {
    m_notice->setText(text);
    m_notice->setToolTip(text);
    m_notice->setVisible(!text.isEmpty());
}

QString TStatusPanels::Notice() const { return m_notice->text(); }

void TStatusPanels::SetPanelHint(int panel, const QString& hint) {
    if (panel < 0 || panel > 4) return;
    m_panels[panel]->SetHint(hint);
}

QString TStatusPanels::PanelHint(int panel) const {
    return panel < 0 || panel > 4 ? QString() : m_panels[panel]->Hint();
}

void TStatusPanels::SetPanelText(int panel, const QString& text) {
    if (panel < 0 || panel > 4) return;
    m_panels[panel]->SetFullText(text);
}

QString TStatusPanels::PanelText(int panel) const {
    return panel >= 0 && panel <= 4 ? m_panels[panel]->FullText() : QString();
}

int TStatusPanels::PanelWidth(int panel) const {
    return panel >= 0 && panel <= 4 ? m_panels[panel]->width() : 0;
}

void TStatusPanels::Measure() {
    if (!m_measured) {
        const QFontMetrics fm(font());
        const int pad = 10;
        const int w1 = fm.horizontalAdvance(QStringLiteral("WWWWWWWWW")) + pad;
        const int w2 = fm.horizontalAdvance(texts::Shown(texts::kBaseFormat).arg("WWW")) + pad;
        const int w3 = fm.horizontalAdvance(texts::Shown(texts::kOctaveFormat).arg(122)) + pad;
        const int w4 = fm.horizontalAdvance(QStringLiteral("WWWWWWWWWW")) + pad;
        m_panels[1]->setFixedWidth(w1);
        m_panels[2]->setFixedWidth(w2);
        m_panels[3]->setFixedWidth(w3);
        m_panels[4]->setFixedWidth(w4);
        m_measured = w1 >= 2 && w2 >= 2 && w3 >= 2;
    }
}

void TStatusPanels::Layout() { Measure(); }
