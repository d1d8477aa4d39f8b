#include "radio_link/port_selection.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "fake_link.h"
#include "radio_link/com_ports.h"
#include "texts/message_text.h"

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
    link.listener.languageFlag = 1;
    link.ports.ChoosePort(3);
    EXPECT_EQ(Ticked(link.ports), std::vector<int>{3});
    EXPECT_EQ(link.ports.PortNumber(), 3);
    EXPECT_EQ(link.port.number, 3);
    EXPECT_TRUE(link.port.open);
    link.listener.languageFlag = 1;
    link.ports.ChoosePort(5);
    EXPECT_EQ(Ticked(link.ports), std::vector<int>{5});
    EXPECT_TRUE(link.portMessages.empty());
}

TEST(PortSelection, APortThatWillNotOpenIsReported) {
    Link link;
    link.listener.languageFlag = 1;
    link.ports.ChoosePort(2);
    link.port.canOpen = false;

    // The ticked entry again: its tick stays, the message comes.
    link.listener.languageFlag = 1;
    link.ports.ChoosePort(2);
    EXPECT_EQ(Ticked(link.ports), std::vector<int>{2});
    ASSERT_EQ(link.portMessages.size(), 1u);
    EXPECT_EQ(link.portMessages[0].second, 64);
    EXPECT_EQ(link.portMessages[0].first.rfind(
                  "Serial port 2 have been other programs use, please choose other serial or "
                  "turn off its program.",
                  0),
              0u);

    // Another entry: no tick is left anywhere and the old number stays for the exchanges.
    link.listener.languageFlag = 0;
    link.ports.ChoosePort(7);
    EXPECT_TRUE(Ticked(link.ports).empty());
    EXPECT_EQ(link.ports.PortNumber(), 2);
    EXPECT_EQ(link.portMessages[1].first.rfind(
                  "串行端口7已被其它程序使用，请选择其它串口或关掉其程序.", 0),
              0u);
    link.port.canOpen = true;
    link.ports.OpenCom();
    EXPECT_EQ(link.port.number, 2);
    EXPECT_TRUE(link.port.open);
}

// A port that would not open is reported by its cause; a busy one (or an unknown cause) keeps
// the message about other programs, which APortThatWillNotOpenIsReported checks.
TEST(PortSelection, MessagesNameTheCause) {
    const std::vector<ComPort> two = {{1, "/dev/ttyUSB0"}, {2, "/dev/ttyS0"}};
    const struct {
        OpenError error;
        int number;  // 0: a device named directly
        const char* device;
        std::vector<ComPort> present;
        std::int16_t languageFlag;
        std::vector<std::string> parts;  // in order; none: no cause
    } cases[] = {
        {OpenError::kNotFound,
         3,
         "",
         two,
         1,
         {"No serial device is connected as COM3.", "COM1 = /dev/ttyUSB0, COM2 = /dev/ttyS0."}},
        {OpenError::kNotFound,
         2,
         "/dev/ttyS0",
         two,
         0,
         {"没有串口设备连接为 COM2（/dev/ttyS0）。", "已有的串口设备：COM1 = /dev/ttyUSB0。"}},
        {OpenError::kNotFound, 5, "", {}, 1, {"COM5", "No other serial device was found"}},
        {OpenError::kNotFound, 0, "/dev/ttyUSB9", two, 1, {"no serial device /dev/ttyUSB9."}},
        {OpenError::kNotFound, 0, "", two, 1, {}},  // no port chosen yet
        {OpenError::kPermissionDenied,
         1,
         "/dev/ttyUSB0",
         two,
         1,
         {"may not open COM1 (/dev/ttyUSB0).", "\"dialout\" group", "log out and in again."}},
        {OpenError::kPermissionDenied,
         0,
         "/dev/ttyACM0",
         two,
         0,
         {"没有打开 /dev/ttyACM0 的权限", "dialout 组", "重新登录"}},
        {OpenError::kBusy, 4, "/dev/ttyUSB0", two, 1, {}},
        {OpenError::kBusy,
         0,
         "/dev/ttyUSB0",
         two,
         1,
         {"/dev/ttyUSB0 is in use by another program"}},
        {OpenError::kNotSerial,
         0,
         "/dev/null",
         two,
         1,
         {"/dev/null is not a serial port: it is a device that is no terminal."}},
        {OpenError::kNotSerial, 0, "/", two, 1, {"/ is not a serial port: it is a folder."}},
        {OpenError::kNotSerial,
         3,
         "/etc/hostname",
         two,
         0,
         {"COM3（/etc/hostname） 不是串口：它是普通文件。"}},
        {OpenError::kOther, 4, "/dev/ttyUSB0", two, 0, {}},
    };
    for (const auto& c : cases) {
        const Message message = OpenFailureCause(c.error, c.number, c.device, c.present);
        const std::string cause = Worded(message, LanguageOf(c.languageFlag));
        std::size_t at = 0;
        for (const std::string& part : c.parts) {
            at = cause.find(part, at);
            EXPECT_NE(at, std::string::npos) << part << " in " << cause;
        }
        EXPECT_EQ(cause.empty(), c.parts.empty()) << cause;
        if (!cause.empty() && c.number != 0) {
            EXPECT_EQ(ComPortMessage(c.number, c.error, c.device, c.present), message);
        }
    }
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
#ifdef _WIN32
    ::_putenv_s("M742_COM2", "/dev/pts/77");
    EXPECT_EQ(ComPortDevice(2), "/dev/pts/77");
    ::_putenv_s("M742_COM2", "");
#else
    ::setenv("M742_COM2", "/dev/pts/77", 1);
    EXPECT_EQ(ComPortDevice(2), "/dev/pts/77");
    ::unsetenv("M742_COM2");
#endif
    EXPECT_EQ(ComPortDevice(0), "");
    EXPECT_EQ(ComPortDevice(9), "");
    const auto devices = SerialDevices();
    if (!devices.empty()) {
        EXPECT_EQ(ComPortDevice(1), devices.front());
    }
}

}  // namespace
}  // namespace m742::testing
