// The texts of the serial ports: the "Com Port" menu's table, the programs that hold a port, and
// the port list of the command-line tool, in both languages. %1, %2 ... are filled with
// FillText (backup_texts.h).
#pragma once

#include "radio_data/status.h"

namespace m742 {

// The menu entry of a number with no device behind it: "COM3(&3)  (none)".
inline constexpr Bilingual kNoDevice{"（无）", "(none)"};
// %1 the entry so far: "COM3(&3)  " or "COM5(&5)  /dev/ttyUSB1 ".
inline constexpr Bilingual kComMenuNoDevice{"%1（无）", "%1(none)"};

// A port held by a program that takes serial devices: %1 the port ("COM1 (/dev/ttyUSB0)"),
// %2 the process number.
inline constexpr Bilingual kHeldByModemManager{
    "%1 被 ModemManager（进程 %2）占用，它会把串口设备当作调制解调器来探测。请停止它"
    "（sudo systemctl stop ModemManager），或选择其它串口。",
    "%1 is held by ModemManager (process %2), which probes serial devices for modems. Stop it "
    "(sudo systemctl stop ModemManager) or choose another port."};
inline constexpr Bilingual kHeldByBrltty{
    "%1 被 brltty（进程 %2）占用，它会占用常见的 USB 串口芯片来连接盲文显示器。如果不用盲文显示器，"
    "请卸载它（sudo apt remove brltty），然后重新插上编程线。",
    "%1 is held by brltty (process %2), which claims common USB serial chips for braille "
    "displays. If you use no braille display, remove it (sudo apt remove brltty) and plug the "
    "cable in again."};
// The process could not be looked into: %1 the program, %2 the process number.
inline constexpr Bilingual kMayHoldPort{
    "这台电脑上正在运行 %1（进程 %2），它可能占用了这个串口。",
    "%1 is running on this computer (process %2) and may be holding the port."};

// No serial device behind a name or a COM number: %1 the name; %1 the COM number and %2 its
// device.
inline constexpr Bilingual kNoSerialDevice{"没有串口设备 %1。", "There is no serial device %1."};
inline constexpr Bilingual kNothingConnectedAs{"没有串口设备连接为 %1。",
                                               "No serial device is connected as %1."};
inline constexpr Bilingual kNothingConnectedAsDevice{"没有串口设备连接为 %1（%2）。",
                                                     "No serial device is connected as %1 (%2)."};
// What follows: no other device, or %1 the others ("COM1 = /dev/ttyUSB0, COM2 = /dev/ttyS0").
inline constexpr Bilingual kNoOtherSerialDevice{"\n\n也没有找到其它串口设备（COM1 至 COM8）。",
                                                "\n\nNo other serial device was found (COM1 to "
                                                "COM8)."};
inline constexpr Bilingual kOtherSerialDevices{"\n\n已有的串口设备：%1。",
                                               "\n\nSerial devices: %1."};
// The user may not open %1, the port.
inline constexpr Bilingual kPortPermissionDenied{
    "没有打开 %1 的权限。请把当前用户加入 dialout 组（sudo usermod -aG dialout $USER），然后重新"
    "登录。",
    "You may not open %1. Add your user to the \"dialout\" group (sudo usermod -aG dialout "
    "$USER), then log out and in again."};
// The port of number %1 is in use by another program (the original's own words).
inline constexpr Bilingual kSerialPortInUse{
    "串行端口%1已被其它程序使用，请选择其它串口或关掉其程序.",
    "Serial port %1 have been other programs use, please choose other serial or turn off its "
    "program."};

// A name given as the port that is no serial port: %1 the name, %2 what it is.
inline constexpr Bilingual kNotSerialPort{"%1 不是串口：它是%2。",
                                          "%1 is not a serial port: it is %2."};
inline constexpr Bilingual kIsRegularFile{"普通文件", "a regular file"};
inline constexpr Bilingual kIsFolder{"文件夹", "a folder"};
inline constexpr Bilingual kIsPipe{"管道（FIFO）", "a pipe (FIFO)"};
inline constexpr Bilingual kIsOtherDevice{"一个不是终端的设备", "a device that is no terminal"};
// A device named directly that another program holds: %1 the device.
inline constexpr Bilingual kDeviceBusy{"%1 已被其它程序使用，请关掉那个程序或选择其它串口。",
                                       "%1 is in use by another program: close that program or "
                                       "choose another port."};
// The command-line tool's words for a port that did not open: %1 the port as given.
#ifdef _WIN32
inline constexpr Bilingual kCliPortNotOpen{
    "无法打开端口 %1。请用 --port 指定对讲机所在的串口（COM1..COM8 或其它端口，如 "
    "COM12；“m742-cli ports”列出它们）。",
    "Cannot open the port %1. Name the radio's port with --port (COM1..COM8 or another port "
    "such as COM12; \"m742-cli ports\" lists them)."};
#else
inline constexpr Bilingual kCliPortNotOpen{
    "无法打开端口 %1。请用 --port 指定对讲机所在的串口（COM1..COM8 或设备路径，如 "
    "/dev/ttyUSB0；“m742-cli ports”列出它们）。",
    "Cannot open the port %1. Name the radio's port with --port (COM1..COM8 or a device path "
    "such as /dev/ttyUSB0; \"m742-cli ports\" lists them)."};
#endif

// m742-cli ports: the headings of the table and the answers of its last column.
inline constexpr Bilingual kPortHeading{"端口", "PORT"};
inline constexpr Bilingual kDeviceHeading{"设备", "DEVICE"};
inline constexpr Bilingual kDescriptionHeading{"说明", "DESCRIPTION"};
inline constexpr Bilingual kUsbIdHeading{"USB 标识", "USB ID"};
inline constexpr Bilingual kSerialNumberHeading{"序列号", "SERIAL"};
inline constexpr Bilingual kOpenHeading{"能否打开", "OPENS"};
inline constexpr Bilingual kOpensYes{"能", "yes"};
// %1 the reason.
inline constexpr Bilingual kOpensNo{"不能：%1", "no: %1"};
inline constexpr Bilingual kReasonNoDevice{"没有这个设备", "no such device"};
inline constexpr Bilingual kReasonPermission{
    "没有权限（把用户加入 dialout 组，然后重新登录）",
    "permission denied (add your user to the dialout group, then log in again)"};
inline constexpr Bilingual kReasonBusy{"已被其它程序使用", "in use by another program"};
// %1 the program, %2 its process number.
inline constexpr Bilingual kReasonHeldBy{"被 %1（进程 %2）占用", "held by %1 (process %2)"};
inline constexpr Bilingual kReasonOther{"无法打开", "cannot be opened"};
inline constexpr Bilingual kReasonNotSerial{"不是串口", "not a serial port"};
// Opens, but a program that takes serial devices has it open too: %1 the program, %2 its
// process number.
inline constexpr Bilingual kAlsoOpenedBy{"能，但 %1（进程 %2）也打开了它",
                                         "yes, but %1 (process %2) has it open too"};

}  // namespace m742
