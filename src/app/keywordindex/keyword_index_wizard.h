#pragma once
// The keyword index wizard: the panel pgstw with the page control sct (source list, settings,
// summary, progress, result) and its back, next and create buttons.

#include <QPlainTextEdit>
#include <QTextDocument>
#include <QWidget>

#include "app/app_context.h"
#include "app/common/source_page.h"
#include "app/common/wizard_base.h"

namespace lexorim::app {

class KeywordDesignDialog;

class KeywordIndexWizard : public WizardBase {
    Q_OBJECT

  public:
    enum Page { ts1, ts2, ts3, ts4, ts5 };

    KeywordIndexWizard(AppContext& context, QWidget* parent);
    ~KeywordIndexWizard() override;

    // Tsdesign, opened by stw_designanzeigen and the menu item mesd.
    void SetDesignDialog(KeywordDesignDialog* dialog) { design_ = dialog; }

    // ShowKeywordPage: activates a page and sets the buttons by the wizard's table.
    void ShowKeywordPage(Page page) { ShowPage(page); }
    Page currentPage() const { return static_cast<Page>(currentPageIndex()); }

    // The create sequence: progress page, the run on the worker over a copy of the list, the
    // result page. AbbruchS stops the run between documents; the previous result stays.
    void StartCreate() override;
    // "Neu" > "Stichwort Index": the session, squpfad, squlist and soutput emptied; page ts1.
    void Clear();
    // The design window, modal.
    void OpenDesign();

    // soutputspeichern and the menu item mstwidxsave: the save dialog, then the file.
    void SaveOutputText() override;
    // The output in the current output settings; false when the file could not be written (the
    // message has been shown and an existing file is left as it was).
    bool SaveOutputTextTo(const QString& path);
    using WizardBase::CopyOutputToClipboard;

    SourcePage* sourcePage() const { return sourcePage_; }
    QPlainTextEdit* output() const { return output_; }

  signals:
    // The buttons beside the word-list criteria.
    void negativeListRequested();
    void positiveListRequested();

  protected:
    void PageShown(int page) override;
    Text OutputText() const override;

  private:
    QWidget* BuildSettingsPage();
    QWidget* BuildSummaryPage();
    QWidget* BuildResultPage();
    // Zeilenumbruch: wrapped with a vertical scroll bar only, or unwrapped with both.
    void UpdateLineWrap();

    KeywordDesignDialog* design_ = nullptr;
    size_t wrapListener_ = 0;
    SourcePage* sourcePage_ = nullptr;
    QPlainTextEdit* summary_ = nullptr;
    QPlainTextEdit* output_ = nullptr;
};

}  // namespace lexorim::app
