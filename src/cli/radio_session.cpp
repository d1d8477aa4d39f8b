#include "cli/radio_session.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "cli/commands.h"
#include "radio_data/text_codes.h"
#include "radio_link/com_ports.h"
#include "radio_link/port_selection.h"
#include "radio_link/qt/exchange_timers.h"
#include "radio_link/qt/serial_port.h"
#include "texts/backup_texts.h"
#include "texts/fleet_texts.h"
#include "texts/message_text.h"
#include "texts/port_texts.h"
#include "texts/store_refusal.h"
#include "texts/verify_report.h"

namespace m742::cli {

namespace {

// The pause between a write and its read-back, as the window makes it: the radio stores the
// last blocks after the end frame.
constexpr int kVerifyPauseMs = 500;

// The password a read of the radio must give once `plan` is written: its first six bytes,
// FFh where there is none, as the exchange reads it.
std::string PasswordOf(const RadioImage& plan) {
    std::string password;
    for (std::size_t i = 0; i < 6; ++i) {
        if (plan[i] != 0xFF) {
            password += CharacterOfCode(plan[i]);
        }
    }
    return password;
}

// One radio: its port, its exchange and what the exchange tells, on a terminal -- a progress
// bar on stderr when it is a terminal, plain lines otherwise; the status texts on stdout and
// failures on stderr. A write with verify is followed by a read of the same radio.
class RadioRun : public ExchangeListener {
public:
    RadioRun(const SessionRequest& request, SessionResult& result, ExchangeIntervals intervals,
             std::function<void()> finished)
        : m_request(request),
          m_result(result),
          m_finished(std::move(finished)),
          m_terminal(::isatty(STDERR_FILENO) != 0),
          m_ports(m_port,
                  [this](const Message& text, int, std::string_view) {
                      PrintMessage(text);
                      return 1;
                  }),
          m_exchange(m_port, m_ports, *this),
          m_timers(m_exchange, intervals) {
        if (const auto number = ComPortNumber(request.port)) {
            m_ports.SetPortNumber(static_cast<std::int16_t>(*number));
        } else {
            m_port.SetFixedDevice(request.port);
            m_ports.SetPortNumber(0);  // a device, not a number: messages name the device
        }
        m_port.onReceived = [this](std::span<const std::uint8_t> bytes) {
            m_exchange.OnBytesReceived(bytes);
        };
        m_port.onLost = [this] { m_exchange.PortLost(); };
    }
    ~RadioRun() override { m_port.SetPortOpen(false); }
    RadioRun(const RadioRun&) = delete;
    RadioRun& operator=(const RadioRun&) = delete;

    void Start() {
        m_start = std::chrono::steady_clock::now();
        if (m_request.mode == ExchangeMode::kWrite) {
            m_exchange.WriteRadio();
        } else {
            m_exchange.ReadRadio();
        }
    }

