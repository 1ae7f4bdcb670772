#include "app/tools/text_to_index_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include "app/common/error_display.h"
#include "app/common/file_dialogs.h"
#include "app/common/qt_text.h"
#include "app/common/settings_binding.h"
#include "app/common/widgets.h"
#include "app/common/window_texts.h"
#include "settings/languages.h"
#include "settings/run_options.h"
#include "textfiles/text_reader.h"

namespace lexorim::app {

namespace {

constexpr const char* kWindowClass = "Tedittxt2idx";

// A push button of the editor. Enter in an option box must not press the first button of the
// window, so no button is a default one.
QPushButton* Button(QWidget* parent, const char* name) {
    auto* button = Named<QPushButton>(parent, name);
    button->setAutoDefault(false);
    return button;
}

// An edit box with the label that carries its caption.
void AddLabelledEdit(QGridLayout* grid, int row, int column, QLineEdit* edit) {
    auto* label = new QLabel(edit->parentWidget());
    label->setBuddy(edit);
    grid->addWidget(label, row, column);
    grid->addWidget(edit, row, column + 1);
}

}  // namespace

TextToIndexWindow::TextToIndexWindow(AppContext& context, QWidget* parent)
    : Translated<QDialog>(parent), context_(context), lists_(collator_) {
    setObjectName(QString::fromLatin1(kWindowClass));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    auto* layout = new QVBoxLayout(this);
    auto* lists = new QHBoxLayout;
    lists->addWidget(MakeTextSide(), 1);
    lists->addWidget(MakeTransferButtons());
    lists->addWidget(MakeIndexSide(), 1);
    layout->addLayout(lists, 1);
    layout->addWidget(MakeConversionOptions());
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    for (const char* name : {"ToTxtIdx", "ToHTMLIdx", "Schliessen"})
        bottom->addWidget(Button(this, name));
    layout->addLayout(bottom);
    connect(RequireChild<QPushButton>(this, "ToTxtIdx"), &QPushButton::clicked, this,
            [this] { HandOver(HandOverTarget::TextIndex); });
    connect(RequireChild<QPushButton>(this, "ToHTMLIdx"), &QPushButton::clicked, this,
            [this] { HandOver(HandOverTarget::FileIndex); });
    connect(RequireChild<QPushButton>(this, "Schliessen"), &QPushButton::clicked, this,
            &QDialog::close);
    new SettingsBinding(context_.settings, kWindowClass, this);
    resize(980, 680);
    ApplyTexts();
    ShowSortIndicators();
}

TextToIndexWindow::~TextToIndexWindow() {
    // A row still being edited is committed when the window goes, after the lists have gone.
    disconnect(textList_, nullptr, this, nullptr);
    disconnect(indexList_, nullptr, this, nullptr);
}

QTreeWidget* TextToIndexWindow::MakeList(const char* name, int columns) {
    auto* list = Named<QTreeWidget>(this, name);
    list->setColumnCount(columns);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->header()->setSectionsClickable(true);
    list->header()->setSortIndicatorShown(true);
    list->installEventFilter(this);
    connect(list->header(), &QHeaderView::sectionClicked, this, &TextToIndexWindow::SortByColumn);
    connect(list, &QTreeWidget::itemDoubleClicked, list,
            [list](QTreeWidgetItem* item) { list->editItem(item, 0); });
    connect(list, &QTreeWidget::itemChanged, this, [this, list](QTreeWidgetItem* item, int column) {
        TakeEditedEntry(list, item, column);
    });
    return list;
}

QWidget* TextToIndexWindow::MakeTextSide() {
    auto* group = Named<QGroupBox>(this, "Textquelle");
    auto* layout = new QVBoxLayout(group);
    textList_ = MakeList("text", 1);
    textList_->setParent(group);
    layout->addWidget(textList_, 1);
    auto* buttons = new QGridLayout;
    buttons->addWidget(Button(group, "TextOffnen"), 0, 0);
    buttons->addWidget(Button(group, "TextLoschen"), 0, 1);
    buttons->addWidget(Button(group, "ZeileLoschen"), 1, 0);
    buttons->addWidget(Button(group, "AllesMarkieren"), 1, 1);
    layout->addLayout(buttons);
    layout->addWidget(Named<QCheckBox>(group, "cb_deletetxt"));

    auto* remove = Named<QGroupBox>(group, "Entfernen");
    auto* grid = new QGridLayout(remove);
    auto* shortLabel = Named<QLabel>(remove, "lentf_label");
    auto* length = Named<QComboBox>(remove, "lentf");
    length->setEditable(true);
    shortLabel->setBuddy(length);
    grid->addWidget(shortLabel, 0, 0);
    grid->addWidget(length, 0, 1);
    grid->addWidget(Button(remove, "LangEntf"), 0, 2);
    auto* containingLabel = Named<QLabel>(remove, "bentf_label");
    auto* containing = Named<QLineEdit>(remove, "bentf");
    containingLabel->setBuddy(containing);
    grid->addWidget(containingLabel, 1, 0);
    grid->addWidget(containing, 1, 1);
    grid->addWidget(Button(remove, "BstEntf"), 1, 2);
    grid->setColumnStretch(1, 1);
    layout->addWidget(remove);

    connect(RequireChild<QPushButton>(this, "TextOffnen"), &QPushButton::clicked, this,
            &TextToIndexWindow::ChooseTextFile);
    connect(RequireChild<QPushButton>(this, "TextLoschen"), &QPushButton::clicked, this, [this] {
        lists_.textRows.clear();
        ShowTextRows();
    });
    connect(RequireChild<QPushButton>(this, "ZeileLoschen"), &QPushButton::clicked, this,
            [this] { DeleteSelectedRows(textList_); });
    connect(RequireChild<QPushButton>(this, "AllesMarkieren"), &QPushButton::clicked, this,
            [this] { SelectAllRows(textList_); });
    connect(RequireChild<QPushButton>(this, "LangEntf"), &QPushButton::clicked, this, [this] {
        lists_.RemoveShortLines(context_.settings.Value(ui::tedittxt2idx::lentf));
        ShowTextRows();
    });
    connect(RequireChild<QPushButton>(this, "BstEntf"), &QPushButton::clicked, this, [this] {
        lists_.RemoveLinesContaining(context_.settings.Value(ui::tedittxt2idx::bentf));
        ShowTextRows();
    });
    return group;
}

QWidget* TextToIndexWindow::MakeTransferButtons() {
    auto* column = new QWidget(this);
    auto* layout = new QVBoxLayout(column);
    layout->addStretch();
    for (const char* name : {"bt_t2i", "i2t"}) {
        auto* button = Button(column, name);
        button->setFixedWidth(40);
        layout->addWidget(button);
    }
    layout->addStretch();
    connect(RequireChild<QPushButton>(this, "bt_t2i"), &QPushButton::clicked, this,
            &TextToIndexWindow::ConvertToIndex);
    connect(RequireChild<QPushButton>(this, "i2t"), &QPushButton::clicked, this,
            &TextToIndexWindow::MoveBackToText);
    return column;
}

QWidget* TextToIndexWindow::MakeIndexSide() {
    auto* group = Named<QGroupBox>(this, "Index");
    auto* layout = new QVBoxLayout(group);
    indexList_ = MakeList("index", 3);
    indexList_->setParent(group);
    indexList_->header()->resizeSection(0, 160);
    indexList_->header()->resizeSection(1, 160);
    layout->addWidget(indexList_, 1);
    auto* buttons = new QGridLayout;
    buttons->addWidget(Button(group, "IdxLaden"), 0, 0);
    buttons->addWidget(Button(group, "IdxSpeichern"), 0, 1);
    buttons->addWidget(Button(group, "IdxAlles"), 0, 2);
    buttons->addWidget(Button(group, "IdxZeile"), 1, 0);
    buttons->addWidget(Button(group, "IdxSelectAll"), 1, 1);
    layout->addLayout(buttons);
    layout->addWidget(Named<QCheckBox>(group, "cb_deleteidx"));

    connect(RequireChild<QPushButton>(this, "IdxLaden"), &QPushButton::clicked, this,
            &TextToIndexWindow::ChooseIndexFile);
    connect(RequireChild<QPushButton>(this, "IdxSpeichern"), &QPushButton::clicked, this,
            &TextToIndexWindow::ChooseIndexFileToSave);
    connect(RequireChild<QPushButton>(this, "IdxAlles"), &QPushButton::clicked, this, [this] {
        lists_.ClearIndex();
        ShowIndexRows();
    });
    connect(RequireChild<QPushButton>(this, "IdxZeile"), &QPushButton::clicked, this,
            [this] { DeleteSelectedRows(indexList_); });
    connect(RequireChild<QPushButton>(this, "IdxSelectAll"), &QPushButton::clicked, this,
            [this] { SelectAllRows(indexList_); });
    return group;
}

QWidget* TextToIndexWindow::MakeConversionOptions() {
    auto* group = Named<QGroupBox>(this, "Umwandeln");
    auto* grid = new QGridLayout(group);
    AddLabelledEdit(grid, 0, 0, Named<QLineEdit>(group, "zwes"));
    AddLabelledEdit(grid, 1, 0, Named<QLineEdit>(group, "zws"));
    grid->addWidget(Named<QCheckBox>(group, "cb_linksvorhanden"), 2, 0);
    grid->addWidget(Named<QLineEdit>(group, "zwsl"), 2, 1);
    for (QLineEdit* edit : group->findChildren<QLineEdit*>())
        edit->setMaximumWidth(80);

    auto* order = Named<QGroupBox>(group, "reihenfolge");
    auto* orderLayout = new QVBoxLayout(order);
    for (const char* name : {"sl", "ls"})
        orderLayout->addWidget(Named<QRadioButton>(order, name));
    grid->addWidget(order, 0, 2, 3, 1);

    auto* words = Named<QGroupBox>(group, "mehrerewoerter");
    auto* wordsLayout = new QVBoxLayout(words);
    for (const char* name : {"zus_eintrag", "zus_seite", "zus_auslassen"})
        wordsLayout->addWidget(Named<QRadioButton>(words, name));
    grid->addWidget(words, 0, 3, 3, 1);
    grid->setColumnStretch(4, 1);

    // The separator between page and link means something only when pages carry links.
    auto* links = RequireChild<QCheckBox>(this, "cb_linksvorhanden");
    const auto showLinkOptions = [this, links, order] {
        RequireChild<QLineEdit>(this, "zwsl")->setEnabled(links->isChecked());
        order->setEnabled(links->isChecked());
    };
    connect(links, &QCheckBox::toggled, this, showLinkOptions);
    showLinkOptions();
    return group;
}

void TextToIndexWindow::ApplyTexts() {
    ApplyWindowTexts(this, kWindowClass, context_.language);
}

void TextToIndexWindow::Open() {
    show();
    raise();
    activateWindow();
}

// ---------------------------------------------------------------------------------------------
// Files.

bool TextToIndexWindow::LoadTextFile(const QString& path) {
    return RunReportingErrors(this, [&] {
        ReadContext read;
        read.language = context_.language;
        read.showMessage = [this](TextView message) { ShowMessage(this, ToQString(message)); };
        const Text text = ReadTextFile(ToPath(path), read);
        lists_.LoadText(text, context_.settings.IsOn(ui::tedittxt2idx::cb_deletetxt));
        ShowTextRows();
    });
}

bool TextToIndexWindow::LoadIndexFile(const QString& path) {
    return RunReportingErrors(this, [&] {
        ReadContext read;
        read.language = context_.language;
        const Text text = ReadTextFile(ToPath(path), read);
        lists_.LoadIndex(text, context_.settings.IsOn(ui::tedittxt2idx::cb_deleteidx));
        ShowIndexRows();
    });
}

bool TextToIndexWindow::SaveIndexFile(const QString& path) {
    return RunReportingErrors(this, [&] {
        SaveIndexRows(lists_.indexRows(), ToPath(path),
                      MakeOutputSettings(context_.settings, context_.pictureFont));
    });
}

void TextToIndexWindow::ChooseTextFile() {
    const QString path = ChooseFileToOpen(this, kWindowClass, "TextOffnen", context_.language);
    if (!path.isEmpty())
        LoadTextFile(path);
}

void TextToIndexWindow::ChooseIndexFile() {
    const QString path = ChooseFileToOpen(this, kWindowClass, "IdxLaden", context_.language);
    if (!path.isEmpty())
        LoadIndexFile(path);
}

void TextToIndexWindow::ChooseIndexFileToSave() {
    const QString path = ChooseFileToSave(this, kWindowClass, "IdxSpeichern", context_.language);
    if (!path.isEmpty())
        SaveIndexFile(path);
}

void TextToIndexWindow::HandOver(HandOverTarget target) {
    const QString path = QString::fromStdString(TemporaryIndexFilePath().string());
    if (!SaveIndexFile(path))
        return;
    close();
    if (target == HandOverTarget::TextIndex)
        emit textIndexHandOver(path);
    else
        emit fileIndexHandOver(path);
}

// ---------------------------------------------------------------------------------------------
// The lists.

std::vector<size_t> TextToIndexWindow::SelectedRows(const QTreeWidget* list) const {
    std::vector<size_t> rows;
    for (const QModelIndex& index : list->selectionModel()->selectedRows())
        rows.push_back(static_cast<size_t>(index.row()));
    return rows;
}

void TextToIndexWindow::ConvertToIndex() {
    lists_.ConvertToIndex(SelectedRows(textList_), MakeTextToIndexOptions(context_.settings));
    ShowTextRows();
    ShowIndexRows();
}

void TextToIndexWindow::MoveBackToText() {
    lists_.MoveBackToText(SelectedRows(indexList_));
    ShowTextRows();
    ShowIndexRows();
}

void TextToIndexWindow::DeleteSelectedRows(QTreeWidget* list) {
    if (list == textList_) {
        lists_.RemoveTextRows(SelectedRows(textList_));
        ShowTextRows();
    } else {
        lists_.RemoveIndexRows(SelectedRows(indexList_));
        ShowIndexRows();
    }
}

void TextToIndexWindow::SelectAllRows(QTreeWidget* list) {
    list->selectAll();
    list->setFocus();
}

void TextToIndexWindow::SortByColumn(int column) {
    lists_.ClickColumn(static_cast<size_t>(column));
    ShowTextRows();
    ShowIndexRows();
    ShowSortIndicators();
}

void TextToIndexWindow::TakeEditedEntry(QTreeWidget* list, QTreeWidgetItem* item, int column) {
    if (column != 0)
        return;
    const auto row = static_cast<size_t>(list->indexOfTopLevelItem(item));
    Text entry = ToText(item->text(0));
    if (list == textList_) {
        if (row < lists_.textRows.size())
            lists_.textRows[row] = std::move(entry);
    } else {
        lists_.SetIndexEntry(row, std::move(entry));
    }
}

namespace {

QTreeWidgetItem* EditableRow(const QStringList& columns) {
    auto* item = new QTreeWidgetItem(columns);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    return item;
}

// Fills a list again, keeping its scroll position where the rows allow.
void Refill(QTreeWidget* list, QList<QTreeWidgetItem*> items) {
    const QSignalBlocker quiet(list);
    const int scrolled = list->verticalScrollBar()->value();
    list->clear();
    list->addTopLevelItems(items);
    list->verticalScrollBar()->setValue(scrolled);
}

}  // namespace

void TextToIndexWindow::ShowTextRows() {
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(lists_.textRows.size()));
    for (const Text& row : lists_.textRows)
        items << EditableRow({ToQString(row)});
    Refill(textList_, std::move(items));
}

void TextToIndexWindow::ShowIndexRows() {
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(lists_.indexRows().size()));
    for (const IndexRow& row : lists_.indexRows())
        items << EditableRow({ToQString(row.entry), ToQString(row.pages), ToQString(row.source)});
    Refill(indexList_, std::move(items));
}

void TextToIndexWindow::ShowSortIndicators() {
    const ListSortState& sort = lists_.sortState();
    const Qt::SortOrder order = sort.ascending ? Qt::AscendingOrder : Qt::DescendingOrder;
    indexList_->header()->setSortIndicator(static_cast<int>(sort.column), order);
    // The text list has only the first column; a sort by another leaves it unmarked.
    textList_->header()->setSortIndicatorShown(sort.column == 0);
    textList_->header()->setSortIndicator(0, order);
}

bool TextToIndexWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        if (watched == textList_ || watched == indexList_) {
            DeleteSelectedRows(static_cast<QTreeWidget*>(watched));
            return true;
        }
    }
    return Translated<QDialog>::eventFilter(watched, event);
}

}  // namespace lexorim::app
