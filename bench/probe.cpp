// Measures a program from outside, as its user sees it, on the X server named by DISPLAY: the
// time from launch until its window is mapped and until its first frame is on the screen (two
// outline pixels turn black), its peak memory at that moment, its CPU time and wake-ups while it
// sits idle, and the time from a pointer press on a segment to the segment's pixels changing.
//
// Usage: probe RUNS IDLE-SECONDS CLICKS NAME=PROGRAM [NAME=PROGRAM...]
// Runs each program once to warm the caches, then RUNS times in turns, and prints the median and
// the spread (minimum..maximum) of every figure. CLICKS is 0 for programs that do not toggle.
// The server's root must be white (Xvfb -wr), so that only the window can make the probes black.
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
double MsSince(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

// Where the window is placed, and the probe points in window coordinates: the top-left outline
// corners of the first segment and of the colon's lower dot, and the middle of segment 4.
constexpr int WindowX = 192, WindowY = 107;
constexpr int ProbeA[] = {24, 40}, ProbeB[] = {384, 184}, Segment4[] = {92, 152};

class Display {
public:
    Display() : connection_(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(connection_)) {
            std::fprintf(stderr, "probe: cannot open the display\n");
            std::exit(2);
        }
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
    }
    ~Display() { xcb_disconnect(connection_); }

    bool IsBlack(int x, int y)
    {
        auto* reply = xcb_get_image_reply(
            connection_, xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, root_, int16_t(WindowX + x),
                                       int16_t(WindowY + y), 1, 1, ~0u),
            nullptr);
        if (!reply)
            return false;
        const uint8_t* data = xcb_get_image_data(reply);
        const bool black = (data[0] | data[1] | data[2]) == 0;
        std::free(reply);
        return black;
    }
    // True once a top-level window has been mapped since the last call.
    bool Mapped()
    {
        bool mapped = false;
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            mapped |= (event->response_type & 0x7F) == XCB_MAP_NOTIFY;
            std::free(event);
        }
        return mapped;
    }
    void Press(int x, int y, bool down)
    {
        if (down)
            xcb_test_fake_input(connection_, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root_, int16_t(WindowX + x),
                                int16_t(WindowY + y), 0);
        xcb_test_fake_input(connection_, down ? XCB_BUTTON_PRESS : XCB_BUTTON_RELEASE, 1, XCB_CURRENT_TIME, root_, 0,
                            0, 0);
        xcb_flush(connection_);
    }

private:
    xcb_connection_t* connection_;
    xcb_window_t root_;
};

struct ProcessCost {
    double cpuMs = 0;
    long switches = 0;  // voluntary and involuntary context switches of all threads: its wake-ups
};

ProcessCost CostOf(pid_t pid)
{
    ProcessCost cost;
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), {});
    std::istringstream fields(text.substr(text.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && fields >> field; ++i) {
        if (i == 14) utime = std::stol(field);
        if (i == 15) stime = std::stol(field);
    }
    cost.cpuMs = double(utime + stime) * 1000.0 / double(sysconf(_SC_CLK_TCK));
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    if (DIR* dir = opendir(tasks.c_str())) {
        while (dirent* entry = readdir(dir)) {
            if (entry->d_name[0] == '.')
                continue;
            std::ifstream status(tasks + "/" + entry->d_name + "/status");
            for (std::string line; std::getline(status, line);)
                if (line.find("ctxt_switches:") != std::string::npos)
                    cost.switches += std::stol(line.substr(line.find(':') + 1));
        }
        closedir(dir);
    }
    return cost;
}

long PeakMemoryKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

struct Sample {
    std::map<std::string, double> figures;
};

Sample RunOnce(Display& display, const std::string& program, int idleSeconds, int clicks)
{
    Sample sample;
    display.Mapped();  // forget earlier windows
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    double mapped = -1;
    while (MsSince(start) < 20000) {
        if (mapped < 0 && display.Mapped())
            mapped = MsSince(start);
        if (display.IsBlack(ProbeA[0], ProbeA[1]) && display.IsBlack(ProbeB[0], ProbeB[1]))
            break;
    }
    sample.figures["first frame, ms"] = MsSince(start);
    sample.figures["window mapped, ms"] = mapped;
    sample.figures["peak memory (VmHWM), MiB"] = double(PeakMemoryKb(pid)) / 1024.0;

    const ProcessCost before = CostOf(pid);
    std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
    const ProcessCost after = CostOf(pid);
    sample.figures["idle CPU, ms per 5 s"] = (after.cpuMs - before.cpuMs) * 5.0 / idleSeconds;
    sample.figures["idle wake-ups per 5 s"] = double(after.switches - before.switches) * 5.0 / idleSeconds;

    std::vector<double> repaints;
    for (int i = 0; i < clicks; ++i) {
        const bool wasBlack = display.IsBlack(Segment4[0], Segment4[1]);
        const auto pressed = Clock::now();
        display.Press(Segment4[0], Segment4[1], true);
        while (display.IsBlack(Segment4[0], Segment4[1]) == wasBlack && MsSince(pressed) < 2000) {
        }
        repaints.push_back(MsSince(pressed));
        display.Press(Segment4[0], Segment4[1], false);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    if (!repaints.empty()) {
        std::sort(repaints.begin(), repaints.end());
        sample.figures["click to repaint (median of run), ms"] = repaints[repaints.size() / 2];
        sample.figures["click to repaint (slowest of run), ms"] = repaints.back();
    }

    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    while (display.IsBlack(ProbeA[0], ProbeA[1]))  // until the server has taken the window away
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    return sample;
}

void Report(const std::string& name, const std::vector<Sample>& samples)
{
    std::printf("%s (%zu runs):\n", name.c_str(), samples.size());
    for (const auto& [figure, unused] : samples.front().figures) {
        std::vector<double> values;
        for (const Sample& sample : samples)
            values.push_back(sample.figures.at(figure));
        std::sort(values.begin(), values.end());
        std::printf("  %-40s median %8.2f   spread %8.2f .. %8.2f\n", figure.c_str(), values[values.size() / 2],
                    values.front(), values.back());
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: probe RUNS IDLE-SECONDS CLICKS NAME=PROGRAM [NAME=PROGRAM...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]), idle = std::max(1, std::atoi(argv[2])), clicks = std::atoi(argv[3]);
    std::vector<std::pair<std::string, std::string>> programs;
    for (int i = 4; i < argc; ++i) {
        const std::string nameAndPath = argv[i];
        programs.emplace_back(nameAndPath.substr(0, nameAndPath.find('=')), nameAndPath.substr(nameAndPath.find('=') + 1));
    }
    Display display;
    for (const auto& [name, program] : programs)
        RunOnce(display, program, 1, 0);  // warm-up: caches, fonts, shared libraries
    std::map<std::string, std::vector<Sample>> samples;
    for (int run = 0; run < runs; ++run)
        for (const auto& [name, program] : programs)
            samples[name].push_back(RunOnce(display, program, idle, name == programs.front().first ? clicks : 0));
    for (const auto& [name, program] : programs)
        Report(name, samples[name]);
    return 0;
}
