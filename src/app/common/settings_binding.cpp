#include "app/common/settings_binding.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QStackedWidget>

#include "app/common/qt_text.h"

namespace lexorim::app {

SettingsBinding::SettingsBinding(Settings& settings, std::string windowClass, QWidget* root)
    : QObject(root), settings_(settings), windowClass_(std::move(windowClass)), root_(root) {
    listenerId_ = settings_.AddListener([this](const ControlRef& changed) {
        if (changed.window->className != windowClass_)
            return;
        const auto found = widgets_.find(changed.control->name);
        if (found != widgets_.end() && found->second)
            ShowValue(changed, found->second);
    });
    BindNewChildren();
}

SettingsBinding::~SettingsBinding() {
    settings_.RemoveListener(listenerId_);
}

void SettingsBinding::BindNewChildren() {
    const ui::WindowDefinition* window = ui::FindWindow(windowClass_);
    if (window == nullptr)
        return;
    for (const ui::ControlDefinition& control : window->controls) {
        if (widgets_.contains(control.name))
            continue;
        auto* widget = root_->findChild<QWidget*>(QString::fromLatin1(control.name));
        if (widget == nullptr && root_->objectName() == QLatin1String(control.name))
            widget = root_;
        if (widget != nullptr)
            Bind(ControlRef{window, &control}, widget);
    }
}

void SettingsBinding::Bind(const ControlRef& ref, QWidget* widget) {
    widgets_[std::string(ref.control->name)] = widget;
    ShowValue(ref, widget);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        connect(edit, &QLineEdit::textChanged, this,
                [this, ref](const QString& text) { TakeValue(ref, ToText(text)); });
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        connect(combo, &QComboBox::currentTextChanged, this,
                [this, ref](const QString& text) { TakeValue(ref, ToText(text)); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        const bool radio = ref.control->kind == ui::ControlKind::RadioButton;
        connect(button, &QAbstractButton::toggled, this, [this, ref, radio](bool on) {
            // A radio button that goes off does so because another of its group went on.
            if (radio && !on)
                return;
            TakeValue(ref, on ? u"1" : u"0");
        });
    }
}

void SettingsBinding::TakeValue(const ControlRef& ref, const Text& value) {
    if (showing_)
        return;
    settings_.Set(ref, value);
}

void SettingsBinding::ShowValue(const ControlRef& ref, QWidget* widget) {
    const QString value = ToQString(settings_.Value(ref));
    const bool wasShowing = showing_;
    showing_ = true;
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (edit->text() != value)
            edit->setText(value);
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        if (combo->isEditable()) {
            if (combo->currentText() != value)
                combo->setCurrentText(value);
        } else {
            const int index = combo->findText(value);
            if (index >= 0)
                combo->setCurrentIndex(index);
        }
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setChecked(value == QLatin1String("1"));
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(value);
    } else if (ref.control->kind == ui::ControlKind::Panel &&
               qobject_cast<QStackedWidget*>(widget->parentWidget()) == nullptr) {
        // Pages of a stack are shown by their owner; other panels simply show or hide.
        widget->setVisible(value == QLatin1String("1"));
    }
    showing_ = wasShowing;
    emit valueShown(QString::fromLatin1(ref.control->name));
}

}  // namespace lexorim::app
