// The serial port on Windows. QSerialPort is not used for the exchange here: it learns of
// received bytes from WaitCommEvent, and Wine's WaitCommEvent gives up at once on a port without
// modem lines (a pseudo-terminal, as the simulated radio is), so that replies never arrive
// there. A reader thread that asks ReadFile for "whatever is there, or nothing after a few
// milliseconds" works on Windows and under Wine alike. The handle is not overlapped (Wine's
// overlapped reads of a pseudo-terminal never return); a write cancels the reader's pending
// read, which would otherwise hold it up for up to kReadWaitMs, as Windows does one transfer
// at a time on such a handle.
#include <pthread.h>
#include <windows.h>

#include <QMetaObject>
#include <array>
#include <vector>

#include "radio_data/file_names.h"
#include "radio_link/qt/serial_port.h"

namespace m742 {

namespace {

// How long one read waits when nothing comes: bounds the time closing the port takes.
constexpr DWORD kReadWaitMs = 5;
// A write that the port cannot take in this time has failed (a cable pulled mid-write).
constexpr DWORD kWriteTimeoutMs = 2000;

std::wstring DevicePath(const std::string& device) {
    // A port's name ("COM3") in the device space: COM10 and above need it, COM1 to COM9 take
    // it as well. A name with a folder ("C:\plan.dat", "\\.\COM3") stays as it is.
    if (device.find_first_of("/\\") == std::string::npos) {
        return FilePath("\\\\.\\" + device).wstring();
    }
    return FilePath(device).wstring();
}

// 9600 baud, 8 data bits, no parity, 1 stop bit, no flow control; DTR and RTS raised, as a
// port opened on Linux has them (some cables draw their power from them).
bool SetLine(HANDLE handle) {
    DCB line{};
    line.DCBlength = sizeof(line);
    if (GetCommState(handle, &line) == 0) {
        return false;
    }
    line.BaudRate = CBR_9600;
    line.ByteSize = 8;
    line.Parity = NOPARITY;
    line.StopBits = ONESTOPBIT;
    line.fBinary = TRUE;
    line.fParity = FALSE;
    line.fOutxCtsFlow = FALSE;
    line.fOutxDsrFlow = FALSE;
    line.fDsrSensitivity = FALSE;
    line.fOutX = FALSE;
    line.fInX = FALSE;
    line.fNull = FALSE;
    line.fAbortOnError = FALSE;
    line.fDtrControl = DTR_CONTROL_ENABLE;
    line.fRtsControl = RTS_CONTROL_ENABLE;
    if (SetCommState(handle, &line) == 0) {
        return false;
    }
    // A read returns as soon as one byte is there, or empty after kReadWaitMs.
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD;
    timeouts.ReadTotalTimeoutMultiplier = MAXDWORD;
    timeouts.ReadTotalTimeoutConstant = kReadWaitMs;
    timeouts.WriteTotalTimeoutConstant = kWriteTimeoutMs;
    return SetCommTimeouts(handle, &timeouts) != 0 &&
           PurgeComm(handle, PURGE_RXCLEAR | PURGE_TXCLEAR) != 0;  // nothing from before
}

}  // namespace

QtSerialControl::QtSerialControl() = default;

QtSerialControl::~QtSerialControl() {
    Close();
}

void QtSerialControl::SetPortOpen(bool open) {
    if (!open) {
        Close();
        return;
    }
    if (m_handle != nullptr) {
        return;
    }
    m_lastError = OpenError::kNone;
    if (m_device.empty()) {
        m_lastError = OpenError::kNotFound;
        return;
    }
    HANDLE handle = CreateFileW(DevicePath(m_device).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        switch (GetLastError()) {
            case ERROR_FILE_NOT_FOUND:
            case ERROR_PATH_NOT_FOUND:
                m_lastError = OpenError::kNotFound;
                break;
            // A COM port opens once: another program that has it open denies everyone else.
            case ERROR_ACCESS_DENIED:
            case ERROR_SHARING_VIOLATION:
                m_lastError = OpenError::kBusy;
                break;
            default:
                m_lastError = OpenError::kOther;
                break;
        }
        return;
    }
    // A file opens, but is no serial line; a port whose line cannot be set has nothing behind it
    // (a serial port the computer does not have).
    if (GetFileType(handle) != FILE_TYPE_CHAR || !SetLine(handle)) {
        m_lastError =
            GetFileType(handle) != FILE_TYPE_CHAR ? OpenError::kNotSerial : OpenError::kNotFound;
        CloseHandle(handle);
        return;
    }
    m_handle = handle;
    m_lostReported = false;
    m_stop = false;
    const unsigned opening = ++m_opening;
    m_reader = std::thread([this, handle, opening] { ReadUntilStopped(handle, opening); });
}

bool QtSerialControl::PortOpen() const {
    return m_handle != nullptr;
}

bool QtSerialControl::Output(std::span<const std::uint8_t> bytes) {
    if (m_handle == nullptr) {
        return false;
    }
    // The pending read has nothing (it returns as soon as a byte is there), so nothing is lost;
    // where cancelling is not supported the write waits for it.
    CancelSynchronousIo(pthread_gethandle(m_reader.native_handle()));
    DWORD written = 0;
    return WriteFile(m_handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) !=
               0 &&
           written == bytes.size();
}

void QtSerialControl::Close() {
    if (m_handle == nullptr) {
        return;
    }
    m_stop = true;
    m_reader.join();  // within kReadWaitMs
    CloseHandle(m_handle);
    m_handle = nullptr;
}

// The reader thread: everything that arrives goes to onReceived on the port's thread, in order.
void QtSerialControl::ReadUntilStopped(void* handle, unsigned opening) {
    std::array<std::uint8_t, 256> buffer{};
    while (!m_stop) {
        DWORD got = 0;
        const BOOL read =
            ReadFile(handle, buffer.data(), static_cast<DWORD>(buffer.size()), &got, nullptr);
        if (m_stop) {
            return;
        }
        if (read == 0 && GetLastError() == ERROR_OPERATION_ABORTED) {
            continue;  // cancelled for a write
        }
        if (read == 0) {
            ReportLost(opening);  // the device went away
            return;
        }
        if (got == 0) {
            continue;
        }
        std::vector<std::uint8_t> bytes(buffer.begin(), buffer.begin() + got);
        QMetaObject::invokeMethod(
            &m_receiver,
            [this, opening, bytes = std::move(bytes)] {
                if (opening == m_opening && m_handle != nullptr && onReceived) {
                    onReceived(bytes);
                }
            },
            Qt::QueuedConnection);
    }
}

void QtSerialControl::ReportLost(unsigned opening) {
    QMetaObject::invokeMethod(
        &m_receiver,
        [this, opening] {
            if (opening != m_opening || m_handle == nullptr || m_lostReported) {
                return;
            }
            m_lostReported = true;
            if (onLost) {
                onLost();
            }
        },
        Qt::QueuedConnection);
}

}  // namespace m742
