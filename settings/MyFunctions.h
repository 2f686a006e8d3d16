#pragma once

#include <cstdint>
#include <string>

namespace settings {

// The per-user settings store. Each key `Software\<keyName>` of the current user is kept
// in a registry export file (see SettingsLocation.h for where, RegDocument.h for the
// format); every value is a REG_DWORD, a bool being stored as 1 or 0. Names are UTF-8.
// Each call is complete in itself: nothing is cached or held open between calls.
//
// The writes return false on any failure, leaving the file as it was; the reads return
// `defaultValue` on any failure (no file, no key, no value, a value of another type). A
// read never creates a folder or file. None of them throws.

bool WriteIntegerSetting(const std::string& keyName, const std::string& valueName,
                         int32_t value) noexcept;
bool WriteBoolSetting(const std::string& keyName, const std::string& valueName,
                      bool value) noexcept;
int32_t ReadIntegerSetting(const std::string& keyName, const std::string& valueName,
                           int32_t defaultValue) noexcept;
// True for any stored value other than 0.
bool ReadBoolSetting(const std::string& keyName, const std::string& valueName,
                     bool defaultValue) noexcept;

} // namespace settings
