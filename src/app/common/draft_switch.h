#pragma once
// The one check box "Clean draft" of a wizard's criteria page, which switches every draft option
// on or off and shows them partly checked when only some are on, and the button beside it that
// opens the dialog with each option. The check box follows the settings, so a change made in the
// dialog or by a loaded configuration shows at once.

#include <QCheckBox>
#include <QGridLayout>
#include <QObject>
#include <QPushButton>

#include "app/app_context.h"

namespace lexorim::app {

class DraftSwitch : public QObject {
    Q_OBJECT

  public:
    // Makes the check box and the button as children of `parent`, on `row` of `layout`: the check
    // box in the first column, the button in the second.
    DraftSwitch(AppContext& context, QWidget* parent, QGridLayout* layout, int row);
    ~DraftSwitch() override;

    QCheckBox* checkBox() const { return checkBox_; }
    QPushButton* optionsButton() const { return optionsButton_; }

    // The two captions in the language; they come from the draft dialog's table.
    void ApplyTexts(Language language);

  signals:
    void optionsRequested();

  private:
    void ShowState();

    AppContext& context_;
    QCheckBox* checkBox_;
    QPushButton* optionsButton_;
    size_t listenerId_ = 0;
};

// The captions of every draft switch of `window`, before its mnemonics are worked out.
void ApplyDraftSwitchTexts(QWidget* window, Language language);

}  // namespace lexorim::app
