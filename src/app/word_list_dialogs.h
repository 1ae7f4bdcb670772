#pragma once
// Tnegliste and Tposliste: the negative and the positive word list as an editable text that the
// runs read.

#include <QDialog>
#include <QPlainTextEdit>

#include "app/app_context.h"

namespace lexorim::app {

class WordListDialog : public QDialog {
    Q_OBJECT
  public:
    enum class Kind { Negative, Positive };
    WordListDialog(AppContext& context, Kind kind, QWidget* parent);

    // The list as the program starts with it (the program folder's file or the built-in list).
    void LoadAtStart();
    void SetListText(const QString& text);
    QString listText() const { return list_->toPlainText(); }
    void ApplyTexts();
    const char* windowClass() const;

  private:
    void Load(bool append);
    void Save();
    void TakeList();

    AppContext& context_;
    Kind kind_;
    QPlainTextEdit* list_;
};

}  // namespace lexorim::app
