// m742-cli ports: the table of COM1 to COM8 with a simulated radio on one of them.
#include "cli_runner.h"
#include "radio_data/data_file.h"
#include "radio_sim/radio_sim.h"

namespace m742::cli_test {
namespace {

class CliPorts : public CliTest {
protected:
    void SetUp() override {
        CliTest::SetUp();
        sim::Options options;
        options.pacing = false;
        m_radio = std::make_unique<sim::RadioSim>(std::move(options));
        std::string error;
        m_device = m_radio->Start(&error);
        ASSERT_FALSE(m_device.empty()) << error;
        ::setenv("M742_COM2", m_device.c_str(), 1);
        ::setenv("M742_COM3", "/dev/no-such-port", 1);
    }
    void TearDown() override {
        ::unsetenv("M742_COM2");
        ::unsetenv("M742_COM3");
        m_radio.reset();
        CliTest::TearDown();
    }

    std::unique_ptr<sim::RadioSim> m_radio;
    std::string m_device;
};

// The line of `port` in the table's text.
std::string LineOf(const std::string& table, const std::string& port) {
    const auto at = table.find("\n" + port + " ");
    if (at == std::string::npos) {
        return {};
    }
    return table.substr(at + 1, table.find('\n', at + 1) - at - 1);
}

TEST_F(CliPorts, TableInBothLanguages) {
    struct Case {
        std::string lang;
        std::string heading;
        std::string opens;
        std::string missing;
    } cases[] = {
        {"en", "PORT  DEVICE", "  yes", "  no: no such device"},
        {"zh", "端口  设备", "  能", "  不能：没有这个设备"},
    };
    for (const Case& c : cases) {
        const CliResult result = Run({"ports", "--lang", c.lang});
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_TRUE(result.out.starts_with(c.heading)) << result.out;
        const std::string radio = LineOf(result.out, "COM2");
        EXPECT_NE(radio.find(m_device), std::string::npos) << result.out;
        EXPECT_TRUE(radio.ends_with(c.opens)) << result.out;
        const std::string missing = LineOf(result.out, "COM3");
        EXPECT_NE(missing.find("/dev/no-such-port"), std::string::npos) << result.out;
        EXPECT_TRUE(missing.ends_with(c.missing)) << result.out;
        EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 9) << result.out;
    }
}

TEST_F(CliPorts, JsonAndTheRadioStillAnswersAfterwards) {
    const CliResult result = Run({"ports", "--json"});
    ASSERT_EQ(result.status, 0) << result.err;
    const auto ports = nlohmann::json::parse(result.out);
    ASSERT_EQ(ports.size(), 8U);
    EXPECT_EQ(ports[1]["port"], "COM2");
    EXPECT_EQ(ports[1]["device"], m_device);
    EXPECT_EQ(ports[1]["opens"], true);
    EXPECT_TRUE(ports[1]["error"].is_null());
    EXPECT_TRUE(ports[1]["usb_id"].is_null());  // a pseudo-terminal has no USB numbers
    EXPECT_EQ(ports[2]["device"], "/dev/no-such-port");
    EXPECT_EQ(ports[2]["present"], false);
    EXPECT_EQ(ports[2]["opens"], false);
    EXPECT_EQ(ports[2]["error"], "not-found");
    EXPECT_EQ(ports[2]["reason"], "no such device");

    // Looking at the port left the radio as it was.
    const CliResult read = Run({"read", "--port", "COM2", "--no-backup", "out.dat"});
    ASSERT_EQ(read.status, 0) << read.err;
    EXPECT_EQ(ReadDataFile(Path("out.dat")).value(), m_radio->Memory());
}

}  // namespace
}  // namespace m742::cli_test
