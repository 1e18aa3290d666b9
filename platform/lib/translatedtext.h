#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

// A text for the user in the user's language, for the layers that work with std::string. The
// callers mark their texts with QT_TRANSLATE_NOOP so that lupdate finds them. The values go in
// at once, so a % in a file name or a reason is never taken for a place of its own.
template <typename... TArgs>
std::string TranslatedText(const char* context, const char* text, const TArgs&... values) {
    QString translated = QCoreApplication::translate(context, text);
    if constexpr (sizeof...(values) > 0)
        translated = translated.arg(QString::fromStdString(values)...);
    return translated.toStdString();
}
