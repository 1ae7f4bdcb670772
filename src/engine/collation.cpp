#include "engine/collation.h"

#include <unicode/coll.h>
#include <unicode/locid.h>

#include <cstdlib>
#include <stdexcept>

namespace lexorim {

std::string LocaleNameFromEnvironment() {
    for (const char* variable : {"LC_ALL", "LC_COLLATE", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value == nullptr || *value == '\0')
            continue;
        std::string name(value);
        name = name.substr(0, name.find_first_of(".@"));
        if (name == "C" || name == "POSIX")
            return {};
        return name;
    }
    return {};
}

LocaleCollator::LocaleCollator(const std::string& localeName)
    : localeName_(localeName.empty() ? LocaleNameFromEnvironment() : localeName) {
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale locale = localeName_.empty()
                                   ? icu::Locale::getRoot()
                                   : icu::Locale::createFromName(localeName_.c_str());
    collator_.reset(icu::Collator::createInstance(locale, status));
    if (U_FAILURE(status) || !collator_) {
        status = U_ZERO_ERROR;
        collator_.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
    }
    if (U_FAILURE(status) || !collator_) {
        throw std::runtime_error("no collation is available");
    }
    // Secondary strength: accents count, case does not.
    collator_->setStrength(icu::Collator::SECONDARY);
}

LocaleCollator::~LocaleCollator() = default;

int LocaleCollator::Compare(TextView a, TextView b) const {
    UErrorCode status = U_ZERO_ERROR;
    const UCollationResult result = collator_->compare(
        a.data(), static_cast<int32_t>(a.size()), b.data(), static_cast<int32_t>(b.size()), status);
    return U_FAILURE(status) ? 0 : static_cast<int>(result);
}

}  // namespace lexorim
