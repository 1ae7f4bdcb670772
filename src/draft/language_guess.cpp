#include "draft/language_guess.h"

#include <textcat.h>

#include <algorithm>
#include <memory>
#include <mutex>

#include <unicode/unistr.h>

namespace lexorim {

namespace {

constexpr const char* kLanguageDataFolder = "/usr/share/libexttextcat/";
constexpr const char* kLanguageDataList = "/usr/share/libexttextcat/fpdb.conf";

constexpr size_t kSamplePieces = 8;
constexpr size_t kSamplePieceLength = 1024;

// The classifier with the n-gram profiles of every language on the machine, loaded once; it
// keeps a working buffer of its own, so one text is classified at a time.
class Classifier {
  public:
    static Classifier& Get() {
        static Classifier classifier;
        return classifier;
    }

    std::string Classify(const std::string& utf8) {
        if (handle_ == nullptr)
            return {};
        const std::lock_guard lock(mutex_);
        const char* result = textcat_Classify(handle_.get(), utf8.data(), utf8.size());
        return result == nullptr ? std::string() : std::string(result);
    }

  private:
    struct Done {
        void operator()(void* handle) const { textcat_Done(handle); }
    };

    Classifier() : handle_(special_textcat_Init(kLanguageDataList, kLanguageDataFolder)) {}

    std::unique_ptr<void, Done> handle_;
    std::mutex mutex_;
};

std::string Utf8(TextView text) {
    std::string utf8;
    icu::UnicodeString(false, text.data(), static_cast<int32_t>(text.size())).toUTF8String(utf8);
    return utf8;
}

// "[de--utf8][en--utf8]" names the likely languages, best first; an answer with more than one
// means the classifier could not tell them apart. The code is the part before "--".
std::string CodeOfSoleCandidate(const std::string& answer) {
    if (answer.empty() || answer.front() != '[' ||
        std::count(answer.begin(), answer.end(), '[') != 1)
        return {};
    const size_t end = answer.find_first_of("-]", 1);
    return end == std::string::npos ? std::string() : answer.substr(1, end - 1);
}

}  // namespace

std::string GuessLanguage(TextView text) {
    return CodeOfSoleCandidate(Classifier::Get().Classify(Utf8(text)));
}

Text LanguageSample(TextView text) {
    if (text.size() <= kSamplePieces * kSamplePieceLength)
        return Text(text);
    Text sample;
    const size_t step = text.size() / kSamplePieces;
    for (size_t k = 0; k < kSamplePieces; ++k) {
        sample.append(
            text.substr(k * step + step / 2 - kSamplePieceLength / 2, kSamplePieceLength));
        sample.push_back(u'\n');
    }
    return sample;
}

std::string ResolveDraftLanguage(const DraftOptions& options, TextView sample) {
    if (!options.language.empty() && options.language != "auto")
        return options.language;
    std::string guess = GuessLanguage(sample);
    return guess.empty() ? std::string(kFallbackLanguage) : guess;
}

}  // namespace lexorim
