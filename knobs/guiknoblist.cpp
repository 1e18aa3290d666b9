#include "knobs/guiknoblist.h"

#include <QEvent>
#include <QLabel>
#include <algorithm>

#include "controls/wheel.h"
#include "knobs/knobnames.h"

// Double clicks on a knob's labels reset the knob like a double click on the knob itself.
class TGUIKnobList::TLabelFilter : public QObject {
public:
    explicit TLabelFilter(TGUIKnobList* list) : m_list(list) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) {
            const int i = m_list->IndexOfLabel(watched);
            if (i >= 0) m_list->KnobDblClick(i);
        }
        return false;
    }

private:
    TGUIKnobList* m_list;
};

TGUIKnobEntry::TGUIKnobEntry(QLabel* captionLabel, TWheel* knob, QLabel* valueLabel, int controller,
                             int displayMode, int defaultValue)
    : TKnobEntry(QString(), controller, displayMode, defaultValue),
      CaptionLabel(captionLabel),
      Knob(knob),
      ValueLabel(valueLabel) {}

QString TGUIKnobEntry::GetCaption() const { return TKnobEntry::GetCaption(); }

void TGUIKnobEntry::SetCaption(const QString& caption) {
    TKnobEntry::SetCaption(caption);
    if (CaptionLabel) CaptionLabel->setText(ShownKnobCaption(caption));
}

TGUIKnobList::TGUIKnobList(QLabel* captionPattern, QLabel* valuePattern, TWheel* knobPattern)
    : m_captionPattern(captionPattern),
      m_valuePattern(valuePattern),
      m_knobPattern(knobPattern),
      m_labelFilter(std::make_unique<TLabelFilter>(this)) {
    m_knobHome = knobPattern->geometry();
    m_captionHome = captionPattern->geometry();
    if (valuePattern) m_valueHome = valuePattern->geometry();
    BindKnob(knobPattern);
    captionPattern->installEventFilter(m_labelFilter.get());
    if (valuePattern) valuePattern->installEventFilter(m_labelFilter.get());
}

TGUIKnobList::~TGUIKnobList() {
    Clear();
    // The patterns outlive the list: they must not call back into it.
    if (m_knobPattern) {
        m_knobPattern->OnTrack = nullptr;
        m_knobPattern->OnSelect = nullptr;
        m_knobPattern->OnPosChange = nullptr;
        m_knobPattern->OnDblClick = nullptr;
        m_knobPattern->OnGetTrackHint = nullptr;
    }
}

void TGUIKnobList::BindKnob(TWheel* knob) {
    knob->OnTrack = [this](QObject* sender) { KnobTrack(sender); };
    knob->OnSelect = [this](QObject* sender) { KnobSelect(sender); };
    knob->OnPosChange = [this](QObject* sender) { KnobPosChange(sender); };
    knob->OnDblClick = [this](QObject* sender) {
        const int i = IndexOfKnob(sender);
        if (i >= 0) KnobDblClick(i);
    };
    knob->OnGetTrackHint = [this](QObject* sender, QString& caption) {
        const int i = IndexOfKnob(sender);
        if (i >= 0) caption = HintText(DisplayMode(i), KnobPosition(i), Caption(i));
    };
}

QLabel* TGUIKnobList::CopyLabel(QLabel* pattern) {
    auto* label = new QLabel(pattern->parentWidget());
    label->hide();
    label->setAlignment(pattern->alignment());
    label->setFont(pattern->font());
    label->setPalette(pattern->palette());
    label->setAutoFillBackground(pattern->autoFillBackground());
    label->setStyleSheet(pattern->styleSheet());
    label->resize(pattern->size());
    label->installEventFilter(m_labelFilter.get());
    return label;
}

