// Windows: whole files written through a temporary file beside them, and what killed writers left
// cleared away.
#include "platform/FileSystem.h"
#include "platform/windows/Wide.h"

#include <cstring>
#include <random>
#include <vector>

namespace fw::platform {
namespace {

using shared::Attempt;

std::wstring folderOf(const std::wstring& path) { return path.substr(0, path.find_last_of(L"\\/") + 1); }

bool isFolder(DWORD attr) { return attr != INVALID_FILE_ATTRIBUTES && (attr & FILE_ATTRIBUTE_DIRECTORY); }

// Only an existing file without the read-only attribute, or none, may be replaced.
bool refused(DWORD attr) {
  return attr != INVALID_FILE_ATTRIBUTES && (attr & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY));
}

// The temporary file beside the target, created new and kept open without sharing until it has the
// target's name: meanwhile no other program can open it, and no sweep can remove it.
HANDLE createTemporary(const std::wstring& target, std::wstring& temp, DWORD flags = FILE_ATTRIBUTE_NORMAL) {
  const std::wstring folder = folderOf(target);
  const std::wstring stem = wide(shared::temporaryStem(narrow(target.substr(folder.size()))));
  static std::mt19937 random(std::random_device{}() ^ GetCurrentProcessId());
  const wchar_t letters[] = L"0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
  for (int attempt = 0; attempt < 100; ++attempt) {
    temp = folder + stem;
    for (std::size_t i = 0; i < shared::kTemporaryRandom; ++i)
      temp += letters[random() % 62];
    HANDLE h = CreateFileW(temp.c_str(), GENERIC_WRITE | DELETE | FILE_WRITE_ATTRIBUTES, 0, nullptr,
                           CREATE_NEW, flags, nullptr);
    if (h != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS) return h;
  }
  return INVALID_HANDLE_VALUE;
}

bool writeAll(HANDLE h, std::string_view bytes) {
  for (std::size_t done = 0; done < bytes.size();) {
    DWORD part = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
    DWORD wrote = 0;
    if (!WriteFile(h, bytes.data() + done, part, &wrote, nullptr) || wrote != part) return false;
    done += wrote;
  }
  return true;
}

// The replaced file's attributes (hidden, archive...) go to the new one, through its open handle.
bool takeAttributes(HANDLE h, DWORD attr) {
  FILE_BASIC_INFO info{};
  info.FileAttributes = attr & ~FILE_ATTRIBUTE_NORMAL;
  return info.FileAttributes == 0 || SetFileInformationByHandle(h, FileBasicInfo, &info, sizeof info);
}

// The open file takes the target's name. Without `replace` it fails on a file that appeared
// meanwhile; a target that another program holds open cannot be replaced until it lets go.
bool renameOpenFile(HANDLE h, const std::wstring& target, bool replace) {
  std::vector<char> buffer(sizeof(FILE_RENAME_INFO) + target.size() * sizeof(wchar_t), 0);
  auto* info = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
  info->ReplaceIfExists = replace;
  info->FileNameLength = static_cast<DWORD>(target.size() * sizeof(wchar_t));
  std::memcpy(info->FileName, target.data(), info->FileNameLength);
  return SetFileInformationByHandle(h, FileRenameInfo, info, static_cast<DWORD>(buffer.size()));
}

void removeOpenFile(HANDLE h) {
  FILE_DISPOSITION_INFO gone{TRUE};
  SetFileInformationByHandle(h, FileDispositionInfo, &gone, sizeof gone);
}

// What a write needs of the folder, tried: a temporary file made there with the rights the write
// takes, which the system removes as its handle closes (also where this program is killed). The
// folder's attributes alone say nothing of the rights that its owner gave.
bool takesNewFiles(std::wstring folder) {
  if (!isFolder(GetFileAttributesW(folder.c_str()))) return false;
  if (!folder.ends_with(L'\\') && !folder.ends_with(L'/')) folder += L'\\';
  std::wstring probe;
  const HANDLE h =
      createTemporary(folder + L"fleetwick", probe, FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  return true;
}

// A replace removes the old file: its rights must allow that. A file another program holds is
// waited for by the write itself.
bool removable(const std::wstring& target) {
  const HANDLE h = CreateFileW(target.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                               nullptr, OPEN_EXISTING, 0, nullptr);
  if (h != INVALID_HANDLE_VALUE) return CloseHandle(h), true;
  const DWORD error = GetLastError();
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_SHARING_VIOLATION;
}

} // namespace

WriteResult writeFile(const std::string& path, std::span<const std::string_view> lines,
                      std::string_view lineEnd, Existing existing) {
  const std::wstring target = widePath(path);
  const DWORD attr = GetFileAttributesW(target.c_str());
  if (attr != INVALID_FILE_ATTRIBUTES && existing == Existing::Keep) return WriteResult::Exists;
  if (refused(attr)) return WriteResult::Failed;
  std::wstring temp;
  HANDLE h = createTemporary(target, temp);
  if (h == INVALID_HANDLE_VALUE) return WriteResult::Failed;
  const bool written =
      GetFileType(h) == FILE_TYPE_DISK &&
      shared::writeLines(lines, lineEnd, [h](std::string_view bytes) { return writeAll(h, bytes); }) &&
      FlushFileBuffers(h) && (attr == INVALID_FILE_ATTRIBUTES || takeAttributes(h, attr));
  const bool replace = existing == Existing::Replace;
  const bool renamed = written && shared::retryWhileHeld(kSharingPatience, [&] {
                                    return outcome(renameOpenFile(h, target, replace));
                                  }) == Attempt::Done;
  const DWORD error = GetLastError();
  if (!renamed) removeOpenFile(h);
  CloseHandle(h);
  if (renamed) return WriteResult::Written;
  return written && (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) ? WriteResult::Exists
                                                                                  : WriteResult::Failed;
}

bool writableFolder(const std::string& folder) {
  return takesNewFiles(widePath(folder.empty() ? "." : folder));
}

bool replaceable(const std::string& path) {
  const std::wstring target = widePath(path);
  return !refused(GetFileAttributesW(target.c_str())) && takesNewFiles(folderOf(target)) && removable(target);
}

void removeStaleTemporaries(const std::string& folder) {
  std::wstring dir = widePath(folder);
  if (!dir.ends_with(L'\\')) dir += L'\\';
  WIN32_FIND_DATAW entry;
  HANDLE find = FindFirstFileW((dir + L".*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    // A live writer's temporary file is open without sharing until it has its name: removing it fails.
    if (shared::isTemporaryName(narrow(entry.cFileName)) &&
        !(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
      DeleteFileW((dir + entry.cFileName).c_str());
  } while (FindNextFileW(find, &entry));
  FindClose(find);
}

} // namespace fw::platform
