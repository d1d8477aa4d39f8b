#include "cli/radio_session.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "cli/commands.h"
#include "radio_link/com_ports.h"
#include "radio_link/port_selection.h"
#include "radio_link/qt/exchange_timers.h"
#include "radio_link/qt/serial_port.h"

namespace m742::cli {

namespace {

// The exchange's window on a terminal: a progress bar on stderr when it is a terminal,
// plain lines otherwise; the status texts on stdout.
class TerminalWindow : public ExchangeWindow {
public:
    TerminalWindow(const SessionRequest& request, SessionResult& result)
        : m_request(request), m_result(result), m_terminal(::isatty(STDERR_FILENO) != 0) {}

    void SetTimers(QtExchangeTimers* timers) { m_timers = timers; }

    std::int16_t LanguageFlag() const override { return m_request.languageFlag; }
    int PowerUnlock() const override { return m_request.powerUnlock; }
    std::string PasswordText() const override { return m_request.password; }
    void HideFrequencyEditor() override {}
    void SetStatusText(std::string_view caption) override {
        if (m_request.quiet) {
            return;
        }
        if (m_result.image) {
            m_result.successText = caption;  // not yet: the image is still to be saved
            return;
        }
        EndProgressLine();
        std::cout << caption << std::endl;
    }
    void SetStatusVisible(bool visible) override { m_statusVisible = visible; }
    bool StatusVisible() const override { return m_statusVisible; }
    void SetProgress(int value) override {
        if (m_request.quiet || !m_progressVisible || value == m_progress) {
            return;
        }
        m_progress = value;
        if (m_terminal) {
            const int filled = value * 40 / 1024;
            std::cerr << "\r[" << std::string(static_cast<std::size_t>(filled), '#')
                      << std::string(static_cast<std::size_t>(40 - filled), ' ') << "] " << value
                      << "/1024 bytes" << std::flush;
            m_lineOpen = true;
        } else if (value % 256 == 0) {
            std::cerr << "progress: " << value << "/1024 bytes\n";
        }
    }
    void SetProgressVisible(bool visible) override {
        m_progressVisible = visible;
        if (!visible) {
            EndProgressLine();
        }
    }
    void SetCommandsEnabled(bool) override {}
    void SetTimerEnabled(ExchangeTimer timer, bool enabled) override {
        m_timers->SetEnabled(timer, enabled);
    }
    int ShowMessage(std::string_view text, int, std::string_view) override {
        EndProgressLine();
        // A message box's paragraphs, on one line as every failure of the tool.
        std::string line(text);
        for (std::size_t at; (at = line.find("\n\n")) != std::string::npos;) {
            line.replace(at, 2, " ");
        }
        PrintError(line);
        return 1;
    }
    ImageHex EncodeImage() override {
        return m_request.writeImage ? ImageToHex(*m_request.writeImage) : ImageHex();
    }
    void DecodeImage(const ImageHex& image) override {
        if (auto bytes = ImageFromHex(image)) {
            m_result.image = *bytes;
        }
    }
    void ShowDebugChannel() override {}
    void ExchangeFinished(ExchangeOutcome outcome) override {
        m_result.outcome = outcome;
        // The window lingers; the command line is done as soon as the exchange has ended.
        QTimer::singleShot(0, [] { QCoreApplication::quit(); });
    }

private:
    void EndProgressLine() {
        if (m_lineOpen) {
            std::cerr << '\n';
            m_lineOpen = false;
        }
    }

    const SessionRequest& m_request;
    SessionResult& m_result;
    QtExchangeTimers* m_timers = nullptr;
    const bool m_terminal;
    bool m_statusVisible = false;
    bool m_progressVisible = false;
    bool m_lineOpen = false;
    int m_progress = -1;
};

}  // namespace

std::optional<std::string> PortOf(const Invocation& invocation, std::string_view command) {
    if (!invocation.has(kPortOption.name)) {
        PrintError(std::string(command) + ": --port PORT is required (see m742-cli " +
                   std::string(command) + " --help)");
        return std::nullopt;
    }
    const std::string& port = invocation.options.at(std::string(kPortOption.name));
    // "COM" and digits is meant as a port number, never as a file name.
    std::string prefix = port.substr(0, 3);
    for (char& c : prefix) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    const bool comName = port.size() > 3 && prefix == "COM" &&
                         port.find_first_not_of("0123456789", 3) == std::string::npos;
    if (comName && !ComPortNumber(port)) {
        PrintError(std::string(command) +
                   ": --port takes COM1 to COM8 or a device path such as /dev/ttyUSB0, not \"" +
                   port + "\" (see m742-cli " + std::string(command) + " --help)");
        return std::nullopt;
    }
    return port;
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

SessionResult RunSession(const SessionRequest& request) {
    static int argc = 1;
    static char name[] = "m742-cli";
    static char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    SessionResult result;
    QtSerialControl port;
    TerminalWindow window(request, result);
    PortSelection ports(port, [&window](std::string_view text, int style, std::string_view title) {
        return window.ShowMessage(text, style, title);
    });
    if (const auto number = ComPortNumber(request.port)) {
        ports.SetPortNumber(static_cast<std::int16_t>(*number));
    } else {
        port.SetFixedDevice(request.port);
        ports.SetPortNumber(0);  // a device, not a number: messages name the device
    }
    Exchange exchange(port, ports, window);
    QtExchangeTimers timers(exchange, IntervalsFromEnvironment());
    window.SetTimers(&timers);
    port.onReceived = [&exchange](std::span<const std::uint8_t> bytes) {
        exchange.MSComm1_OnComm(bytes);
    };
    port.onLost = [&exchange] { exchange.PortLost(); };

    if (request.mode == 'W') {
        exchange.mnuwriteFre_Click();
    } else {
        exchange.mnureadFre_Click();
    }
    if (result.outcome == ExchangeOutcome::kNone) {
        app.exec();
    }
    port.SetPortOpen(false);
    return result;
}

}  // namespace m742::cli
