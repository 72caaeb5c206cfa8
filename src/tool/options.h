#pragma once
// Argument parsing shared by the subcommands: "--name value" pairs, each name known
// in advance, each at most once. Everything wrong is a BadInput.

#include <cstdint>
#include <initializer_list>
#include <map>
#include <optional>
#include <string>

#include "tool/command.h"

namespace quorvel::tool {

class Options {
  public:
    /// Parses args; `valued` options take a value, `flags` stand alone.
    Options(const Args& args, std::initializer_list<std::string_view> valued,
            std::initializer_list<std::string_view> flags = {});

    bool has(const std::string& name) const { return m_values.count(name) != 0; }
    std::optional<std::string> text(const std::string& name) const;
    /// The option as a whole number in lo..hi; absent gives fallback, or BadInput when
    /// there is no fallback.
    long integer(const std::string& name, long lo, long hi,
                 std::optional<long> fallback = {}) const;
    /// A 32-bit generator state, decimal or hexadecimal with 0x.
    std::uint32_t seed(const std::string& name) const;

  private:
    std::map<std::string, std::string> m_values;
};

} // namespace quorvel::tool
