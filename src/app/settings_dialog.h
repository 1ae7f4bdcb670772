#pragma once
// A dialog whose stored controls are laid out from its window definition: check boxes, radio
// buttons in their groups, edit and combo boxes with their captions, and "OK"/"Abbrechen". Its
// widgets are bound to the settings, so it is the window's single view of its values.

#include <QDialog>
#include <QFormLayout>
#include <QVBoxLayout>
#include <string>

#include "app/app_context.h"
#include "app/settings_binding.h"

namespace lexorim::app {

class SettingsDialog : public QDialog {
    Q_OBJECT

  public:
    SettingsDialog(AppContext& context, std::string windowClass, QWidget* parent);

    const std::string& windowClass() const { return windowClass_; }
    // Sets every text of the dialog in the interface language.
    virtual void ApplyTexts();

  protected:
    // The layout the controls are in; subclasses add their own widgets below.
    QVBoxLayout* contentLayout() const { return content_; }
    // Finishes the dialog: OK (and Abbrechen when `withCancel`) below the content, and binds.
    void Finish(bool withCancel);
    AppContext& context_;

  private:
    void AddControl(const ui::ControlDefinition& control);

    std::string windowClass_;
    QVBoxLayout* content_;
    QFormLayout* form_;
    SettingsBinding* binding_ = nullptr;
};

}  // namespace lexorim::app
