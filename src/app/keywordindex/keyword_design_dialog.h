#pragma once
// Tsdesign: the characters that frame each line of the keyword index, with a live preview.

#include <QLabel>

#include "app/common/settings_dialog.h"

namespace lexorim::app {

class KeywordDesignDialog : public SettingsDialog {
    Q_OBJECT
  public:
    KeywordDesignDialog(AppContext& context, QWidget* parent);
    void ApplyTexts() override;

  private:
    void UpdatePreview();
    QLabel* preview_ = nullptr;
};

}  // namespace lexorim::app
