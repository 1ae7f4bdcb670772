#include "draft/dictionary.h"

#include <libstemmer.h>
#include <unicode/ucnv.h>
#include <hunspell/hunspell.hxx>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <list>
#include <mutex>
#include <string>

#include "engine/case_rules.h"

namespace lexorim {

namespace {

namespace fs = std::filesystem;

std::string Lowered(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return result;
}

std::string Raised(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return result;
}

// The dictionary names to look for, best first: "de" gives de_DE, "en" en_US, "de-at" de_AT.
std::vector<std::string> DictionaryNamesFor(std::string_view code) {
    std::string name = Lowered(code);
    std::replace(name.begin(), name.end(), '-', '_');
    const size_t underscore = name.find('_');
    const std::string language = name.substr(0, underscore);
    if (language.empty())
        return {};
    std::vector<std::string> names;
    if (underscore != std::string::npos)
        names.push_back(language + "_" + Raised(name.substr(underscore + 1)));
    if (language == "en")
        names.push_back("en_US");
    names.push_back(language + "_" + Raised(language));
    return names;
}

// Hunspell's own search path first (DICPATH), then the folders Debian installs into.
std::vector<fs::path> DictionaryFolders() {
    std::vector<fs::path> folders;
    if (const char* dicpath = std::getenv("DICPATH"); dicpath != nullptr) {
        const Text paths = FromUtf8(dicpath);
        for (const TextView part : SplitViewsAt(paths, u":")) {
            if (!part.empty())
                folders.emplace_back(ToUtf8(part));
        }
    }
    folders.emplace_back("/usr/share/hunspell");
    folders.emplace_back("/usr/share/myspell");
    return folders;
}

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using ConverterPointer = std::unique_ptr<UConverter, ConverterCloser>;

bool IsUtf8Name(std::string_view name) {
    const std::string lowered = Lowered(name);
    return lowered == "utf-8" || lowered == "utf8";
}

}  // namespace

struct Dictionary::Parts {
    std::unique_ptr<Hunspell> hunspell;
    // Empty for a UTF-8 dictionary, which needs no converter.
    ConverterPointer converter;

    // The word in the dictionary's encoding; nothing when the encoding cannot hold it.
    std::optional<std::string> Encode(TextView word) const {
        if (!converter)
            return ToUtf8(word);
        UErrorCode status = U_ZERO_ERROR;
        std::string bytes(word.size() * 4 + 4, '\0');
        const int32_t length =
            ucnv_fromUChars(converter.get(), bytes.data(), static_cast<int32_t>(bytes.size()),
                            word.data(), static_cast<int32_t>(word.size()), &status);
        if (U_FAILURE(status))
            return std::nullopt;
        bytes.resize(static_cast<size_t>(length));
        return bytes;
    }

