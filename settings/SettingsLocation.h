#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace settings {

// The user's configuration folder: $XDG_CONFIG_HOME, or $HOME/.config when that is unset,
// empty or relative (the XDG base directory rules ignore relative paths), with the home
// folder from the user database when $HOME is unusable too. nullopt when none is known.
std::optional<std::filesystem::path> configHome();

// The file holding the key `Software\<keyName>` and its subkeys:
// <config home>/<first part of keyName>/settings.reg. nullopt when the key name is not
// usable (empty parts, a first part that is no plain folder name, invalid UTF-8, control
// characters) or there is no config home.
std::optional<std::filesystem::path> settingsFilePath(std::string_view keyName);

// The key as named inside the file: HKEY_CURRENT_USER\Software\<keyName>.
std::string registryKeyPath(std::string_view keyName);

} // namespace settings
