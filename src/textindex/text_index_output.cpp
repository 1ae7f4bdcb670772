#include "textindex/text_index_output.h"

#include "engine/case_rules.h"

namespace lexorim {

namespace {

void AppendLine(Text& out, TextView line) {
    out += line;
    out += kCrLf;
}

void AppendHeading(Text& out, TextView heading, const TextIndexDesign& design) {
    if (!design.headings)
        return;
    if (design.emptyLineBeforeHeading)
        AppendLine(out, u"");
    AppendLine(out, heading);
}

void AppendEntry(Text& out, const IndexEntry& entry, const TextIndexDesign& design) {
    out += entry.word;
    out += design.wordSeparator;
    out += JoinReferenceKeys(entry.references, design.pageSeparator);
    out += kCrLf;
}

// The heading of a word in the bucket of other characters: its first character upper-cased.
// A character outside the Basic Multilingual Plane is kept whole rather than cut in half.
Text OtherHeadingOf(TextView word) {
    const bool isPair = word.size() >= 2 && word[0] >= 0xD800 && word[0] <= 0xDBFF &&
                        word[1] >= 0xDC00 && word[1] <= 0xDFFF;
    return isPair ? Text(word.substr(0, 2)) : Text(1, UpperUnit(word[0]));
}

}  // namespace

Text JoinReferenceKeys(TextView references, TextView separator) {
    Text joined;
    size_t from = 0;
    bool first = true;
    while (true) {
        const size_t bar = references.find(u'|', from);
        const TextView reference =
            references.substr(from, bar == TextView::npos ? TextView::npos : bar - from);
        if (!first)
            joined += separator;
        joined += reference.substr(0, reference.find(u'>'));
        first = false;
        if (bar == TextView::npos)
            break;
        from = bar + 1;
    }
    return joined;
}

Text WriteTextIndexOutput(const IndexStore& store, const TextIndexDesign& design) {
    Text out;
    AppendLine(out, design.title);
    for (int bucket = 0; bucket < IndexStore::kOtherBucket; ++bucket) {
        const auto& entries = store.Bucket(bucket);
        if (entries.empty())
            continue;
        AppendHeading(out, Text(1, static_cast<char16_t>(u'A' + bucket)), design);
        for (const IndexEntry& entry : entries)
            AppendEntry(out, entry, design);
    }
    Text lastHeading;
    bool hadHeading = false;
    for (const IndexEntry& entry : store.Bucket(IndexStore::kOtherBucket)) {
        if (!entry.word.empty()) {
            Text heading = OtherHeadingOf(entry.word);
            if (!hadHeading || heading != lastHeading) {
                AppendHeading(out, heading, design);
                lastHeading = std::move(heading);
                hadHeading = true;
            }
        }
        AppendEntry(out, entry, design);
    }
    return out;
}

}  // namespace lexorim
