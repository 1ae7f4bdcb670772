#pragma once
// The source options window: the options of adding rows, shared by both source lists, and a memo
// that edits one column (name, link or file) of every row of one list at once.

#include <QPlainTextEdit>

#include "app/common/settings_dialog.h"
#include "indexing/source_list.h"
#include "indexing/source_options_memo.h"

namespace lexorim::app {

class SourceOptionsDialog : public SettingsDialog {
    Q_OBJECT

  public:
    // Opened for `target`, the list of the page whose button opened it.
    SourceOptionsDialog(AppContext& context, SourceList& target, QWidget* parent);

    QPlainTextEdit* memo() const { return memo_; }
    MemoColumn shownColumn() const { return state_.shown; }

  public slots:
    // OK: the memo goes back into the list before the window closes.
    void accept() override;

  private:
    void ColumnChosen(MemoColumn column);
    void MemoEdited();
    void ShowMemoText(const Text& text);
    MemoColumn CheckedColumn() const;

    SourceList& target_;
    SourceOptionsMemo state_;
    QPlainTextEdit* memo_;
    // The memo's last text with no more lines than the list has rows.
    QString allowedText_;
    bool settingText_ = false;
};

}  // namespace lexorim::app
