#pragma once
// The information panel pinfo: a German panel pinfo_de and an English panel pinfo_en, of which
// the language shows one. Each has the same five pages (help, recommendations, the program,
// taking part, licence) with back and next buttons, and link labels that open the program's
// web pages in the browser.

#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QWidget>
#include <array>

#include "app/info/web_pages.h"
#include "engine/language.h"

namespace lexorim::app {

class InfoPanel : public QWidget {
    Q_OBJECT

  public:
    // The pages in the order of the page controls and of back and next: tide1/tien1,
    // tide2/tien2, tide5/tien5, tide3/tien3, tide4/tien4.
    enum Page { Help, Regards, Software, Contribute, Licence };
    static constexpr int kPageCount = 5;

    explicit InfoPanel(QWidget* parent = nullptr, WebPageOpener opener = DesktopWebPageOpener());

    // ShowInfoPage: selects the page in both page controls and sets both pairs of buttons. The
    // panel itself is shown by the main window.
    void ShowInfoPage(int page);
    int currentPage() const;

    // The page items of an information menu (minfo or mfi); `showPanel` runs before the page
    // is selected.
    void AddPageItems(QMenu* menu, const std::array<const char*, kPageCount>& names,
                      const std::function<void()>& showPanel);
    // The Info menu's items that open web pages.
    void AddLinkItems(QMenu* menu);

    // The menu items' captions in the language; each panel keeps the texts of its own language.
    void ApplyTexts(Language language);

    // Hands the address of a clicked caption to the opener.
    void OpenWebPage(const QString& caption, LinkOrigin origin);
    void SetOpener(WebPageOpener opener) { opener_ = std::move(opener); }

    QTabWidget* pages(Language language) const { return side(language).pages; }
    QPushButton* backButton(Language language) const { return side(language).back; }
    QPushButton* nextButton(Language language) const { return side(language).next; }

  private:
    struct Side {
        QWidget* panel = nullptr;
        QTabWidget* pages = nullptr;
        QPushButton* back = nullptr;
        QPushButton* next = nullptr;
    };

    Side BuildSide(Language language);
    QWidget* BuildPage(int page, Language language);
    void SetButtons(const Side& side, int page) const;
    const Side& side(Language language) const {
        return language == Language::German ? german_ : english_;
    }

    WebPageOpener opener_;
    Side german_;
    Side english_;
    std::vector<QAction*> linkItems_;
    bool selecting_ = false;
};

}  // namespace lexorim::app
