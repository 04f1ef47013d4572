// POSIX, inside the platform layer: a path's folder as the calls that take one want it.
#pragma once

#include <string>

namespace fw::platform::posix {

// The folder part of a path, with its closing '/'; empty for a bare name.
inline std::string folderOf(const std::string& path) { return path.substr(0, path.find_last_of('/') + 1); }

// A folder to open or stat: an empty one is the current directory.
inline const char* orCurrent(const std::string& folder) { return folder.empty() ? "." : folder.c_str(); }

} // namespace fw::platform::posix
