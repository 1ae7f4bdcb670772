#include "app/textindex/text_index_dialogs.h"
#include "app/common/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/common/number_boxes.h"
#include "app/common/qt_text.h"
#include "app/common/window_texts.h"
#include "settings/languages.h"
#include "textindex/page_designations.h"
#include "textindex/text_index_design.h"

namespace lexorim::app {

PageNumberCriteriaDialog::PageNumberCriteriaDialog(AppContext& context, QWidget* parent)
    : SettingsDialog(
          context, "Tszkriterien", parent,
          {{"gb_position", {{"posueber"}, {"posunter"}}},
           {"gb_laenge", {{"sz_laenge"}}},
           {"gb_zeichen", {{"sz_zeichbeginn", "sz_zeichen"}, {"sz_zeichenweg"}}},
           {"gb_andere",
            {{"sz_nurzahl"}, {"sz_kuerzen"}, {"sz_bwstandard"}, {"sz_bwdef", "sz_bwdefs"}}},
           {"gb_plus", {{"cb_plus", "cb_pluswert"}}}}) {
    Finish(true);
    // The custom item and the numeric rules of the two combo boxes.
    MakeNumberComboBox(RequireChild<QComboBox>(this, "sz_laenge"),
                       NumberBoxRulesFor(ui::tszkriterien::sz_laenge));
    MakeNumberComboBox(RequireChild<QComboBox>(this, "cb_pluswert"),
                       NumberBoxRulesFor(ui::tszkriterien::cb_pluswert));
    for (auto* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::toggled, this, &PageNumberCriteriaDialog::UpdateEnabled);
    for (auto* button : findChildren<QRadioButton*>())
        connect(button, &QRadioButton::toggled, this, &PageNumberCriteriaDialog::UpdateEnabled);
    UpdateEnabled();
}

void PageNumberCriteriaDialog::UpdateEnabled() {
    const bool shorten = RequireChild<QCheckBox>(this, "sz_kuerzen")->isChecked();
    const bool custom = RequireChild<QRadioButton>(this, "sz_bwdef")->isChecked();
    RequireChild<QRadioButton>(this, "sz_bwstandard")->setEnabled(shorten);
    RequireChild<QRadioButton>(this, "sz_bwdef")->setEnabled(shorten);
    RequireChild<QLineEdit>(this, "sz_bwdefs")->setEnabled(custom);
}

PageListEditDialog::PageListEditDialog(AppContext& context, QWidget* parent)
    : Translated<QDialog>(parent), context_(context) {
    setObjectName(QStringLiteral("Tszbearbeiten"));
    auto* layout = new QVBoxLayout(this);
    list_ = new QPlainTextEdit(this);
    list_->setObjectName(QStringLiteral("liste"));
    layout->addWidget(list_);
    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("Bearbeiten"));
    auto* form = new QFormLayout(group);
    for (const char* name : {"ed1", "ed2"}) {
        auto* edit = new QLineEdit(group);
        edit->setObjectName(QString::fromLatin1(name));
        auto* label = new QLabel(group);
        label->setBuddy(edit);
        form->addRow(label, edit);
    }
    auto* row = new QHBoxLayout;
    auto* add = new QPushButton(group);
    add->setObjectName(QStringLiteral("add"));
    auto* sort = new QPushButton(group);
    sort->setObjectName(QStringLiteral("Sortieren"));
    row->addWidget(add);
    row->addWidget(sort);
    row->addStretch();
    form->addRow(row);
    layout->addWidget(group);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)
        ->setObjectName(QStringLiteral("OK"));
    buttons->addButton(QString(), QDialogButtonBox::RejectRole)
        ->setObjectName(QStringLiteral("Abbrechen"));
    layout->addWidget(buttons);
    // "OK" sorts before the lines replace the list.
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        SortLines();
        accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(add, &QPushButton::clicked, this, &PageListEditDialog::AddLine);
    connect(sort, &QPushButton::clicked, this, &PageListEditDialog::SortLines);
    resize(360, 480);
    ApplyTexts();
}

void PageListEditDialog::ApplyTexts() {
    ApplyWindowTexts(this, "Tszbearbeiten", context_.language);
}

void PageListEditDialog::SetLines(const QStringList& lines) {
    list_->setPlainText(lines.join(u'\n'));
}

