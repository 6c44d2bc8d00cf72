// lookout-status under the monitoring programs Debian ships: a Nagios 4 core
// running it as a service check, and node exporter serving its metrics file
// after promtool has checked it. Each program runs from a folder of its own,
// dies with the test, and is stopped at its end; every wait takes its time
// from one bound on the whole test.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/syscall.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "monitor/SlotTable.h"
#include "platform/Listener.h"
#include "tests/support/DemoService.h"
#include "tests/support/MsLeft.h"
#include "tests/support/TempDir.h"

namespace lookout {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

using test::MsLeft;

// A program as a child that dies with the test (and is stopped at the end of
// its scope), its stdout and stderr read together.
class Program {
public:
    explicit Program(std::vector<std::string> argv, const std::string& input = "/dev/null") {
        int out[2];
        EXPECT_EQ(pipe2(out, O_CLOEXEC), 0);
        pid_ = fork();
        if (pid_ == 0) {
            prctl(PR_SET_PDEATHSIG, SIGKILL);
            const int in = open(input.c_str(), O_RDONLY);
            dup2(in, 0);
            dup2(out[1], 1);
            dup2(out[1], 2);
            std::vector<char*> args;
            for (auto& arg : argv) args.push_back(arg.data());
            args.push_back(nullptr);
            execv(args[0], args.data());
            _exit(127);
        }
        close(out[1]);
        out_ = out[0];
        exited_ = int(syscall(SYS_pidfd_open, pid_, 0));  // readable once the child has exited
    }
    ~Program() {
        int status = 0;
        if (pid_ > 0) kill(pid_, SIGTERM);
        if (pid_ > 0 && !Reap(Clock::now() + 10s, status)) kill(pid_, SIGKILL), Reap(Clock::now() + 10s, status);
        close(out_);
        close(exited_);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    const std::string& Output() const { return output_; }
    // Reads the output until it holds text; false at its end or the deadline.
    bool WaitFor(const std::string& text, Clock::time_point deadline) {
        while (output_.find(text) == std::string::npos)
            if (!ReadSome(deadline)) return false;
        return true;
    }
    // The exit status, once all output is read; -1 when the deadline came
    // first or the program did not exit normally.
    int Wait(Clock::time_point deadline) {
        while (ReadSome(deadline)) {
        }
        int status = 0;
        return Reap(deadline, status) && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    // Reaps the child once it has exited; false, leaving it be, when it was
    // still running at the deadline.
    bool Reap(Clock::time_point deadline, int& status) {
        pollfd gone{exited_, POLLIN, 0};
        if (pid_ <= 0 || poll(&gone, 1, MsLeft(deadline)) != 1 || waitpid(pid_, &status, 0) != pid_) return false;
        pid_ = -1;
        return true;
    }

    bool ReadSome(Clock::time_point deadline) {
        pollfd ready{out_, POLLIN, 0};
        char buffer[4096];
        if (poll(&ready, 1, MsLeft(deadline)) != 1) return false;
        const ssize_t n = read(out_, buffer, sizeof buffer);
        if (n > 0) output_.append(buffer, std::size_t(n));
        return n > 0;
    }

    pid_t pid_ = -1;
    int out_ = -1;
    int exited_ = -1;
    std::string output_;
};

// The lines a program appends to a log file in the folder, as they come.
class LogFile {
public:
    LogFile(const fs::path& folder, const std::string& name) : path_(folder / name) {
        inotify_ = inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
        inotify_add_watch(inotify_, folder.c_str(), IN_CREATE | IN_MODIFY);
    }
    ~LogFile() { close(inotify_); }

    // The first line not yet returned that holds text (without its time
    // stamp); empty when none came by the deadline.
    std::string Next(const std::string& text, Clock::time_point deadline) {
        for (;;) {
            std::ifstream in(path_);
            in.seekg(std::streamoff(read_));
            for (std::string line; std::getline(in, line) && !in.eof();) {
                read_ += line.size() + 1;
                if (line.find(text) != std::string::npos) return line.substr(line.find("] ") + 2);
            }
            pollfd changed{inotify_, POLLIN, 0};
            if (poll(&changed, 1, MsLeft(deadline)) != 1) return "";
            char events[4096];
            while (read(inotify_, events, sizeof events) > 0) {
            }
        }
    }

private:
    fs::path path_;
    int inotify_;
    std::size_t read_ = 0;
};

class Monitoring : public ::testing::Test {
protected:
    void SetUp() override {
        std::ofstream(dir / "SERVER.INI") << "0\r\n0\r\n" << demo.BaseUrl() << "\r\n" << demo.BaseUrl() << "ipmap/\r\nworld1\r\n";
    }
    static void NeedProgram(const char* path, const char* package) {
        ASSERT_EQ(access(path, X_OK), 0) << path << " is missing: ./run test installs the package " << package;
    }

    const Clock::time_point deadline = Clock::now() + 40s;
    test::DemoServiceProcess demo;
    test::TempDir temp{"lookout-monitoring"};
    const fs::path dir = temp.Path();
};

TEST_F(Monitoring, NagiosTakesTheStateAndOutputOfItsServiceCheck) {
    NeedProgram("/usr/sbin/nagios4", "nagios4-core");
    const std::string user = getpwuid(getuid())->pw_name, group = getgrgid(getgid())->gr_name;
    const std::string folder = dir.string();
    std::ofstream(dir / "nagios.cfg") << "log_file=" << folder << "/nagios.log\ncfg_file=" << folder << "/objects.cfg\n"
        << "object_cache_file=" << folder << "/objects.cache\nprecached_object_file=" << folder << "/objects.precache\n"
        << "status_file=" << folder << "/status.dat\nstate_retention_file=" << folder << "/retention.dat\n"
        << "command_file=" << folder << "/nagios.cmd\nquery_socket=" << folder << "/nagios.qh\n"
        << "lock_file=" << folder << "/nagios.lock\ntemp_file=" << folder << "/nagios.tmp\ntemp_path=" << folder << "\n"
        << "check_result_path=" << folder << "\nnagios_user=" << user << "\nnagios_group=" << group << "\n"
        << "retain_state_information=0\ncheck_external_commands=0\nuse_syslog=0\nlog_initial_states=1\n"
        << "interval_length=1\nservice_inter_check_delay_method=n\nmax_service_check_spread=1\n"
        << "check_result_reaper_frequency=1\nenable_notifications=0\nenable_flap_detection=0\ncheck_for_updates=0\n";
    std::ofstream(dir / "objects.cfg")
        << "define command {\n command_name lookout\n command_line " LOOKOUT_STATUS_PATH " --nagios --config " << folder
        << "/SERVER.INI\n}\ndefine command {\n command_name none\n command_line /bin/true\n}\n"
        << "define timeperiod {\n timeperiod_name always\n alias always\n";
    for (const char* day : {"sunday", "monday", "tuesday", "wednesday", "thursday", "friday", "saturday"})
        std::ofstream(dir / "objects.cfg", std::ios::app) << " " << day << " 00:00-24:00\n";
    std::ofstream(dir / "objects.cfg", std::ios::app)
        << "}\ndefine contact {\n contact_name nobody\n host_notifications_enabled 0\n service_notifications_enabled 0\n"
        << " host_notification_period always\n service_notification_period always\n host_notification_options n\n"
        << " service_notification_options n\n host_notification_commands none\n service_notification_commands none\n}\n"
        << "define host {\n host_name demo\n address 127.0.0.1\n check_command none\n max_check_attempts 1\n"
        << " active_checks_enabled 0\n contacts nobody\n check_period always\n notification_period always\n}\n"
        << "define service {\n host_name demo\n service_description lookout\n check_command lookout\n"
        << " max_check_attempts 1\n check_interval 1\n retry_interval 1\n contacts nobody\n check_period always\n"
        << " notification_period always\n}\n";

    // An empty status page: every server is missing, whatever the demo's world does.
    demo.SetFault("mode=empty&path=/status.txt");
    LogFile log(dir, "nagios.log");
    Program nagios({"/usr/sbin/nagios4", folder + "/nagios.cfg"});
    std::string missing;
    for (const SlotDef& slot : kSlots) missing += (missing.empty() ? "" : ", ") + std::string(slot.key);
    EXPECT_EQ(log.Next("SERVICE ALERT: demo;lookout;", deadline),
              "SERVICE ALERT: demo;lookout;CRITICAL;HARD;1;LOOKOUT CRITICAL - 26 missing (" + missing + ")")
        << nagios.Output();
    demo.SetFault("mode=notfound&path=/status.txt");
    EXPECT_EQ(log.Next("SERVICE ALERT: demo;lookout;", deadline),
              "SERVICE ALERT: demo;lookout;UNKNOWN;HARD;1;LOOKOUT UNKNOWN - cannot read the status page " +
                  demo.BaseUrl() + "world1/status.txt: HTTP/1.0 404 Not Found")
        << nagios.Output();
}

TEST_F(Monitoring, NodeExporterServesTheCheckedMetricsFile) {
    NeedProgram("/usr/bin/promtool", "prometheus");
    NeedProgram("/usr/bin/prometheus-node-exporter", "prometheus-node-exporter");
    const std::string metrics = (dir / "lookout.prom").string();
    Program status({LOOKOUT_STATUS_PATH, "--config", (dir / "SERVER.INI").string(), "--prometheus", metrics});
    const int verdict = status.Wait(deadline);
    EXPECT_TRUE(verdict >= 0 && verdict <= 2) << verdict << status.Output();
    Program promtool({"/usr/bin/promtool", "check", "metrics"}, metrics);
    EXPECT_EQ(promtool.Wait(deadline), 0);
    EXPECT_EQ(promtool.Output(), "");

    // A free port of the loopback for node exporter.
    const int port = Listener(0).Port();

    Program exporter({"/usr/bin/prometheus-node-exporter", "--collector.disable-defaults", "--collector.textfile",
                      "--collector.textfile.directory=" + dir.string(),
                      "--web.listen-address=127.0.0.1:" + std::to_string(port)});
    ASSERT_TRUE(exporter.WaitFor("msg=\"Listening on\"", deadline)) << exporter.Output();
    const std::string scraped = test::RawGet(port, "/metrics").bytes;
    for (const char* line : {"\nlookout_up 1\n", "\nlookout_server_up{server=\"LoginServer\"} ", "\nnode_textfile_scrape_error 0\n"})
        EXPECT_NE(scraped.find(line), std::string::npos) << line << scraped;
}

TEST_F(Monitoring, PromtoolAcceptsTheWatchsLiveMetrics) {
    NeedProgram("/usr/bin/promtool", "prometheus");
    const int port = Listener(0).Port();
    Program watch({LOOKOUT_STATUS_PATH, "--config", (dir / "SERVER.INI").string(), "--watch", "--listen",
                   "localhost:" + std::to_string(port)});
    ASSERT_TRUE(watch.WaitFor("\nLoginServer ", deadline)) << watch.Output();  // the table: a refresh is done
    const std::string metrics = test::RawGet(port, "/metrics").bytes;
    EXPECT_TRUE(metrics.starts_with("HTTP/1.0 200 OK\r\nContent-Type: text/plain; version=0.0.4")) << metrics;
    std::ofstream(dir / "live.prom") << test::BodyOf(metrics);
    Program promtool({"/usr/bin/promtool", "check", "metrics"}, (dir / "live.prom").string());
    EXPECT_EQ(promtool.Wait(deadline), 0);
    EXPECT_EQ(promtool.Output(), "");
    EXPECT_NE(metrics.find("\nlookout_refreshes_total{result=\"read\"} "), std::string::npos) << metrics;
    EXPECT_TRUE(test::RawGet(port, "/health").bytes.starts_with("HTTP/1.0 200 OK\r\n"));
}

}  // namespace
}  // namespace lookout
