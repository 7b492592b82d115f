// The stage runner's command line: a character it cannot find is named and
// refused before any run.
#include "tests/support/test_support.h"

#include <cerrno>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>

extern char** environ;

using namespace testing_support;

namespace
{
struct runnerEnd
{
    int code = -1; // the exit code, or 128 and the signal
    std::string out;
    std::string err;
};

// Runs the stage runner on Lv0 of the generated tree with `args`, its output
// kept in the scratch folder.
runnerEnd runStageRunner(const std::vector<std::string>& args)
{
    std::vector<std::string> all = {QUILLFEN_STAGERUN, QUILLFEN_DATA_TREE, "Lv0"};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (std::string& a : all)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "out.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, "err.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    runnerEnd end;
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ) == 0)
    {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR)
        {
        }
        end.code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&files);
    end.out = readFile("out.txt");
    end.err = readFile("err.txt");
    return end;
}
} // namespace

// A character is found by its chardata in the data tree; one that is not is
// named, and nothing runs. The game-time limit ends a runner that plays anyway.
TEST(StageRunner, ACharacterItCannotFindIsNamedAndNothingRuns)
{
    const struct
    {
        const char* what;
        std::vector<std::string> args;
        const char* played; // the line of a run that plays; none for a refusal
    } cases[] = {
        {"an unknown player", {"--auto", "--player", "Nobody", "--time-limit", "5"}, nullptr},
        {"an unknown player of a versus fight",
         {"--player", "Nobody", "--versus", "Nick", "--time-limit", "5"},
         nullptr},
        {"an unknown versus opponent",
         {"--player", "Nick", "--versus", "Nobody", "--time-limit", "5"},
         nullptr},
        {"an unknown ally", {"--auto", "--player", "Nick", "--ally", "Nobody", "--time-limit", "5"}, nullptr},
        {"a known player and ally",
         {"--auto", "--player", "Vlad", "--ally", "Rigby", "--time-limit", "1"},
         "health"},
        {"a known versus fight, with no ally",
         {"--player", "Vlad", "--versus", "Nick", "--time-limit", "1"},
         "versus Vlad against Nick"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.what);
        ScratchDir dir;
        const runnerEnd end = runStageRunner(c.args);
        if (c.played)
        {
            EXPECT_EQ(end.code, 0) << end.err;
            EXPECT_NE(end.out.find(c.played), std::string::npos) << end.out;
            continue;
        }
        EXPECT_NE(end.code, 0);
        EXPECT_NE(end.err.find("Nobody"), std::string::npos) << end.err;
        EXPECT_EQ(end.out, "") << "nothing ran";
    }
}
