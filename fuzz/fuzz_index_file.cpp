// The .idx loader on arbitrary file bytes: every decoded text loads without a crash, every
// loaded entry came from a line with ">" and ":", and an index saved from a loaded store loads
// back to the same store.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "engine/index_store.h"
#include "fuzz_check.h"
#include "indexing/index_file.h"
#include "textfiles/text_reader.h"

namespace {

bool SameStores(const lexorim::IndexStore& a, const lexorim::IndexStore& b) {
    for (int i = 0; i < lexorim::IndexStore::kBucketCount; ++i) {
        if (a.Bucket(i) != b.Bucket(i)) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lexorim;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Text text;
    try {
        text = DecodeDetectedText(bytes);
    } catch (const InvalidUtf7&) {
        return 0;  // reading the file fails with its error
    }
    for (const bool multiple : {false, true}) {
        IndexStore store;
        store.LoadIndexLines(text, multiple);
        for (int i = 0; i < IndexStore::kBucketCount; ++i) {
            for (const IndexEntry& entry : store.Bucket(i)) {
                FUZZ_CHECK(entry.word.find(u':') == Text::npos);
                FUZZ_CHECK(entry.word.find_first_of(u"\r\n") == Text::npos);
            }
        }
        if (!multiple) {
            IndexStore reloaded;
            reloaded.LoadIndexLines(BuildIndexFileText(store), false);
            FUZZ_CHECK(SameStores(store, reloaded));
        }
    }
    return 0;
}