void TGUIKnobList::CreateEntry(const QString& caption, int controller, int displayMode,
                               int defaultValue) {
    QLabel* captionLabel = m_captionPattern;
    QLabel* valueLabel = m_valuePattern;
    TWheel* knob = m_knobPattern;
    if (!m_items.empty()) {
        captionLabel = CopyLabel(m_captionPattern);
        valueLabel = m_valuePattern ? CopyLabel(m_valuePattern) : nullptr;
        const TWheel* p = m_knobPattern;
        knob = new TWheel(p->parentWidget());
        knob->hide();
        knob->SetBounds(p->x(), p->y(), p->width(), p->height());
        knob->SetScale(p->Scale());
        knob->SetScaleLength(p->ScaleLength());
        knob->SetPointerDistance(p->PointerDistance());
        knob->SetPositionMax(p->PositionMax());
        knob->SetScaleColor(p->ScaleColor());
        knob->SetWheelFrame(p->WheelFrame());
        knob->SetWheelColor(p->WheelColor());
        knob->SetFocusAction(p->FocusAction());
        knob->SetFocusColor(p->FocusColor());
        knob->SetShowTrackHint(p->ShowTrackHint());
        knob->setToolTip(p->toolTip());
        knob->setStatusTip(p->statusTip());
        BindKnob(knob);
    }
    auto entry = std::make_unique<TGUIKnobEntry>(captionLabel, knob, valueLabel, controller,
                                                 displayMode, defaultValue);
    entry->SetCaption(caption);
    captionLabel->hide();
    knob->hide();
    if (valueLabel) valueLabel->hide();
    m_items.push_back(std::move(entry));
    SetKnobPosition(Count() - 1, defaultValue);
}

void TGUIKnobList::DeleteEntry(TKnobEntry* entry) {
    auto* e = static_cast<TGUIKnobEntry*>(entry);
    if (e->Knob && e->Knob != m_knobPattern) {
        e->Knob->OnTrack = nullptr;
        e->Knob->OnSelect = nullptr;
        e->Knob->OnPosChange = nullptr;
        e->Knob->OnDblClick = nullptr;
        e->Knob->OnGetTrackHint = nullptr;
        e->Knob->hide();
        e->Knob->deleteLater();
    }
    for (QLabel* label : {e->CaptionLabel.data(), e->ValueLabel.data()}) {
        if (!label || label == m_captionPattern || label == m_valuePattern) continue;
        label->removeEventFilter(m_labelFilter.get());
        label->hide();
        label->deleteLater();
    }
    TKnobList::DeleteEntry(entry);
}

void TGUIKnobList::Clear() {
    TKnobList::Clear();
    for (QWidget* w : {static_cast<QWidget*>(m_captionPattern.data()),
                       static_cast<QWidget*>(m_valuePattern.data()),
                       static_cast<QWidget*>(m_knobPattern.data())})
        if (w) w->hide();
}

TGUIKnobEntry* TGUIKnobList::Entry(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return static_cast<TGUIKnobEntry*>(Items(index));
}

int TGUIKnobList::IndexOfKnob(const QObject* knob) const {
    for (int i = 0; i < Count(); ++i)
        if (Entry(i)->Knob == knob) return i;
    return -1;
}

int TGUIKnobList::IndexOfLabel(const QObject* label) const {
    for (int i = 0; i < Count(); ++i)
        if (Entry(i)->CaptionLabel == label || Entry(i)->ValueLabel == label) return i;
    return -1;
}

void TGUIKnobList::SetArea(int left, int width) {
    m_areaLeft = left;
    m_areaWidth = std::max(0, width);
    Arrange();
}

int TGUIKnobList::ColumnWidth(int areaWidth, int count, int knobWidth) {
    const int columns = (count + 1) / 2;
    if (columns <= 0) return knobWidth;
    return std::clamp(areaWidth / columns, knobWidth, 4 * knobWidth);
}

int TGUIKnobList::MinimumAreaWidth() const { return (Count() + 1) / 2 * m_knobHome.width(); }

int TGUIKnobList::Bottom() const {
    int bottom = 0;
    for (int i = 0; i < Count(); ++i) {
        const TGUIKnobEntry* e = Entry(i);
        for (const QWidget* w : {static_cast<const QWidget*>(e->CaptionLabel.data()),
                                 static_cast<const QWidget*>(e->Knob.data()),
                                 static_cast<const QWidget*>(e->ValueLabel.data())})
            if (w && !w->isHidden()) bottom = std::max(bottom, w->geometry().bottom() + 1);
    }
    return bottom;
}

