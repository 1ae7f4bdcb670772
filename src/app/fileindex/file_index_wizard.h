#pragma once
// The file index wizard: the panel pgdateien with the page control dct (source list, settings,
// summary, progress, result with the code and its preview) and its back, next and create
// buttons.

#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include "app/app_context.h"
#include "app/common/wizard_base.h"
#include "fileindex/html_preview.h"

namespace lexorim::app {

class FileTextDesignDialog;
class HtmlDesignDialog;
class ExistingIndexChooser;
class SourcePage;
class HtmlPreviewView;

struct FileIndexDialogs {
    FileTextDesignDialog* textDesign = nullptr;
    HtmlDesignDialog* htmlDesign = nullptr;
    ExistingIndexChooser* existingIndex = nullptr;
};

class FileIndexWizard : public WizardBase {
    Q_OBJECT

  public:
    enum Page { td1, td2, td3, td4, td5 };

    FileIndexWizard(AppContext& context, QWidget* parent);
    void SetDialogs(FileIndexDialogs dialogs) { dialogs_ = dialogs; }

    // ShowFilePage: activates a page and sets the buttons by the wizard's table.
    void ShowFilePage(Page page) { ShowPage(page); }
    Page currentPage() const { return static_cast<Page>(currentPageIndex()); }

    // The create sequence: progress page, the run on the worker over copies of the list, the
    // result page. A cancelled or failed run leaves the previous result and output.
    void StartCreate() override;
    // "Neu" > "Datei Index": the session, the path box, the list and the output emptied.
    void Clear();
    // dandindex: choose an index file to add to; dkt_integrieren goes on whatever the choice.
    void ChooseExistingIndex();
    // d_design: the design dialog of the chosen output kind, modally.
    void OpenDesign();

    void SaveOutputText() override;
    void SaveIndexFile() override;
    // The saves after the file dialog; false when the file could not be written.
    bool SaveOutputTextTo(const QString& path);
    bool SaveIndexFileTo(const QString& path);
    using WizardBase::CopyOutputToClipboard;

    // The result page's two views: the code in the memo, or the page in the preview.
    void ShowCode();
    void ShowDesign();

    // A page chosen on the page control. The progress page is only selected: its page function
    // would disable every button, and nothing runs.
    void TabChosen(int page) override;

    // Builds the summary again after a language switch.
    void ApplyTexts() override;

    SourcePage* sourcePage() const { return sourcePage_; }
    QPlainTextEdit* output() const { return output_; }
    HtmlPreviewView* preview() const { return preview_; }
    QPushButton* showDesignButton() const { return showDesign_; }
    QPushButton* showCodeButton() const { return showCode_; }

  signals:
    // The buttons beside the word-list criteria.
    void negativeListRequested();
    void positiveListRequested();

  protected:
    // The browser engine starts its processes with its first view, which holds up the window
    // for a moment: that moment is when the wizard is first shown, not the end of a run.
    void showEvent(QShowEvent* event) override;
    void PageShown(int page) override;
    // The memo's text: the code as the user may have edited it, lines joined by CR LF.
    Text OutputText() const override;

  private:
    QWidget* BuildCriteriaPage();
    QWidget* BuildSummaryPage();
    QWidget* BuildResultPage();

    struct ShownFileIndex;
    void AdoptRun(ShownFileIndex shown);
    void ShowResultKind();
    void ShowHtmlPreview(TextView html, PreviewOrigin origin);

    FileIndexDialogs dialogs_;
    SourcePage* sourcePage_ = nullptr;
    QPlainTextEdit* summary_ = nullptr;
    QPlainTextEdit* output_ = nullptr;
    HtmlPreviewView* preview_ = nullptr;
    QPushButton* showDesign_ = nullptr;
    QPushButton* showCode_ = nullptr;
    // The last run wrote an HTML page (its output kind, not the radio button's current state).
    bool resultIsHtml_ = false;
    // The memo was edited since the last run filled it; until then its text is the session's.
    bool outputEdited_ = false;
};

}  // namespace lexorim::app
