#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace settings {

// Files larger than this are not settings files; they are left alone.
inline constexpr size_t MaxFileSize = 16 * 1024 * 1024;

// The whole content of a regular file; nullopt when it is missing, unreadable, not a
// regular file or too large. Never creates anything and never waits for writers: since
// writers replace the file in one step, a read sees the file as it was before or after
// a write, never in between.
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

// Given the current content (nullopt when there is no file yet), returns the new content,
// or nullopt to leave the file as it is.
using FileEdit = std::function<std::optional<std::string>(std::optional<std::string_view>)>;

// Read-modify-write of `file` that is safe among processes and against crashes: it holds
// an exclusive flock on "<file>.lock" beside the file throughout, writes the new content
// to "<file>.tmp" in the same folder, flushes it to disk and renames it over the file.
// Missing folders are created (mode 0700). A symbolic link at `file` is followed, so the
// file it points to is replaced and the link stays. Returns true once the new content is
// in place; false when anything failed, in which case the file is as it was.
bool replaceFileLocked(const std::filesystem::path& file, const FileEdit& edit);

} // namespace settings
