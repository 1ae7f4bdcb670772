#pragma once
// An operation that the user can fix failed (a file cannot be opened or created, a file is
// malformed). The message is the text the user sees; the program keeps running with its state
// unchanged.

#include <stdexcept>

#include "engine/text_helpers.h"

namespace lexorim {

class UserError : public std::runtime_error {
  public:
    explicit UserError(Text message)
        : std::runtime_error(ToUtf8(message)), text_(std::move(message)) {}
    const Text& text() const { return text_; }

  private:
    Text text_;
};

}  // namespace lexorim