QStringList PageListEditDialog::lines() const {
    return MemoText(*list_).split(u'\n');
}

void PageListEditDialog::AddLine() {
    const QString designation = RequireChild<QLineEdit>(this, "ed1")->text();
    const QString line = RequireChild<QLineEdit>(this, "ed2")->text();
    list_->appendPlainText(QStringLiteral("%1 (%2)").arg(designation, line));
    SortLines();
}

void PageListEditDialog::SortLines() {
    const std::vector<Text> texts = ToTexts(lines());
    SetLines(ToQStringList(SortDesignationLines({texts.begin(), texts.end()})));
}

TextIndexDesignDialog::TextIndexDesignDialog(AppContext& context, QWidget* parent)
    : SettingsDialog(
          context, "Tdesign", parent,
          {{"gb1", {{"ub"}, {"dabsatz_abc"}, {"kt_alphabet"}}}, {"gb2", {{"dsep"}, {"dzw"}}}}) {
    auto* group = RequireChild<QGroupBox>(this, "gb2");
    auto* shown = static_cast<QVBoxLayout*>(group->layout());
    separatorShown_ = new QLabel(this);
    separatorShown_->setObjectName(QStringLiteral("Label1"));
    betweenShown_ = new QLabel(this);
    betweenShown_->setObjectName(QStringLiteral("Label2"));
    preview_ = new QLabel(this);
    preview_->setObjectName(QStringLiteral("vorschau"));
    shown->addWidget(separatorShown_);
    shown->addWidget(betweenShown_);
    shown->addWidget(preview_);
    Finish(false);
    for (auto* edit : findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::textChanged, this, &TextIndexDesignDialog::UpdatePreview);
    UpdatePreview();
}

void TextIndexDesignDialog::ApplyTexts() {
    SettingsDialog::ApplyTexts();
    if (preview_ != nullptr)
        UpdatePreview();
}

void TextIndexDesignDialog::UpdatePreview() {
    TextIndexDesign design;
    design.pageSeparator = ToText(RequireChild<QLineEdit>(this, "dsep")->text());
    design.wordSeparator = ToText(RequireChild<QLineEdit>(this, "dzw")->text());
    separatorShown_->setText(ToQString(QuotedSeparator(design.pageSeparator)));
    betweenShown_->setText(ToQString(QuotedSeparator(design.wordSeparator)));
    preview_->setText(ToQString(DesignPreview(design, context_.language)));
}

// ---------------------------------------------------------------------------------------------
// Tindexhinzu.

ExistingIndexChooser::ExistingIndexChooser(AppContext& context, QWidget* parent)
    : Translated<QDialog>(parent), context_(context) {
    setObjectName(QStringLiteral("Tindexhinzu"));
    auto* layout = new QVBoxLayout(this);
    path_ = new QLineEdit(this);
    path_->setObjectName(QStringLiteral("edit_quelle"));
    layout->addWidget(path_);
    openDialog_ = new QFileDialog(this);
    openDialog_->setObjectName(QStringLiteral("OpenIndex"));
    openDialog_->setAcceptMode(QFileDialog::AcceptOpen);
    openDialog_->setFileMode(QFileDialog::ExistingFile);
    new SettingsBinding(context_.settings, "Tindexhinzu", this);
    ApplyTexts();
}

QString ExistingIndexChooser::Choose() {
    // Start where the last chosen index lies, so that adding to the same index again is quick.
    const QFileInfo last(path_->text());
    if (!path_->text().isEmpty() && last.dir().exists()) {
        openDialog_->setDirectory(last.absolutePath());
        if (last.isFile())
            openDialog_->selectFile(last.absoluteFilePath());
    }
    if (openDialog_->exec() != QDialog::Accepted)
        return {};
    const QString chosen = openDialog_->selectedFiles().value(0);
    if (!chosen.isEmpty())
        context_.settings.Set(ui::tindexhinzu::edit_quelle, ToText(chosen));
    return chosen;
}

void ExistingIndexChooser::ApplyTexts() {
    ApplyWindowTexts(this, "Tindexhinzu", context_.language);
    openDialog_->setNameFilter(DialogFilter(
        WindowText("Tindexhinzu", "OpenIndex", context_.language, ui::TextRole::Filter)));
}

}  // namespace lexorim::app
