#include "SettingsLocation.h"

#include "RegEncoding.h"

#include <algorithm>
#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace settings {

namespace {

std::optional<std::filesystem::path> absoluteFromEnvironment(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || value[0] != '/')
        return std::nullopt;
    return std::filesystem::path(value);
}

std::optional<std::filesystem::path> homeFromUserDatabase()
{
    long size = sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> buffer(size > 0 ? static_cast<size_t>(size) : 16384);
    passwd entry{};
    passwd* result = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &result) != 0 || !result ||
        !entry.pw_dir || entry.pw_dir[0] != '/')
        return std::nullopt;
    return std::filesystem::path(entry.pw_dir);
}

bool isUsableKeyName(std::string_view keyName)
{
    if (!isValidUtf8(keyName))
        return false;
    for (char c : keyName) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return false;
    }
    const std::string_view folder = keyName.substr(0, keyName.find('\\'));
    if (folder.empty() || folder == "." || folder == ".." ||
        folder.find('/') != std::string_view::npos)
        return false;
    size_t start = 0;
    while (start <= keyName.size()) {
        const size_t end = std::min(keyName.find('\\', start), keyName.size());
        if (end == start)
            return false;
        start = end + 1;
    }
    return true;
}

} // namespace

std::optional<std::filesystem::path> configHome()
{
    if (auto xdg = absoluteFromEnvironment("XDG_CONFIG_HOME"))
        return xdg;
    auto home = absoluteFromEnvironment("HOME");
    if (!home)
        home = homeFromUserDatabase();
    if (!home)
        return std::nullopt;
    return *home / ".config";
}

std::optional<std::filesystem::path> settingsFilePath(std::string_view keyName)
{
    if (!isUsableKeyName(keyName))
        return std::nullopt;
    auto home = configHome();
    if (!home)
        return std::nullopt;
    return *home / std::string(keyName.substr(0, keyName.find('\\'))) / "settings.reg";
}

std::string registryKeyPath(std::string_view keyName)
{
    return "HKEY_CURRENT_USER\\Software\\" + std::string(keyName);
}

} // namespace settings
