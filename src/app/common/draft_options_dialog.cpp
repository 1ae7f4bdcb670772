#include "app/common/draft_options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QShowEvent>
#include <algorithm>
#include <array>

#include "app/common/error_display.h"
#include "app/common/mnemonics.h"
#include "app/common/number_boxes.h"
#include "app/common/qt_text.h"
#include "app/common/widgets.h"
#include "app/common/window_texts.h"
#include "settings/numeric_controls.h"

namespace lexorim::app {

namespace {

// The line of a dialog's group that holds `widget`.
QBoxLayout* LineOf(QWidget* widget) {
    QLayout* group = widget->parentWidget()->layout();
    for (int i = 0; group != nullptr && i < group->count(); ++i) {
        auto* line = qobject_cast<QBoxLayout*>(group->itemAt(i)->layout());
        if (line != nullptr && line->indexOf(widget) >= 0)
            return line;
    }
    return nullptr;
}

QString NameOf(ui::ControlId id) {
    return QString::fromUtf8(id.name.data(), static_cast<qsizetype>(id.name.size()));
}

}  // namespace

DraftOptionsDialog::DraftOptionsDialog(AppContext& context, QWidget* parent)
    : SettingsDialog(context, "Tentwurf", parent,
                     {{"ew_seiten",
                       {{"ew_kopfzeilen"},
                        {"ew_inhaltsseiten"},
                        {"ew_seitenbereich"},
                        {"ew_gedrucktenummern"},
                        {"ew_versatzdokumente"}}},
                      {"ew_woerter",
                       {{"ew_stoppwoerter"},
                        {"ew_sprache"},
                        {"ew_fachbegriffe"},
                        {"ew_wortformen"},
                        {"ew_schreibweisen"},
                        {"ew_kopfvorzeilen"},
                        {"ew_wiederholungen"},
                        {"ew_kurzwoerter"}}},
                      {"ew_stichwoerter",
                       {{"ew_relevanz", "ew_stichwortanzahl"},
                        {"ew_haeufigewoerter", "ew_dokumentanteil"}}}}) {
    // The language is one of a list, not free text; its caption stands in the label before it.
    auto* language = RequireChild<QComboBox>(this, "ew_sprache");
    language->setEditable(false);
    if (QBoxLayout* line = LineOf(language)) {
        line->setStretch(line->indexOf(language), 0);
        line->addStretch(1);
    }
    MakeNumberBoxBeside(RequireChild<QLineEdit>(this, "ew_stichwortanzahl"),
                        ui::tentwurf::ew_stichwortanzahl);
    MakeNumberBoxBeside(RequireChild<QLineEdit>(this, "ew_dokumentanteil"),
                        ui::tentwurf::ew_dokumentanteil);
    Finish(true);
    for (const char* name : {"ew_relevanz", "ew_haeufigewoerter"}) {
        connect(RequireChild<QCheckBox>(this, name), &QCheckBox::toggled, this,
                &DraftOptionsDialog::UpdateEnabled);
    }
    UpdateEnabled();
}

void DraftOptionsDialog::MakeNumberBoxBeside(QLineEdit* box, ui::ControlId id) {
    MakeNumberBox(box, NumberBoxRulesFor(id, [this](QWidget* rejecting) {
                      ShowMessage(rejecting, WindowQText("Tprog", "NumbersOnly", context_.language,
                                                         ui::TextRole::Message));
                  }));
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 16);
    if (QBoxLayout* line = LineOf(box)) {
        line->setStretch(line->indexOf(box), 0);
        line->addStretch(1);
    }
}

void DraftOptionsDialog::ApplyTexts() {
    SettingsDialog::ApplyTexts();
    // The two number boxes stand one above the other, whatever the length of their captions;
    // having no label of their own, they are named by the check box before them.
    const std::array<std::pair<const char*, const char*>, 2> besideNumbers = {
        {{"ew_relevanz", "ew_stichwortanzahl"}, {"ew_haeufigewoerter", "ew_dokumentanteil"}}};
    int width = 0;
    for (const auto& [option, number] : besideNumbers) {
        auto* box = findChild<QCheckBox*>(QString::fromLatin1(option));
        auto* edit = findChild<QLineEdit*>(QString::fromLatin1(number));
        if (box == nullptr || edit == nullptr)
            return;  // the layout is not yet built
        edit->setAccessibleName(WithoutMnemonic(box->text()));
        box->setMinimumWidth(0);
        width = std::max(width, box->sizeHint().width());
    }
    for (const auto& [option, number] : besideNumbers)
        findChild<QCheckBox*>(QString::fromLatin1(option))->setMinimumWidth(width);
}

void DraftOptionsDialog::UpdateEnabled() {
    // A count or a share means something only with its option on.
    RequireChild<QLineEdit>(this, "ew_stichwortanzahl")
        ->setEnabled(RequireChild<QCheckBox>(this, "ew_relevanz")->isChecked());
    RequireChild<QLineEdit>(this, "ew_dokumentanteil")
        ->setEnabled(RequireChild<QCheckBox>(this, "ew_haeufigewoerter")->isChecked());
}

void DraftOptionsDialog::showEvent(QShowEvent* event) {
    // A window shown again by the desktop (from the task bar, say) is the same opening.
    if (!event->spontaneous()) {
        openedWith_.clear();
        for (const ui::ControlId id : ui::tentwurf::kControls) {
            const ControlRef ref = context_.settings.Resolve(id);
            openedWith_.emplace_back(ref, context_.settings.Value(ref));
        }
    }
    SettingsDialog::showEvent(event);
}

void DraftOptionsDialog::accept() {
    // A number box emptied and left with Enter takes its default, as it does when left with Tab.
    for (const ui::ControlId id :
         {ui::tentwurf::ew_stichwortanzahl, ui::tentwurf::ew_dokumentanteil}) {
        auto* box = RequireChild<QLineEdit>(this, NameOf(id));
        if (box->text().isEmpty())
            box->setText(ToQString(FindNumericControl(id)->DefaultText()));
    }
    SettingsDialog::accept();
}

void DraftOptionsDialog::reject() {
    for (const auto& [ref, value] : openedWith_)
        context_.settings.Set(ref, value);
    SettingsDialog::reject();
}

}  // namespace lexorim::app
