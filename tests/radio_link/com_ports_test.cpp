// The "Com Port" menu's entries, and finding ModemManager or brltty holding a port.
#include <gtest/gtest.h>

#include <fstream>

#include "radio_link/com_ports.h"
#include "radio_link/port_selection.h"
#include "temp_folder.h"
#include "texts/message_text.h"

namespace m742 {
namespace {

TEST(ComMenuCaption, NamesTheDeviceAndWhatTheSystemSays) {
    PortDescription adapter;
    adapter.description = "USB-Serial";
    adapter.vendorId = 0x1a86;
    adapter.productId = 0x7523;
    PortDescription idOnly;
    idOnly.vendorId = 0x0403;
    idOnly.productId = 0x6001;
    PortDescription longName;
    // 39 ASCII bytes and then a Chinese character, which is cut whole.
    longName.description = std::string(39, 'x') + "串口";
    struct Case {
        int number;
        std::string device;
        bool present;
        PortDescription port;
        Lang lang;
        std::string caption;
    } cases[] = {
        {1, "/dev/ttyUSB0", true, adapter, Lang::English,
         "COM1(&1)  /dev/ttyUSB0 — USB-Serial (1a86:7523)"},
        {2, "/dev/ttyUSB1", true, idOnly, Lang::Chinese, "COM2(&2)  /dev/ttyUSB1 — (0403:6001)"},
        {3, "/dev/pts/4", true, {}, Lang::English, "COM3(&3)  /dev/pts/4"},
        {4, "", false, {}, Lang::English, "COM4(&4)  (none)"},
        {4, "", false, {}, Lang::Chinese, "COM4(&4)  （无）"},
        {5, "/dev/no-such", false, adapter, Lang::English, "COM5(&5)  /dev/no-such (none)"},
        {6, "/dev/ttyACM0", true, longName, Lang::English,
         "COM6(&6)  /dev/ttyACM0 — " + std::string(39, 'x') + "…"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Worded(ComMenuCaption(c.number, c.device, c.present, c.port), c.lang), c.caption);
    }
}

TEST(PortHolderNote, NamesTheProgramAndTheFix) {
    const PortHolder modemManager{812, "ModemManager", false};
    const PortHolder brltty{640, "brltty", true};
    struct Case {
        int number;
        std::string device;
        std::vector<PortHolder> holders;
        std::int16_t languageFlag;
        std::string starts;
        bool seen;
    } cases[] = {
        {1, "/dev/ttyUSB0", {}, 1, "", false},
        {1,
         "/dev/ttyUSB0",
         {modemManager},
         1,
         "ModemManager is running on this computer (process 812) and may be holding the port.",
         false},
        // One that holds the port is named before one that only may.
        {1,
         "/dev/ttyUSB0",
         {modemManager, brltty},
         1,
         "COM1 (/dev/ttyUSB0) is held by brltty (process 640)",
         true},
        {0,
         "/dev/ttyUSB0",
         {{812, "ModemManager", true}},
         1,
         "/dev/ttyUSB0 is held by ModemManager (process 812)",
         true},
        {2, "/dev/ttyUSB1", {brltty}, 0, "COM2（/dev/ttyUSB1） 被 brltty（进程 640）占用", true},
    };
    for (const Case& c : cases) {
        const HolderNote note = PortHolderNote(c.number, c.device, c.holders);
        const std::string text = Worded(note.text, LanguageOf(c.languageFlag));
        EXPECT_TRUE(text.starts_with(c.starts)) << text;
        EXPECT_EQ(text.empty(), c.starts.empty()) << text;
        EXPECT_EQ(note.seen, c.seen) << text;
    }
}

// A /proc of a few processes: their names, and the files each has open (none listed: its open
// files cannot be looked at).
TEST(SystemPortHolders, FindsModemManagerAndBrlttyByTheirOpenFiles) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has neither program, nor a /proc; nothing is looked up there";
#endif
    testing::TempFolder proc;
    testing::TempFolder dev;
    const auto device = dev / "ttyUSB0";
    const auto other = dev / "ttyUSB1";
    std::ofstream(device).put('\n');
    std::ofstream(other).put('\n');
    struct Process {
        std::string pid;
        std::string comm;
        std::optional<std::vector<std::filesystem::path>> files;
    } processes[] = {
        {"100", "ModemManager", std::vector{other, device}},  // holds it
        {"200", "brltty", std::vector{other}},                // holds another device
        {"300", "minicom", std::vector{device}},              // not one of the two
        {"400", "brltty", std::nullopt},                      // cannot be looked at
        {"self", "ModemManager", std::vector{device}},        // no process number
    };
    for (const Process& p : processes) {
        std::filesystem::create_directory(proc / p.pid);
        std::ofstream(proc / p.pid / "comm") << p.comm << "\n";
        if (p.files) {
            std::filesystem::create_directory(proc / p.pid / "fd");
            int fd = 3;
            for (const auto& file : *p.files) {
                std::filesystem::create_symlink(file, proc / p.pid / "fd" / std::to_string(fd++));
            }
        }
    }
    const auto holders = SystemPortHolders(device.string(), proc.path());
    ASSERT_EQ(holders.size(), 2U);
    EXPECT_EQ(holders[0].pid, 100);
    EXPECT_EQ(holders[0].program, "ModemManager");
    EXPECT_TRUE(holders[0].seen);
    EXPECT_EQ(holders[1].pid, 400);
    EXPECT_EQ(holders[1].program, "brltty");
    EXPECT_FALSE(holders[1].seen);
    EXPECT_TRUE(SystemPortHolders("", proc.path()).empty());
}

}  // namespace
}  // namespace m742
