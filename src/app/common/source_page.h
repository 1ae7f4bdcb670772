#pragma once
// The source page of the file index and the keyword index: a path box that adds the file on
// Enter, a browse button, the choice to scan an added document for the pages it links to, the
// source list with its delete buttons, and the source options window for this list.

#include <QLineEdit>
#include <QStringList>
#include <QWidget>

#include "app/app_context.h"
#include "app/common/source_list_view.h"
#include "indexing/source_list.h"

namespace lexorim::app {

// The control names of one source page.
struct SourcePageNames {
    const char* page;
    const char* path;
    const char* browse;
    const char* scan;  // the check box "scan for further documents"
    const char* deleteRow;
    const char* deleteAll;
    const char* options;
    const char* list;
};

inline constexpr SourcePageNames kFileIndexSourcePage{
    "td1", "qudatei", "DateiAuswahl", "la", "DeleteRow", "DeleteAll", "querweitert", "qulist"};
inline constexpr SourcePageNames kKeywordIndexSourcePage{
    "ts1",          "squpfad",     "squsuchen",    "squdocsearch",
    "squdeleteraw", "sqdeleteall", "squerweitert", "squlist"};

class SourcePage : public QWidget {
    Q_OBJECT

  public:
    SourcePage(AppContext& context, SourceList& list, const SourcePageNames& names,
               QWidget* parent = nullptr);

    // A file typed into the path box or chosen with the browse button: added, then scanned for
    // further pages when the page's check box is on. A path that names no file adds nothing.
    void AddChosenFile(const QString& path);
    // Files dropped from the desktop, as one batch: each added, and scanned when the source
    // options say so; folders are skipped.
    void AddDroppedFiles(const QStringList& paths);
    // Empties the path box and the list ("Neu").
    void Clear();
    // Shows the list again after the caller changed it.
    void Refresh();
    // The source options window for this list.
    void OpenSourceOptions();
    void BrowseForFile();

    SourceListView* listView() const { return view_; }
    QLineEdit* pathBox() const { return path_; }

  signals:
    // Rows were added, removed, renamed or reordered.
    void listChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void AddFile(const QString& path, bool scan);

    AppContext& context_;
    SourceList& list_;
    const SourcePageNames names_;
    QLineEdit* path_ = nullptr;
    SourceListView* view_ = nullptr;
};

}  // namespace lexorim::app
