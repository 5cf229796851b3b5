#include "cli/console.h"

#include <QFile>
#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>
#include <cstdio>

#include <windows.h>

namespace {

HANDLE handleOf(console::Channel channel)
{
    return GetStdHandle(channel == console::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

bool isConsole(HANDLE handle)
{
    DWORD mode = 0;
    return handle && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

// Takes UTF-8 and writes it to a console as UTF-16. A character whose bytes
// are split between two writes is held until the rest of it comes.
class ConsoleDevice final : public QIODevice
{
public:
    explicit ConsoleDevice(HANDLE handle) : m_handle(handle) { open(QIODevice::WriteOnly | QIODevice::Unbuffered); }

    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }

    qint64 writeData(const char *data, qint64 size) override
    {
        const QString text = m_decoder.decode(QByteArrayView(data, size));
        qsizetype done = 0;
        while (done < text.size()) {
            qsizetype chunk = std::min(text.size() - done, kChunk);
            // A surrogate pair stays in one call.
            if (done + chunk < text.size() && text.at(done + chunk - 1).isHighSurrogate())
                --chunk;
            DWORD written = 0;
            if (!WriteConsoleW(m_handle, reinterpret_cast<const wchar_t *>(text.utf16()) + done, DWORD(chunk),
                               &written, nullptr)
                || written == 0)
                return -1;
            done += qsizetype(written);
        }
        return size;
    }

private:
    // Consoles before Windows 8 refuse a single write of much more.
    static constexpr qsizetype kChunk = 8192;
    HANDLE m_handle;
    QStringDecoder m_decoder{QStringDecoder::Utf8};
};

// Never deleted: a stream may still write while the process ends.
QIODevice *deviceFor(console::Channel channel, FILE *file)
{
    if (const HANDLE handle = handleOf(channel); isConsole(handle))
        return new ConsoleDevice(handle);
    auto *device = new QFile;
    device->open(file, QIODevice::WriteOnly, QFileDevice::DontCloseHandle);
    return device;
}

} // namespace

QIODevice *console::device(Channel channel)
{
    static QIODevice *const out = deviceFor(Output, stdout);
    static QIODevice *const err = deviceFor(Error, stderr);
    return channel == Output ? out : err;
}

bool console::isTerminal(Channel channel)
{
    return isConsole(handleOf(channel));
}

int console::columns(Channel channel)
{
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(handleOf(channel), &info))
        return 0;
    return std::max(info.srWindow.Right - info.srWindow.Left, 1);
}
