#pragma once
// The per-user component registry: a small INI file with one section per registered class,
// shared with other components, so every change keeps the other sections byte for byte.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kelvane::registry {

struct Record {
    std::string classId; // the section name
    std::vector<std::pair<std::string, std::string>> fields;
};

// $XDG_DATA_HOME/kelvaneucp/components.ini, XDG_DATA_HOME defaulting to $HOME/.local/share.
// Nothing when neither gives an absolute directory (a relative XDG_DATA_HOME is ignored).
std::optional<std::filesystem::path> defaultFile();

// Replaces the section of record.classId (or appends it). False when the file cannot be written.
bool add(const std::filesystem::path& file, const Record& record);
// Removes the section of classId; true also when there was none. False when the file cannot be
// read or written.
bool remove(const std::filesystem::path& file, std::string_view classId);
// The fields of classId's section, in file order; nothing when the section is absent.
std::optional<Record> find(const std::filesystem::path& file, std::string_view classId);

} // namespace kelvane::registry
