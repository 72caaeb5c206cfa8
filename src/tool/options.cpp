#include "tool/options.h"

#include <algorithm>
#include <charconv>

namespace quorvel::tool {

namespace {
bool known(std::initializer_list<std::string_view> names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}
} // namespace

Options::Options(const Args& args, std::initializer_list<std::string_view> valued,
                 std::initializer_list<std::string_view> flags) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg.rfind("--", 0) != 0) throw BadInput{"unexpected argument '" + arg + "'"};
        const std::string name = arg.substr(2);
        if (m_values.count(name)) throw BadInput{"option " + arg + " given twice"};
        if (known(flags, name)) {
            m_values[name] = "";
        } else if (known(valued, name)) {
            if (i + 1 >= args.size()) throw BadInput{"option " + arg + " needs a value"};
            m_values[name] = args[++i];
        } else {
            throw BadInput{"unknown option '" + arg + "'"};
        }
    }
}

std::optional<std::string> Options::text(const std::string& name) const {
    const auto it = m_values.find(name);
    if (it == m_values.end()) return std::nullopt;
    return it->second;
}

long Options::integer(const std::string& name, long lo, long hi,
                      std::optional<long> fallback) const {
    const auto value = text(name);
    if (!value) {
        if (fallback) return *fallback;
        throw BadInput{"--" + name + " is required"};
    }
    long n = 0;
    const char* first = value->data();
    const char* last = first + value->size();
    const auto [end, ec] = std::from_chars(first, last, n);
    if (value->empty() || ec != std::errc() || end != last)
        throw BadInput{"--" + name + " must be a whole number, not '" + *value + "'"};
    if (n < lo || n > hi)
        throw BadInput{"--" + name + " must be " + std::to_string(lo) + " to " +
                       std::to_string(hi) + ", not " + *value};
    return n;
}

std::uint32_t Options::seed(const std::string& name) const {
    const auto value = text(name);
    if (!value) throw BadInput{"--" + name + " is required"};
    std::string_view digits = *value;
    int base = 10;
    if (digits.size() > 2 && digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) {
        digits.remove_prefix(2);
        base = 16;
    }
    std::uint64_t n = 0;
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n, base);
    if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() ||
        n > 0xFFFFFFFFull)
        throw BadInput{"--" + name + " must be a 32-bit number (decimal or 0x hexadecimal), not '" +
                       *value + "'"};
    return static_cast<std::uint32_t>(n);
}

} // namespace quorvel::tool
