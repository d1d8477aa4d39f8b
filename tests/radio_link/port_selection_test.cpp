#include "radio_link/port_selection.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "fake_link.h"
#include "radio_link/com_ports.h"

namespace m742::testing {
namespace {

std::vector<int> Ticked(const PortSelection& ports) {
    std::vector<int> ticked;
    for (int n = 0; n <= 9; ++n) {
        if (ports.Checked(n)) {
            ticked.push_back(n);
        }
    }
    return ticked;
}

TEST(PortSelection, ChoosingAPortTicksItAndKeepsItOpen) {
    Link link;
    link.ports.mnucom(3, 1);
    EXPECT_EQ(Ticked(link.ports), std::vector<int>{3});
    EXPECT_EQ(link.ports.PortNumber(), 3);
    EXPECT_EQ(link.port.number, 3);
    EXPECT_TRUE(link.port.open);
    link.ports.mnucom(5, 1);
    EXPECT_EQ(Ticked(link.ports), std::vector<int>{5});
    EXPECT_TRUE(link.window.messages.empty());
}

TEST(PortSelection, APortThatWillNotOpenIsReported) {
    Link link;
    link.ports.mnucom(2, 1);
    link.port.canOpen = false;

    // The ticked entry again: its tick stays, the message comes.
    link.ports.mnucom(2, 1);
    EXPECT_EQ(Ticked(link.ports), std::vector<int>{2});
    ASSERT_EQ(link.window.messages.size(), 1u);
    EXPECT_EQ(link.window.messages[0].second, 64);
    EXPECT_EQ(link.window.messages[0].first.rfind(
                  "Serial port 2 have been other programs use, please choose other serial or "
                  "turn off its program.",
                  0),
              0u);

    // Another entry: no tick is left anywhere and the old number stays for the exchanges.
    link.ports.mnucom(7, 0);
    EXPECT_TRUE(Ticked(link.ports).empty());
    EXPECT_EQ(link.ports.PortNumber(), 2);
    EXPECT_EQ(link.window.messages[1].first.rfind(
                  "串行端口7已被其它程序使用，请选择其它串口或关掉其程序.", 0),
              0u);
    link.port.canOpen = true;
    link.ports.OpenCom();
    EXPECT_EQ(link.port.number, 2);
    EXPECT_TRUE(link.port.open);
}

TEST(PortSelection, PermissionProblemsSayWhatToDo) {
    EXPECT_NE(PortInUseMessage(1, OpenError::kPermissionDenied, "/dev/ttyUSB0", 1).find("dialout"),
              std::string::npos);
    EXPECT_NE(PortInUseMessage(1, OpenError::kPermissionDenied, "/dev/ttyUSB0", 0).find("dialout"),
              std::string::npos);
    EXPECT_EQ(PortInUseMessage(1, OpenError::kBusy, "/dev/ttyUSB0", 1).find("dialout"),
              std::string::npos);
}

TEST(PortSelection, CheckComMenuOnlyTicksRealEntries) {
    Link link;
    for (int n : {0, 9, -1, 300}) {
        link.ports.CheckComMenu(n);
    }
    EXPECT_TRUE(Ticked(link.ports).empty());
    link.ports.CheckComMenu(4);
    link.ports.CheckComMenu(6);
    EXPECT_EQ(Ticked(link.ports), (std::vector<int>{4, 6}));
}

TEST(ComPorts, NamesAndMappings) {
    const struct {
        const char* name;
        std::optional<int> number;
    } cases[] = {{"COM1", 1},
                 {"com8", 8},
                 {"COM9", std::nullopt},
                 {"COM0", std::nullopt},
                 {"COM10", std::nullopt},
                 {"/dev/ttyUSB0", std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(ComPortNumber(c.name), c.number) << c.name;
    }
    ::setenv("M742_COM2", "/dev/pts/77", 1);
    EXPECT_EQ(ComPortDevice(2), "/dev/pts/77");
    ::unsetenv("M742_COM2");
    EXPECT_EQ(ComPortDevice(0), "");
    EXPECT_EQ(ComPortDevice(9), "");
    const auto devices = SerialDevices();
    if (!devices.empty()) {
        EXPECT_EQ(ComPortDevice(1), devices.front());
    }
}

}  // namespace
}  // namespace m742::testing
