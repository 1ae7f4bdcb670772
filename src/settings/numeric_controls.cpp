#include "settings/numeric_controls.h"

#include <string>

namespace lexorim {

namespace {

constexpr int32_t kMinInt = std::numeric_limits<int32_t>::min();
constexpr int32_t kMaxInt = std::numeric_limits<int32_t>::max();
constexpr std::string_view kEveryWordLongEnough = "every word is long enough";

// Grouped by the run that reads them, in the order the command line warns about them.
constexpr NumericControl kNumericControls[] = {
    {ui::tprog::kt_max, NumericUse::TextIndex, 2, 0, kMaxInt, kEveryWordLongEnough},
    {ui::tprog::sz_beginn, NumericUse::TextIndex, 1},
    {ui::tszkriterien::sz_laenge, NumericUse::TextIndex, 5, 1, kMaxInt,
     "no line is short enough to be a page number"},
    {ui::tszkriterien::cb_pluswert, NumericUse::TextIndex, 0, kMinInt, kMaxInt, {}, true},
    {ui::tprog::dkt_max, NumericUse::FileIndex, 2, 0, kMaxInt, kEveryWordLongEnough},
    {ui::tprog::stw_max, NumericUse::KeywordIndex, 2, 0, kMaxInt, kEveryWordLongEnough},
    {ui::tentwurf::ew_stichwortanzahl, NumericUse::KeywordIndex, 15, 1, kMaxInt,
     "no keyword is kept"},
    {ui::tentwurf::ew_dokumentanteil, NumericUse::FileIndex, 80, 1, 100,
     "every word is on enough documents to be left out"},
    {ui::tedittxt::l2sstart, NumericUse::PageWriting, 1},
    {ui::tedittxt::zes, NumericUse::PageWriting, 1},
};

}  // namespace

TextView NumericControl::DefaultText() const {
    const ui::WindowDefinition* window = ui::FindWindow(id.window);
    const ui::ControlDefinition* control =
        window != nullptr ? window->FindControl(id.name) : nullptr;
    return control != nullptr ? control->defaultValue : TextView{};
}

std::span<const NumericControl> NumericControls() {
    return kNumericControls;
}

const NumericControl* FindNumericControl(ui::ControlId id) {
    for (const NumericControl& control : kNumericControls) {
        if (control.id == id)
            return &control;
    }
    return nullptr;
}

int32_t NumberOf(const NumericControl& control, TextView text) {
    return ParseIntegerText(text).value_or(control.fallback);
}

int32_t NumberFrom(const Settings& settings, ui::ControlId id) {
    const NumericControl* control = FindNumericControl(id);
    if (control == nullptr) {
        throw SettingsError("not a numeric setting: " + std::string(id.window) + "." +
                            std::string(id.name));
    }
    return NumberOf(*control, settings.Value(id));
}

}  // namespace lexorim
