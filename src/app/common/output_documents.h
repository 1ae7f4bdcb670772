#pragma once
// The output memos of the wizards show an index of many megabytes at once: its document is laid
// out for a plain-text view on the worker and handed to the window's thread, where the memo takes
// it over.

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QThread>
#include <memory>

#include "engine/text_helpers.h"

namespace lexorim::app {

// A document of `text` for a plain-text view, made on the calling thread and moved to `owner`.
std::unique_ptr<QTextDocument> PlainTextDocument(const Text& text, QThread* owner);

// The memo shows `document` and owns it; a document of an earlier run is deleted.
void ShowOutputDocument(QPlainTextEdit& memo, std::unique_ptr<QTextDocument> document);

}  // namespace lexorim::app
