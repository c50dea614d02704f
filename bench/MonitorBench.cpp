// The gadget's cost of one refresh against a bare Win32 window that redraws the same number of
// text rows with GDI: processor time of the window's thread and allocations per refresh, with
// the readings taken through the tests' stand-in Pdh.dll (tests/fakepdh). Then the working set
// and private bytes of each after start and twenty refreshes, each in a process of its own
// (this program started again with "--gadget" or "--bare"). Ratios from one run. Run on a
// display (xvfb-run), like the window tests.
#include "AllocCounter.h"
#include "BenchClock.h"
#include "BenchPaths.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/monitor/FieldCatalogue.h"
#include "app/monitor/Monitor.h"
#include "app/monitor/MonitorBlock.h"
#include "core/base/ApplicationBox.h"
#include "storage/settings/XmlMappedData.h"
#include "windowing/Window.h"

using s::system::gui::dialogs::monitor::Monitor;

namespace {

const int kFields = 30;
const int kRefreshes = 200;
const int kStartRefreshes = 20;
const UINT kRedraw = WM_APP + 1;

HANDLE ThreadOfWindow(HWND window)
{
    return OpenThread(THREAD_QUERY_INFORMATION, FALSE, GetWindowThreadProcessId(window, nullptr));
}

// The gadget with the first kFields fields of the catalogue switched on and a period long
// enough that its own worker stays out of the way after the first refresh.
struct Gadget {
    s::xml::MappedData* settings = nullptr;
    Monitor* monitor = nullptr;
    std::wstring path;

    void Start()
    {
        path = ProgramFolder() + L"monitorbench-settings.xml";
        DeleteFileW(path.c_str());
        settings = s::xml::MappedData::OpenFile(path.c_str());
        settings->SetAutoSave(false);
        s::system::counter::FieldCatalogue catalogue;
        catalogue.Build(nullptr, nullptr, L"");
        int on = 0;
        for (const s::system::counter::FieldDescription& field : catalogue.GetFields())
            settings->SetBool(L"MainWindow\\Field", field.key.c_str(), on++ < kFields);
        settings->SetInt32(L"MainWindow\\View", L"RefreshFrequency", 300000);
        monitor = Monitor::New();
        monitor->SetServices(nullptr, settings, nullptr);
        monitor->Init();
        // The worker's first refresh (and the counters' set-up) out of the way.
        Sleep(1500);
    }
    void Refresh()
    {
        monitor->GetWindow()->SendEvent(s::system::gui::dialogs::monitor::kProcessStatusUpdate, 0, 0, 0);
    }
    void Stop()
    {
        monitor->ReleaseToPool();
        settings->ReleaseToPool();
        DeleteFileW(path.c_str());
    }
};

// A plain window on a thread of its own: every redraw request formats kFields values and
// paints them as text rows with GDI.
struct Bare {
    HWND window = nullptr;
    HANDLE thread = nullptr;
    static inline int counter = 0;

    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
    {
        switch (message) {
        case kRedraw:
            ++counter;
            InvalidateRect(window, nullptr, TRUE);
            UpdateWindow(window);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            SetBkMode(dc, TRANSPARENT);
            for (int i = 0; i < kFields; ++i) {
                wchar_t text[64];
                const int n = swprintf(text, 64, L"Field %d    %d%%", i, (counter * 7 + i) % 100);
                RECT row = {4, 4 + i * 18, 300, 22 + i * 18};
                DrawTextW(dc, text, n, &row, DT_SINGLELINE | DT_LEFT);
            }
            EndPaint(window, &paint);
            return 0;
        }
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
        }
    }

    static DWORD WINAPI Main(void* parameter)
    {
        Bare* self = static_cast<Bare*>(parameter);
        WNDCLASSW type = {};
        type.lpfnWndProc = Procedure;
        type.hInstance = GetModuleHandleW(nullptr);
        type.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
        type.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
        type.lpszClassName = L"MonitorBenchBare";
        RegisterClassW(&type);
        self->window = CreateWindowExW(0, type.lpszClassName, L"Bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 320,
                                       kFields * 18 + 60, nullptr, nullptr, type.hInstance, nullptr);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        return 0;
    }

    void Start()
    {
        thread = CreateThread(nullptr, 0, &Main, this, 0, nullptr);
        while (!window)
            Sleep(10);
        Sleep(300);
    }
    void Refresh() { SendMessageW(window, kRedraw, 0, 0); }
    void Stop()
    {
        PostMessageW(window, WM_CLOSE, 0, 0);
        WaitForSingleObject(thread, 5000);
        CloseHandle(thread);
    }
};

template <class Subject>
void TimeRefreshes(Subject& subject, HWND window, double* secondsPerRefresh, double* allocationsPerRefresh)
{
    HANDLE thread = ThreadOfWindow(window);
    subject.Refresh();
    const uint64_t allocationsBefore = Allocations().blocks;
    const double before = ThreadCpuSeconds(thread);
    for (int i = 0; i < kRefreshes; ++i)
        subject.Refresh();
    *secondsPerRefresh = (ThreadCpuSeconds(thread) - before) / kRefreshes;
    *allocationsPerRefresh = static_cast<double>(Allocations().blocks - allocationsBefore) / kRefreshes;
    CloseHandle(thread);
}

