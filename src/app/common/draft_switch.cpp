#include "app/common/draft_switch.h"

#include "app/common/widgets.h"
#include "app/common/window_texts.h"
#include "settings/draft_settings.h"

namespace lexorim::app {

namespace {

constexpr std::string_view kDraftWindow = "Tentwurf";

// A click on a partly checked box switches everything on; it never leads to the partly checked
// state, which only shows what the settings hold.
class DraftCheckBox : public QCheckBox {
  public:
    using QCheckBox::QCheckBox;

  protected:
    void nextCheckState() override {
        setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
};

}  // namespace

DraftSwitch::DraftSwitch(AppContext& context, QWidget* parent, QGridLayout* layout, int row)
    : QObject(parent), context_(context) {
    checkBox_ = Named<DraftCheckBox>(parent, "ew_entwurf");
    checkBox_->setTristate(true);
    optionsButton_ = Named<QPushButton>(parent, "ew_optionen");
    layout->addWidget(checkBox_, row, 0);
    layout->addWidget(optionsButton_, row, 1, Qt::AlignLeft);
    connect(checkBox_, &QCheckBox::clicked, this, [this] {
        SetEveryDraftOption(context_.settings, checkBox_->checkState() == Qt::Checked);
    });
    connect(optionsButton_, &QPushButton::clicked, this, &DraftSwitch::optionsRequested);
    listenerId_ = context_.settings.AddListener([this](const ControlRef& changed) {
        if (changed.window->className == kDraftWindow)
            ShowState();
    });
    ShowState();
    ApplyTexts(context_.language);
}

DraftSwitch::~DraftSwitch() {
    context_.settings.RemoveListener(listenerId_);
}

void DraftSwitch::ShowState() {
    switch (DraftSwitchStateOf(context_.settings)) {
        case DraftSwitchState::Off:
            checkBox_->setCheckState(Qt::Unchecked);
            break;
        case DraftSwitchState::Partly:
            checkBox_->setCheckState(Qt::PartiallyChecked);
            break;
        case DraftSwitchState::On:
            checkBox_->setCheckState(Qt::Checked);
            break;
    }
}

void DraftSwitch::ApplyTexts(Language language) {
    checkBox_->setText(WindowQText(kDraftWindow, "ew_entwurf", language));
    optionsButton_->setText(WindowQText(kDraftWindow, "ew_optionen", language));
}

void ApplyDraftSwitchTexts(QWidget* window, Language language) {
    for (DraftSwitch* draftSwitch : window->findChildren<DraftSwitch*>())
        draftSwitch->ApplyTexts(language);
}

}  // namespace lexorim::app
