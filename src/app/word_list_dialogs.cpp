#include "app/word_list_dialogs.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/error_display.h"
#include "app/qt_text.h"
#include "app/window_texts.h"
#include "engine/program_folder.h"
#include "engine/word_lists.h"
#include "settings/languages.h"
#include "settings/run_options.h"
#include "textfiles/text_reader.h"

namespace lexorim::app {

WordListDialog::WordListDialog(AppContext& context, Kind kind, QWidget* parent)
    : QDialog(parent), context_(context), kind_(kind) {
    setObjectName(QString::fromLatin1(windowClass()));
    auto* layout = new QVBoxLayout(this);
    list_ = new QPlainTextEdit(this);
    list_->setObjectName(QStringLiteral("liste"));
    list_->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(list_);
    auto* row = new QHBoxLayout;
    const auto addButton = [this, row](const char* name, auto action) {
        auto* button = new QPushButton(this);
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, action);
        row->addWidget(button);
    };
    addButton("laden", [this] { Load(false); });
    addButton("hinzuladen", [this] { Load(true); });
    addButton("speichern", [this] { Save(); });
    addButton("delete", [this] { list_->clear(); });
    row->addStretch();
    addButton("OK", [this] { accept(); });
    layout->addLayout(row);
    connect(list_, &QPlainTextEdit::textChanged, this, &WordListDialog::TakeList);
    resize(480, 520);
    ApplyTexts();
}

const char* WordListDialog::windowClass() const {
    return kind_ == Kind::Negative ? "Tnegliste" : "Tposliste";
}

void WordListDialog::ApplyTexts() {
    ApplyWindowTexts(this, windowClass(), context_.language);
}

void WordListDialog::LoadAtStart() {
    const auto report = [this](TextView message) { ShowError(this, ToQString(message)); };
    const WordList list =
        kind_ == Kind::Negative ? LoadNegativeList(report) : LoadPositiveList(report);
    SetListText(ToQString(WordListText(list)));
}

void WordListDialog::SetListText(const QString& text) {
    list_->setPlainText(text);
}

void WordListDialog::TakeList() {
    WordList list = WordListFromText(ToText(list_->toPlainText()));
    (kind_ == Kind::Negative ? context_.lists.negative : context_.lists.positive) = std::move(list);
}

void WordListDialog::Load(bool append) {
    const QString path = QFileDialog::getOpenFileName(
        this, QString(), QString(),
        DialogFilter(
            WindowText(windowClass(), "OpenList", context_.language, ui::TextRole::Filter)));
    if (path.isEmpty())
        return;
    RunReportingErrors(this, [&] {
        const Text loaded = ReadTextFile(ToPath(path));
        SetListText(append ? ToQString(AppendListText(ToText(list_->toPlainText()), loaded))
                           : ToQString(loaded));
    });
}

void WordListDialog::Save() {
    const std::filesystem::path suggested =
        kind_ == Kind::Negative ? NegativeListPath() : PositiveListPath();
    const QString path = QFileDialog::getSaveFileName(
        this, QString(), QString::fromStdString(suggested.string()),
        DialogFilter(WindowText("Tprog", "memosave", context_.language, ui::TextRole::Filter)));
    if (path.isEmpty())
        return;
    RunReportingErrors(this, [&] {
        WriteTextFile(ToText(list_->toPlainText()), ToPath(path),
                      MakeOutputSettings(context_.settings, context_.pictureFont));
    });
}

}  // namespace lexorim::app
