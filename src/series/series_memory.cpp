// The memory probe of series runs.
#include "series/series_memory.h"

#include <sys/resource.h>

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

#include "engine/complex_value.h"
#include "storage/line_reader.h"

namespace tarvix {
namespace {

// The figure of `key` in a /proc file of "Key:   12345 kB" lines, in bytes.
std::optional<std::uint64_t> ProcKilobytes(const char* path, std::string_view key) {
    LineReader file{std::filesystem::path(path), 4096};
    for (std::string line; file.Next(line) == LineRead::Line;) {
        if (!line.starts_with(key) || line.size() <= key.size() || line[key.size()] != ':')
            continue;
        std::string_view rest(line);
        rest.remove_prefix(key.size() + 1);
        while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
        std::uint64_t kilobytes = 0;
        const auto [end, error] =
            std::from_chars(rest.data(), rest.data() + rest.size(), kilobytes);
        if (error != std::errc()) return std::nullopt;
        return kilobytes * 1024;
    }
    return std::nullopt;
}

// What the address-space limit leaves beyond the memory mapped already.
std::optional<std::uint64_t> AddressSpaceLeft() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return std::nullopt;
    const auto cap = static_cast<std::uint64_t>(limit.rlim_cur);
    const std::uint64_t used = ProcKilobytes("/proc/self/status", "VmSize").value_or(0);
    return cap > used ? cap - used : 0;
}

}  // namespace

std::optional<std::uint64_t> AvailableMemory() {
    const std::optional<std::uint64_t> free = ProcKilobytes("/proc/meminfo", "MemAvailable");
    const std::optional<std::uint64_t> address = AddressSpaceLeft();
    if (free && address) return std::min(*free, *address);
    return free ? free : address;
}

std::uint64_t BytesPerPoint(const SeriesFootprint& f) {
    constexpr std::uint64_t kReal = sizeof(long double);
    constexpr std::uint64_t kComplex = sizeof(ComplexValue);
    constexpr std::uint64_t kLine = sizeof(std::string) + 48;  // a line and its text
    std::uint64_t bytes = 0;
    if (f.RealArrays) bytes += 2 * kReal;
    if (f.Rows) bytes += 2 * kReal;
    if (f.Transfer) bytes += 2 * kComplex;
    if (f.LinesInMemory) bytes += kLine;
    return bytes;
}

bool SeriesFits(long double points, const SeriesFootprint& footprint,
                std::optional<std::uint64_t> available) {
    if (!available) return true;
    const long double need = points * static_cast<long double>(BytesPerPoint(footprint));
    return need <= static_cast<long double>(*available) * 0.75L;
}

}  // namespace tarvix
