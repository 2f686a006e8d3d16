#pragma once

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// Whether `content` is a whole settings file as the store writes it for the key "Quorvel",
// holding each of `names` at most once and nothing else. `problem` says what is wrong.
inline bool isWellFormedFile(std::string_view content, const std::vector<std::string>& names,
                             std::string& problem)
{
    constexpr std::string_view head =
        "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Quorvel]\n";
    if (!content.starts_with(head) || !content.ends_with('\n')) {
        problem = "torn file: " + std::string(content);
        return false;
    }
    std::set<std::string> seen;
    content.remove_prefix(head.size());
    while (!content.empty()) {
        const std::string_view line = content.substr(0, content.find('\n'));
        content.remove_prefix(line.size() + 1);
        const size_t equals = line.find("\"=dword:");
        const std::string name(line.substr(1, equals == line.npos ? 0 : equals - 1));
        const std::string_view digits = line.substr(equals == line.npos ? 0 : equals + 8);
        const bool known = std::find(names.begin(), names.end(), name) != names.end();
        if (!line.starts_with('"') || equals == line.npos || !known || digits.size() != 8 ||
            digits.find_first_not_of("0123456789abcdef") != digits.npos ||
            !seen.insert(name).second) {
            problem = "unexpected line: " + std::string(line);
            return false;
        }
    }
    return true;
}
