// m742-cli read and write against the simulated radio, over a pseudo-terminal.
#include <algorithm>
#include <cctype>
#include <chrono>
#include <fstream>
#include <thread>

#include "cli_runner.h"
#include "radio_data/backups.h"
#include "radio_data/data_file.h"
#include "radio_sim/radio_sim.h"
#include "texts/message_text.h"

namespace m742::cli_test {
namespace {

using Clock = std::chrono::steady_clock;

RadioImage Pattern(int seed) {
    RadioImage image{};
    for (std::size_t i = 0; i < image.size(); ++i) {
        image[i] = static_cast<std::uint8_t>(i * 13 + static_cast<std::size_t>(seed));
    }
    for (std::size_t i = 0; i < 16; ++i) {
        image[i] = 0xFF;  // no password
    }
    return image;
}

std::string FileOf(const RadioImage& image) {
    const auto bytes = DataFileBytes(image);
    return std::string(bytes.begin(), bytes.end());
}

class CliRadio : public CliTest {
protected:
    // Starts the simulated radio; returns the device to point the tool at.
    std::string StartRadio(sim::Options options) {
        m_radio = std::make_unique<sim::RadioSim>(std::move(options));
        std::string error;
        const std::string device = m_radio->Start(&error);
        EXPECT_FALSE(device.empty()) << error;
        return device;
    }
    RadioImage FileImage(std::string_view name) const {
        const auto image = ReadDataFile(Path(name));
        EXPECT_TRUE(image.ok()) << Worded(image.status().message, Lang::English);
        return image.ok() ? image.value() : RadioImage{};
    }
    void TearDown() override {
        m_radio.reset();
        CliTest::TearDown();
    }

