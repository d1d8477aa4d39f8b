// A fake port, a fake window and a scripted radio for driving the exchange by hand.
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

struct FakeWindow : ExchangeWindow {
    std::int16_t languageFlag = 1;
    int powerUnlock = 0;
    std::string password;
    std::string status;
    bool statusVisible = true;
    int progress = -1;
    bool progressVisible = false;
    bool commandsEnabled = true;
    std::map<ExchangeTimer, bool> timers;
    std::vector<std::pair<std::string, int>> messages;
    std::function<ImageHex()> encode;
    std::optional<ImageHex> decoded;
    int debugChannelShown = 0;
    int frequencyEditorHidden = 0;
    std::vector<ExchangeOutcome> finished;

    int PowerUnlock() const override { return powerUnlock; }
    std::string PasswordText() const override { return password; }
    void HideFrequencyEditor() override { ++frequencyEditorHidden; }
    void SetStatusText(const Message& caption) override {
        status = Worded(caption, LanguageOf(languageFlag));
    }
    void SetStatusVisible(bool visible) override { statusVisible = visible; }
    bool StatusVisible() const override { return statusVisible; }
    void SetProgress(int value) override { progress = value; }
    void SetProgressVisible(bool visible) override { progressVisible = visible; }
    void SetCommandsEnabled(bool enabled) override { commandsEnabled = enabled; }
    void SetTimerEnabled(ExchangeTimer timer, bool enabled) override { timers[timer] = enabled; }
    int ShowMessage(const Message& text, int style, std::string_view) override {
        messages.emplace_back(Worded(text, LanguageOf(languageFlag)), style);
        return 1;
    }
    ImageHex EncodeImage() override { return encode ? encode() : ImageHex(); }
    void DecodeImage(const ImageHex& image) override { decoded = image; }
    void ShowDebugChannel() override { ++debugChannelShown; }
    void ExchangeFinished(ExchangeOutcome outcome) override { finished.push_back(outcome); }
    bool Timer(ExchangeTimer timer) { return timers[timer]; }
};

// How a scripted radio answers one frame of the tool, as the real one does.
Bytes RadioAnswer(const Bytes& frame, RadioImage& memory);

// Everything wired together.
struct Link {
    FakePort port;
    FakeWindow window;
    PortSelection ports{port, [this](const Message& text, int style, std::string_view title) {
                            return window.ShowMessage(text, style, title);
                        }};
    Exchange exchange{port, ports, window};

    Link() { ports.SetPortNumber(1); }
    const Bytes& LastSent() const { return port.sent.back(); }
    // Delivers `bytes` in pieces of `piece` bytes (0: all at once).
    void Feed(const Bytes& bytes, std::size_t piece = 0);
    // Lets the scripted radio answer until the exchange ends or `maxFrames` went by.
    void Converse(RadioImage& memory, std::size_t piece = 0, int maxFrames = 2000);
};

}  // namespace m742::testing
