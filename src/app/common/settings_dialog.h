#pragma once
// A dialog whose stored controls are laid out from its window definition: check boxes, radio
// buttons in their groups, edit and combo boxes with their captions, and "OK"/"Abbrechen". Its
// widgets are bound to the settings, so it is the window's single view of its values.

#include <QDialog>
#include <QFormLayout>
#include <QVBoxLayout>
#include <string>
#include <vector>

#include "app/app_context.h"
#include "app/common/settings_binding.h"
#include "app/common/translated.h"

namespace lexorim::app {

// One line of a dialog: a control or a caption label, and optionally a box beside it.
struct DialogRow {
    const char* first;
    const char* second = nullptr;
};

// A group box of a dialog with its lines; a group without a name stands without a frame.
struct DialogGroup {
    const char* name;
    std::vector<DialogRow> rows;
};

class SettingsDialog : public Translated<QDialog> {
    Q_OBJECT

  public:
    // Lays the controls out in `groups`; without groups, one below the other in their stored
    // order.
    SettingsDialog(AppContext& context, std::string windowClass, QWidget* parent,
                   const std::vector<DialogGroup>& groups = {});

    const std::string& windowClass() const { return windowClass_; }
    // Sets every text of the dialog in the interface language.
    void ApplyTexts() override;

  protected:
    // The layout the controls are in; subclasses add their own widgets below.
    QVBoxLayout* contentLayout() const { return content_; }
    // Finishes the dialog: OK (and Abbrechen when `withCancel`) below the content, and binds.
    void Finish(bool withCancel);
    AppContext& context_;

  private:
    QWidget* MakeWidget(const char* name, QWidget* parent);
    void AddRow(const DialogRow& row, QWidget* parent, QVBoxLayout* layout);

    std::string windowClass_;
    QVBoxLayout* content_;
    SettingsBinding* binding_ = nullptr;
};

}  // namespace lexorim::app
