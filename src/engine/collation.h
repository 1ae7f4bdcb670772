#pragma once
// The locale's alphabetical order, ignoring case: used wherever entries or lines are sorted.

#include <memory>
#include <string>

#include "engine/text_helpers.h"

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class Collator;
U_NAMESPACE_END

namespace lexorim {

class LocaleCollator {
  public:
    // `localeName` such as "de_DE"; an empty name takes the locale from the environment
    // (LC_ALL, LC_COLLATE, LANG).
    explicit LocaleCollator(const std::string& localeName = {});
    ~LocaleCollator();
    LocaleCollator(const LocaleCollator&) = delete;
    LocaleCollator& operator=(const LocaleCollator&) = delete;

    // Negative, zero or positive like strcmp, comparing without regard to case.
    int Compare(TextView a, TextView b) const;
    bool Less(TextView a, TextView b) const { return Compare(a, b) < 0; }

    const std::string& localeName() const { return localeName_; }

  private:
    std::string localeName_;
    std::unique_ptr<icu::Collator> collator_;
};

// The ICU locale name that the environment asks for ("de_DE.UTF-8" gives "de_DE"; "C", "POSIX"
// and nothing give the root locale "").
std::string LocaleNameFromEnvironment();

}  // namespace lexorim
