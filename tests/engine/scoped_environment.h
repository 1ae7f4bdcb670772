#pragma once
// Sets an environment variable (or removes it) for the lifetime of the object and restores the
// old value afterwards.

#include <cstdlib>
#include <optional>
#include <string>

namespace lexorim::testing {

class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const std::optional<std::string>& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        Apply(value);
    }
    ~ScopedEnvironment() { Apply(old_); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

  private:
    void Apply(const std::optional<std::string>& value) {
        if (value) {
            ::setenv(name_, value->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    const char* name_;
    std::optional<std::string> old_;
};

}  // namespace lexorim::testing
