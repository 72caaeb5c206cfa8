// Settings files, the install record and theme.ini on any bytes: the file parses,
// every key reads, the file reads the same after it is written out, and a value
// written into it reads back exactly while no other value changes.

#include <cstdint>
#include <cstdlib>
#include <fuzzer/FuzzedDataProvider.h>
#include <string>
#include <utility>
#include <vector>

#include "files/inifile.h"
#include "text/textcodec.h"

namespace {

using quorvel::IniFile;

struct Entry {
    std::string section, key, value;
};

std::vector<Entry> entries(const IniFile& ini) {
    std::vector<Entry> out;
    for (const std::string& section : ini.sections())
        for (const std::string& key : ini.keys(section)) {
            if (!ini.hasKey(section, key)) std::abort();
            out.push_back({section, key, ini.readString(section, key, "")});
            ini.readInteger(section, key, 7);
            ini.readBool(section, key, true);
        }
    return out;
}

// Written out and read again, the file holds the same sections, the same keys in each
// and the same values: no line turns into a header or a key it was not. (Its text may
// differ: every line ends as the first one did.)
IniFile checkReadBack(const IniFile& ini, const std::vector<Entry>& held) {
    IniFile again = IniFile::parse(ini.text());
    if (again.sections() != ini.sections()) std::abort();
    for (const std::string& section : ini.sections())
        if (again.keys(section) != ini.keys(section)) std::abort();
    for (const Entry& e : held)
        if (again.readString(e.section, e.key, "\x01") != e.value) std::abort();
    return again;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string section = in.ConsumeRandomLengthString(40);
    const std::string key = in.ConsumeRandomLengthString(40);
    const std::string value = in.ConsumeRandomLengthString(80);
    const std::string bytes = in.ConsumeRemainingBytesAsString();

    IniFile ini = IniFile::parse(bytes);
    const std::vector<Entry> before = entries(ini);
    checkReadBack(ini, before);

    // A value the file can hold (names and values are UTF-8 in this interface) reads
    // back exactly; every other value stays as it was.
    if (!quorvel::validUtf8(section) || !quorvel::validUtf8(key) || !quorvel::validUtf8(value))
        return 0;
    const bool written = ini.writeString(section, key, value);
    if (written != (IniFile::validSection(section) && IniFile::validKey(key) &&
                    value.find_first_of(std::string("\r\n\0", 3)) == std::string::npos))
        std::abort();
    if (!written) return 0;
    const IniFile after = checkReadBack(ini, entries(ini));
    if (after.readString(section, key, "\x01") != value) std::abort();
    for (const Entry& e : before) {
        const std::string now = after.readString(e.section, e.key, "\x01");
        if (now != e.value && now != value) std::abort();
    }
    return 0;
}
