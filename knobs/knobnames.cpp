#include "knobs/knobnames.h"

#include <QCoreApplication>

QString ShownPresetName(const QString& stored) {
    if (stored == QLatin1String("Default"))
        return QCoreApplication::translate("TKnobNames", "Default", "the knob preset");
    if (stored == QLatin1String("Current"))
        return QCoreApplication::translate("TKnobNames", "Current", "the knob preset");
    return stored;
}

QString ShownKnobCaption(const QString& stored) {
    if (stored == QLatin1String("Volume"))
        return QCoreApplication::translate("TKnobNames", "Volume", "the first knob's caption");
    return stored;
}

QString StoredKnobCaption(const QString& typed, const QString& stored) {
    return typed == ShownKnobCaption(stored) ? stored : typed;
}
