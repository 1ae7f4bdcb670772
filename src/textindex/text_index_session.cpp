#include "textindex/text_index_session.h"

#include <algorithm>

#include "textindex/draft_pages.h"

namespace lexorim {

void TextIndexSession::SetSourceText(Text text) {
    source_ = std::make_shared<Text>(std::move(text));
    documentDesignations_.reset();
    designationsCurrent_ = false;
}

void TextIndexSession::SetSource(TextIndexSource source) {
    source_ = std::make_shared<Text>(std::move(source.text));
    documentDesignations_ = std::move(source.documentDesignations);
    if (documentDesignations_) {
        designations_ = *documentDesignations_;
        designationsCurrent_ = true;
    } else {
        designationsCurrent_ = false;
    }
}

void TextIndexSession::ReadOutDesignations(const DesignationCriteria& criteria, bool lineMode) {
    if (!lineMode) {
        designations_ = documentDesignations_
                            ? *documentDesignations_
                            : lexorim::ReadOutDesignations(SplitLines(*source_), criteria);
    }
    designationsCurrent_ = true;
}

void TextIndexSession::RefreshDesignationsIfStale(const DesignationCriteria& criteria,
                                                  bool lineMode) {
    if (!designationsCurrent_)
        ReadOutDesignations(criteria, lineMode);
}

void TextIndexSession::ReplaceDesignations(const std::vector<TextView>& editedLines) {
    designations_ = SortDesignationLines(editedLines);
}

void TextIndexSession::RemoveDesignations(const std::vector<size_t>& positions) {
    std::vector<size_t> sorted = positions;
    std::sort(sorted.rbegin(), sorted.rend());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (const size_t position : sorted) {
        if (position < designations_.size()) {
            designations_.erase(designations_.begin() + static_cast<std::ptrdiff_t>(position));
        }
    }
}

TextIndexSession::RunInputs TextIndexSession::PrepareRun(const TextIndexOptions& options,
                                                         const DesignationCriteria& criteria) {
    if (!options.lineMode && !designationsCurrent_ && designations_.empty()) {
        ReadOutDesignations(criteria, false);
    }
    RunInputs inputs{options, source_};
    inputs.options.designations = designations_;
    // A document's page number follows the text of its page, wherever a plain text puts them.
    if (sourceIsDocument())
        inputs.options.designationsAbove = false;
    if (sourceIsDocument() && options.draft.offsetForDocuments && criteria.addValue)
        inputs.options.designations = OffsetNumericDesignations(designations_, criteria.addNumber);
    return inputs;
}

void TextIndexSession::Adopt(TextIndexResult result) {
    store_ = std::move(result.store);
    output_ = std::move(result.output);
}

const Text& TextIndexSession::Run(const TextIndexOptions& options,
                                  const DesignationCriteria& criteria,
                                  const RunEnvironment& environment,
                                  SourceAfterRun sourceAfterRun) {
    RunInputs inputs = PrepareRun(options, criteria);
    if (sourceAfterRun == SourceAfterRun::Release) {
        // The session's own copy goes to the run, which lets it go once the pages are read.
        inputs.source.reset();
        Text source = source_.use_count() == 1 ? std::move(*source_) : Text(*source_);
        source_ = std::make_shared<Text>();
        Adopt(RunTextIndexOnOwnedSource(inputs.options, std::move(source), environment));
    } else {
        Adopt(RunTextIndex(inputs.options, *inputs.source, environment));
    }
    return output_;
}

EmptyResultFacts TextIndexSession::EmptyResultFactsFor(bool lineMode) const {
    std::vector<int64_t> numberLines;
    if (documentDesignations_) {
        for (const Text& item : *documentDesignations_) {
            if (const std::optional<int64_t> line = ParseDesignationItem(item).lineNumber)
                numberLines.push_back(*line);
        }
    }
    return {.lineMode = lineMode,
            .isDocument = sourceIsDocument(),
            .sourceHasText = HasTextBesidesLines(*source_, numberLines),
            .designationCount = lineMode ? 0 : designations_.size()};
}

void TextIndexSession::Clear() {
    store_.Clear();
    source_ = std::make_shared<Text>();
    documentDesignations_.reset();
    designations_.clear();
    designationsCurrent_ = false;
    output_.clear();
}

}  // namespace lexorim
