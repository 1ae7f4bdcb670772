#pragma once
// Teinstausgabe: the encoding of every saved text file, the signature choice, and the font and
// background colour of picture output.

#include <QLabel>
#include <QLineEdit>

#include "app/common/settings_dialog.h"

namespace lexorim::app {

class OutputSettingsDialog : public SettingsDialog {
    Q_OBJECT
  public:
    OutputSettingsDialog(AppContext& context, QWidget* parent);
    void ApplyTexts() override;

  private:
    void ChooseFont();
    void ChooseColor();
    void ShowBackgroundColor();

    QLabel* fontShown_ = nullptr;
    QLineEdit* colorEdit_ = nullptr;
};

}  // namespace lexorim::app
