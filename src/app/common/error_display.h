#pragma once
// The one place where the program tells the user about a failure or shows one of its fixed
// messages. Tests replace the message boxes with a recorder.

#include <QString>
#include <QWidget>
#include <functional>

#include "engine/language.h"

namespace lexorim::app {

enum class MessageKind { Information, Error };

using MessageSink = std::function<void(MessageKind kind, const QString& text)>;

// Replaces the message boxes (an empty sink restores them); returns the previous sink.
MessageSink SetMessageSink(MessageSink sink);

// A failure the command did not handle: the command ends, the program keeps its state. The
// core's English error text is shown in the interface language.
void ShowError(QWidget* parent, const QString& text);
// The interface language error texts are shown in.
void SetErrorLanguage(Language language);
// One of the program's own messages.
void ShowMessage(QWidget* parent, const QString& text);

// Runs `command`; a failure it throws is shown with its text, and false is returned.
bool RunReportingErrors(QWidget* parent, const std::function<void()>& command);

}  // namespace lexorim::app
