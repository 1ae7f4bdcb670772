#include "reference/index_store_reference.h"

#include <algorithm>
#include <utility>

#include "engine/case_rules.h"
#include "engine/collation.h"

namespace lexorim::reference {

int IndexStore::BucketOf(TextView word) {
    if (word.empty())
        return 26;
    const char16_t c = word[0];
    if (c >= u'a' && c <= u'z')
        return c - u'a';
    if (c >= u'A' && c <= u'Z')
        return c - u'A';
    if (c == u'Ä' || c == u'ä')
        return 0;
    if (c == u'Ö' || c == u'ö')
        return 14;
    if (c == u'Ü' || c == u'ü')
        return 20;
    return 26;
}

void IndexStore::Clear() {
    for (auto& bucket : buckets_)
        bucket.clear();
}

void IndexStore::AddReference(TextView word, TextView key, TextView tag, bool removeDuplicates) {
    const Text r = Text(key) + u">" + Text(tag);
    std::vector<IndexEntry>& bucket = buckets_[BucketOf(word)];
    const Text upperWord = ToUpper(word);
    for (IndexEntry& entry : bucket) {
        if (ToUpper(entry.word) != upperWord)
            continue;
        if (removeDuplicates) {
            for (const Text& held : SplitAt(entry.references, u"|")) {
                if (held == r)
                    return;
            }
        }
        entry.references += u"|" + r;
        return;
    }
    bucket.push_back(IndexEntry{Text(word), r});
}

void IndexStore::ExpandCombinedWords() {
    for (int b = 0; b < lexorim::IndexStore::kBucketCount; ++b) {
        const size_t count = buckets_[b].size();
        for (size_t i = 0; i < count; ++i) {
            IndexEntry& entry = buckets_[b][i];
            if (entry.references.find(u'&') != Text::npos) {
                entry.references = ReplaceAll(entry.references, u"&", u" ");
            }
            if (entry.word.find(u'&') == Text::npos)
                continue;
            const std::vector<Text> parts = SplitAt(entry.word, u"&");
            entry.word = ReplaceAll(entry.word, u"&", u" ");
            const Text combined = entry.word;
            const Text references = entry.references;
            for (const Text& part : parts) {
                if (part.empty())
                    continue;
                const Text newWord = part + u"; " + combined;
                buckets_[BucketOf(newWord)].push_back(IndexEntry{newWord, references});
            }
        }
    }
}

void IndexStore::JoinCombinedWords() {
    for (auto& bucket : buckets_) {
        for (IndexEntry& entry : bucket) {
            entry.word = ReplaceAll(entry.word, u"&", u" ");
            entry.references = ReplaceAll(entry.references, u"&", u" ");
        }
    }
}

void IndexStore::SortStore(const LocaleCollator& collator) {
    for (auto& bucket : buckets_) {
        std::vector<std::pair<Text, IndexEntry>> keyed;
        for (IndexEntry& entry : bucket) {
            keyed.emplace_back(entry.word + u":" + entry.references, std::move(entry));
        }
        std::stable_sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) {
            return collator.Compare(a.first, b.first) < 0;
        });
        bucket.clear();
        // Each entry keeps its own word and references: cutting the key at its first ":" would
        // split a word that contains one.
        for (auto& [key, entry] : keyed)
            bucket.push_back(std::move(entry));
    }
}

void IndexStore::LoadIndexLines(TextView text, bool multiple) {
    // Lines end at CR LF, CR or LF.
    const Text unified = ReplaceAll(ReplaceAll(text, u"\r\n", u"\n"), u"\r", u"\n");
    for (Text line : SplitAt(unified, u"\n")) {
        if (multiple) {
            // Expansion entries: the word (before the first ":") holds "; ".
            if (line.substr(0, line.find(u':')).find(u"; ") != Text::npos)
                continue;
            line = ReplaceAll(line, u" ", u"&");
        }
        if (line.empty())
            continue;
        if (line.find(u'>') == Text::npos || line.find(u':') == Text::npos)
            continue;
        const size_t colon = line.find(u':');
        const Text word = line.substr(0, colon);
        buckets_[BucketOf(word)].push_back(IndexEntry{word, line.substr(colon + 1)});
    }
}

}  // namespace lexorim::reference
