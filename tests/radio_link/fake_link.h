// A fake port, a fake listener and a scripted radio for driving the exchange by hand.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "radio_data/image.h"
#include "radio_link/exchange.h"
#include "texts/message_text.h"
#include "texts/store_refusal.h"

namespace m742::testing {

using Bytes = std::vector<std::uint8_t>;

struct FakePort : SerialControl {
    bool canOpen = true;
    bool outputWorks = true;
    bool open = false;
    int number = 0;
    std::vector<Bytes> sent;

    void SetPortNumber(int n) override { number = n; }
    void SetPortOpen(bool o) override { open = o && canOpen; }
    bool PortOpen() const override { return open; }
    OpenError openError = OpenError::kBusy;  // why it will not open when !canOpen
    OpenError LastOpenError() const override { return canOpen ? OpenError::kNone : openError; }
    std::string DeviceName() const override { return "/dev/ttyUSB0"; }
    bool Output(std::span<const std::uint8_t> bytes) override {
        sent.emplace_back(bytes.begin(), bytes.end());
        return outputWorks && open;
    }
};

// Keeps what the exchange tells, worded as the window words it.
struct FakeListener : ExchangeListener {
    std::int16_t languageFlag = 1;
    bool powerUnlocked = false;
    std::string password;
    std::string status;
    bool statusVisible = true;
    int progress = -1;
    bool progressVisible = false;
    bool idle = true;
    std::map<ExchangeTimer, bool> timers;
    std::vector<std::pair<std::string, ExchangeOutcome>> failures;
    std::function<Outcome<RadioImage>()> encode;
    std::optional<RadioImage> decoded;
    std::vector<ExchangeOutcome> finished;
    std::function<void()> whenFailed;  // called as each failure is told

    bool PowerUnlocked() const override { return powerUnlocked; }
    std::string Password() const override { return password; }
    Outcome<RadioImage> ImageToWrite() override { return encode ? encode() : Refused(); }
    void SetIdle(bool value) override { idle = value; }
    void SetTimerEnabled(ExchangeTimer timer, bool enabled) override { timers[timer] = enabled; }
    void ShowStatus(const Message& caption) override {
        status = Worded(caption, LanguageOf(languageFlag));
    }
    void BlinkStatus() override { statusVisible = !statusVisible; }
    void HideStatus() override { statusVisible = false; }
    void ShowProgress(int bytes) override { progress = bytes; }
    void SetProgressVisible(bool visible) override { progressVisible = visible; }
    void ImageRead(const RadioImage& image) override { decoded = image; }
    void ExchangeFailed(ExchangeOutcome outcome, const Message& reason) override {
        failures.emplace_back(Worded(reason, LanguageOf(languageFlag)), outcome);
        if (whenFailed) {
            whenFailed();
        }
    }
    void ExchangeFinished(ExchangeOutcome outcome) override { finished.push_back(outcome); }
    bool Timer(ExchangeTimer timer) { return timers[timer]; }

    // What the encoder says of a frequency it cannot store.
    static Outcome<RadioImage> Refused() {
        return Failed({ErrorCode::kFrequencyRefused, Text(kFrequencyRefused), ""});
    }
};

// How a scripted radio answers one frame of the tool, as the real one does.
Bytes RadioAnswer(const Bytes& frame, RadioImage& memory);

// Everything wired together.
struct Link {
    FakePort port;
    FakeListener listener;
    // What choosing a port in the menu says.
    std::vector<std::pair<std::string, int>> portMessages;
    PortSelection ports{port, [this](const Message& text, int style, std::string_view) {
                            portMessages.emplace_back(
                                Worded(text, LanguageOf(listener.languageFlag)), style);
                            return 1;
                        }};
    Exchange exchange{port, ports, listener};

    Link() { ports.SetPortNumber(1); }
    const Bytes& LastSent() const { return port.sent.back(); }
    // Delivers `bytes` in pieces of `piece` bytes (0: all at once).
    void Feed(const Bytes& bytes, std::size_t piece = 0);
    // Lets the scripted radio answer until the exchange ends or `maxFrames` went by.
    void Converse(RadioImage& memory, std::size_t piece = 0, int maxFrames = 2000);
};

}  // namespace m742::testing
