#pragma once
// Tentwurf: every option of a clean first draft, in the groups pages, words, and file and
// keyword index. The three wizards share the one dialog, as they share its settings; every option
// stays visible and can be changed from each of them, since the one check box of each wizard
// switches all of them at once.

#include <QLineEdit>
#include <utility>
#include <vector>

#include "app/common/settings_dialog.h"

namespace lexorim::app {

class DraftOptionsDialog : public SettingsDialog {
    Q_OBJECT

  public:
    DraftOptionsDialog(AppContext& context, QWidget* parent);

    // Abbrechen (and Escape, and the close button) puts back the values the dialog was opened
    // with: the controls change the settings while the user works, as in every dialog.
    void reject() override;
    void accept() override;
    void ApplyTexts() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void UpdateEnabled();
    // A number box beside its check box: narrow, with the rest of its line left empty.
    void MakeNumberBoxBeside(QLineEdit* box, ui::ControlId id);

    // The values when the dialog was opened.
    std::vector<std::pair<ControlRef, Text>> openedWith_;
};

}  // namespace lexorim::app
