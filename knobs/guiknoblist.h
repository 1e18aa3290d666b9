#pragma once

#include <QPointer>
#include <QRect>
#include <functional>
#include <memory>

#include "knobs/knoblist.h"

class QLabel;
class QObject;
class TWheel;

// A knob definition bound to its controls on screen: the caption label, the knob and the value
// label (which may be absent). The caption lives in the caption label.
class TGUIKnobEntry : public TKnobEntry {
public:
    TGUIKnobEntry(QLabel* captionLabel, TWheel* knob, QLabel* valueLabel, int controller,
                  int displayMode, int defaultValue);

    QString GetCaption() const override;
    void SetCaption(const QString& caption) override;

    QPointer<QLabel> CaptionLabel;
    QPointer<TWheel> Knob;
    QPointer<QLabel> ValueLabel;
    // The last value this knob sent or was set to from outside; a key or wheel turn that leaves
    // the knob elsewhere sends the new value.
    int LastValue = -1;
};

// The knob list of a window: the first knob uses the pattern controls, every further knob gets
// copies of them in the pattern's parent. The knobs stand in two rows across the knob area.
class TGUIKnobList : public TKnobList {
public:
    // The patterns belong to the window; valuePattern may be nullptr.
    TGUIKnobList(QLabel* captionPattern, QLabel* valuePattern, TWheel* knobPattern);
    ~TGUIKnobList() override;

    void DeleteEntry(TKnobEntry* entry) override;
    void Clear() override;

    // The knob area: left edge and width in the parent's coordinates.
    void SetArea(int left, int width);
    void Arrange();
    // Sets the knob's position (and its value text) without sending anything.
    void SetKnobPosition(int index, int value);
    int KnobPosition(int index) const;
    TGUIKnobEntry* Entry(int index) const;
    // Moves every knob on this controller, as a reflected or received controller message does.
    void ShowControllerValue(int controller, int value);
    // The current (controller, value) of every knob in list order.
    std::vector<std::pair<int, int>> ControllerValues() const;

    // A knob was turned by the user or reset by a double click: the value is to be sent.
    std::function<void(TGUIKnobList* sender, int controller, int value)> OnKnobChange;
    // The knobs were placed anew (their number or the area changed).
    std::function<void(TGUIKnobList* sender)> OnArranged;
    // Lowest edge of the knobs and their labels on screen; 0 without knobs.
    int Bottom() const;
    // The narrowest area that gives every knob a column of its own width.
    int MinimumAreaWidth() const;

    // The value label's text; false for display modes without a value text.
    static bool ValueText(int displayMode, int value, QString& text);
    // The hint while dragging: "100: Volume", "+0: Pan".
    static QString HintText(int displayMode, int value, const QString& caption);
    // The column width for count knobs in an area: the area shared by the columns of two knobs,
    // kept between one and four knob widths.
    static int ColumnWidth(int areaWidth, int count, int knobWidth);

protected:
    void CreateEntry(const QString& caption, int controller, int displayMode,
                     int defaultValue) override;
    void ListChanged() override { Arrange(); }

private:
    class TLabelFilter;

    int IndexOfKnob(const QObject* knob) const;
    int IndexOfLabel(const QObject* label) const;
    void BindKnob(TWheel* knob);
    QLabel* CopyLabel(QLabel* pattern);
    void KnobTrack(QObject* sender);
    void KnobSelect(QObject* sender);
    void KnobPosChange(QObject* sender);
    void KnobDblClick(int index);
    void SendKnob(int index);

    QPointer<QLabel> m_captionPattern;
    QPointer<QLabel> m_valuePattern;
    QPointer<TWheel> m_knobPattern;
    // Where the patterns stood when the list was made: every row is laid out from them.
    QRect m_knobHome;
    QRect m_captionHome;
    QRect m_valueHome;
    int m_areaLeft = 0;
    int m_areaWidth = 0;
    std::unique_ptr<TLabelFilter> m_labelFilter;
};
