#include "settings/MyFunctions.h"

#include "TempConfigHome.h"
#include "WellFormedFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <memory>
#include <optional>
#include <poll.h>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

const std::vector<std::string> Names = {"w0", "w1", "w2", "w3"};

// A running settings_store_helper whose output is read line by line.
class Helper {
public:
    explicit Helper(std::vector<std::string> args)
    {
        args.insert(args.begin(), SETTINGS_STORE_HELPER);
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        int channel[2];
        if (pipe(channel) != 0)
            throw std::runtime_error("pipe failed");
        pid_ = fork();
        if (pid_ == 0) {
            dup2(channel[1], STDOUT_FILENO);
            close(channel[0]);
            close(channel[1]);
            execv(argv[0], argv.data());
            _exit(127);
        }
        close(channel[1]);
        output_ = channel[0];
    }
    ~Helper()
    {
        if (pid_ > 0 && !status_) {
            kill(SIGKILL);
            wait();
        }
        close(output_);
    }
    Helper(const Helper&) = delete;
    Helper& operator=(const Helper&) = delete;

    int output() const { return output_; }
    bool running() const { return !status_; }
    // The last whole line printed so far.
    const std::string& lastLine() const { return lastLine_; }

    // Takes in what the helper has printed; false once its output has ended.
    bool readOutput()
    {
        char buffer[4096];
        const ssize_t got = read(output_, buffer, sizeof buffer);
        if (got <= 0)
            return false;
        pending_.append(buffer, static_cast<size_t>(got));
        const size_t end = pending_.rfind('\n');
        if (end != std::string::npos) {
            const size_t start = pending_.rfind('\n', end - 1);
            lastLine_ = pending_.substr(start == std::string::npos ? 0 : start + 1,
                                        end - (start == std::string::npos ? 0 : start + 1));
            pending_.erase(0, end + 1);
        }
        return true;
    }
    void kill(int signal) { ::kill(pid_, signal); }
    int wait()
    {
        int status = 0;
        waitpid(pid_, &status, 0);
        while (readOutput()) {
        }
        status_ = status;
        return status;
    }

private:
    pid_t pid_ = -1;
    int output_ = -1;
    std::string pending_;
    std::string lastLine_;
    std::optional<int> status_;
};

bool exitedCleanly(int status)
{
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(SettingsStoreConcurrency, ConcurrentWritersLoseNothingAndReadersSeeWholeFiles)
{
    constexpr int Writes = 60;
    TempConfigHome home;
    std::vector<std::string> readerArgs = {"read", std::to_string(Writes)};
    readerArgs.insert(readerArgs.end(), Names.begin(), Names.end());
    Helper reader(readerArgs);
    std::vector<std::unique_ptr<Helper>> writers;
    for (const std::string& name : Names)
        writers.push_back(std::make_unique<Helper>(
            std::vector<std::string>{"write", name, "1", std::to_string(Writes)}));

    for (size_t i = 0; i < writers.size(); ++i) {
        EXPECT_TRUE(exitedCleanly(writers[i]->wait())) << Names[i];
        EXPECT_EQ(writers[i]->lastLine(), std::to_string(Writes)) << Names[i];
    }
    EXPECT_TRUE(exitedCleanly(reader.wait()));
    EXPECT_GT(std::stoi("0" + reader.lastLine()), 0) << "the reader never saw the file";
    for (const std::string& name : Names)
        EXPECT_EQ(settings::ReadIntegerSetting("Quorvel", name, -1), Writes) << name;
}

TEST(SettingsStoreConcurrency, KilledWritersLeaveAWholeFileWithEveryCompletedWrite)
{
    constexpr int Rounds = 6;
    TempConfigHome home;
    const unsigned seed = std::random_device{}();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> killDelayMs(0, 25);
    std::vector<int> confirmed(Names.size(), -1);

    for (int round = 0; round < Rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::vector<std::unique_ptr<Helper>> writers;
        std::vector<std::optional<Clock::time_point>> killAt(Names.size());
        for (size_t i = 0; i < Names.size(); ++i)
            writers.push_back(std::make_unique<Helper>(std::vector<std::string>{
                "write", Names[i], std::to_string(confirmed[i] + 1), "1000000"}));

        const auto deadline = Clock::now() + 20s;
        while (std::ranges::any_of(writers, [](const auto& w) { return w->running(); })) {
            ASSERT_LT(Clock::now(), deadline) << "a writer never started writing";
            std::vector<pollfd> fds;
            for (const auto& writer : writers)
                fds.push_back(
                    {writer->output(), static_cast<short>(writer->running() ? POLLIN : 0), 0});
            poll(fds.data(), fds.size(), 1);
            for (size_t i = 0; i < writers.size(); ++i) {
                Helper& writer = *writers[i];
                if (!writer.running())
                    continue;
                if (fds[i].revents & (POLLIN | POLLHUP))
                    writer.readOutput();
                if (!killAt[i] && !writer.lastLine().empty())
                    killAt[i] = Clock::now() + std::chrono::milliseconds(killDelayMs(random));
                if (killAt[i] && Clock::now() >= *killAt[i]) {
                    writer.kill(SIGKILL);
                    const int status = writer.wait();
                    ASSERT_TRUE(WIFSIGNALED(status)) << Names[i] << " ended on its own";
                }
            }
        }

        const auto content = TempConfigHome::read(home.file());
        std::string problem;
        ASSERT_TRUE(isWellFormedFile(content, Names, problem)) << problem;
        for (size_t i = 0; i < Names.size(); ++i) {
            const int reported = std::stoi(writers[i]->lastLine());
            const int stored = settings::ReadIntegerSetting("Quorvel", Names[i], -1);
            // The write after the last reported one may have completed just before the kill.
            EXPECT_GE(stored, reported) << Names[i];
            EXPECT_LE(stored, reported + 1) << Names[i];
            confirmed[i] = stored;
        }
    }
}

} // namespace
