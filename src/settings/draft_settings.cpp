#include "settings/draft_settings.h"

#include <array>

#include "settings/numeric_controls.h"

namespace lexorim {

namespace {

using namespace ui::tentwurf;

// The check boxes that the one switch turns on and off.
constexpr std::array kDraftSwitches = {
    ew_kopfzeilen,   ew_inhaltsseiten, ew_gedrucktenummern, ew_versatzdokumente, ew_stoppwoerter,
    ew_fachbegriffe, ew_wortformen,    ew_schreibweisen,    ew_kopfvorzeilen,    ew_wiederholungen,
    ew_kurzwoerter,  ew_relevanz,      ew_haeufigewoerter,
};

std::string LanguageCode(TextView value) {
    std::string code = ToUtf8(TrimBlanksAndControls(value));
    for (char& c : code)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return code.empty() ? std::string("auto") : code;
}

}  // namespace

DraftOptions MakeDraftOptions(const Settings& s) {
    DraftOptions o;
    o.leaveOutRunningHeads = s.IsOn(ew_kopfzeilen);
    o.leaveOutContentsPages = s.IsOn(ew_inhaltsseiten);
    o.pageRange = Text(TrimBlanksAndControls(s.Value(ew_seitenbereich)));
    o.printedPageNumbers = s.IsOn(ew_gedrucktenummern);
    o.offsetForDocuments = s.IsOn(ew_versatzdokumente);
    o.languageStopWords = s.IsOn(ew_stoppwoerter);
    o.language = LanguageCode(s.Value(ew_sprache));
    o.technicalTerms = s.IsOn(ew_fachbegriffe);
    o.mergeWordForms = s.IsOn(ew_wortformen);
    o.mergeCaseVariants = s.IsOn(ew_schreibweisen);
    o.headingsFirst = s.IsOn(ew_kopfvorzeilen);
    o.dropRepeatedExpansions = s.IsOn(ew_wiederholungen);
    o.keepShortWordsInNames = s.IsOn(ew_kurzwoerter);
    o.rankKeywords = s.IsOn(ew_relevanz);
    o.keywordCount = NumberFrom(s, ew_stichwortanzahl);
    o.leaveOutCommonWords = s.IsOn(ew_haeufigewoerter);
    o.commonWordPercent = NumberFrom(s, ew_dokumentanteil);
    return o;
}

void SetEveryDraftOption(Settings& settings, bool on) {
    for (const ui::ControlId id : kDraftSwitches)
        settings.Set(id, on ? u"1" : u"0");
}

DraftSwitchState DraftSwitchStateOf(const Settings& settings) {
    size_t onCount = 0;
    for (const ui::ControlId id : kDraftSwitches)
        onCount += settings.IsOn(id) ? 1 : 0;
    if (onCount == 0)
        return DraftSwitchState::Off;
    return onCount == kDraftSwitches.size() ? DraftSwitchState::On : DraftSwitchState::Partly;
}

}  // namespace lexorim
