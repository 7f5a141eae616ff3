// The one storage connection of a run: the file that receives the stored
// reports.
#pragma once

#include <string>
#include <string_view>

#include <sys/types.h>

#include "report/text_fields.hpp"

namespace brantover {

// A file as the file system identifies it, whatever name leads to it.
struct file_id {
    dev_t dev = 0;
    ino_t ino = 0;
    bool known = false;
};

file_id identify(int fd);

struct storage_file {
    int fd = -1;       // -1: no file connected
    std::string name;  // as handed to the file system
    file_id id;
    bool read_only = false;  // an existing file that may only be read
    bool emptied = false;    // old content after the first line group is cut
    bool regular = false;    // a plain file, which can be cut
    long long written = 0;   // bytes handed to the file system
    std::string pending;     // lines not yet handed on
    // The first failure: the operation with the file, and the reason.
    bool failed = false;
    std::string failed_operation;
    std::string reason;
};

// Connects the named file (relative names within `folder`, a directory
// descriptor or AT_FDCWD). The same file again keeps the connection, so the
// next report is appended; another file closes the connected one first.
// `held_open` is the defaults file, which can never become the storage file.
bool storage_open(storage_file& sf, int folder, std::string_view name, const file_id& held_open);

// Adds one rendered line group (a layout rendered once for the console and
// the file). After the first group through a new
// connection the file is cut there, so an old file keeps nothing of its old
// content.
bool storage_write(storage_file& sf, std::string_view lines);

// Cuts the file at what was written (the end of a run that stored).
bool storage_end(storage_file& sf);

// Writes out every pending line and closes the file; no file is connected
// afterwards.
bool storage_close(storage_file& sf);

}  // namespace brantover
