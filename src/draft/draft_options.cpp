#include "draft/draft_options.h"

namespace lexorim {

bool DraftOptions::AnyOn() const {
    return leaveOutRunningHeads || leaveOutContentsPages || !pageRange.empty() ||
           printedPageNumbers || offsetForDocuments || languageStopWords || technicalTerms ||
           mergeWordForms || mergeCaseVariants || headingsFirst || dropRepeatedExpansions ||
           keepShortWordsInNames || rankKeywords || leaveOutCommonWords;
}

DraftOptions WithEveryDraftOption(DraftOptions options) {
    options.leaveOutRunningHeads = true;
    options.leaveOutContentsPages = true;
    options.printedPageNumbers = true;
    options.offsetForDocuments = true;
    options.languageStopWords = true;
    options.technicalTerms = true;
    options.mergeWordForms = true;
    options.mergeCaseVariants = true;
    options.headingsFirst = true;
    options.dropRepeatedExpansions = true;
    options.keepShortWordsInNames = true;
    options.rankKeywords = true;
    options.leaveOutCommonWords = true;
    return options;
}

}  // namespace lexorim
