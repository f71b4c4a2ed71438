#include "control/registry.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <system_error>

namespace kelvane::registry {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kFolder = "kelvaneucp";
constexpr std::string_view kFileName = "components.ini";
// Nobody keeps a component registry this large; refusing it bounds memory and time.
constexpr std::uintmax_t kMaxFileSize = 16u * 1024u * 1024u;

bool sameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front())))
        s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back())))
        s.remove_suffix(1);
    return s;
}

// The section a line opens, if it is a header.
std::optional<std::string_view> header(std::string_view line)
{
    line = trimmed(line);
    if (line.size() >= 2 && line.front() == '[' && line.back() == ']')
        return line.substr(1, line.size() - 2);
    return std::nullopt;
}

// The file's lines; an absent file has none. Nothing when it exists but cannot be read.
std::optional<std::vector<std::string>> readLines(const fs::path& file)
{
    std::error_code ec;
    if (!fs::exists(file, ec))
        return ec ? std::nullopt : std::optional<std::vector<std::string>>(std::vector<std::string>{});
    const auto size = fs::file_size(file, ec);
    if (ec || size > kMaxFileSize)
        return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line))
        lines.push_back(line);
    if (in.bad())
        return std::nullopt;
    return lines;
}

// Everything except classId's section.
std::vector<std::string> without(const std::vector<std::string>& lines, std::string_view classId, bool& found)
{
    std::vector<std::string> kept;
    bool skipping = false;
    for (const auto& line : lines) {
        if (auto h = header(line))
            skipping = sameText(trimmed(*h), classId);
        if (skipping)
            found = true;
        else
            kept.push_back(line);
    }
    return kept;
}

// Written beside the old file and renamed over it, so a crash never leaves half a registry.
bool writeLines(const fs::path& file, const std::vector<std::string>& lines)
{
    std::error_code ec;
    if (file.has_parent_path())
        fs::create_directories(file.parent_path(), ec);
    if (ec)
        return false;
    fs::path temp = file;
    temp += ".new";
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        for (const auto& line : lines)
            out << line << '\n';
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            return false;
        }
    }
    fs::rename(temp, file, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        return false;
    }
    return true;
}

// Values are single lines; a line break in one would forge another key or section.
std::string oneLine(std::string_view s)
{
    std::string out(s);
    std::replace_if(
        out.begin(), out.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    return out;
}

} // namespace

std::optional<fs::path> defaultFile()
{
    fs::path base;
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg && fs::path(xdg).is_absolute()) {
        base = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !*home || !fs::path(home).is_absolute())
            return std::nullopt;
        base = fs::path(home) / ".local" / "share";
    }
    return base / kFolder / kFileName;
}

bool add(const fs::path& file, const Record& record)
{
    auto lines = readLines(file);
    if (!lines)
        return false;
    bool found = false;
    auto kept = without(*lines, record.classId, found);
    // A blank line between sections keeps the file readable by hand.
    if (!kept.empty() && !trimmed(kept.back()).empty())
        kept.emplace_back();
    kept.push_back("[" + oneLine(record.classId) + "]");
    for (const auto& [key, value] : record.fields)
        kept.push_back(oneLine(key) + "=" + oneLine(value));
    return writeLines(file, kept);
}

bool remove(const fs::path& file, std::string_view classId)
{
    auto lines = readLines(file);
    if (!lines)
        return false;
    bool found = false;
    auto kept = without(*lines, classId, found);
    if (!found)
        return true;
    while (!kept.empty() && trimmed(kept.back()).empty())
        kept.pop_back();
    return writeLines(file, kept);
}

std::optional<Record> find(const fs::path& file, std::string_view classId)
{
    auto lines = readLines(file);
    if (!lines)
        return std::nullopt;
    std::optional<Record> record;
    bool inside = false;
    for (const auto& line : *lines) {
        if (auto h = header(line)) {
            inside = sameText(trimmed(*h), classId);
            if (inside && !record)
                record = Record{std::string(trimmed(*h)), {}};
            continue;
        }
        const auto eq = line.find('=');
        if (inside && eq != std::string::npos)
            record->fields.emplace_back(std::string(trimmed(std::string_view(line).substr(0, eq))),
                                        std::string(trimmed(std::string_view(line).substr(eq + 1))));
    }
    return record;
}

} // namespace kelvane::registry
