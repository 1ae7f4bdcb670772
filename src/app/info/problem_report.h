#pragma once
// Tbugreport_de and Tbugreport_en: a small window that asks the user to report problems and
// suggestions on the support page, with links to it and to the custom software page. The
// program sends nothing itself.

#include <QDialog>
#include <QLabel>

#include "app/info/web_pages.h"
#include "engine/language.h"

namespace lexorim::app {

class ProblemReportWindow : public QDialog {
    Q_OBJECT

  public:
    // One window per language; its texts do not change with the interface language.
    ProblemReportWindow(Language language, QWidget* parent = nullptr,
                        WebPageOpener opener = DesktopWebPageOpener());

    // Shows the window centred over its parent without blocking it.
    void Open();
    QLabel* supportLink() const { return support_; }
    QLabel* customLink() const { return custom_; }
    void SetOpener(WebPageOpener opener) { opener_ = std::move(opener); }

  private:
    QLabel* AddLink(const char* name, WebPage page, LinkOrigin origin);

    const Language language_;
    WebPageOpener opener_;
    QLabel* support_ = nullptr;
    QLabel* custom_ = nullptr;
};

// The window of the interface language: "Tbugreport_de" for German, "Tbugreport_en" otherwise.
const char* ProblemReportWindowName(Language language);

}  // namespace lexorim::app
