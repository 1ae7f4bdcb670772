#pragma once
// The behaviour of the numeric boxes: only digits (and, where allowed, the minus sign) can be
// typed, a box left empty is refilled with its default, and a combo box's custom item empties
// the box for typing.

#include <QComboBox>
#include <QLineEdit>
#include <functional>

#include "ui/control_ids.h"

namespace lexorim::app {

struct NumberBoxRules {
    QString defaultValue = {};
    bool allowMinus = false;
    // Shown when another key is typed; nothing is shown when it is not set.
    std::function<void(QWidget* box)> reportRejectedKey = {};
};

// The rules of a numeric control of the settings' table: its default from the window table and
// whether it takes a minus sign.
NumberBoxRules NumberBoxRulesFor(ui::ControlId id, std::function<void(QWidget*)> report = {});

// For an edit box.
void MakeNumberBox(QLineEdit* edit, NumberBoxRules rules);

// For an editable combo box whose last item is the custom item.
void MakeNumberComboBox(QComboBox* combo, NumberBoxRules rules);

// True when the key would put a character into the box that the rules do not allow.
bool IsRejectedKey(const QString& typed, bool allowMinus);

}  // namespace lexorim::app
