#include "app/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/window_texts.h"

namespace lexorim::app {

SettingsDialog::SettingsDialog(AppContext& context, std::string windowClass, QWidget* parent)
    : QDialog(parent), context_(context), windowClass_(std::move(windowClass)) {
    setObjectName(QString::fromStdString(windowClass_));
    content_ = new QVBoxLayout(this);
    form_ = new QFormLayout;
    form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    content_->addLayout(form_);
    if (const ui::WindowDefinition* window = ui::FindWindow(windowClass_)) {
        for (const ui::ControlDefinition& control : window->controls)
            AddControl(control);
    }
}

void SettingsDialog::AddControl(const ui::ControlDefinition& control) {
    const QString name = QString::fromLatin1(control.name);
    switch (control.kind) {
        case ui::ControlKind::CheckBox: {
            auto* box = new QCheckBox(this);
            box->setObjectName(name);
            form_->addRow(box);
            break;
        }
        case ui::ControlKind::RadioButton: {
            auto* button = new QRadioButton(this);
            button->setObjectName(name);
            // Each group decides alone; the settings switch the others of a group off.
            button->setAutoExclusive(false);
            form_->addRow(button);
            break;
        }
        case ui::ControlKind::Edit:
        case ui::ControlKind::LabeledEdit: {
            auto* edit = new QLineEdit(this);
            edit->setObjectName(name);
            auto* label = new QLabel(this);
            label->setObjectName(name + QStringLiteral("_label"));
            label->setBuddy(edit);
            form_->addRow(label, edit);
            break;
        }
        case ui::ControlKind::ComboBox: {
            auto* combo = new QComboBox(this);
            combo->setObjectName(name);
            combo->setEditable(true);
            auto* label = new QLabel(this);
            label->setObjectName(name + QStringLiteral("_label"));
            label->setBuddy(combo);
            form_->addRow(label, combo);
            break;
        }
        default:
            break;
    }
}

void SettingsDialog::Finish(bool withCancel) {
    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OK"));
    if (withCancel) {
        auto* cancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
        cancel->setObjectName(QStringLiteral("Abbrechen"));
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    content_->addWidget(buttons);
    binding_ = new SettingsBinding(context_.settings, windowClass_, this);
    ApplyTexts();
}

void SettingsDialog::ApplyTexts() {
    ApplyWindowTexts(this, windowClass_, context_.language);
    // A combo box's caption sits in its label; a labelled edit box has its caption set above.
    for (auto* combo : findChildren<QComboBox*>()) {
        const QString caption =
            WindowQText(windowClass_, combo->objectName().toStdString(), context_.language);
        if (auto* label = findChild<QLabel*>(combo->objectName() + QStringLiteral("_label")))
            label->setText(caption);
    }
}

}  // namespace lexorim::app
