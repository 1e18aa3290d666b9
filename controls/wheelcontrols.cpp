#include "controls/wheelcontrols.h"

#include <QCoreApplication>

#include "controls/imgcontrol.h"
#include "controls/sharedimage.h"

namespace {

constexpr int kWheelFrameWidth = 20;
constexpr int kStripFrameHeight = 76;
constexpr int kArrowFrameWidth = 16;
constexpr int kArrowInitDelay = 500;
constexpr int kArrowRepeatDelay = 60;

void SetupStrip(TFrameImage& image, int frameWidth, const QString& res, const QString& res256,
                bool button) {
    image.BeginLoad();
    image.SetWidth(frameWidth);
    image.SetHeight(kStripFrameHeight);
    image.SetOrientation(TScrollKind::sbHorizontal);
    image.SetButton(button);
    image.SetResBitmap(res);
    image.SetResBitmap256(res256);
    image.EndLoad();
}

void SetupArrow(TImgControl& control, TFrameImage* arrow, const QString& hint) {
    control.SetMin(0);
    control.SetMax(1);
    control.SetAutoRepeat(true);
    control.SetAutoRepeatInitDelay(kArrowInitDelay);
    control.SetAutoRepeatDelay(kArrowRepeatDelay);
    control.setToolTip(hint);
    control.SetFrameImage(arrow);
}

}  // namespace

void PitchBendBytes(int value, uint8_t& data1, uint8_t& data2) {
    const int u = value + 8192;
    data1 = static_cast<uint8_t>(u & 127);
    data2 = static_cast<uint8_t>((u >> 7) & 127);
}

TShortMessage PitchBendMessage(int channel, int value) {
    TShortMessage m;
    m.status = static_cast<uint8_t>(0xE0 + (channel & 15));
    PitchBendBytes(value, m.data1, m.data2);
    return m;
}

int PitchFromBytes(uint8_t data1, uint8_t data2) {
    return (((data2 & 127) << 7) | (data1 & 127)) - 8192;
}

TShortMessage ModulationMessage(int channel, int controller, int value) {
    TShortMessage m;
    m.status = static_cast<uint8_t>(0xB0 + (channel & 15));
    m.data1 = static_cast<uint8_t>(controller & 127);
    m.data2 = static_cast<uint8_t>(value & 127);
    return m;
}

std::vector<int> SpringBackSteps(int pos) {
    std::vector<int> steps;
    while (pos != 0) {
        pos /= 2;
        if (pos < 10) pos = 0;  // signed: a downward bend goes straight to the centre
        steps.push_back(pos);
    }
    return steps;
}

void SpringBackPitchWheel(TImgControl& wheel, Qt::KeyboardModifiers modifiers,
                          const std::function<void(int value)>& send) {
    if (modifiers.testFlag(Qt::ControlModifier)) return;
    // Every step goes out at once; the synthesizer glides back without a timer.
    while (wheel.Position() != 0) {
        const int before = wheel.Position();
        wheel.SetPosition(wheel.Position() / 2);
        if (wheel.Position() < 10) wheel.SetPosition(0);
        if (wheel.Position() == before) break;  // a range without 0 cannot return further
        if (send) send(wheel.Position());
    }
}

QString PitchHintText(int position) {
    return QCoreApplication::translate("TWheelControls", "Pitch: %1").arg(position);
}

QString ModulationHintText(int position) {
    return QCoreApplication::translate("TWheelControls", "Modulation: %1").arg(position);
}

void SetupWheelImage(TFrameImage& image) {
    SetupStrip(image, kWheelFrameWidth, QStringLiteral("WHEEL"), QStringLiteral("WHEEL256"), false);
}

void SetupLeftArrowImage(TFrameImage& image) {
    SetupStrip(image, kArrowFrameWidth, QStringLiteral("LEFTARROW"), QString(), true);
}

void SetupRightArrowImage(TFrameImage& image) {
    SetupStrip(image, kArrowFrameWidth, QStringLiteral("RIGHTARROW"), QString(), true);
}

void SetupPitchWheel(TImgControl& control, TFrameImage* wheel) {
    control.SetMax(kPitchMax);
    control.SetMin(kPitchMin);
    control.SetSmallChange(96);
    control.SetLargeChange(512);
    control.SetMiddlePos(0);
    control.SetMiddleSnap(5);
    control.SetShowScrollHint(true);
    control.SetTabStop(false);
    control.setToolTip(QCoreApplication::translate(
        "TWheelControls", "Pitch wheel (use SHIFT for fine mode, CTRL to disable scrollback)"));
    control.OnGetScrollHint = [&control](QObject*, QString& caption) {
        caption = PitchHintText(control.Position());
    };
    control.SetFrameImage(wheel);
}

void SetupModWheel(TImgControl& control, TFrameImage* wheel) {
    control.SetMin(0);
    control.SetMax(127);
    control.SetSmallChange(1);
    control.SetLargeChange(10);
    control.SetMiddlePos(0);
    control.SetMiddleSnap(0);
    control.SetShowScrollHint(true);
    control.SetTabStop(false);
    control.setToolTip(QCoreApplication::translate("TWheelControls",
                                                   "Modulation wheel (use SHIFT for fine mode)"));
    control.OnGetScrollHint = [&control](QObject*, QString& caption) {
        caption = ModulationHintText(control.Position());
    };
    control.SetFrameImage(wheel);
}

void SetupLeftArrow(TImgControl& control, TFrameImage* arrow) {
    SetupArrow(control, arrow,
               QCoreApplication::translate("TWheelControls", "Scroll visible keys down"));
}

void SetupRightArrow(TImgControl& control, TFrameImage* arrow) {
    SetupArrow(control, arrow,
               QCoreApplication::translate("TWheelControls", "Scroll visible keys up"));
}
