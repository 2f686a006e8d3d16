#pragma once

#include <functional>
#include <grp.h>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// The user and group a root test process turns into when permission bits must apply.
inline constexpr uid_t UnprivilegedId = 65534;

// Runs `body` in a forked child and returns the numbers it reported. With `unprivileged`,
// a root child first becomes an ordinary user, since root ignores permission bits; nullopt
// when that fails or the child dies.
inline std::optional<std::vector<int>> runInChild(bool unprivileged,
                                                  const std::function<std::vector<int>()>& body)
{
    int channel[2];
    if (pipe(channel) != 0)
        return std::nullopt;
    const pid_t pid = fork();
    if (pid == 0) {
        close(channel[0]);
        if (unprivileged && geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setgid(UnprivilegedId) != 0 ||
             setuid(UnprivilegedId) != 0))
            _exit(77);
        const std::vector<int> results = body();
        const auto size = static_cast<ssize_t>(results.size() * sizeof(int));
        _exit(write(channel[1], results.data(), static_cast<size_t>(size)) == size ? 0 : 1);
    }
    close(channel[1]);
    std::vector<int> results;
    int value;
    while (pid > 0 && read(channel[0], &value, sizeof value) == sizeof value)
        results.push_back(value);
    close(channel[0]);
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return std::nullopt;
    return results;
}