void PrintMemory(const char* what)
{
    PROCESS_MEMORY_COUNTERS_EX memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof memory);
    // Wine leaves PrivateUsage at 0; the commit charge it reports (PagefileUsage) is the same on
    // Windows.
    const SIZE_T privateBytes = memory.PrivateUsage ? memory.PrivateUsage : memory.PagefileUsage;
    std::printf("%s %llu %llu\n", what, static_cast<unsigned long long>(memory.WorkingSetSize),
                static_cast<unsigned long long>(privateBytes));
}

// Starts this program in a mode and reads the two numbers it prints.
bool MeasureChild(const wchar_t* mode, double* workingSet, double* privateBytes)
{
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(exe) + L"\" " + mode;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return false;
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                        &startup, &process);
    CloseHandle(writeEnd);
    if (!started) {
        CloseHandle(readEnd);
        return false;
    }
    std::string output;
    char buffer[256];
    DWORD read = 0;
    while (ReadFile(readEnd, buffer, sizeof buffer, &read, nullptr) && read > 0)
        output.append(buffer, read);
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(readEnd);
    unsigned long long ws = 0, pb = 0;
    const size_t at = output.find("memory ");
    if (at == std::string::npos || std::sscanf(output.c_str() + at, "memory %llu %llu", &ws, &pb) != 2)
        return false;
    *workingSet = static_cast<double>(ws);
    *privateBytes = static_cast<double>(pb);
    return true;
}

// A bench runs unattended: a box the gadget shows (under Wine, the notice of counter names in an
// unknown language) is printed and answered at once instead of waiting for a click.
int PrintedBox(HWND, const wchar_t* text, const wchar_t* caption, UINT)
{
    std::fwprintf(stderr, L"box \"%ls\": %ls\n", caption ? caption : L"", text ? text : L"");
    return IDOK;
}

bool LoadFakePdh()
{
    return LoadLibraryW(FakePdhPath().c_str()) != nullptr;
}

} // namespace

int main()
{
    s::base::SetApplicationBox(&PrintedBox);
    if (!LoadFakePdh()) {
        std::printf("the stand-in Pdh.dll is missing; build the tests first\n");
        return 1;
    }
    const std::wstring commandLine = GetCommandLineW();
    if (commandLine.find(L" --gadget") != std::wstring::npos) {
        Gadget gadget;
        gadget.Start();
        for (int i = 0; i < kStartRefreshes; ++i)
            gadget.Refresh();
        PrintMemory("memory");
        std::fflush(stdout);
        gadget.Stop();
        return 0;
    }
    if (commandLine.find(L" --bare") != std::wstring::npos) {
        Bare bare;
        bare.Start();
        for (int i = 0; i < kStartRefreshes; ++i)
            bare.Refresh();
        PrintMemory("memory");
        std::fflush(stdout);
        bare.Stop();
        return 0;
    }

    double gadgetSeconds = 0, gadgetAllocations = 0, bareSeconds = 0, bareAllocations = 0;
    {
        Gadget gadget;
        gadget.Start();
        TimeRefreshes(gadget, gadget.monitor->GetWindow()->GetSafeHwnd(), &gadgetSeconds, &gadgetAllocations);
        gadget.Stop();
    }
    {
        Bare bare;
        bare.Start();
        TimeRefreshes(bare, bare.window, &bareSeconds, &bareAllocations);
        bare.Stop();
    }
    std::printf("refresh of %d fields: gadget %.3f ms, bare GDI rows %.3f ms of window-thread time: ratio %.2f\n",
                kFields, gadgetSeconds * 1e3, bareSeconds * 1e3, bareSeconds > 0 ? gadgetSeconds / bareSeconds : 0.0);
    std::printf("allocations per refresh: gadget %.1f, bare %.1f\n", gadgetAllocations, bareAllocations);

    double gadgetWs = 0, gadgetPb = 0, bareWs = 0, barePb = 0;
    if (MeasureChild(L"--gadget", &gadgetWs, &gadgetPb) && MeasureChild(L"--bare", &bareWs, &barePb)) {
        std::printf("after start and %d refreshes: working set gadget %.1f MB, bare %.1f MB: ratio %.2f\n",
                    kStartRefreshes, gadgetWs / 1048576, bareWs / 1048576, bareWs > 0 ? gadgetWs / bareWs : 0.0);
        std::printf("private bytes gadget %.1f MB, bare %.1f MB: ratio %.2f\n", gadgetPb / 1048576, barePb / 1048576,
                    barePb > 0 ? gadgetPb / barePb : 0.0);
    } else {
        std::printf("the memory of the two programs could not be read\n");
    }
    return 0;
}
