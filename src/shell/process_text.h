// The program's arguments and standard streams as UTF-8 on every system. Windows hands a
// program's main() its arguments in the ANSI code page, where Chinese file names are lost, and
// its console shows bytes in the OEM code page; both programs take their arguments from here
// and set their streams up here before they print.
#pragma once

#include <string>
#include <vector>

namespace m742 {

// The arguments after the program's name, as UTF-8 (on Linux: argv as it is).
std::vector<std::string> Utf8Arguments(int argc, char** argv);

// Windows: the console shows UTF-8, and the standard streams carry bytes unchanged (no "\r\n"
// for "\n", so that data files and texts written to them are those of Linux); a window
// program writes to the console it was started from. Elsewhere: nothing to do.
void UseUtf8Streams();

}  // namespace m742
