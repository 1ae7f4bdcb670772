#include "app/common/source_options_dialog.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextCursor>
#include <utility>

#include "app/common/qt_text.h"
#include "app/common/widgets.h"
#include "ui/control_ids.h"

namespace lexorim::app {

namespace {

constexpr std::pair<const char*, MemoColumn> kColumnButtons[] = {
    {"rb1", MemoColumn::Name}, {"rb2", MemoColumn::Link}, {"rb3", MemoColumn::Source}};

const std::vector<DialogGroup>& SourceOptionsLayout() {
    static const std::vector<DialogGroup> groups = {
        {"gb1", {{"doppelteweg"}, {"dadweitere"}, {"endungenweg"}, {"namengross"}}},
        {"gb2", {{"rb1"}, {"rb2"}, {"rb3"}}},
    };
    return groups;
}

}  // namespace

SourceOptionsDialog::SourceOptionsDialog(AppContext& context, SourceList& target, QWidget* parent)
    : SettingsDialog(context, std::string(ui::tquhopt::kWindow), parent, SourceOptionsLayout()),
      target_(target) {
    auto* columnGroup = RequireChild<QGroupBox>(this, "gb2");
    memo_ = Named<QPlainTextEdit>(columnGroup, "liste");
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    columnGroup->layout()->addWidget(memo_);
    Finish(false);

    // The memo starts with the column of the button that is on, so that OK writes the lines back
    // into the column they came from.
    state_.shown = CheckedColumn();
    ShowMemoText(MemoTextFor(target_, state_.shown));

    for (const auto& [name, column] : kColumnButtons) {
        connect(RequireChild<QRadioButton>(this, name), &QAbstractButton::toggled, this,
                [this, column = column](bool on) {
                    if (on)
                        ColumnChosen(column);
                });
    }
    connect(memo_, &QPlainTextEdit::textChanged, this, &SourceOptionsDialog::MemoEdited);
}

MemoColumn SourceOptionsDialog::CheckedColumn() const {
    for (const auto& [name, column] : kColumnButtons) {
        if (RequireChild<QRadioButton>(this, name)->isChecked())
            return column;
    }
    return MemoColumn::Name;
}

void SourceOptionsDialog::ColumnChosen(MemoColumn column) {
    if (column == state_.shown)
        return;
    ShowMemoText(state_.Select(target_, column, ToText(MemoText(*memo_))));
}

void SourceOptionsDialog::ShowMemoText(const Text& text) {
    QString shown = ToQString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    settingText_ = true;
    memo_->setPlainText(shown);  // also clears the undo history
    settingText_ = false;
    allowedText_ = shown;
}

void SourceOptionsDialog::MemoEdited() {
    if (settingText_)
        return;
    const QString text = MemoText(*memo_);
    if (MemoEditAllowed(ToText(text), target_)) {
        allowedText_ = text;
        return;
    }
    // A line too many: the edit is undone and cannot be redone.
    const int position = memo_->textCursor().position();
    settingText_ = true;
    memo_->setPlainText(allowedText_);
    settingText_ = false;
    QTextCursor cursor = memo_->textCursor();
    cursor.setPosition(std::min(position, static_cast<int>(allowedText_.size())));
    memo_->setTextCursor(cursor);
}

void SourceOptionsDialog::accept() {
    state_.Accept(target_, ToText(MemoText(*memo_)));
    SettingsDialog::accept();
}

}  // namespace lexorim::app
