#include "app/keywordindex/keyword_design_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/common/qt_text.h"
#include "app/common/widgets.h"
#include "keywordindex/keyword_output.h"

namespace lexorim::app {

KeywordDesignDialog::KeywordDesignDialog(AppContext& context, QWidget* parent)
    : SettingsDialog(context, "Tsdesign", parent,
                     {{"gb1", {{"bez"}, {"dateiname"}}},
                      {"gb2", {{"leerzeile"}}},
                      {"gb3", {{"v"}, {"zwdl"}, {"zw"}, {"zwe"}, {"ne"}}}}) {
    auto* characters = RequireChild<QGroupBox>(this, "gb3");
    preview_ = Named<QLabel>(characters, "beispiel");
    preview_->setWordWrap(true);
    preview_->setTextFormat(Qt::PlainText);
    static_cast<QVBoxLayout*>(characters->layout())->addWidget(preview_);
    Finish(false);
    for (auto* edit : findChildren<QLineEdit*>())
        connect(edit, &QLineEdit::textChanged, this, &KeywordDesignDialog::UpdatePreview);
    for (auto* box : findChildren<QCheckBox*>())
        connect(box, &QCheckBox::toggled, this, &KeywordDesignDialog::UpdatePreview);
    UpdatePreview();
}

void KeywordDesignDialog::ApplyTexts() {
    SettingsDialog::ApplyTexts();
    if (preview_ != nullptr)
        UpdatePreview();
}

void KeywordDesignDialog::UpdatePreview() {
    const auto text = [this](const char* name) {
        return ToText(RequireChild<QLineEdit>(this, name)->text());
    };
    const auto on = [this](const char* name) {
        return RequireChild<QCheckBox>(this, name)->isChecked();
    };
    KeywordDesign design;
    design.lineStart = text("v");
    design.betweenNameAndLink = text("zwdl");
    design.afterEntry = text("zw");
    design.betweenWords = text("zwe");
    design.lineEnd = text("ne");
    design.showName = on("bez");
    design.showLink = on("dateiname");
    design.emptyLine = on("leerzeile");
    preview_->setText(ToQString(KeywordDesignPreview(design, context_.language)));
}

}  // namespace lexorim::app
