#include "MyFunctions.h"

#include "AtomicFile.h"
#include "RegDocument.h"
#include "RegEncoding.h"
#include "SettingsLocation.h"

#include <optional>

namespace settings {

namespace {

// A value name must fit on one line of the file.
bool isUsableValueName(const std::string& name)
{
    return isValidUtf8(name) && name.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

std::optional<uint32_t> readDword(const std::string& keyName, const std::string& valueName)
{
    try {
        if (!isUsableValueName(valueName))
            return std::nullopt;
        const auto path = settingsFilePath(keyName);
        if (!path)
            return std::nullopt;
        const auto bytes = readWholeFile(*path);
        if (!bytes)
            return std::nullopt;
        return RegDocument(decodeText(*bytes).utf8).dword(registryKeyPath(keyName), valueName);
    } catch (...) {
        return std::nullopt;
    }
}

bool writeDword(const std::string& keyName, const std::string& valueName, uint32_t value)
{
    try {
        if (!isUsableValueName(valueName))
            return false;
        const auto path = settingsFilePath(keyName);
        if (!path)
            return false;
        return replaceFileLocked(
            *path, [&](std::optional<std::string_view> current) -> std::optional<std::string> {
                DecodedText text = current ? decodeText(*current) : DecodedText{};
                // A file whose bytes would not survive being decoded and encoded again
                // is left alone rather than altered beyond the one value.
                if (current && encodeText(text.utf8, text.encoding) != *current)
                    return std::nullopt;
                RegDocument document(std::move(text.utf8));
                document.setDword(registryKeyPath(keyName), valueName, value);
                return encodeText(document.text(), text.encoding);
            });
    } catch (...) {
        return false;
    }
}

} // namespace

bool WriteIntegerSetting(const std::string& keyName, const std::string& valueName,
                         int32_t value) noexcept
{
    return writeDword(keyName, valueName, static_cast<uint32_t>(value));
}

bool WriteBoolSetting(const std::string& keyName, const std::string& valueName, bool value) noexcept
{
    return writeDword(keyName, valueName, value ? 1 : 0);
}

int32_t ReadIntegerSetting(const std::string& keyName, const std::string& valueName,
                           int32_t defaultValue) noexcept
{
    const auto stored = readDword(keyName, valueName);
    return stored ? static_cast<int32_t>(*stored) : defaultValue;
}

bool ReadBoolSetting(const std::string& keyName, const std::string& valueName,
                     bool defaultValue) noexcept
{
    const auto stored = readDword(keyName, valueName);
    return stored ? *stored != 0 : defaultValue;
}

} // namespace settings
