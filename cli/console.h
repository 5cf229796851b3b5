#pragma once

// Where varnholt-cli writes: its standard output and standard error, as
// devices for a QTextStream, which writes UTF-8 to them. Pipes and files get
// that UTF-8 as it is, on every system. On Windows a console gets the text as
// UTF-16 through WriteConsoleW instead, which shows every script whatever the
// console's code page; nothing here changes the console's settings.

class QIODevice;

namespace console {

enum Channel { Output, Error };

// The channel as a device, made on first use and kept until the process
// ends. What a stream on it flushes is written at once.
QIODevice *device(Channel channel);
inline QIODevice *output() { return device(Output); }
inline QIODevice *errors() { return device(Error); }

// Whether the channel is a terminal (a console on Windows), not a pipe or a
// file.
bool isTerminal(Channel channel);

// How many columns a line written to the channel may take before the
// terminal wraps it; 0 when the channel is not a terminal. POSIX: the
// terminal's width, or COLUMNS when the terminal does not tell, or 80.
// Windows: one less than the console window's width, as the console moves
// to the next line as soon as the last column is written.
int columns(Channel channel);

} // namespace console
