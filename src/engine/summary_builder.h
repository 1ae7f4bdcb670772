#pragma once
// Builds the summary texts of the wizards: pieces in the interface language, each followed by a
// line break or another ending, some only when their option is on.

#include <utility>

#include "engine/language.h"
#include "engine/text_helpers.h"

namespace lexorim {

class SummaryBuilder {
  public:
    explicit SummaryBuilder(Language language) : language_(language) {}

    // Adds a piece in the interface language, then `ending`.
    SummaryBuilder& Add(TextView german, TextView english, TextView ending = kCrLf) {
        text_ += Choose(language_, german, english);
        text_ += ending;
        return *this;
    }
    SummaryBuilder& AddIf(bool condition, TextView german, TextView english,
                          TextView ending = kCrLf) {
        return condition ? Add(german, english, ending) : *this;
    }
    // One of two pieces, by the condition.
    SummaryBuilder& AddEither(bool condition, TextView germanOn, TextView englishOn,
                              TextView germanOff, TextView englishOff) {
        return condition ? Add(germanOn, englishOn) : Add(germanOff, englishOff);
    }
    // Adds a piece followed by a value (the value is the same in both languages).
    SummaryBuilder& AddWithValue(bool condition, TextView german, TextView english, TextView value,
                                 TextView ending = kCrLf) {
        if (condition) {
            text_ += Choose(language_, german, english);
            text_ += value;
            text_ += ending;
        }
        return *this;
    }
    // The criteria lines that the summaries of the three index kinds share.
    SummaryBuilder& LowerCaseWordsOut(bool on) {
        return AddIf(on, u" - Worte mit kleinen Buchstaben werden aussortiert",
                     u" - Lower Words will be removed");
    }
    SummaryBuilder& UpperCaseWordsOut(bool on) {
        return AddIf(on, u" - Worte mit großen Buchstaben werden aussortiert",
                     u" - Upper Words will be removed");
    }
    SummaryBuilder& NumbersOut(bool on) {
        return AddIf(on, u" - Zahlen werden aussortiert", u" - Numbers will be removed");
    }
    SummaryBuilder& HtmlTagsOut(bool on) {
        return AddIf(on, u" - HTML Tags werden entfernt", u" - HTML Tags will be removed");
    }
    SummaryBuilder& PositiveListUsed(bool on) {
        return AddIf(on, u" - Worte aus Positivliste werden gesucht",
                     u" - Search for Words from White List");
    }
    SummaryBuilder& NegativeListUsed(bool on) {
        return AddIf(on, u" - Worte aus Negativliste werden aussortiert",
                     u" - Words from Black List will be removed");
    }

    Text Take() { return std::move(text_); }

  private:
    Language language_;
    Text text_;
};

}  // namespace lexorim
