#include "app/common/number_boxes.h"

#include <QEvent>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QTimer>

#include "app/common/qt_text.h"
#include "settings/numeric_controls.h"

namespace lexorim::app {

namespace {

class NumberBoxFilter : public QObject {
  public:
    NumberBoxFilter(QLineEdit* edit, NumberBoxRules rules)
        : QObject(edit), edit_(edit), rules_(std::move(rules)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (IsRejectedKey(key->text(), rules_.allowMinus)) {
                if (rules_.reportRejectedKey)
                    rules_.reportRejectedKey(edit_);
                return true;
            }
        } else if (event->type() == QEvent::FocusOut && edit_->text().isEmpty()) {
            edit_->setText(rules_.defaultValue);
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QLineEdit* edit_;
    NumberBoxRules rules_;
};

}  // namespace

bool IsRejectedKey(const QString& typed, bool allowMinus) {
    if (typed.isEmpty())
        return false;  // navigation and modifier keys
    for (const QChar c : typed) {
        const bool allowed = (c >= u'0' && c <= u'9') || c == u'\b' || (allowMinus && c == u'-') ||
                             c.unicode() < 0x20;
        if (!allowed)
            return true;
    }
    return false;
}

NumberBoxRules NumberBoxRulesFor(ui::ControlId id, std::function<void(QWidget*)> report) {
    const NumericControl* control = FindNumericControl(id);
    if (control == nullptr)
        return {.reportRejectedKey = std::move(report)};
    return {.defaultValue = ToQString(control->DefaultText()),
            .allowMinus = control->acceptsMinus,
            .reportRejectedKey = std::move(report)};
}

void MakeNumberBox(QLineEdit* edit, NumberBoxRules rules) {
    // Pasted or dropped text bypasses the keys: the validator refuses what the keys would.
    const QString pattern =
        rules.allowMinus ? QStringLiteral("-?[0-9]*") : QStringLiteral("[0-9]*");
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
    edit->installEventFilter(new NumberBoxFilter(edit, std::move(rules)));
}

void MakeNumberComboBox(QComboBox* combo, NumberBoxRules rules) {
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    MakeNumberBox(combo->lineEdit(), rules);
    // A key typed while the combo box itself has the focus reaches its line edit without
    // passing the line edit's filter, so the combo box gets the same one.
    combo->installEventFilter(new NumberBoxFilter(combo->lineEdit(), rules));
    QObject::connect(combo, qOverload<int>(&QComboBox::activated), combo, [combo](int index) {
        if (index != combo->count() - 1)
            return;
        // The custom item: an empty box with the focus, ready for a number.
        QTimer::singleShot(0, combo, [combo] {
            combo->setEditText(QString());
            combo->setFocus();
        });
    });
}

}  // namespace lexorim::app