    std::unique_ptr<sim::RadioSim> m_radio;
};

TEST_F(CliRadio, ReadBringsTheRadiosMemoryAndKeepsABackup) {
    sim::Options options;
    options.memory = Pattern(1);
    options.password = "12.4";
    options.pacing = false;
    const std::string device = StartRadio(options);
    const CliResult result =
        Run({"read", "--port", device, "--password", "12.4", "--backup-dir", "backups", "out.dat"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Read frequency success!"), std::string::npos) << result.out;
    EXPECT_EQ(FileImage("out.dat"), m_radio->Memory());
    EXPECT_EQ(Read("out.dat").size(), 1074u);
    const auto backups = std::filesystem::directory_iterator(Path("backups"));
    ASSERT_NE(backups, std::filesystem::directory_iterator());
    EXPECT_EQ(ReadDataFile(backups->path()).value(), m_radio->Memory());
    EXPECT_EQ(m_radio->EndFrames(), 1);
}

TEST_F(CliRadio, ReadInSplitRepliesAndThroughAComNumber) {
    sim::Options options;
    options.memory = Pattern(2);
    options.pacing = false;
    options.fault = *sim::ParseFault("split-bytes");
    const std::string device = StartRadio(options);
    ::setenv("M742_COM4", device.c_str(), 1);
    const CliResult result = Run({"read", "--port", "COM4", "--no-backup", "out.dat"});
    ::unsetenv("M742_COM4");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(FileImage("out.dat"), m_radio->Memory());
}

TEST_F(CliRadio, WrongPasswordIsRefusedAndSavesNothing) {
    sim::Options options;
    options.memory = Pattern(3);
    options.password = "123";
    options.pacing = false;
    const std::string device = StartRadio(options);
    for (const char* typed : {"", "1234", "12"}) {
        const CliResult result =
            Run({"read", "--port", device, "--password", typed, "--backup-dir", "b", "out.dat"});
        EXPECT_EQ(result.status, 1) << typed;
        EXPECT_NE(result.err.find("The password is invalid!"), std::string::npos) << result.err;
        EXPECT_EQ(Listing(), std::vector<std::string>{}) << typed;
    }
}

TEST_F(CliRadio, ReadChecksItsOutputFirstAndOnlyWarnsOfALostBackup) {
    sim::Options options;
    options.memory = Pattern(7);
    options.pacing = false;
    const std::string device = StartRadio(options);
    // An output that cannot be written stops the command before the radio is read.
    Write("out.dat", "old");
    std::filesystem::permissions(Path("out.dat"), std::filesystem::perms::others_read);
    CliResult result = Run({"read", "--port", device, "--no-backup", "out.dat"});
    EXPECT_EQ(result.status, 2);
    EXPECT_TRUE(result.out.empty() && result.err.find("\"out.dat\": ") != std::string::npos);
    EXPECT_EQ(m_radio->EndFrames(), 0);
    EXPECT_EQ(Read("out.dat"), "old");
    // A backup that cannot be kept is a warning: the read succeeded and says so.
    Write("b", "a file where the backup folder should be");
    result = Run({"read", "--port", device, "--backup-dir", "b", "new.dat"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("Read frequency success!"), std::string::npos) << result.out;
    EXPECT_EQ(FileImage("new.dat"), m_radio->Memory());
    EXPECT_NE(result.err.find("warning: the backup copy could not be kept in \"b\": Not a "
                              "directory. The image read was saved to \"new.dat\"."),
              std::string::npos)
        << result.err;
}

TEST_F(CliRadio, WriteSendsOnlyTheProgrammableRanges) {
    for (bool unlocked : {false, true}) {
        sim::Options options;
        options.memory = Pattern(4);
        options.pacing = false;
        options.saveTo = Path("radio.dat");
        const std::string device = StartRadio(options);
        const RadioImage plan = Pattern(99);
        Write("plan.dat", FileOf(plan));
        std::vector<std::string> args = {"write", "--port", device, "plan.dat"};
        if (unlocked) {
            args.insert(args.begin() + 1, "--unlock-power");
        }
        const CliResult result = Run(args);
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_NE(result.out.find("Write frequency success!"), std::string::npos);
        // A log of the progress ends on the last block.
        EXPECT_TRUE(result.err.ends_with(unlocked ? "progress: 1024/1024 bytes\n"
                                                  : "progress: 976/1024 bytes\n"))
            << result.err;
        // The radio stores what it got once the end frame has come off the line.
        for (int wait = 0; wait < 200 && m_radio->EndFrames() == 0; ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        const RadioImage radio = m_radio->Memory();
        for (int a = 0; a < 1024; ++a) {
            const bool written = a < 0x210 || (a >= 0x3B0 && a < 0x3D0) || (unlocked && a >= 0x3F0);
            ASSERT_EQ(radio[a], written ? plan[a] : options.memory[a])
                << "address " << a << (unlocked ? " unlocked" : " locked");
        }
        // The simulator keeps what was written.
        EXPECT_EQ(FileImage("radio.dat"), radio);
        m_radio.reset();
    }
}

// Every way a radio can fail ends with the communication error and exit status 3, in no
// more time than the handshake repeat and the watchdog take, and leaves no file behind.
struct FaultCase {
    const char* fault;
    const char* command;
    double maxSeconds;
};

void PrintTo(const FaultCase& c, std::ostream* out) {
    *out << c.command << " with " << c.fault;
}

class CliRadioFault : public CliRadio, public ::testing::WithParamInterface<FaultCase> {};

TEST_P(CliRadioFault, EndsWithTheCommunicationError) {
    const FaultCase& c = GetParam();
    // A tenth of the radio's timer intervals: the same ticks, quicker.
    ::setenv("M742_EXCHANGE_MS", "20,60,20", 1);
    Write("plan.dat", FileOf(Pattern(5)));
    sim::Options options;
    options.memory = Pattern(6);
    options.pacing = false;
    options.fault = *sim::ParseFault(c.fault);
    const std::string device = StartRadio(options);
    const auto start = Clock::now();
    const CliResult result = std::string(c.command) == "read"
                                 ? Run({"read", "--port", device, "--backup-dir", "b", "out.dat"})
                                 : Run({"write", "--port", device, "plan.dat"});
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    EXPECT_EQ(result.status, 3) << result.err;
    EXPECT_NE(result.err.find("Communication error, please check the intercom fault"),
              std::string::npos)
        << result.err;
    EXPECT_LT(seconds, c.maxSeconds);
    EXPECT_EQ(Listing(), std::vector<std::string>{"plan.dat"});
    ::unsetenv("M742_EXCHANGE_MS");
}

// With the quick timers the handshake is repeated after 0.2 s and the watchdog fires 0.66 s
// after the last transmission (0.9 s at most in all, plus the tool's start); a line that hangs
// up ends the exchange at once. The bounds leave three times that.
INSTANTIATE_TEST_SUITE_P(
    Faults, CliRadioFault,
    ::testing::Values(FaultCase{"silent", "read", 3}, FaultCase{"no-handshake-reply", "read", 3},
                      FaultCase{"bad-identify", "write", 3}, FaultCase{"bad-ack@0x208", "write", 3},
                      FaultCase{"no-reply@0x100", "read", 3}, FaultCase{"garbage@0x3B0", "read", 3},
                      FaultCase{"hangup@0x100", "read", 1.5},
                      FaultCase{"hangup@0x10", "write", 1.5},
                      // A line that never stops sending.
                      FaultCase{"flood-16", "read", 3}, FaultCase{"flood-16", "write", 3},
                      FaultCase{"flood-noise", "read", 3}, FaultCase{"flood-noise", "write", 3}),
    [](const ::testing::TestParamInfo<FaultCase>& info) {
        std::string name = std::string(info.param.command) + "_" + info.param.fault;
        for (char& ch : name) {
            if (!std::isalnum(static_cast<unsigned char>(ch))) {
                ch = '_';
            }
        }
        return name;
    });

// A port that will not open says why, on one line; COM outside 1-8 is a usage error.
TEST_F(CliRadio, PortThatCannotBeOpened) {
    const struct {
        std::vector<std::string> args;
        int status;
        std::string message;  // part of stderr
    } cases[] = {
        {{"read", "--port", "/dev/no-such-port"},
         3,
         "There is no serial device /dev/no-such-port."},
        {{"read", "--port", "COM8"}, 3, "COM8 (/dev/no-such-port). Serial devices: "},
        {{"read", "--lang", "zh", "--port", "com8"},
         3,
         "没有串口设备连接为 COM8（/dev/no-such-port）"},
        {{"write", "--port", "/dev/null", "plan.dat"},
         3,
         "Cannot open the port /dev/null. Name the radio's port with --port (COM1..COM8 or a "
         "device path such as /dev/ttyUSB0; \"m742-cli ports\" lists them). /dev/null is not a "
         "serial port: it is a device that is no terminal."},
        {{"read", "--port", "."}, 3, ". is not a serial port: it is a folder."},
        {{"read", "--lang", "zh", "--port", "notes.txt"}, 3, "notes.txt 不是串口：它是普通文件。"},
        {{"read", "--port", "COM9"}, 2, "read: --port takes COM1 to COM8 or a device path"},
        {{"write", "--port", "com0"}, 2, "write: --port takes COM1 to COM8 or a device path"},
    };
    ::setenv("M742_COM8", "/dev/no-such-port", 1);
    Write("plan.dat", FileOf(Pattern(3)));
    Write("notes.txt", "not a port");
    for (const auto& c : cases) {
        std::vector<std::string> args = c.args;
        if (args.back() != "plan.dat") {
            args.push_back("out.dat");
        }
        const CliResult result = Run(args);
        EXPECT_EQ(result.status, c.status) << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    }
    ::unsetenv("M742_COM8");
    EXPECT_EQ(Listing(), (std::vector<std::string>{"notes.txt", "plan.dat"}));
}

// Several radios written at once, each with its own exchange: one that stops part way through
// the write and one that stores a byte wrongly do not hold up the others, each is told on its
// own line, and the exit status is the worst of them.
TEST_F(CliRadio, WritesAFleetAtOnceAndTellsEachRadio) {
    ::setenv("M742_EXCHANGE_MS", "20,60,20", 1);
    const RadioImage plan = Pattern(42);
    Write("plan.dat", FileOf(plan));
    const char* const faults[] = {"", "no-reply@0x100", "corrupt-write@0x10", ""};
    std::vector<std::unique_ptr<sim::RadioSim>> radios;
    std::vector<std::string> args = {"write", "--verify"};
    for (const char* fault : faults) {
        sim::Options options;
        options.memory = Pattern(8);
        options.pacing = false;
        if (*fault != '\0') {
            options.fault = *sim::ParseFault(fault);
        }
        radios.push_back(std::make_unique<sim::RadioSim>(options));
        args.insert(args.end(), {"--port", radios.back()->Start()});
    }
    args.push_back("plan.dat");
    const CliResult result = Run(args);
    ::unsetenv("M742_EXCHANGE_MS");

    EXPECT_EQ(result.status, 4) << result.err;
    const std::string device[] = {args[3], args[5], args[7], args[9]};
    for (const std::string& line :
         {device[0] + ": written and verified (",
          device[1] + ": failed part way: the radio now holds a partly written plan and must be "
                      "written again (",
          device[2] + ": written, but the verify found differences: 1 (",
          device[3] + ": written and verified (", std::string("Written: 2 of 4 radios.\n")}) {
        EXPECT_NE(result.out.find(line), std::string::npos) << line << "\n" << result.out;
    }
    for (const std::string& message :
         {device[1] + ": Communication error, please check the intercom fault, attachment and "
                      "serial choice! The write did not finish: the radio may now hold a partly "
                      "written plan. Please write it again.\n",
          device[2] + ": The radio read back differs from the plan written (1):\n",
          device[2] + ": Channel 1: RX Frequency "}) {
        EXPECT_NE(result.err.find("m742-cli: " + message), std::string::npos) << message << "\n"
                                                                              << result.err;
    }
    for (std::size_t r = 0; r < radios.size(); ++r) {
        const RadioImage memory = radios[r]->Memory();
        for (int a = 0; a < 0x210; ++a) {
            // The radio that stopped holds the blocks before 100h only.
            const bool written = r != 1 || a < 0x100;
            const std::uint8_t want = written ? plan[a] ^ (r == 2 && a == 0x10 ? 1 : 0)
                                              : Pattern(8)[static_cast<std::size_t>(a)];
            ASSERT_EQ(memory[a], want) << "radio " << r << " address " << a;
        }
    }
}

// write --verify on one radio: a clean read-back says so; a difference is a failure that names
// the cell or the address.
TEST_F(CliRadio, VerifyAfterWrite) {
    const struct {
        const char* fault;
        bool unlock;
        int status;
        std::string out;  // part of stdout
        std::string err;  // part of stderr
    } cases[] = {
        {"", false, 0, "Write frequency success, verified!\n", ""},
        {"corrupt-write@0x10", false, 4, "",
         "m742-cli: The radio read back differs from the plan written (1):\n"
         "m742-cli: Channel 1: RX Frequency "},
        {"corrupt-write@0x3F8", true, 4, "", "m742-cli: TX-Low Power: "},
        // The fault strikes at a block the locked write never sends.
        {"corrupt-write@0x3F8", false, 0, "verified!", ""},
    };
    for (const auto& c : cases) {
        sim::Options options;
        options.memory = Pattern(9);
        options.pacing = false;
        if (*c.fault != '\0') {
            options.fault = *sim::ParseFault(c.fault);
        }
        const std::string device = StartRadio(options);
        Write("plan.dat", FileOf(Pattern(10)));
        std::vector<std::string> args = {"write", "--verify", "--port", device, "plan.dat"};
        if (c.unlock) {
            args.insert(args.begin() + 1, "--unlock-power");
        }
        const CliResult result = Run(args);
        EXPECT_EQ(result.status, c.status) << c.fault << "\n" << result.err;
        EXPECT_NE(result.out.find(c.out), std::string::npos) << c.fault << "\n" << result.out;
        EXPECT_NE(result.err.find(c.err), std::string::npos) << c.fault << "\n" << result.err;
        m_radio.reset();
    }
}

// Several radios read at once: each into its own file named after its port.
TEST_F(CliRadio, ReadsAFleetIntoOneFileEach) {
    sim::Options options;
    options.pacing = false;
    options.memory = Pattern(11);
    sim::RadioSim first(options);
    options.memory = Pattern(12);
    sim::RadioSim second(options);
    const std::string devices[] = {first.Start(), second.Start()};
    ::setenv("M742_COM2", devices[1].c_str(), 1);
    CliResult result =
        Run({"read", "--no-backup", "--port", devices[0], "--port", "COM2", "o.dat"});
    EXPECT_EQ(result.status, 0) << result.err;
    std::string name = devices[0].substr(5);
    std::replace(name.begin(), name.end(), '/', '-');
    EXPECT_EQ(FileImage("o-" + name + ".dat"), first.Memory());
    EXPECT_EQ(FileImage("o-COM2.dat"), second.Memory());
    EXPECT_NE(result.out.find("COM2: read, saved to o-COM2.dat ("), std::string::npos)
        << result.out;
    EXPECT_NE(result.out.find("Read: 2 of 2 radios."), std::string::npos) << result.out;
    // Their backup copies name their ports too, and so do the lines that tell of them.
    result = Run({"read", "--backup-dir", "b", "--port", devices[0], "--port", "COM2", "o.dat"});
    EXPECT_EQ(result.status, 0) << result.err;
    const auto copies = ListBackups(Path("b"));
    ASSERT_EQ(copies.size(), 2u);
    for (const BackupEntry& copy : copies) {
        const bool fromCom2 = copy.port == "COM2";
        EXPECT_TRUE(fromCom2 || copy.port == name) << copy.path;
        EXPECT_EQ(ReadDataFile(copy.path).value(), fromCom2 ? second.Memory() : first.Memory());
    }
    EXPECT_NE(result.out.find("COM2: Backup copy: "), std::string::npos) << result.out;
    // The same radio twice, by number and by device, is a usage error before anything is read.
    result = Run({"read", "--port", "COM2", "--port", devices[1], "again.dat"});
    ::unsetenv("M742_COM2");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("is named twice"), std::string::npos) << result.err;
    EXPECT_EQ(second.EndFrames(), 2);  // the two reads above
}

}  // namespace
}  // namespace m742::cli_test
