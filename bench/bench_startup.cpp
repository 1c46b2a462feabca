// Process start to the first window painted on the screen, for a bare Qt
// window and for the program (whose first window is the splash), each
// started seven times in turn on an X server of the benchmark's own; prints
// the medians and their ratio. Then the peak memory of each once started
// (the program's main window shown after its splash), side by side.
//   bench_startup <path of the kelvo program>
// The bare window program is looked for beside this benchmark. A window
// counts as painted when the X server reports the first drawing into it
// (DAMAGE extension), which is what the user sees.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int Runs = 7;
constexpr int MemoryRuns = 3;
constexpr qint64 TimeoutMs = 10000;

struct Timing {
    double mappedMs = -1;
    double paintedMs = -1;
};

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? -1 : values[values.size() / 2];
}

class Display {
public:
    bool Open(const QByteArray& name) {
        connection_ = xcb_connect(name.constData(), nullptr);
        if (xcb_connection_has_error(connection_))
            return false;
        const xcb_query_extension_reply_t* damage =
            xcb_get_extension_data(connection_, &xcb_damage_id);
        if (!damage || !damage->present)
            return false;
        damageEvent_ = damage->first_event;
        xcb_discard_reply(connection_, xcb_damage_query_version(connection_, 1, 1).sequence);
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
        return true;
    }
    ~Display() {
        if (connection_)
            xcb_disconnect(connection_);
    }

    void Drain() {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_))
            std::free(event);
    }

    // Waits until that many top-level windows have been mapped; false when
    // they are not within the time allowed.
    bool WaitForWindows(int count, const QElapsedTimer& sinceStart) {
        int mapped = 0;
        while (mapped < count && sinceStart.elapsed() < TimeoutMs) {
            xcb_generic_event_t* event = xcb_poll_for_event(connection_);
            if (!event) {
                pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
                ::poll(&fd, 1, 50);
                continue;
            }
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY)
                ++mapped;
            std::free(event);
        }
        return mapped == count;
    }

    // Waits for the first top-level window to be mapped and drawn into.
    Timing Watch(const QElapsedTimer& sinceStart) {
        Timing timing;
        while (timing.paintedMs < 0 && sinceStart.elapsed() < TimeoutMs) {
            xcb_generic_event_t* event = xcb_poll_for_event(connection_);
            if (!event) {
                pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
                ::poll(&fd, 1, 50);
                continue;
            }
            const int type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // Watched from its creation, so that no drawing is missed.
                const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                const xcb_damage_damage_t damage = xcb_generate_id(connection_);
                xcb_damage_create(connection_, damage, created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(connection_);
            } else if (type == XCB_MAP_NOTIFY && timing.mappedMs < 0) {
                timing.mappedMs = sinceStart.nsecsElapsed() / 1e6;
            } else if (type == damageEvent_ + XCB_DAMAGE_NOTIFY && timing.mappedMs >= 0) {
                timing.paintedMs = sinceStart.nsecsElapsed() / 1e6;
            }
            std::free(event);
        }
        return timing;
    }

private:
    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    uint8_t damageEvent_ = 0;
};

// Starts the program on the display, its own messages thrown away; 0 when
// it could not be started.
pid_t Spawn(const QByteArray& program, const QByteArray& displayName) {
    std::vector<QByteArray> environment;
    for (char** entry = environ; *entry; ++entry) {
        const QByteArray variable(*entry);
        if (!variable.startsWith("DISPLAY=") && !variable.startsWith("QT_QPA_PLATFORM="))
            environment.push_back(variable);
    }
    environment.push_back("DISPLAY=" + displayName);
    environment.push_back("QT_QPA_PLATFORM=xcb");
    std::vector<char*> envp;
    for (QByteArray& variable : environment)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    QByteArray path = program;
    char* argv[] = {path.data(), nullptr};
    // The programs' own messages would only mix with the figures.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.constData(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? pid : 0;
}

void Stop(pid_t pid) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

