// lookout.exe as a Windows user starts it: from a folder with a Japanese name,
// beside its SERVER.INI, against the demo service. The boxes, indicators and
// counts are read off the screen, a slot's hint appears under the pointer,
// and closing the window writes its position back. Every wait is bounded.
#include <windows.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "monitor/PageReaders.h"
#include "monitor/SlotTable.h"
#include "window/SlotLayout.h"
#include "platform/AtomicFile.h"
#include "platform/ExePath.h"
#include "platform/StringList.h"
#include "platform/windows/WidePath.h"
#include "tests/support/DemoService.h"
#include "tests/support/PanelModel.h"
#include "tests/support/TempDir.h"
#include "tests/windows/ProgramWindow.h"

namespace lookout::test {
namespace {

// Whether any row from `top` to before `bottom` holds dark ink.
bool InkBetween(const Capture& c, int top, int bottom) {
    for (int y = top; y < bottom; ++y) {
        for (int x = 0; x < c.Width(); ++x) {
            if (c.Dark(x, y)) return true;
        }
    }
    return false;
}

TEST(WindowProgram, ShowsTheSlotsAHintAndKeepsItsPosition) {
    DemoServiceProcess demo({"--interval", "3600"});
    PanelModel expected;
    ReadStatusPage(BodyOf(RawGet(demo.Port(), "/world1/status.txt").bytes), expected);
    ReadPartyPage(BodyOf(RawGet(demo.Port(), "/world1/party.txt").bytes), expected);

    // The program, its font and its settings in a folder named in Japanese.
    TempDir temp("lookout-window");
    const std::string folder = NarrowPath(temp.Path().wstring()) + "\\監視\\";
    ASSERT_TRUE(::CreateDirectoryW(WidePath(folder).c_str(), nullptr));
    for (const char* file : {"lookout.exe", "ipagp.ttf"})
        ASSERT_TRUE(::CopyFileW(WidePath(ExecutableDirectory() + file).c_str(), WidePath(folder + file).c_str(), TRUE));
    const std::string ini = folder + "SERVER.INI";
    {
        const std::string base = demo.BaseUrl();
        const HANDLE file = ::CreateFileW(WidePath(ini).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
        const std::string text = "120\r\n90\r\n" + base + "\r\n" + base + "ipmap/\r\nworld1\r\nkept\r\n";
        DWORD written = 0;
        ASSERT_TRUE(::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr));
        ::CloseHandle(file);
    }

    const Process process(WidePath(folder + "lookout.exe"));
    ASSERT_TRUE(process.Started());

    // The normal caption, its Japanese unit included, once the status page
    // has been read; then the party page's indicators.
    const std::wstring caption = L"Lookout 050504 (3600\u79D2/world1)";
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil(process.Handle(), [&] { return (window = WindowOf(process.Id(), &caption, nullptr)); }))
        << "no window with the caption of a finished refresh";
    const POINT origin = ClientOrigin(window);
    EXPECT_EQ(origin.x, 120);
    EXPECT_EQ(origin.y, 90);
    std::optional<Capture> seen;
    const auto showsPages = [&] {
        seen.emplace(RECT{origin.x, origin.y, origin.x + 600, origin.y + 64});
        for (std::size_t i = kFirstGameSlot; i < kSlotCount; ++i) {
            const SlotPlace& at = kSlotPlaces[i];
            if (seen->At(at.left + kGuildLeft + 4, at.top + kIndicatorTop + 4) != expected.slots[i].guild) return false;
        }
        return true;
    };
    WaitUntil(process.Handle(), showsPages);

    const Capture& shot = *seen;
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        const SlotDef& def = kSlots[i];
        const SlotPlace& at = kSlotPlaces[i];
        const SlotState& slot = expected.slots[i];
        SCOPED_TRACE(std::string(def.key) + " " + slot.count1);
        EXPECT_EQ(shot.At(at.left + 37, at.top + 29), slot.box) << "box fill";
        if (def.game) {
            EXPECT_EQ(shot.At(at.left + kPartyLeft + 4, at.top + kIndicatorTop + 4), slot.party);
            EXPECT_EQ(shot.At(at.left + kGuildLeft + 4, at.top + kIndicatorTop + 4), slot.guild);
        }
        // Counts were drawn, and a long first count reaches where "0/0" does not.
        int inkRight = -1;
        for (int x = at.left + kLabelLeft; x < at.left + kBoxWidth - 1; ++x) {
            for (int y = at.top + kCount1Top; y < at.top + kCount1Top + 9; ++y) {
                if (shot.Dark(x, y)) inkRight = x;
            }
        }
        EXPECT_GT(inkRight, at.left + kLabelLeft) << "no first count";
        if (!def.game && slot.count1.size() >= 7) {
            EXPECT_GT(inkRight, at.left + 26);
        }
    }

    // The pointer resting on Game01's box shows its hint: the address, then
    // lines of Japanese map names (that Japanese draws at all is the font
    // test's to prove).
    const SlotPlace& game01 = kSlotPlaces[kFirstGameSlot];
    ASSERT_TRUE(::SetCursorPos(origin.x + game01.left + 12, origin.y + game01.top + 28));
    HWND hint = nullptr;
    ASSERT_TRUE(WaitUntil(process.Handle(), [&] { return (hint = WindowOf(process.Id(), nullptr, window)); }))
        << "no hint";
    RECT hintRect{};
    ::GetWindowRect(hint, &hintRect);
    const Capture shown(hintRect);
    EXPECT_GT(shown.Height(), 2 * 12);
    EXPECT_TRUE(InkBetween(shown, 0, shown.Height() / 4)) << "no first line";
    EXPECT_TRUE(InkBetween(shown, shown.Height() * 3 / 4, shown.Height())) << "no last line";
    ::SetCursorPos(0, 0);

    // Moved, then closed: the new position goes into SERVER.INI, the rest
    // comes back as it was.
    RECT frame{};
    ::GetWindowRect(window, &frame);
    ASSERT_TRUE(::SetWindowPos(window, nullptr, frame.left + 30, frame.top + 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER));
    const POINT moved = ClientOrigin(window);
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_EQ(process.Wait(30000), 0) << "the program did not end";
    const StringList lines(ReadWholeFile(ini));
    ASSERT_EQ(lines.Count(), 6u);
    EXPECT_EQ(lines.At(0), std::to_string(moved.x));
    EXPECT_EQ(lines.At(1), std::to_string(moved.y));
    EXPECT_EQ(lines.At(2), demo.BaseUrl());
    EXPECT_EQ(lines.At(5), "kept");
}

}  // namespace
}  // namespace lookout::test
