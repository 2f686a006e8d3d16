#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

// Points XDG_CONFIG_HOME at a fresh folder for the lifetime of the object.
class TempConfigHome {
public:
    TempConfigHome()
    {
        std::string pattern = testing::TempDir() + "quorvel-settings-XXXXXX";
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
        if (const char* old = std::getenv("XDG_CONFIG_HOME"))
            previous_ = old;
        setenv("XDG_CONFIG_HOME", path_.c_str(), 1);
    }
    ~TempConfigHome()
    {
        if (previous_)
            setenv("XDG_CONFIG_HOME", previous_->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        namespace fs = std::filesystem;
        std::error_code error;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, error);
        for (auto it = fs::recursive_directory_iterator(path_, error);
             it != fs::recursive_directory_iterator(); it.increment(error)) {
            if (it->is_directory(error) && !it->is_symlink(error))
                fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
        }
        fs::remove_all(path_, error);
    }
    TempConfigHome(const TempConfigHome&) = delete;
    TempConfigHome& operator=(const TempConfigHome&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path folder() const { return path_ / "Quorvel"; }
    std::filesystem::path file() const { return folder() / "settings.reg"; }

    std::string contents() const { return read(file()); }
    void setContents(std::string_view bytes) const
    {
        std::filesystem::create_directories(folder());
        std::ofstream(file(), std::ios::binary) << bytes;
    }

    static std::string read(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

private:
    std::filesystem::path path_;
    std::optional<std::string> previous_;
};
