#pragma once

#include <QString>

// The names the program gives presets and knobs itself ("Default", "Current", "Volume") are
// stored as they are, in English, and shown in the user's language; every other name is the
// user's own and shown as stored.
QString ShownPresetName(const QString& stored);
QString ShownKnobCaption(const QString& stored);
// The caption to store for a text typed over a shown one: the stored name while the text is
// still what was shown for it.
QString StoredKnobCaption(const QString& typed, const QString& stored);
