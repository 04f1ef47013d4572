// Starting the game and the archive editor.
#pragma once

#include <string>

namespace fw::platform {

// Starts a program from a command line the way Windows' CreateProcess reads it (the text is the
// whole command line, no application name), in workingDir, without waiting for it and without
// handing it any descriptor but the standard streams. Both are UTF-8 on Windows. An empty workingDir
// keeps ours. Returns false when nothing was started: empty text, no such program, not executable.
bool launch(const std::string& commandLine, const std::string& workingDir);

} // namespace fw::platform
