#include "app/common/criteria_group.h"
#include "app/common/widgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>

#include "app/common/error_display.h"
#include "app/common/number_boxes.h"
#include "app/common/window_texts.h"

namespace lexorim::app {

CriteriaGroup::CriteriaGroup(AppContext& context, const CriteriaNames& names, QWidget* parent)
    : QGroupBox(parent), context_(context) {
    setObjectName(QString::fromLatin1(names.group));
    auto* layout = new QGridLayout(this);
    int row = 0;
    for (const char* name : {names.lowerCaseOut, names.upperCaseOut, names.numbersOut})
        layout->addWidget(Named<QCheckBox>(this, name), row++, 0, 1, 2);
    // Each word list beside the check box that uses it.
    const auto listRow = [&](const char* check, const char* show, auto requested) {
        layout->addWidget(Named<QCheckBox>(this, check), row, 0);
        auto* button = Named<QPushButton>(this, show);
        connect(button, &QPushButton::clicked, this, requested);
        layout->addWidget(button, row++, 1, Qt::AlignLeft);
    };
    listRow(names.negativeList, names.showNegativeList, &CriteriaGroup::negativeListRequested);
    listRow(names.positiveList, names.showPositiveList, &CriteriaGroup::positiveListRequested);
    layout->addWidget(Named<QCheckBox>(this, names.minLengthOn), row, 0);
    auto* minimumLength = Named<QComboBox>(this, names.minLength);
    MakeNumberComboBox(
        minimumLength,
        NumberBoxRulesFor(ui::ControlId{ui::tprog::kWindow, names.minLength},
                          [&context](QWidget* box) {
                              ShowMessage(box, WindowQText("Tprog", "NumbersOnly", context.language,
                                                           ui::TextRole::Message));
                          }));
    layout->addWidget(minimumLength, row++, 1, Qt::AlignLeft);
    layout->setColumnStretch(2, 1);
}

DraftSwitch* CriteriaGroup::AddDraftSwitch() {
    auto* layout = static_cast<QGridLayout*>(this->layout());
    return new DraftSwitch(context_, this, layout, layout->rowCount());
}

}  // namespace lexorim::app
