#pragma once
// The profile format as plain line edits: every lookup scans the lines from the top, as the
// rules are written. The product reader keeps indexes instead; the differential test checks
// that both read and write every file alike.

#include <optional>
#include <string>
#include <vector>

#include "engine/text_helpers.h"

namespace lexorim::reference {

class ReferenceProfile {
  public:
    // The text of a file (already decoded).
    explicit ReferenceProfile(TextView text);

    std::optional<Text> ReadString(TextView section, TextView key) const;
    void WriteString(TextView section, TextView key, TextView value);
    // Every line ended by CR LF.
    Text ToText() const;

  private:
    std::vector<Text> lines_;
};

}  // namespace lexorim::reference
