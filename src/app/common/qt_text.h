#pragma once
// The border between the core's UTF-16 texts and Qt's strings, and the core's file dialog filters
// in Qt's form.

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "engine/text_helpers.h"

class QPlainTextEdit;

namespace lexorim::app {

inline QString ToQString(TextView text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

inline Text ToText(const QString& text) {
    return Text(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size()));
}

// A list of texts as lines of a list widget or memo, and back.
QStringList ToQStringList(const std::vector<Text>& texts);
std::vector<Text> ToTexts(const QStringList& lines);

// The text of a memo as typed or loaded. QPlainTextEdit::toPlainText turns no-break spaces into
// blanks, which would join or split words differently from the same text read from its file;
// this keeps every character and only makes the memo's paragraph marks line breaks.
QString MemoText(const QPlainTextEdit& memo);

inline std::string ToPath(const QString& text) {
    return text.toStdString();
}

// "Text (*.txt)|*.txt|Alle Dateien (*.*)|*.*" becomes "Text (*.txt);;Alle Dateien (*)": each
// description keeps its words and gets the patterns of its pair.
QString DialogFilter(TextView filter);

}  // namespace lexorim::app
