#include "app/scratch_folder.h"
#include "cli/qvx_tool.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace quorvex::testing {
namespace {

/// The qvx program built beside this test program.
std::filesystem::path QvxProgram() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "src" /
           "qvx";
}

/// `qvx sim` run as its own process, its standard output on a pipe.
class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> options = {}) {
        int pipe[2];
        if (::pipe(pipe) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipe[0]);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        const std::string program = QvxProgram().string();
        options.insert(options.begin(), {program, "sim"});
        std::vector<char*> argv;
        for (std::string& option : options) {
            argv.push_back(option.data());
        }
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipe[1]);
        output_ = pipe[0];
    }
    ~SimProcess() {
        if (pid_ > 0) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::close(output_);
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    /// The first line the process printed, waiting at most five seconds for it.
    std::string FirstLine() {
        std::string line;
        char c = 0;
        while (line.empty() || line.back() != '\n') {
            pollfd ready{output_, POLLIN, 0};
            if (::poll(&ready, 1, 5000) != 1 || ::read(output_, &c, 1) != 1) {
                return {};
            }
            line += c;
        }
        line.pop_back();
        return line;
    }

    /// Sends `signal` and returns the exit status once the process has ended (waiting at
    /// most five seconds), or -1.
    int StopWith(int signal) {
        ::kill(pid_, signal);
        for (int tries = 0; tries < 100; ++tries) {
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return -1;
    }

private:
    pid_t pid_ = -1;
    int output_ = -1;
};

TEST(SimCommand, PrintsItsTerminalServesAndEndsCleanlyOnEitherSignal) {
    ASSERT_TRUE(std::filesystem::exists(QvxProgram())) << QvxProgram();
    for (const int signal : {SIGTERM, SIGINT}) {
        SimProcess sim;
        const std::string path = sim.FirstLine();
        ASSERT_EQ(path.rfind("/dev/", 0), 0U) << path;
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunQvx({"test", "--port", path}, out, err), 0) << err.str();
        EXPECT_EQ(out.str(), "Status : Connected at " + path + "\n");
        EXPECT_EQ(sim.StopWith(signal), 0);
    }
}

TEST(SimCommand, FaultAskedForOnTheCommandLineShowsInTheProgram) {
    // The connection test takes the unit's first five answers; the change after it meets the
    // wrong END.
    SimProcess sim({"--fault", "wrong-end:5"});
    const std::string path = sim.FirstLine();
    ASSERT_EQ(path.rfind("/dev/", 0), 0U) << path;
    std::ostringstream out;
    std::ostringstream err;

    EXPECT_EQ(RunQvx({"change", "--memory", "22", "--port", path}, out, err), 1);

    EXPECT_EQ(err.str(), "ERROR\nqvx:  ¡¡ERROR!! DATA NO VALID (END)\n");
    EXPECT_EQ(sim.StopWith(SIGTERM), 0);
}

TEST(SimCommand, WrongStoreFaultIsFoundByAVerifiedWrite) {
    ScratchFolder folder;
    const std::string file = folder / "rig.QVX";
    std::ostringstream quiet;
    ASSERT_EQ(RunQvx({"new", "-o", file}, quiet, quiet), 0);
    // A verified write takes 89 answers (connection test 5, write 37, change 5, read request
    // 5, the read itself 37): the first one is stored right, the next one wrong.
    SimProcess sim({"--fault", "wrong-store:89"});
    const std::string path = sim.FirstLine();
    ASSERT_EQ(path.rfind("/dev/", 0), 0U) << path;
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunQvx({"write", file, "--memory", "40", "--port", path, "--verify"}, out, err), 0)
        << err.str();
    EXPECT_EQ(RunQvx({"write", file, "--memory", "42", "--port", path, "--verify"}, out, err), 1);
    EXPECT_NE(err.str().find("memory 42 does not hold what was sent. It differs at DSP 2 word 42"),
              std::string::npos)
        << err.str();
    EXPECT_EQ(sim.StopWith(SIGTERM), 0);
}

TEST(SimCommand, UnknownFaultIsAUsageError) {
    for (const std::string fault : {"bogus", "silence:", "drop-reply:x", "disconnect:-1"}) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunQvx({"sim", "--fault", fault}, out, err), 2) << fault;
        EXPECT_TRUE(out.str().empty()) << "no terminal is opened for " << fault;
    }
}

} // namespace
} // namespace quorvex::testing
