#include "settings/SettingsLocation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <pwd.h>
#include <string>
#include <unistd.h>

namespace {

// Sets (or with nullopt unsets) an environment variable until the end of the scope.
class ScopedEnvironment {
public:
    ScopedEnvironment(const char* name, std::optional<std::string> value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            previous_ = old;
        set(value);
    }
    ~ScopedEnvironment() { set(previous_); }

private:
    void set(const std::optional<std::string>& value)
    {
        if (value)
            setenv(name_, value->c_str(), 1);
        else
            unsetenv(name_);
    }
    const char* name_;
    std::optional<std::string> previous_;
};

std::string userDatabaseHome()
{
    const passwd* entry = getpwuid(getuid());
    return entry ? entry->pw_dir : "";
}

TEST(SettingsLocation, FollowsTheXdgBaseDirectoryRules)
{
    struct Case {
        std::optional<std::string> xdgConfigHome;
        std::optional<std::string> home;
        std::string expected;
    };
    const Case cases[] = {
        {"/cfg", "/home/u", "/cfg/Quorvel/settings.reg"},
        {std::nullopt, "/home/u", "/home/u/.config/Quorvel/settings.reg"},
        {"", "/home/u", "/home/u/.config/Quorvel/settings.reg"},
        {"relative/cfg", "/home/u", "/home/u/.config/Quorvel/settings.reg"},
        {std::nullopt, std::nullopt, userDatabaseHome() + "/.config/Quorvel/settings.reg"},
        {std::nullopt, "", userDatabaseHome() + "/.config/Quorvel/settings.reg"},
        {std::nullopt, "relative", userDatabaseHome() + "/.config/Quorvel/settings.reg"},
    };
    for (const Case& c : cases) {
        ScopedEnvironment xdg("XDG_CONFIG_HOME", c.xdgConfigHome);
        ScopedEnvironment home("HOME", c.home);
        const auto path = settings::settingsFilePath("Quorvel");
        ASSERT_TRUE(path.has_value());
        EXPECT_EQ(path->string(), c.expected)
            << "XDG_CONFIG_HOME=" << c.xdgConfigHome.value_or("(unset)")
            << " HOME=" << c.home.value_or("(unset)");
    }
}

TEST(SettingsLocation, KeepsSubkeysInTheFileOfTheirKey)
{
    ScopedEnvironment xdg("XDG_CONFIG_HOME", "/cfg");
    EXPECT_EQ(settings::settingsFilePath("Quorvel\\Window\\Extra")->string(),
              "/cfg/Quorvel/settings.reg");
    EXPECT_EQ(settings::registryKeyPath("Quorvel\\Window"),
              "HKEY_CURRENT_USER\\Software\\Quorvel\\Window");
}

TEST(SettingsLocation, RefusesKeyNamesThatAreNoFolderName)
{
    ScopedEnvironment xdg("XDG_CONFIG_HOME", "/cfg");
    for (const char* name : {"", ".", "..", "../Quorvel", "a/b", "\\Quorvel", "Quorvel\\",
                             "Quorvel\\\\Sub", "Quo\nrvel", "Quo\trvel", "Quorvel\xC3"})
        EXPECT_EQ(settings::settingsFilePath(name), std::nullopt) << name;
}

} // namespace
