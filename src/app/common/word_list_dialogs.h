#pragma once
// Tnegliste and Tposliste: the negative and the positive word list as an editable text that the
// runs read.

#include <QDialog>
#include <QListWidget>
#include <QPlainTextEdit>
#include <vector>

#include "app/app_context.h"
#include "app/common/translated.h"

namespace lexorim::app {

class WordListDialog : public Translated<QDialog> {
    Q_OBJECT
  public:
    enum class Kind { Negative, Positive };
    WordListDialog(AppContext& context, Kind kind, QWidget* parent);

    // The list as the program starts with it (the program folder's file or the built-in list).
    void LoadAtStart();
    void SetListText(const QString& text);
    QString listText() const;
    void ApplyTexts() override;
    const char* windowClass() const;
    // Saves a list's text with the output settings under a name the user chooses, starting
    // from the list's file in the program folder.
    void SaveText(const QString& text);
    // The save after the file dialog; false when the file could not be written.
    bool SaveTextTo(const QString& text, const QString& path);

  private:
    void Load(bool append);
    void Save();
    void TakeList();

    AppContext& context_;
    Kind kind_;
    QPlainTextEdit* list_;
};

// Teditneg and Teditpos: words of the current index moved into a copy of a word list, which then
// replaces the list (and is saved unless it is for this session only).
class IndexToListTool : public Translated<QDialog> {
    Q_OBJECT
  public:
    IndexToListTool(AppContext& context, WordListDialog& list, WordListDialog::Kind kind,
                    QWidget* parent);
    // Shows the tool filled from the current index and the current list.
    void Open();
    void ApplyTexts() override;
    void FillIndexWords();
    void MoveSelectedWords();
    void SortList();
    void SaveAndClose();

  private:
    const char* windowClass() const;

    AppContext& context_;
    WordListDialog& list_;
    WordListDialog::Kind kind_;
    std::vector<Text> indexWords_;
    QListWidget* indexList_;
    QPlainTextEdit* toolList_;
};

}  // namespace lexorim::app
