// Files under device paths. The program names files as the device does:
// wide, backslash-separated ("\Apps\logbook.dat"). This is the one place
// that turns such a path into the host's (UTF-8, '/') and back, and the
// place where a launcher may redirect one device path to another host file.
#pragma once

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <span>
#include <string>

#include "platform/core/windef.h"

// Redirects the exact device path to hostPath for every later open or
// write through this file's functions (the launcher uses it for --data PATH).
// An empty hostPath removes the redirection.
void SetPathOverride(LPCWSTR devicePath, const std::string& hostPath);

// The host path for a device path: its override if one is set, else the
// path with '\' turned into '/' in UTF-8. Empty for a null path or one
// holding a character that has no UTF-8 form (so opening it fails).
std::string HostPathFromDevice(LPCWSTR devicePath);

// The executable's own path (the launcher finds the data file beside it), in
// the host's form ("/work/bin/roadtally") and in the device's backslash form
// ("\work\bin\roadtally"); empty when the host cannot say.
std::filesystem::path ExecutablePath();
std::wstring ModulePath();

// The data file the launcher chose for this run: the device path the
// program opens it under is redirected to hostPath, and ProgramDataFile
// gives it to the program, which computes no path of its own.
void SetProgramDataFile(LPCWSTR devicePath, const std::string& hostPath);
// Empty when no launcher chose one.
std::wstring ProgramDataFile();

constexpr char kNotARegularFile[] = "not a regular file";

// Why a file could not be opened.
struct FileError {
  bool missing = false;  // nothing at the path: the one failure that means "no file yet"
  std::string reason;    // the system's words ("Permission denied"), or kNotARegularFile
};

// Opens an existing regular file for binary reading, through links. A FIFO,
// a device or a directory is refused at once, never waited on. Null on
// failure, with the reason in error.
FILE* OpenRegularFileForReading(LPCWSTR path, FileError& error);

// Replaces the whole file with the given pieces, written one after another
// without first being copied together, crash-safely: a temporary file beside
// it is written and flushed to disk, renamed over the target, and the
// directory synced, so a crash leaves the old file or the new one.
// A symbolic link is followed and its target replaced, so the link stays;
// the new file keeps the old one's permission bits (and owner and group
// where this process may set them). Returns false on any failure (a link
// loop, a target that is not a regular file), with the old file untouched
// and no temporary file left behind, and `why`, when given, holding the
// system's words for it ("No space left on device"). A file its owner may
// not write (mode without u+w) is not replaced: a read-only logbook stays as
// it is.
struct FileChunk {
  const void* data;
  std::size_t size;
};
bool WriteWholeFile(LPCWSTR path, std::span<const FileChunk> chunks, std::string* why = nullptr);

// Removes what interrupted writes of this file left: files named exactly
// as WriteWholeFile names its temporaries for it, in the directory of the
// file (the link's target), never following a link. Only for the file's
// one writer, when no write of it can be under way.
void RemoveLeftoverTemporaries(LPCWSTR path);

// Renames the file (the link's target) to its own name plus suffix, or plus
// suffix and "-2", "-3" ... when that name is taken: nothing already there
// is replaced. True with the new host path in movedTo, or true with movedTo
// empty when there is no file to move; false (errno set) when it could not
// be moved. Only a regular file its owner may write is ever moved.
bool MoveFileAside(LPCWSTR path, const std::string& suffix, std::string& movedTo);

// The host path MoveFileAside tries first: the link's target plus suffix.
std::string AsideName(LPCWSTR path, const std::string& suffix);
// The first of suffix, suffix + "-2", "-3" ... that names no file yet beside
// the path's target, so that the name can be told before the move.
std::string UnusedAsideSuffix(LPCWSTR path, const std::string& suffix);