    Text Decode(std::string_view bytes) const {
        if (!converter)
            return FromUtf8(bytes);
        UErrorCode status = U_ZERO_ERROR;
        Text text(bytes.size() * 2 + 2, u'\0');
        const int32_t length =
            ucnv_toUChars(converter.get(), text.data(), static_cast<int32_t>(text.size()),
                          bytes.data(), static_cast<int32_t>(bytes.size()), &status);
        if (U_FAILURE(status))
            return {};
        text.resize(static_cast<size_t>(length));
        return text;
    }
};

Dictionary::Dictionary(std::unique_ptr<Parts> parts) : parts_(std::move(parts)) {}
Dictionary::~Dictionary() = default;
Dictionary::Dictionary(Dictionary&&) noexcept = default;
Dictionary& Dictionary::operator=(Dictionary&&) noexcept = default;

std::optional<Dictionary> Dictionary::ForLanguage(std::string_view code) {
    for (const std::string& name : DictionaryNamesFor(code)) {
        for (const fs::path& folder : DictionaryFolders()) {
            const fs::path aff = folder / (name + ".aff");
            const fs::path dic = folder / (name + ".dic");
            std::error_code error;
            if (!fs::is_regular_file(aff, error) || !fs::is_regular_file(dic, error))
                continue;
            auto parts = std::make_unique<Parts>();
            parts->hunspell = std::make_unique<Hunspell>(aff.c_str(), dic.c_str());
            const std::string& encoding = parts->hunspell->get_dict_encoding();
            if (!IsUtf8Name(encoding)) {
                UErrorCode status = U_ZERO_ERROR;
                parts->converter.reset(ucnv_open(encoding.c_str(), &status));
                if (U_FAILURE(status) || !parts->converter)
                    continue;  // an encoding ICU does not know: this dictionary cannot be used
                // A character the encoding lacks makes the word unknown, not a "?" look-alike.
                status = U_ZERO_ERROR;
                ucnv_setFromUCallBack(parts->converter.get(), UCNV_FROM_U_CALLBACK_STOP, nullptr,
                                      nullptr, nullptr, &status);
            }
            return Dictionary(std::move(parts));
        }
    }
    return std::nullopt;
}

bool Dictionary::Knows(TextView word) const {
    if (word.empty())
        return false;
    const std::optional<std::string> encoded = parts_->Encode(word);
    return encoded && parts_->hunspell->spell(*encoded);
}

std::vector<Text> Dictionary::Stems(TextView word) const {
    std::vector<Text> stems;
    if (word.empty())
        return stems;
    const std::optional<std::string> encoded = parts_->Encode(word);
    if (!encoded)
        return stems;
    for (const std::string& stem : parts_->hunspell->stem(*encoded)) {
        Text decoded = parts_->Decode(stem);
        if (!decoded.empty() && std::find(stems.begin(), stems.end(), decoded) == stems.end())
            stems.push_back(std::move(decoded));
    }
    return stems;
}

void SnowballStemmer::Deleter::operator()(sb_stemmer* stemmer) const {
    sb_stemmer_delete(stemmer);
}

SnowballStemmer::SnowballStemmer(std::unique_ptr<sb_stemmer, Deleter> stemmer)
    : stemmer_(std::move(stemmer)) {}
SnowballStemmer::~SnowballStemmer() = default;
SnowballStemmer::SnowballStemmer(SnowballStemmer&&) noexcept = default;
SnowballStemmer& SnowballStemmer::operator=(SnowballStemmer&&) noexcept = default;

struct RunDictionaries::Spares {
    std::mutex mutex;
    // Loading in the background, by language; each is taken once.
    std::multimap<std::string, std::future<std::optional<Dictionary>>, std::less<>> loading;
    // A list, so that a dictionary handed out keeps its place when more come.
    std::list<std::optional<Dictionary>> taken;
};

RunDictionaries::RunDictionaries() : spares_(std::make_unique<Spares>()) {}
RunDictionaries::~RunDictionaries() = default;

const Dictionary* RunDictionaries::For(std::string_view code) {
    auto found = loaded_.find(code);
    if (found == loaded_.end())
        found = loaded_.emplace(std::string(code), Dictionary::ForLanguage(code)).first;
    return found->second ? &*found->second : nullptr;
}

void RunDictionaries::LoadSpareInBackground(std::string_view code) {
    const std::lock_guard lock(spares_->mutex);
    spares_->loading.emplace(std::string(code),
                             std::async(std::launch::async, [language = std::string(code)] {
                                 return Dictionary::ForLanguage(language);
                             }));
}

const Dictionary* RunDictionaries::Spare(std::string_view code) {
    std::optional<std::future<std::optional<Dictionary>>> inBackground;
    {
        const std::lock_guard lock(spares_->mutex);
        if (const auto found = spares_->loading.find(code); found != spares_->loading.end()) {
            inBackground = std::move(found->second);
            spares_->loading.erase(found);
        }
    }
    std::optional<Dictionary> spare =
        inBackground ? inBackground->get() : Dictionary::ForLanguage(code);
    if (!spare)
        return nullptr;
    const std::lock_guard lock(spares_->mutex);
    return &*spares_->taken.emplace_back(std::move(spare));
}

std::jthread ReleaseInBackground(std::unique_ptr<RunDictionaries> dictionaries) {
    return std::jthread([gone = std::move(dictionaries)]() mutable { gone.reset(); });
}

std::optional<SnowballStemmer> SnowballStemmer::ForLanguage(std::string_view code) {
    std::string language = Lowered(code);
    language = language.substr(0, language.find_first_of("_-"));
    if (language.empty())
        return std::nullopt;
    // Snowball knows its languages by their two-letter codes too ("de", "en").
    std::unique_ptr<sb_stemmer, Deleter> stemmer(sb_stemmer_new(language.c_str(), "UTF_8"));
    if (!stemmer)
        return std::nullopt;
    return SnowballStemmer(std::move(stemmer));
}

Text SnowballStemmer::Stem(TextView word) const {
    const std::string lowered = ToUtf8(ToLower(word));
    const sb_symbol* stem =
        sb_stemmer_stem(stemmer_.get(), reinterpret_cast<const sb_symbol*>(lowered.data()),
                        static_cast<int>(lowered.size()));
    if (stem == nullptr)
        return FromUtf8(lowered);  // out of memory inside the stemmer: the word stays whole
    const auto length = static_cast<size_t>(sb_stemmer_length(stemmer_.get()));
    return FromUtf8(std::string_view(reinterpret_cast<const char*>(stem), length));
}

}  // namespace lexorim
