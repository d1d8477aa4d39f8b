// m742-cli ports [--json]: which device each of COM1 to COM8 stands for, what the system says
// about it, and whether it opens now.
#include <QCoreApplication>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "cli/commands.h"
#include "cli/terminal_text.h"
#include "plan_formats/editor_json.h"
#include "radio_data/text_codes.h"
#include "radio_link/com_ports.h"
#include "radio_link/port_holders.h"
#include "radio_link/qt/port_info.h"
#include "texts/backup_texts.h"
#include "texts/port_texts.h"

namespace m742::cli {

namespace {

constexpr Option kJsonOption{"--json", "", "print the table as JSON"};
constexpr Option kOptions[] = {kJsonOption};

struct PortRow {
    int number = 0;
    std::string device;
    bool present = false;
    PortDescription about;
    OpenError error = OpenError::kNone;
    std::vector<PortHolder> holders;
};

PortRow Look(int number) {
    PortRow row;
    row.number = number;
    row.device = ComPortDevice(number);
    row.present = !row.device.empty() && DeviceExists(row.device);
    if (row.present) {
        row.about = DescribePort(row.device);
        row.error = ProbePort(row.device);
        row.holders = SystemPortHolders(row.device);
    } else {
        row.error = OpenError::kNotFound;
    }
    return row;
}

const PortHolder* SeenHolder(const PortRow& row) {
    for (const PortHolder& holder : row.holders) {
        if (holder.seen) {
            return &holder;
        }
    }
    return nullptr;
}

std::string_view ErrorName(OpenError error) {
    switch (error) {
        case OpenError::kNone:
            return "";
        case OpenError::kNotFound:
            return "not-found";
        case OpenError::kPermissionDenied:
            return "permission";
        case OpenError::kBusy:
            return "busy";
        case OpenError::kNotSerial:
            return "not-serial";
        case OpenError::kOther:
            break;
    }
    return "other";
}

// Why the port does not open, in a few words; empty when it opens.
std::string Reason(const PortRow& row, Lang lang) {
    const PortHolder* holder = SeenHolder(row);
    switch (row.error) {
        case OpenError::kNone:
            return {};
        case OpenError::kNotFound:
            return std::string(kReasonNoDevice.in(lang));
        case OpenError::kPermissionDenied:
            return std::string(kReasonPermission.in(lang));
        case OpenError::kBusy:
            return holder != nullptr ? FillText(kReasonHeldBy.in(lang),
                                                {holder->program, std::to_string(holder->pid)})
                                     : std::string(kReasonBusy.in(lang));
        case OpenError::kNotSerial:
            return std::string(kReasonNotSerial.in(lang));
        case OpenError::kOther:
            break;
    }
    return std::string(kReasonOther.in(lang));
}

std::string Opens(const PortRow& row, Lang lang) {
    if (row.error != OpenError::kNone) {
        return FillText(kOpensNo.in(lang), {Reason(row, lang)});
    }
    if (const PortHolder* holder = SeenHolder(row)) {
        return FillText(kAlsoOpenedBy.in(lang), {holder->program, std::to_string(holder->pid)});
    }
    return std::string(kOpensYes.in(lang));
}

Json RowJson(const PortRow& row, Lang lang) {
    const auto textOrNull = [](const std::string& text) {
        return text.empty() ? Json(nullptr) : Json(text);
    };
    Json holders = Json::array();
    for (const PortHolder& holder : row.holders) {
        holders.push_back(
            {{"program", holder.program}, {"pid", holder.pid}, {"seen", holder.seen}});
    }
    return {
        {"port", "COM" + std::to_string(row.number)},
        {"device", textOrNull(row.device)},
        {"present", row.present},
        {"description", textOrNull(row.about.description)},
        {"manufacturer", textOrNull(row.about.manufacturer)},
        {"usb_id", textOrNull(UsbId(row.about))},
        {"serial_number", textOrNull(row.about.serialNumber)},
        {"opens", row.error == OpenError::kNone},
        {"error", row.error == OpenError::kNone ? Json(nullptr) : Json(ErrorName(row.error))},
        {"reason", textOrNull(Reason(row, lang))},
        {"held_by", holders},
    };
}

int RunPorts(const Invocation& invocation) {
    static int argc = 1;
    static char name[] = "m742-cli";
    static char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);

    const Lang lang = invocation.lang;
    std::vector<PortRow> rows;
    for (int number = 1; number <= kComPortCount; ++number) {
        rows.push_back(Look(number));
    }
    if (invocation.has(kJsonOption.name)) {
        Json list = Json::array();
        for (const PortRow& row : rows) {
            list.push_back(RowJson(row, lang));
        }
        return PrintOutput(list.dump(2) + "\n");
    }
    std::vector<std::vector<std::string>> cells = {
        {std::string(kPortHeading.in(lang)), std::string(kDeviceHeading.in(lang)),
         std::string(kDescriptionHeading.in(lang)), std::string(kUsbIdHeading.in(lang)),
         std::string(kSerialNumberHeading.in(lang)), std::string(kOpenHeading.in(lang))}};
    for (const PortRow& row : rows) {
        const std::string port = "COM" + std::to_string(row.number);
        if (row.device.empty()) {
            cells.push_back({port, std::string(kNoDevice.in(lang))});
            continue;
        }
        const auto orDash = [](const std::string& text) {
            return text.empty() ? std::string("-") : Printable(text);
        };
        cells.push_back({port, Printable(row.device), orDash(row.about.description),
                         orDash(UsbId(row.about)), orDash(row.about.serialNumber),
                         Opens(row, lang)});
    }
    return PrintOutput(AlignedColumns(cells, 0, 2));
}

}  // namespace

const Command kPortsCommand{
    "ports",
    "list COM1 to COM8: the device of each, what the system says of it, whether it opens",
    kOptions,
    {},
    "Lists the port numbers COM1 to COM8 that --port and the window's \"Com Port\" menu take:\n"
    "the device each stands for (M742_COMn=DEVICE points COMn at any device), the system's\n"
    "description of it, a USB adapter's vendor:product numbers and serial number, and whether\n"
    "the port can be opened now (each present port is opened and closed again) and, if not,\n"
    "why. ModemManager or brltty holding a port is named when the system shows it. With\n"
    "--json the same as a JSON array, one object a port.\n",
    RunPorts,
};

}  // namespace m742::cli