Timing TimeOnce(Display& display, const QByteArray& program, const QByteArray& displayName) {
    display.Drain();
    QElapsedTimer sinceStart;
    sinceStart.start();
    const pid_t pid = Spawn(program, displayName);
    if (pid == 0)
        return {};
    const Timing timing = display.Watch(sinceStart);
    Stop(pid);
    return timing;
}

// The peak resident memory (VmHWM) in kilobytes of the program once its
// windows are all on the screen and a second has passed; -1 on failure.
long PeakAfterStartup(Display& display, const QByteArray& program, const QByteArray& displayName,
                      int windows) {
    display.Drain();
    QElapsedTimer sinceStart;
    sinceStart.start();
    const pid_t pid = Spawn(program, displayName);
    if (pid == 0)
        return -1;
    long peak = -1;
    if (display.WaitForWindows(windows, sinceStart)) {
        ::usleep(1000 * 1000);
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        if (status.open(QIODevice::ReadOnly)) {
            for (const QByteArray& line : status.readAll().split('\n')) {
                if (line.startsWith("VmHWM:"))
                    peak = line.mid(6).trimmed().split(' ').first().toLong();
            }
        }
    }
    Stop(pid);
    return peak;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const QString kelvo = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString bare = QCoreApplication::applicationDirPath() + QStringLiteral("/bare_qt_window");
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty() || !QFileInfo(kelvo).isExecutable() || !QFileInfo(bare).isExecutable()) {
        std::printf("skipped: needs Xvfb, the program and bare_qt_window\n");
        return 0;
    }

    QProcess server;
    server.start(xvfb,
                 {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                  QStringLiteral("0"), QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                  QStringLiteral("tcp")});
    if (!server.waitForStarted() || !server.waitForReadyRead(10000)) {
        std::printf("skipped: Xvfb did not start\n");
        return 0;
    }
    const QByteArray displayName = ":" + server.readAllStandardOutput().trimmed();
    Display display;
    if (!display.Open(displayName)) {
        std::printf("skipped: no X server with the DAMAGE extension at %s\n",
                    displayName.constData());
        return 0;
    }

    const QByteArray programs[] = {QFile::encodeName(bare), QFile::encodeName(kelvo)};
    std::vector<double> mapped[2], painted[2];
    for (int run = -1; run < Runs; ++run) { // run -1 warms the file cache
        for (int p = 0; p < 2; ++p) {
            const Timing timing = TimeOnce(display, programs[p], displayName);
            if (timing.paintedMs < 0) {
                std::printf("failed: %s showed no painted window\n", programs[p].constData());
                return 1;
            }
            if (run >= 0) {
                mapped[p].push_back(timing.mappedMs);
                painted[p].push_back(timing.paintedMs);
            }
        }
    }
    const char* names[] = {"bare Qt window", "Kelvo's splash"};
    for (int p = 0; p < 2; ++p) {
        std::printf("process start to first window, median of %d, %s: mapped %.1f ms, "
                    "painted %.1f ms\n",
                    Runs, names[p], Median(mapped[p]), Median(painted[p]));
    }
    std::printf("Kelvo's splash / bare Qt window (painted): %.2f\n",
                Median(painted[1]) / Median(painted[0]));

    // The bare window has one window, the program its splash and then its
    // main window.
    const int windows[] = {1, 2};
    std::vector<double> peaks[2];
    for (int run = 0; run < MemoryRuns; ++run) {
        for (int p = 0; p < 2; ++p) {
            const long peak = PeakAfterStartup(display, programs[p], displayName, windows[p]);
            if (peak < 0) {
                std::printf("failed: no peak memory of %s\n", programs[p].constData());
                return 1;
            }
            peaks[p].push_back(peak / 1024.0);
        }
    }
    std::printf("peak memory after start-up, median of %d: bare Qt window %.1f MB, Kelvo %.1f MB, "
                "ratio %.2f\n",
                MemoryRuns, Median(peaks[0]), Median(peaks[1]),
                Median(peaks[1]) / Median(peaks[0]));
    server.terminate();
    server.waitForFinished();
    return 0;
}
