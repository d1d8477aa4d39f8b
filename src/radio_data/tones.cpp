#include "radio_data/tones.h"

#include <algorithm>

#include "radio_data/radio_plan.h"

namespace m742 {

const std::array<std::string_view, kCtcssCount> kCtcssTones = {
    "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
    "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
    "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
    "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.9",
    "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1",
};

const std::array<std::string_view, kDcsCount> kDcsCodes = {
    "023", "025", "026", "031", "032", "036", "043", "047", "051", "053", "054", "065",
    "071", "072", "073", "074", "114", "115", "116", "122", "125", "131", "132", "134",
    "143", "145", "152", "155", "156", "162", "165", "172", "174", "205", "212", "223",
    "225", "226", "243", "244", "245", "246", "251", "252", "255", "261", "263", "265",
    "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346", "351",
    "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446",
    "452", "454", "455", "462", "464", "465", "466", "503", "506", "516", "523", "526",
    "532", "546", "565", "606", "612", "624", "627", "631", "632", "645", "654", "662",
    "664", "703", "712", "723", "731", "732", "734", "743", "754",
};

namespace {

bool AllOf(std::string_view text, bool (*pred)(char)) {
    return std::all_of(text.begin(), text.end(), pred);
}

// Characters `first`..`last` (1-based, inclusive) of `text`, as far as it reaches.
std::string_view Mid(std::string_view text, std::size_t first, std::size_t last) {
    if (first > text.size()) {
        return {};
    }
    return text.substr(first - 1, std::min(last, text.size()) - first + 1);
}

bool IsBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace

std::array<std::uint8_t, 4> FrequencyBytesAt(const RadioImage& image, int address) {
    std::array<std::uint8_t, 4> bytes{};
    std::copy_n(image.begin() + address, bytes.size(), bytes.begin());
    return bytes;
}

std::string FrequencyText(const RadioImage& image, int address) {
    return FrequencyBytesText(FrequencyBytesAt(image, address));
}

std::optional<std::array<std::uint8_t, 4>> FrequencyBytesOfText(std::string_view text) {
    if (IsBlank(text)) {
        return std::array<std::uint8_t, 4>{0xFF, 0xFF, 0xFF, 0xFF};
    }
    std::string t(text);
    if (t.find('.') == std::string::npos) {
        if (t.size() <= 2) {
            return std::nullopt;
        }
        t += '.';
    }
    // Exactly three characters before the point: 100 MHz, 10 MHz and 1 MHz. A fourth would
    // not fit the four bytes.
    if (t.find('.') != 3) {
        return std::nullopt;
    }
    if (t.size() < 9) {
        t.append(9 - t.size(), '0');
    }
    // d7d8 d5d6 d3d4 d1d2: characters 8-9, 6-7, 3 and 5, 1-2 of "d1d2d3.d4d5d6d7d8".
    const std::string digits =
        t.substr(7, 2) + t.substr(5, 2) + t.substr(2, 1) + t.substr(4, 1) + t.substr(0, 2);
    if (!AllOf(digits, IsUpperHexDigit)) {
        return std::nullopt;
    }
    std::array<std::uint8_t, 4> bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<std::uint8_t>(std::stoi(digits.substr(2 * i, 2), nullptr, 16));
    }
    return bytes;
}

std::optional<std::uint16_t> ToneCodeOf(std::string_view t) {
    if (t.empty()) {
        return 0xFFFF;
    }
    // The four digits in storage order: low byte first, then high byte.
    std::string digits;
    if (t.front() == 'D' && t.back() == 'N') {
        digits = std::string(Mid(t, 3, 4)) + "8" + std::string(Mid(t, 2, 2));
    } else if (t.front() == 'D' && t.back() == 'I') {
        digits = std::string(Mid(t, 3, 4)) + "C" + std::string(Mid(t, 2, 2));
    } else if (t.size() == 4) {
        digits = std::string(Mid(t, 2, 2)) + t.back() + "0" + t.front();
    } else {
        digits = std::string(Mid(t, 3, 3)) + t.back() + std::string(Mid(t, 1, 2));
    }
    if (digits.size() != 4 || !AllOf(digits, IsUpperHexDigit)) {
        return std::nullopt;
    }
    const auto low = std::stoi(digits.substr(0, 2), nullptr, 16);
    const auto high = std::stoi(digits.substr(2, 2), nullptr, 16);
    return static_cast<std::uint16_t>(high << 8 | low);
}

}  // namespace m742
