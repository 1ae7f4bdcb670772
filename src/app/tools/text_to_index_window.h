#pragma once
// Tedittxt2idx: an index that exists only as text ("Apfel 12, 15, 17") loaded as lines, moved
// line by line into an index list, corrected by hand and saved as an index file or handed to
// the text index or the file index.

#include <QDialog>
#include <QString>
#include <QTreeWidget>
#include <vector>

#include "app/app_context.h"
#include "app/common/translated.h"
#include "engine/collation.h"
#include "textindex/text_to_index.h"

namespace lexorim::app {

class TextToIndexWindow : public Translated<QDialog> {
    Q_OBJECT

  public:
    TextToIndexWindow(AppContext& context, QWidget* parent);
    ~TextToIndexWindow() override;

    // Shows the editor beside the main window, in front.
    void Open();

    QTreeWidget* textList() const { return textList_; }
    QTreeWidget* indexList() const { return indexList_; }
    const TextToIndexLists& lists() const { return lists_; }

    // What the load and save buttons do once the user has picked a file; false when the file
    // could not be read or written (the error has been shown).
    bool LoadTextFile(const QString& path);
    bool LoadIndexFile(const QString& path);
    bool SaveIndexFile(const QString& path);

    void ApplyTexts() override;

  signals:
    // The index list has been written to `indexFile` for the text index or the file index,
    // which add their new pages to it; the editor has closed.
    void textIndexHandOver(const QString& indexFile);
    void fileIndexHandOver(const QString& indexFile);

  private:
    enum class HandOverTarget { TextIndex, FileIndex };

    QWidget* MakeTextSide();
    QWidget* MakeIndexSide();
    QWidget* MakeTransferButtons();
    QWidget* MakeConversionOptions();
    QTreeWidget* MakeList(const char* name, int columns);

    void ChooseTextFile();
    void ChooseIndexFile();
    void ChooseIndexFileToSave();
    void ConvertToIndex();
    void MoveBackToText();
    void DeleteSelectedRows(QTreeWidget* list);
    void SelectAllRows(QTreeWidget* list);
    void SortByColumn(int column);
    void TakeEditedEntry(QTreeWidget* list, QTreeWidgetItem* item, int column);
    void HandOver(HandOverTarget target);

    std::vector<size_t> SelectedRows(const QTreeWidget* list) const;
    void ShowTextRows();
    void ShowIndexRows();
    void ShowSortIndicators();
    bool eventFilter(QObject* watched, QEvent* event) override;

    AppContext& context_;
    LocaleCollator collator_;
    TextToIndexLists lists_;
    QTreeWidget* textList_ = nullptr;
    QTreeWidget* indexList_ = nullptr;
};

}  // namespace lexorim::app
