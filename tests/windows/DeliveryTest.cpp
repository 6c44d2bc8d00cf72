// What a Windows user downloads, used as they would use it: the installer run
// silently, the installed lookout.exe keeping its settings under %APPDATA%
// and nothing in Program Files, the uninstaller leaving those settings; the
// portable zip unpacked, its SERVER.INI beside the program; the window at 96
// and at 144 dpi. delivery.sh unpacks the zip and names both downloads in
// LOOKOUT_SETUP and LOOKOUT_PORTABLE.
#include <windows.h>
#include <gtest/gtest.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "monitor/PageReaders.h"
#include "monitor/SlotTable.h"
#include "window/SlotLayout.h"
#include "platform/AtomicFile.h"
#include "platform/StringList.h"
#include "platform/windows/WidePath.h"
#include "tests/support/DemoService.h"
#include "tests/support/PanelModel.h"
#include "tests/windows/ProgramWindow.h"

namespace lookout::test {
namespace {

namespace fs = std::filesystem;

std::wstring Folder(int csidl) {
    wchar_t path[MAX_PATH] = {};
    ::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    return path;
}

std::wstring Environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? WidePath(value) : L"";
}

// Names, sizes and times of everything under a folder.
std::map<std::wstring, std::pair<std::uintmax_t, fs::file_time_type>> Listing(const fs::path& folder) {
    std::map<std::wstring, std::pair<std::uintmax_t, fs::file_time_type>> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        files[entry.path().wstring()] = {entry.is_regular_file() ? entry.file_size() : 0, entry.last_write_time()};
    return files;
}

std::optional<std::wstring> UninstallValue(const wchar_t* name) {
    wchar_t value[512] = {};
    DWORD size = sizeof value;
    if (::RegGetValueW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lookout", name,
                       RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::wstring(value);
}

// The demo service and what its pages make the boxes show.
class Delivery : public ::testing::Test {
protected:
    void SetUp() override {
        ReadStatusPage(BodyOf(RawGet(demo_.Port(), "/world1/status.txt").bytes), expected_);
        settings_ = "120\r\n90\r\n" + demo_.BaseUrl() + "\r\n" + demo_.BaseUrl() + "ipmap/\r\nworld1\r\n";
    }

    struct Seen {
        SIZE client{};
        int captionInk = 0;  // rows of ink of Login's caption
        POINT moved{};       // the client area's origin after the move
    };

    // Starts `program`, waits for a finished refresh and every box in its
    // colour, moves the window by (30, 20) and closes it.
    Seen RunWindow(const fs::path& program) {
        Seen seen;
        const Process process(program.wstring());
        EXPECT_TRUE(process.Started());
        const std::wstring caption = L"Lookout 050504 (3600\u79D2/world1)";
        HWND window = nullptr;
        EXPECT_TRUE(WaitUntil(process.Handle(), [&] { return (window = WindowOf(process.Id(), &caption, nullptr)); }))
            << "no window with the caption of a finished refresh";
        if (!window) return seen;
        RECT client{};
        ::GetClientRect(window, &client);
        seen.client = {client.right, client.bottom};
        const double scale = client.right / 600.0;
        const POINT origin = ClientOrigin(window);
        const auto at = [&](int x) { return static_cast<int>(x * scale); };
        std::optional<Capture> shot;
        const auto filled = [&] {
            shot.emplace(RECT{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom});
            for (std::size_t i = 0; i < kSlotCount; ++i) {
                if (shot->At(at(kSlotPlaces[i].left + 37), at(kSlotPlaces[i].top + 29)) != expected_.slots[i].box)
                    return false;
            }
            return true;
        };
        EXPECT_TRUE(WaitUntil(process.Handle(), filled)) << "the boxes do not show the status page";
        int first = -1, last = -1;
        for (int y = at(kSlotPlaces[0].top + kCaptionTop); y < at(kSlotPlaces[0].top + kCaptionTop + kLabelHeight);
             ++y) {
            for (int x = at(kSlotPlaces[0].left + kLabelLeft); x < at(kSlotPlaces[0].left + kBoxWidth - 1); ++x) {
                if (shot->Dark(x, y)) {
                    if (first < 0) first = y;
                    last = y;
                }
            }
        }
        seen.captionInk = first < 0 ? 0 : last - first + 1;

        RECT frame{};
        ::GetWindowRect(window, &frame);
        ::SetWindowPos(window, nullptr, frame.left + 30, frame.top + 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        seen.moved = ClientOrigin(window);
        ::PostMessageW(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(process.Wait(30000), 0) << "the program did not end";
        return seen;
    }

    void ExpectPosition(const fs::path& ini, POINT moved) {
        const StringList lines(ReadWholeFile(NarrowPath(ini.wstring())));
        ASSERT_EQ(lines.Count(), 5u);
        EXPECT_EQ(lines.At(0), std::to_string(moved.x));
        EXPECT_EQ(lines.At(1), std::to_string(moved.y));
        EXPECT_EQ(lines.At(2), demo_.BaseUrl());
    }

    DemoServiceProcess demo_{{"--interval", "3600"}};
    PanelModel expected_;
    std::string settings_;
};

TEST_F(Delivery, InstalledCopyKeepsItsSettingsUnderAppData) {
    const fs::path setup = Environment("LOOKOUT_SETUP");
    ASSERT_TRUE(fs::exists(setup)) << "LOOKOUT_SETUP names no installer";
    const fs::path folder = fs::path(Folder(CSIDL_PROGRAM_FILES)) / L"Lookout";
    const fs::path user = fs::path(Folder(CSIDL_APPDATA)) / L"Lookout";
    const fs::path shortcut = fs::path(Folder(CSIDL_COMMON_PROGRAMS)) / L"Lookout" / L"Lookout.lnk";
    fs::remove_all(user);

    {
        const Process install(setup.wstring(), L"/S");
        ASSERT_TRUE(install.Started()) << "the installer did not start: error " << install.StartError();
        ASSERT_EQ(install.Wait(120000), 0) << "the installer failed";
    }
    for (const wchar_t* file : {L"lookout.exe", L"lookout-status.exe", L"ipagp.ttf", L"SERVER-DEFAULT.INI"}) {
        EXPECT_TRUE(fs::exists(folder / file)) << fs::path(file).string();
    }
    EXPECT_FALSE(fs::exists(folder / L"SERVER.INI"));
    EXPECT_TRUE(fs::exists(shortcut)) << "no Start menu entry";
    EXPECT_EQ(UninstallValue(L"DisplayVersion"), L"0.50504");
    EXPECT_EQ(UninstallValue(L"Publisher"), L"Lookout developers");
    EXPECT_EQ(UninstallValue(L"DisplayIcon"), (folder / L"lookout.exe").wstring());
    HICON icon = nullptr;
    EXPECT_EQ(::ExtractIconExW((folder / L"lookout.exe").c_str(), 0, &icon, nullptr, 1), 1u) << "no icon";
    if (icon) ::DestroyIcon(icon);

    // The site default as an administrator sets it; then three first starts
    // at once each find the whole copy.
    PublishFile(NarrowPath((folder / L"SERVER-DEFAULT.INI").wstring()), settings_);
    const auto installed = Listing(folder);
    {
        const std::wstring caption = L"Lookout 050504 (3600\u79D2/world1)";
        std::vector<std::unique_ptr<Process>> starts;
        for (int i = 0; i < 3; ++i) starts.push_back(std::make_unique<Process>((folder / L"lookout.exe").wstring()));
        for (const auto& start : starts) {
            EXPECT_TRUE(WaitUntil(start->Handle(), [&] { return WindowOf(start->Id(), &caption, nullptr) != nullptr; }))
                << "a simultaneous first start failed";
        }
    }
    EXPECT_EQ(ReadWholeFile(NarrowPath((user / L"SERVER.INI").wstring())), settings_);
    EXPECT_EQ(Listing(user).size(), 1u) << "a temporary stayed behind";

    const Seen seen = RunWindow(folder / L"lookout.exe");
    ExpectPosition(user / L"SERVER.INI", seen.moved);
    EXPECT_EQ(Listing(folder), installed) << "the program wrote into Program Files";

    {
        // _?= keeps the uninstaller in place, so that its end is the end of
        // the removal.
        const Process uninstall((folder / L"Uninstall.exe").wstring(), L"/S _?=" + folder.wstring());
        ASSERT_EQ(uninstall.Wait(120000), 0) << "the uninstaller failed";
    }
    for (const wchar_t* file : {L"lookout.exe", L"lookout-status.exe", L"ipagp.ttf", L"SERVER-DEFAULT.INI"}) {
        EXPECT_FALSE(fs::exists(folder / file)) << fs::path(file).string();
    }
    EXPECT_FALSE(fs::exists(shortcut));
    EXPECT_FALSE(UninstallValue(L"DisplayVersion"));
    ExpectPosition(user / L"SERVER.INI", seen.moved);
    fs::remove_all(folder);
}

// Wine reads the display's dots per inch at a program's start.
class LogPixels {
public:
    explicit LogPixels(DWORD dpi) {
        ::RegCreateKeyExW(HKEY_CURRENT_USER, L"Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                          nullptr);
        DWORD size = sizeof old_;
        had_ = ::RegQueryValueExW(key_, L"LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&old_), &size) ==
               ERROR_SUCCESS;
        ::RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
    }
    ~LogPixels() {
        if (had_)
            ::RegSetValueExW(key_, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&old_), sizeof old_);
        else
            ::RegDeleteValueW(key_, L"LogPixels");
        ::RegCloseKey(key_);
    }

private:
    HKEY key_ = nullptr;
    DWORD old_ = 0;
    bool had_ = false;
};

TEST_F(Delivery, PortableCopyKeepsItsSettingsBesideItAndScalesWithTheDisplay) {
    const fs::path folder = Environment("LOOKOUT_PORTABLE");
    ASSERT_TRUE(fs::exists(folder / L"lookout.exe")) << "LOOKOUT_PORTABLE names no unpacked zip";
    const fs::path ini = folder / L"SERVER.INI";
    PublishFile(NarrowPath(ini.wstring()), settings_);

    const Seen normal = RunWindow(folder / L"lookout.exe");
    EXPECT_EQ(normal.client.cx, 600);
    EXPECT_EQ(normal.client.cy, 64);
    ExpectPosition(ini, normal.moved);

    // Scaled by FLTK, text drawn at the size: taller glyphs, not a stretched
    // bitmap of the same.
    const LogPixels dpi(144);
    const Seen scaled = RunWindow(folder / L"lookout.exe");
    EXPECT_EQ(scaled.client.cx, 900);
    EXPECT_EQ(scaled.client.cy, 96);
    EXPECT_GT(scaled.captionInk, normal.captionInk);
    EXPECT_GT(normal.captionInk, 0);
}

}  // namespace
}  // namespace lookout::test

int main(int argc, char** argv) {
    // The window's own client area in the display's pixels, whatever this
    // process's dots per inch.
    ::SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