    bool PowerUnlocked() const override { return m_request.powerUnlocked; }
    std::string Password() const override {
        return m_verifying ? PasswordOf(*m_request.writeImage) : m_request.password;
    }
    Outcome<RadioImage> ImageToWrite() override { return m_request.writeImage.value(); }
    Message PortNotOpenText() const override { return {&kCliPortNotOpen, {m_request.port}}; }
    void SetIdle(bool) override {}
    void SetTimerEnabled(ExchangeTimer timer, bool enabled) override {
        m_timers.SetEnabled(timer, enabled);
    }
    void ShowStatus(const Message& message) override {
        const std::string caption = Worded(message, LanguageOf(m_request.languageFlag));
        if (m_request.quiet || m_verifying) {
            return;
        }
        if (m_result.image) {
            m_result.successText = caption;  // not yet: the image is still to be saved
            return;
        }
        FlushProgress();
        EndProgressLine();
        std::cout << caption << std::endl;
    }
    void BlinkStatus() override {}
    void HideStatus() override {}
    void ShowProgress(int bytes) override {
        if (m_request.quiet || !m_progressVisible || bytes == m_progress) {
            return;
        }
        m_progress = bytes;
        if (m_terminal) {
            const int filled = bytes * 40 / 1024;
            std::cerr << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
                      << std::string(static_cast<std::size_t>(40 - filled), ' ') << "] " << bytes
                      << "/1024 bytes" << std::flush;
            m_lineOpen = true;
        } else if (bytes % 256 == 0) {
            PrintProgressLine();
        }
    }
    void SetProgressVisible(bool visible) override {
        if (!visible) {
            FlushProgress();
        }
        m_progressVisible = visible;
        m_progress = -1;
        m_printedProgress = -1;
        if (!visible) {
            EndProgressLine();
        }
    }
    void ImageRead(const RadioImage& image) override {
        (m_verifying ? m_readBack : m_result.image) = image;
    }
    void ExchangeFailed(ExchangeOutcome, const Message& reason) override { PrintMessage(reason); }
    void ExchangeFinished(ExchangeOutcome outcome) override {
        // Told from within the exchange: what follows runs once it has returned.
        if (m_verifying) {
            m_verifying = false;
            if (outcome == ExchangeOutcome::kCompleted && m_readBack) {
                m_result.differences =
                    WriteDifferences(*m_request.writeImage, *m_readBack, m_request.powerUnlocked,
                                     LanguageOf(m_request.languageFlag));
            } else {
                m_result.notVerified = true;
            }
            Finish();
            return;
        }
        m_result.outcome = outcome;
        m_result.partlyWritten = outcome != ExchangeOutcome::kCompleted && m_exchange.BlocksSent();
        if (m_request.verify && m_request.mode == ExchangeMode::kWrite &&
            outcome == ExchangeOutcome::kCompleted && m_request.writeImage) {
            QTimer::singleShot(kVerifyPauseMs, [this] {
                m_verifying = true;
                m_readBack.reset();
                m_exchange.ReadRadio();
            });
            return;
        }
        Finish();
    }

private:
    void Finish() {
        m_result.seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - m_start).count();
        QTimer::singleShot(0, m_finished);
    }

    // A log ends on the last block moved, as the bar on a terminal does.
    void FlushProgress() {
        if (m_progressVisible && !m_terminal && m_progress > 0 && m_progress != m_printedProgress) {
            PrintProgressLine();
        }
    }

    void PrintProgressLine() {
        std::cerr << "progress: " << m_progress << "/1024 bytes\n";
        m_printedProgress = m_progress;
    }

    void EndProgressLine() {
        if (m_lineOpen) {
            std::cerr << '\n';
            m_lineOpen = false;
        }
    }

    // A message box's paragraphs, on one line as every failure of the tool.
    void PrintMessage(const Message& text) {
        EndProgressLine();
        std::string line = Worded(text, LanguageOf(m_request.languageFlag));
        for (std::size_t at; (at = line.find("\n\n")) != std::string::npos;) {
            line.replace(at, 2, " ");
        }
        PrintError(m_request.label.empty() ? line : m_request.label + ": " + line);
    }

    const SessionRequest& m_request;
    SessionResult& m_result;
    std::function<void()> m_finished;
    const bool m_terminal;
    QtSerialControl m_port;
    PortSelection m_ports;
    Exchange m_exchange;
    QtExchangeTimers m_timers;
    std::chrono::steady_clock::time_point m_start;
    bool m_verifying = false;
    std::optional<RadioImage> m_readBack;
    bool m_progressVisible = false;
    bool m_lineOpen = false;
    int m_progress = -1;
    int m_printedProgress = -1;
};

}  // namespace

