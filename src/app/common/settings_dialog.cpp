#include "app/common/settings_dialog.h"

#include "app/common/mnemonics.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/common/window_texts.h"

namespace lexorim::app {

SettingsDialog::SettingsDialog(AppContext& context, std::string windowClass, QWidget* parent,
                               const std::vector<DialogGroup>& groups)
    : Translated<QDialog>(parent), context_(context), windowClass_(std::move(windowClass)) {
    setObjectName(QString::fromStdString(windowClass_));
    content_ = new QVBoxLayout(this);
    std::vector<DialogGroup> layout = groups;
    if (layout.empty()) {
        DialogGroup all{nullptr, {}};
        if (const ui::WindowDefinition* window = ui::FindWindow(windowClass_)) {
            for (const ui::ControlDefinition& control : window->controls)
                all.rows.push_back({control.name.data()});
        }
        layout.push_back(all);
    }
    for (const DialogGroup& group : layout) {
        QWidget* parentWidget = this;
        QVBoxLayout* groupLayout = content_;
        if (group.name != nullptr) {
            auto* box = new QGroupBox(this);
            box->setObjectName(QString::fromLatin1(group.name));
            groupLayout = new QVBoxLayout(box);
            content_->addWidget(box);
            parentWidget = box;
        }
        for (const DialogRow& row : group.rows)
            AddRow(row, parentWidget, groupLayout);
    }
}

QWidget* SettingsDialog::MakeWidget(const char* name, QWidget* parent) {
    const ui::WindowDefinition* window = ui::FindWindow(windowClass_);
    const ui::ControlDefinition* control = window ? window->FindControl(name) : nullptr;
    QWidget* widget = nullptr;
    if (control == nullptr) {
        auto* label = new QLabel(parent);  // a caption of its own
        label->setWordWrap(true);
        widget = label;
    } else {
        switch (control->kind) {
            case ui::ControlKind::CheckBox:
                widget = new QCheckBox(parent);
                break;
            case ui::ControlKind::RadioButton: {
                auto* button = new QRadioButton(parent);
                // Each group decides alone; the settings switch the others of a group off.
                button->setAutoExclusive(false);
                widget = button;
                break;
            }
            case ui::ControlKind::ComboBox: {
                auto* combo = new QComboBox(parent);
                combo->setEditable(true);
                widget = combo;
                break;
            }
            default:
                widget = new QLineEdit(parent);
                break;
        }
    }
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

void SettingsDialog::AddRow(const DialogRow& row, QWidget* parent, QVBoxLayout* layout) {
    auto* line = new QHBoxLayout;
    QWidget* first = MakeWidget(row.first, parent);
    const bool firstIsBox = qobject_cast<QLineEdit*>(first) || qobject_cast<QComboBox*>(first);
    if (firstIsBox) {
        // An edit or combo box alone gets its caption in a label before it.
        auto* label = new QLabel(parent);
        label->setObjectName(first->objectName() + QStringLiteral("_label"));
        label->setBuddy(first);
        line->addWidget(label);
        line->addWidget(first, 1);
    } else {
        line->addWidget(first, row.second == nullptr ? 1 : 0);
    }
    if (row.second != nullptr)
        line->addWidget(MakeWidget(row.second, parent), 1);
    layout->addLayout(line);
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
    // Those captions came after the table's texts had their mnemonics.
    AssignMnemonics(this);
}

}  // namespace lexorim::app
