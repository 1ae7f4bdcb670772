#pragma once
// Tzusatzfunktion, page "word": the compatibility test. It reads the first two pages of a
// document as an index would read them, so the user sees whether this installation can index
// the document, and says which formats it reads and whether LibreOffice was found.

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/app_context.h"
#include "app/common/run_worker.h"
#include "app/common/translated.h"

namespace lexorim::app {

class CompatibilityTestWindow : public Translated<QDialog> {
    Q_OBJECT

  public:
    CompatibilityTestWindow(AppContext& context, QWidget* parent);

    // Shows the window on its page "word".
    void Open();
    // Reads the first two pages of `path` into the text box; a document is read on the worker.
    void TestFile(const QString& path);
    bool isReading() const { return worker_.isRunning(); }

    QPlainTextEdit* pages() const { return original_; }
    QLabel* verdict() const { return verdict_; }
    QLabel* readers() const { return readers_; }

  signals:
    void testFinished();

  protected:
    void ApplyTexts() override;

  private:
    void Browse();
    void ShowPages(const Text& text);

    AppContext& context_;
    RunWorker worker_;
    QLineEdit* path_ = nullptr;
    QPushButton* open_ = nullptr;
    QPlainTextEdit* original_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* readers_ = nullptr;
};

// What this installation reads, in the language: the formats read by the program itself and
// whether LibreOffice was found for DOC, DOCX, ODT and RTF.
QString ReadersDescription(Language language);

}  // namespace lexorim::app
