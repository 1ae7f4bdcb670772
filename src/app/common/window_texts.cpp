#include "app/common/window_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTreeWidget>

#include "app/common/mnemonics.h"
#include "app/common/qt_text.h"
#include "settings/languages.h"

namespace lexorim::app {

namespace {

// A page of a tab widget gets its caption as the tab's text.
bool SetTabCaption(QWidget* page, const QString& text) {
    auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
    auto* tabs = stack != nullptr ? qobject_cast<QTabWidget*>(stack->parentWidget()) : nullptr;
    if (tabs == nullptr)
        return false;
    tabs->setTabText(tabs->indexOf(page), text);
    return true;
}

void SetCaption(QObject* target, const QString& text) {
    if (auto* action = qobject_cast<QAction*>(target)) {
        action->setText(text);
    } else if (auto* menu = qobject_cast<QMenu*>(target)) {
        menu->setTitle(text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(target)) {
        button->setText(text);
    } else if (auto* label = qobject_cast<QLabel*>(target)) {
        label->setText(text);
    } else if (auto* group = qobject_cast<QGroupBox*>(target)) {
        group->setTitle(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        // A labelled edit box shows its caption in the label that names it as its buddy.
        for (QLabel* label : edit->window()->findChildren<QLabel*>()) {
            if (label->buddy() == edit)
                label->setText(text);
        }
    } else if (auto* widget = qobject_cast<QWidget*>(target)) {
        SetTabCaption(widget, text);
    }
}

void SetItems(QComboBox* combo, const QString& items) {
    const QString current = combo->currentText();
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(items.split(u'\n'));
    if (combo->isEditable()) {
        combo->setCurrentText(current);
    } else {
        combo->setCurrentIndex(std::max(0, combo->findText(current)));
    }
}

// A label that carries a value (the path of a chosen index) gets its text from the settings.
bool ShowsValue(const ui::WindowDefinition* window, std::string_view name, ui::TextRole role) {
    const ui::ControlDefinition* control = window ? window->FindControl(name) : nullptr;
    return role == ui::TextRole::Caption && control != nullptr &&
           control->kind == ui::ControlKind::Label;
}

}  // namespace

QString WindowQText(std::string_view windowClass, std::string_view name, Language language,
                    ui::TextRole role) {
    return ToQString(WindowText(windowClass, name, language, role));
}

void ApplyWindowTexts(QWidget* root, std::string_view windowClass, Language language) {
    const ui::WindowDefinition* window = ui::FindWindow(windowClass);
    for (const ShownText& shown : WindowTextsFor(windowClass, language)) {
        const QString text = ToQString(shown.text);
        if (shown.name.empty()) {
            if (shown.role == ui::TextRole::Caption)
                root->setWindowTitle(text);
            continue;
        }
        const QString name = QString::fromLatin1(shown.name);
        QObject* target = root->findChild<QObject*>(name);
        if (target == nullptr || ShowsValue(window, shown.name, shown.role))
            continue;
        switch (shown.role) {
            case ui::TextRole::Caption:
                SetCaption(target, text);
                break;
            case ui::TextRole::Hint:
                if (auto* widget = qobject_cast<QWidget*>(target))
                    widget->setToolTip(text);
                break;
            case ui::TextRole::Items:
                if (auto* combo = qobject_cast<QComboBox*>(target))
                    SetItems(combo, text);
                break;
            case ui::TextRole::Column:
                if (auto* tree = qobject_cast<QTreeWidget*>(target))
                    tree->setHeaderLabels(text.split(u'\n'));
                break;
            default:
                break;
        }
    }
    AssignMnemonics(root);
}

}  // namespace lexorim::app
