#include "app/common/output_documents.h"

#include <QPlainTextDocumentLayout>

#include "app/common/qt_text.h"

namespace lexorim::app {

std::unique_ptr<QTextDocument> PlainTextDocument(const Text& text, QThread* owner) {
    auto document = std::make_unique<QTextDocument>();
    document->setDocumentLayout(new QPlainTextDocumentLayout(document.get()));
    document->setPlainText(ToQString(text));
    document->moveToThread(owner);
    return document;
}

void ShowOutputDocument(QPlainTextEdit& memo, std::unique_ptr<QTextDocument> document) {
    // The memo deletes the document it made itself; one of an earlier run is deleted here.
    QTextDocument* previous = memo.document();
    const bool previousIsOurs = previous != nullptr && previous->parent() == &memo;
    QTextDocument* shown = document.release();
    shown->setParent(&memo);
    shown->setDefaultFont(memo.font());
    memo.setDocument(shown);
    if (previousIsOurs)
        previous->deleteLater();
}

}  // namespace lexorim::app
