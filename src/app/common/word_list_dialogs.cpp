#include "app/common/word_list_dialogs.h"
#include "app/common/file_dialogs.h"
#include "app/common/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/common/error_display.h"
#include "app/common/qt_text.h"
#include "app/common/settings_binding.h"
#include "app/common/window_texts.h"
#include "engine/collation.h"
#include "engine/program_folder.h"
#include "settings/languages.h"
#include "settings/run_options.h"
#include "textfiles/text_reader.h"
#include "textfiles/word_lists.h"

namespace lexorim::app {

WordListDialog::WordListDialog(AppContext& context, Kind kind, QWidget* parent)
    : Translated<QDialog>(parent), context_(context), kind_(kind) {
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

QString WordListDialog::listText() const {
    return MemoText(*list_);
}

void WordListDialog::SetListText(const QString& text) {
    list_->setPlainText(text);
}

void WordListDialog::TakeList() {
    WordList list = WordListFromText(ToText(MemoText(*list_)));
    (kind_ == Kind::Negative ? context_.lists.negative : context_.lists.positive) = std::move(list);
}

void WordListDialog::Load(bool append) {
    const QString path = ChooseFileToOpen(this, windowClass(), "OpenList", context_.language);
    if (path.isEmpty())
        return;
    RunReportingErrors(this, [&] {
        const Text loaded = ReadTextFile(ToPath(path));
        SetListText(append ? ToQString(AppendListText(ToText(MemoText(*list_)), loaded))
                           : ToQString(loaded));
    });
}

void WordListDialog::Save() {
    SaveText(MemoText(*list_));
}

void WordListDialog::SaveText(const QString& text) {
    const std::filesystem::path suggested =
        kind_ == Kind::Negative ? NegativeListPath() : PositiveListPath();
    const QString path = ChooseFileToSave(this, "Tprog", "memosave", context_.language,
                                          QString::fromStdString(suggested.string()));
    if (!path.isEmpty())
        SaveTextTo(text, path);
}

bool WordListDialog::SaveTextTo(const QString& text, const QString& path) {
    return RunReportingErrors(this, [&] {
        // The memo separates its lines with LF; a saved list has CR LF like every file we write.
        WriteTextFile(WordListText(WordListFromText(ToText(text))), ToPath(path),
                      MakeOutputSettings(context_.settings, context_.pictureFont));
    });
}

IndexToListTool::IndexToListTool(AppContext& context, WordListDialog& list,
                                 WordListDialog::Kind kind, QWidget* parent)
    : Translated<QDialog>(parent), context_(context), list_(list), kind_(kind) {
    setObjectName(QString::fromLatin1(windowClass()));
    auto* layout = new QGridLayout(this);
    auto* choice = new QComboBox(this);
    choice->setObjectName(QStringLiteral("wahl"));
    choice->setEditable(true);
    indexList_ = new QListWidget(this);
    indexList_->setObjectName(QStringLiteral("idxliste"));
    indexList_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    indexList_->setUniformItemSizes(true);
    toolList_ = new QPlainTextEdit(this);
    toolList_->setObjectName(QStringLiteral("liste"));
    toolList_->setLineWrapMode(QPlainTextEdit::NoWrap);
    const auto button = [this](const char* name) {
        auto* created = new QPushButton(this);
        created->setObjectName(QString::fromLatin1(name));
        return created;
    };
    auto* move = button("versch");
    auto* sort = button("sort");
    auto* session = new QCheckBox(this);
    session->setObjectName(QStringLiteral("sitzung"));
    auto* save = button("Speichern");
    auto* cancel = button("Abbrechen");
    auto* indexLabel = new QLabel(this);
    indexLabel->setObjectName(QStringLiteral("Label1"));
    auto* listLabel = new QLabel(this);
    listLabel->setObjectName(QStringLiteral("Label2"));
    layout->addWidget(indexLabel, 0, 0);
    layout->addWidget(listLabel, 0, 2);
    layout->addWidget(choice, 1, 0);
    layout->addWidget(indexList_, 2, 0, 3, 1);
    layout->addWidget(move, 3, 1);
    layout->addWidget(toolList_, 1, 2, 4, 1);
    layout->addWidget(sort, 5, 2, Qt::AlignLeft);
    layout->addWidget(session, 6, 0, 1, 3);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(save);
    row->addWidget(cancel);
    layout->addLayout(row, 7, 0, 1, 3);
    layout->setRowStretch(2, 1);
    layout->setRowStretch(4, 1);
    connect(choice, &QComboBox::currentTextChanged, this, &IndexToListTool::FillIndexWords);
    connect(move, &QPushButton::clicked, this, &IndexToListTool::MoveSelectedWords);
    connect(sort, &QPushButton::clicked, this, &IndexToListTool::SortList);
    connect(save, &QPushButton::clicked, this, &IndexToListTool::SaveAndClose);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    new SettingsBinding(context_.settings, windowClass(), this);
    resize(640, 520);
    ApplyTexts();
}

const char* IndexToListTool::windowClass() const {
    return kind_ == WordListDialog::Kind::Negative ? "Teditneg" : "Teditpos";
}

void IndexToListTool::ApplyTexts() {
    ApplyWindowTexts(this, windowClass(), context_.language);
}

void IndexToListTool::Open() {
    FillIndexWords();
    toolList_->setPlainText(list_.listText());
    show();
    raise();
}

void IndexToListTool::FillIndexWords() {
    const QString choice = RequireChild<QComboBox>(this, "wahl")->currentText();
    if (choice == QLatin1String("Index: TextIndex")) {
        indexWords_ = IndexWordList(context_.textIndex.store(), LocaleCollator());
    } else if (choice == QLatin1String("Index: DateiIndex") ||
               choice == QLatin1String("Index: FileIndex")) {
        indexWords_.clear();  // the file index has no store in this window yet
    } else {
        return;  // typed text leaves the list as it is
    }
    indexList_->clear();
    indexList_->addItems(ToQStringList(indexWords_));
}

void IndexToListTool::MoveSelectedWords() {
    std::vector<bool> selected(indexWords_.size(), false);
    for (const QModelIndex& index : indexList_->selectionModel()->selectedIndexes())
        selected[static_cast<size_t>(index.row())] = true;
    WordList target = WordListFromText(ToText(MemoText(*toolList_)));
    lexorim::MoveSelectedWords(indexWords_, selected, target, LocaleCollator());
    toolList_->setPlainText(ToQString(WordListText(target)));
    indexList_->clear();
    indexList_->addItems(ToQStringList(indexWords_));
}

void IndexToListTool::SortList() {
    const WordList sorted =
        SortWordListLines(WordListFromText(ToText(MemoText(*toolList_))), LocaleCollator());
    toolList_->setPlainText(ToQString(WordListText(sorted)));
}

void IndexToListTool::SaveAndClose() {
    if (!context_.settings.IsOn(windowClass(), "sitzung"))
        list_.SaveText(MemoText(*toolList_));
    // The list takes the tool's words in every case, also when saving was cancelled.
    list_.SetListText(MemoText(*toolList_));
    accept();
}

}  // namespace lexorim::app
