#pragma once
// The dialogs of the text index: the page-number criteria, the page-number editor and the design.

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <vector>

#include "app/common/settings_dialog.h"
#include "app/common/translated.h"

namespace lexorim::app {

// Tszkriterien: how page designations are read out of the text.
class PageNumberCriteriaDialog : public SettingsDialog {
    Q_OBJECT
  public:
    PageNumberCriteriaDialog(AppContext& context, QWidget* parent);

  private:
    void UpdateEnabled();
};

// Tszbearbeiten: the designation list as editable lines.
class PageListEditDialog : public Translated<QDialog> {
    Q_OBJECT
  public:
    PageListEditDialog(AppContext& context, QWidget* parent);
    void SetLines(const QStringList& lines);
    QStringList lines() const;
    void ApplyTexts() override;

  private:
    void AddLine();
    void SortLines();

    AppContext& context_;
    QPlainTextEdit* list_;
};

// Tdesign: title, headings and separators of the text index, with a live preview.
class TextIndexDesignDialog : public SettingsDialog {
    Q_OBJECT
  public:
    TextIndexDesignDialog(AppContext& context, QWidget* parent);
    void ApplyTexts() override;

  private:
    void UpdatePreview();
    QLabel* separatorShown_ = nullptr;
    QLabel* betweenShown_ = nullptr;
    QLabel* preview_ = nullptr;
};

// Tindexhinzu: chooses the existing index a run adds to. The user sees only its open dialog
// (filter "Index (*.idx)"); its edit box edit_quelle keeps the last index chosen, which the next
// choice starts from and which a configuration stores.
class ExistingIndexChooser : public Translated<QDialog> {
    Q_OBJECT
  public:
    ExistingIndexChooser(AppContext& context, QWidget* parent);
    // Runs the open dialog; the chosen path, or an empty text when the user cancelled.
    QString Choose();
    QFileDialog* openDialog() const { return openDialog_; }
    // The language routine: the open dialog's filter and title.
    void ApplyTexts() override;

  private:
    AppContext& context_;
    QLineEdit* path_;
    QFileDialog* openDialog_;
};

}  // namespace lexorim::app
