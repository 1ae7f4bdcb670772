#pragma once
// The plain option records that runs read, made from the settings. A run never reads a
// setting by name itself.

#include <optional>

#include "engine/word_criteria.h"
#include "settings/settings.h"
#include "textfiles/text_writer.h"
#include "textindex/page_designations.h"
#include "textindex/page_writing.h"
#include "textindex/text_index_design.h"
#include "textindex/text_index_run.h"
#include "textindex/text_index_summary.h"
#include "textindex/text_to_index.h"

namespace lexorim {

// The eight criteria controls of one index kind, in the order of WordCriteria.
struct CriteriaControls {
    ui::ControlId lowerCaseOut, upperCaseOut, minLengthOn, minLength, numbersOut, useNegativeList,
        usePositiveList, markCombined;
};
// The criteria that the main window's controls of these names hold.
WordCriteria CriteriaFrom(const Settings& settings, const CriteriaControls& controls);

WordCriteria TextIndexCriteria(const Settings& settings);
DesignationCriteria MakeDesignationCriteria(const Settings& settings);
TextIndexDesign MakeTextIndexDesign(const Settings& settings);
// Everything but the designation items, which come from the read-out or the edited list.
TextIndexOptions MakeTextIndexOptions(const Settings& settings);
TextIndexSummaryInput MakeTextIndexSummaryInput(const Settings& settings);

// The output encoding chosen by the radio buttons, the signature choice and the background
// colour of pictures (the picture font is not a control value and stays as given).
OutputSettings MakeOutputSettings(const Settings& settings, const PictureStyle& font = {});

// The separators and choices of the text-to-index editor, and the page-writing editor's options.
TextToIndexOptions MakeTextToIndexOptions(const Settings& settings);
PageWritingOptions MakePageWritingOptions(const Settings& settings);

// "#RRGGBB" (any number of "#") as 0xRRGGBB; nothing for other input.
std::optional<uint32_t> ParseHtmlColor(TextView text);

}  // namespace lexorim
