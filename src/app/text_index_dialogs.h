#pragma once
// The dialogs of the text index: the page-number criteria, the page-number editor and the design.

#include <QLabel>
#include <QPlainTextEdit>
#include <vector>

#include "app/settings_dialog.h"

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
class PageListEditDialog : public QDialog {
    Q_OBJECT
  public:
    PageListEditDialog(AppContext& context, QWidget* parent);
    void SetLines(const QStringList& lines);
    QStringList lines() const;
    void ApplyTexts();

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

}  // namespace lexorim::app