std::optional<std::vector<std::string>> PortsOf(const Invocation& invocation,
                                                std::string_view command) {
    const std::string name(command);
    const auto given = invocation.allValues.find(kPortOption.name);
    if (given == invocation.allValues.end()) {
        PrintError(name + ": --port PORT is required (see m742-cli " + name + " --help)");
        return std::nullopt;
    }
    std::vector<std::string> ports;
    std::vector<std::string> devices;
    for (const std::string& port : given->second) {
        const auto number = ComPortNumber(port);
#ifndef _WIN32
        // "COM" and digits is meant as a port number, never as a file name. (On Windows COM9
        // and above are ports of their own.)
        std::string prefix = port.substr(0, 3);
        for (char& c : prefix) {
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
        const bool comName = port.size() > 3 && prefix == "COM" &&
                             port.find_first_not_of("0123456789", 3) == std::string::npos;
        if (comName && !number) {
            PrintError(name +
                       ": --port takes COM1 to COM8 or a device path such as /dev/ttyUSB0, not \"" +
                       port + "\" (see m742-cli " + name + " --help)");
            return std::nullopt;
        }
#endif
        // Two exchanges on one line would answer each other's radio: each port once.
        const std::string device = number ? ComPortDevice(*number) : port;
        const std::string key = number && device.empty() ? "COM" + std::to_string(*number) : device;
        if (std::find(devices.begin(), devices.end(), key) != devices.end()) {
            PrintError(name + ": the port \"" + port + "\" is named twice (see m742-cli " + name +
                       " --help)");
            return std::nullopt;
        }
        devices.push_back(key);
        ports.push_back(port);
    }
    return ports;
}

namespace {

// Tests against the simulated radio, which answers at once, may shorten the exchange's timers
// with M742_EXCHANGE_MS="send,watchdog,blink" (three intervals in milliseconds, each 1 to 10000).
// Anything else leaves the radio's own intervals.
ExchangeIntervals IntervalsFromEnvironment() {
    const char* value = std::getenv("M742_EXCHANGE_MS");
    if (value == nullptr) {
        return {};
    }
    int send = 0;
    int watchdog = 0;
    int blink = 0;
    char rest = 0;
    if (std::sscanf(value, "%d,%d,%d%c", &send, &watchdog, &blink, &rest) != 3) {
        return {};
    }
    for (const int ms : {send, watchdog, blink}) {
        if (ms < 1 || ms > 10000) {
            return {};
        }
    }
    return {send, watchdog, blink};
}

}  // namespace

std::vector<SessionResult> RunSessions(const std::vector<SessionRequest>& requests) {
    static int argc = 1;
    static char name[] = "m742-cli";
    static char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    std::vector<SessionResult> results(requests.size());
    std::size_t running = requests.size();
    const ExchangeIntervals intervals = IntervalsFromEnvironment();
    std::vector<std::unique_ptr<RadioRun>> radios;
    radios.reserve(requests.size());
    for (std::size_t i = 0; i < requests.size(); ++i) {
        radios.push_back(std::make_unique<RadioRun>(requests[i], results[i], intervals, [&] {
            if (--running == 0) {
                QCoreApplication::quit();
            }
        }));
    }
    for (const auto& radio : radios) {
        radio->Start();
    }
    // Each radio tells its end through the event loop, even one whose port would not open.
    app.exec();
    radios.clear();
    return results;
}

SessionResult RunSession(const SessionRequest& request) {
    return RunSessions({request}).front();
}

int ExitStatusOf(const SessionResult& result) {
    switch (result.outcome) {
        case ExchangeOutcome::kCompleted:
            break;
        case ExchangeOutcome::kEncodeRefused:
        case ExchangeOutcome::kPasswordRefused:
            return kRefused;
        default:
            return kCommunication;
    }
    if (result.notVerified) {
        return kCommunication;
    }
    return result.differences.empty() ? kDone : kVerifyFailed;
}

std::vector<SessionRequest> RequestsFor(const SessionRequest& common,
                                        const std::vector<std::string>& ports) {
    const bool fleet = ports.size() > 1;
    std::vector<SessionRequest> requests;
    for (const std::string& port : ports) {
        SessionRequest request = common;
        request.port = port;
        request.quiet = fleet;
        request.label = fleet ? port : "";
        requests.push_back(std::move(request));
    }
    return requests;
}

void PrintFleetLines(const std::vector<std::string>& ports, const std::vector<std::string>& texts,
                     const std::vector<SessionResult>& results, std::string_view summary,
                     int succeeded, Lang lang) {
    for (std::size_t i = 0; i < results.size(); ++i) {
        char seconds[32];
        std::snprintf(seconds, sizeof seconds, "%.2f", results[i].seconds);
        std::cout << FillText(kFleetLine.in(lang), {ports[i], texts[i], seconds}) << "\n";
    }
    std::cout << FillText(summary, {std::to_string(succeeded), std::to_string(results.size())})
              << std::endl;
}

}  // namespace m742::cli
