#pragma once
// Page numbers as a document defines them: sections that restart the count or number their
// pages in roman numerals or letters, as a word processor prints them.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "engine/text_helpers.h"

namespace lexorim {

enum class PageNumberFormat { Decimal, LowerRoman, UpperRoman, LowerLetter, UpperLetter };

// One part of a document that starts on a page of its own with its own numbering.
struct NumberingSection {
    PageNumberFormat format = PageNumberFormat::Decimal;
    std::optional<int64_t> start;  // nothing: the count goes on from the page before
    // The first characters of the section's text, to find its page in a laid-out document.
    Text firstText;
    // The page on which the section starts as the document itself records its pages.
    std::optional<size_t> recordedFirstPage;
};

// The format a document names by one of `names` (lower roman, upper roman, lower letter, upper
// letter, in this order); decimal for any other name.
PageNumberFormat PageNumberFormatNamed(std::string_view name,
                                       const std::array<std::string_view, 4>& names);

// Gathers the numbering sections of a document while a reader walks its text in reading order.
class SectionCollector {
  public:
    // The section being read; the reader sets its format and start.
    NumberingSection& current() { return current_; }
    // Notes text of the section being read that goes to page `page`.
    void NoteText(TextView text, size_t page);
    // Closes the section being read; further text belongs to a new one.
    void EndSection();
    // Every section, the one being read closed as the last unless nothing belongs to it.
    std::vector<NumberingSection> Take();

  private:
    NumberingSection current_;
    std::vector<NumberingSection> sections_;
};

// The printed form of a page number: "iv", "D", "aa" (letters repeat after "z", as word
// processors count). Numbers below 1 are written in decimal.
Text FormatPageNumber(int64_t number, PageNumberFormat format);

// The page on which each section starts, found by its first text in the page texts, in order
// (nothing for a section whose text is not found).
std::vector<std::optional<size_t>> LocateSections(const std::vector<Text>& pages,
                                                  const std::vector<NumberingSection>& sections);

// The first pages the sections recorded themselves.
std::vector<std::optional<size_t>> RecordedFirstPages(
    const std::vector<NumberingSection>& sections);

// The number line of each of `pageCount` pages, given where each section starts. Pages before
// the first section that was found are numbered from 1.
std::vector<Text> NumberPages(size_t pageCount, const std::vector<NumberingSection>& sections,
                              const std::vector<std::optional<size_t>>& firstPages);

// True when the sections number the pages other than 1 to n.
bool DefinesOwnNumbering(const std::vector<NumberingSection>& sections);

}  // namespace lexorim