void TGUIKnobList::Arrange() {
    if (Count() == 0) {
        if (OnArranged) OnArranged(this);
        return;
    }
    const int kw = m_knobHome.width();
    const int kh = m_knobHome.height();
    const int pitch = m_knobHome.top() + kh - m_captionHome.top() + 2;
    const int d = ColumnWidth(m_areaWidth, Count(), kw);
    const bool showValues = m_valuePattern && d >= m_valueHome.width() + kw;
    for (int i = 0; i < Count(); ++i) {
        TGUIKnobEntry* e = Entry(i);
        const int x = m_areaLeft + d * (i / 2);
        const int offset = pitch * (i % 2);
        if (e->Knob) {
            const QPoint old = e->Knob->pos();
            e->Knob->SetBounds(x, m_knobHome.top() + offset, kw, kh);
            e->Knob->SetShowTrackHint(!showValues);
            e->Knob->show();
            if (e->Knob->pos() != old) e->Knob->update();
        }
        if (e->CaptionLabel) {
            e->CaptionLabel->setGeometry(x, m_captionHome.top() + offset, d - 2,
                                         m_captionHome.height());
            e->CaptionLabel->show();
        }
        if (e->ValueLabel && e->Knob) {
            const QRect k = e->Knob->geometry();
            e->ValueLabel->setGeometry(k.right() + 1, k.bottom() + 1 - m_valueHome.height(),
                                       m_valueHome.width(), m_valueHome.height());
            e->ValueLabel->setVisible(showValues);
        }
    }
    if (OnArranged) OnArranged(this);
}

bool TGUIKnobList::ValueText(int displayMode, int value, QString& text) {
    if (displayMode == 0) {
        text = QString::number(value);
        return true;
    }
    if (displayMode == 1) {
        text = value >= 64 ? QStringLiteral("+") + QString::number(value - 64)
                           : QString::number(value - 64);
        return true;
    }
    return false;
}

QString TGUIKnobList::HintText(int displayMode, int value, const QString& caption) {
    QString text = QString::number(value);
    if (displayMode == 1) ValueText(1, value, text);
    return text + QStringLiteral(": ") + caption;
}

void TGUIKnobList::SetKnobPosition(int index, int value) {
    TGUIKnobEntry* e = Entry(index);
    if (!e || !e->Knob) return;
    e->Knob->SetPosition(value);
    e->LastValue = e->Knob->Position();
}

int TGUIKnobList::KnobPosition(int index) const {
    const TGUIKnobEntry* e = Entry(index);
    return e && e->Knob ? e->Knob->Position() : 0;
}

void TGUIKnobList::ShowControllerValue(int controller, int value) {
    for (int i = 0; i < Count(); ++i)
        if (Controller(i) == controller) SetKnobPosition(i, value);
}

std::vector<std::pair<int, int>> TGUIKnobList::ControllerValues() const {
    std::vector<std::pair<int, int>> out;
    for (int i = 0; i < Count(); ++i) out.emplace_back(Controller(i), KnobPosition(i));
    return out;
}

void TGUIKnobList::SendKnob(int index) {
    TGUIKnobEntry* e = Entry(index);
    if (!e) return;
    e->LastValue = KnobPosition(index);
    if (OnKnobChange) OnKnobChange(this, e->Controller, e->LastValue);
}

void TGUIKnobList::KnobTrack(QObject* sender) { SendKnob(IndexOfKnob(sender)); }

void TGUIKnobList::KnobSelect(QObject* sender) {
    // Keys and the mouse wheel end with a select; what they changed is sent then. After a drag
    // the value was sent already.
    const int i = IndexOfKnob(sender);
    if (i >= 0 && KnobPosition(i) != Entry(i)->LastValue) SendKnob(i);
}

void TGUIKnobList::KnobPosChange(QObject* sender) {
    const TGUIKnobEntry* e = Entry(IndexOfKnob(sender));
    if (!e || !e->ValueLabel || !e->Knob) return;
    QString text;
    if (ValueText(e->DisplayMode, e->Knob->Position(), text)) e->ValueLabel->setText(text);
}

void TGUIKnobList::KnobDblClick(int index) {
    const TGUIKnobEntry* e = Entry(index);
    if (!e) return;
    SetKnobPosition(index, e->DefaultValue);
    SendKnob(index);
}
