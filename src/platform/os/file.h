// Files and standard handles. Every call that can fail returns 0 or a Windows error code, so
// that the I/O error table and "I/O error %d" read the same on both builds.
#pragma once

#include <cstdint>

namespace os {

/// An open file, or a standard handle.
using FileHandle = std::intptr_t;

/// Opens an existing file for reading, sharing it for reading only.
int OpenFileForReading(const char* name, FileHandle* handle);

/// Reads up to size bytes; *bytes_read is 0 at the end of the file, or of a pipe whose writer
/// has gone away.
int ReadFromFile(FileHandle handle, void* buffer, std::uint32_t size, std::uint32_t* bytes_read);

/// Reads up to size bytes from offset, as ReadFromFile does; readers on other handles of the same
/// file may read at the same time.
int ReadFromFileAt(FileHandle handle, std::uint64_t offset, void* buffer, std::uint32_t size,
                   std::uint32_t* bytes_read);

/// The size of a regular file; false for anything else (a pipe, a FIFO, a device), which can
/// only be read front to back.
bool SizeOfRegularFile(FileHandle handle, std::uint64_t* size);

/// Another handle on the same open file, for a reader of its own.
int OpenAnotherReader(FileHandle file, FileHandle* reader);

int CloseFile(FileHandle handle);

/// Writes all size bytes.
int WriteToFile(FileHandle handle, const void* data, std::uint32_t size);

enum class HandleKind {
  kUnusable,  // no handle, or one of unknown type
  kConsole,   // a character device: written through at every line end
  kOther,     // a disk file or a pipe: buffered
};

FileHandle StandardOutputHandle();
FileHandle StandardErrorHandle();
HandleKind KindOfHandle(FileHandle handle);

/// The line end of this build's text output.
extern const char kLineEnd[];

}  // namespace os
