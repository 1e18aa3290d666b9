#include "app/statuspanels.h"

#include <QFontMetrics>

#include "app/texts.h"

TStatusPanels::TStatusPanels(QWidget* parent) : QStatusBar(parent) {
    setSizeGripEnabled(false);
    const int design[5] = {200, 50, 50, 50, 50};
    for (int i = 0; i < 5; ++i) {
        m_panels[i] = new QLabel(this);
        m_panels[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_panels[i]->setFixedWidth(design[i]);
        m_panels[i]->setTextFormat(Qt::PlainText);
        addWidget(m_panels[i], i == 0 ? 1 : 0);
    }
}

void TStatusPanels::SetPanelText(int panel, const QString& text) {
    if (panel < 0 || panel > 4) return;
    m_panels[panel]->setText(text);
}

QString TStatusPanels::PanelText(int panel) const {
    return panel >= 0 && panel <= 4 ? m_panels[panel]->text() : QString();
}

int TStatusPanels::PanelWidth(int panel) const {
    return panel >= 0 && panel <= 4 ? m_panels[panel]->width() : 0;
}

void TStatusPanels::Layout() {
    if (!m_measured) {
        const QFontMetrics fm(font());
        const int pad = 10;
        const int w1 = fm.horizontalAdvance(QStringLiteral("WWWWWWWWW")) + pad;
        const int w2 = fm.horizontalAdvance(QString(texts::kBaseFormat).arg("WWW")) + pad;
        const int w3 = fm.horizontalAdvance(QString(texts::kOctaveFormat).arg(122)) + pad;
        const int w4 = fm.horizontalAdvance(QStringLiteral("WWWWWWWWWW")) + pad;
        m_panels[1]->setFixedWidth(w1);
        m_panels[2]->setFixedWidth(w2);
        m_panels[3]->setFixedWidth(w3);
        m_panels[4]->setFixedWidth(w4);
        m_measured = w1 >= 2 && w2 >= 2 && w3 >= 2;
    }
    int rest = width();
    for (int i = 1; i < 5; ++i) rest -= m_panels[i]->width();
    m_panels[0]->setFixedWidth(std::max(20, rest - 8));
}
