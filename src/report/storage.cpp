// Opening, writing, cutting and closing the storage file.
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "report/storage.hpp"

namespace brantover {

namespace {

constexpr std::size_t storage_piece = 1 << 16;

bool fail(storage_file& sf, std::string operation, std::string reason) {
    if (!sf.failed) {
        sf.failed = true;
        sf.failed_operation = std::move(operation);
        sf.reason = std::move(reason);
    }
    return false;
}

std::string quoted(std::string_view name) { return "'" + std::string(name) + "'"; }

std::string open_reason(int err, std::string_view name) {
    switch (err) {
        case ENOENT: return "File " + quoted(name) + " does not exist";
        case EACCES: return "Permission denied trying to open file " + quoted(name);
        case EISDIR: return quoted(name) + " is a directory";
        default: return std::strerror(err);
    }
}

bool fail_open(storage_file& sf, std::string_view name, std::string reason) {
    return fail(sf, "cannot open storage file " + quoted(name), std::move(reason));
}

bool fail_write(storage_file& sf, std::string reason) {
    return fail(sf, "cannot write to storage file " + quoted(sf.name), std::move(reason));
}

bool same_file(const file_id& a, const struct stat& st) {
    return a.known && a.dev == st.st_dev && a.ino == st.st_ino;
}

// Hands every pending line to the file system.
bool hand_on(storage_file& sf) {
    std::size_t done = 0;
    while (done < sf.pending.size()) {
        const ssize_t put = ::write(sf.fd, sf.pending.data() + done, sf.pending.size() - done);
        if (put < 0) {
            if (errno == EINTR) continue;
            const int err = errno;
            sf.pending.clear();
            return fail_write(sf, std::strerror(err));
        }
        done += std::size_t(put);
        sf.written += put;
    }
    sf.pending.clear();
    return true;
}

bool cut_at_written(storage_file& sf) {
    if (!hand_on(sf)) return false;
    if (sf.regular && ::ftruncate(sf.fd, off_t(sf.written)) != 0)
        return fail_write(sf, std::strerror(errno));
    return true;
}

}  // namespace

file_id identify(int fd) {
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) return {};
    return {st.st_dev, st.st_ino, true};
}

bool storage_open(storage_file& sf, int folder, std::string_view name, const file_id& held_open) {
    if (sf.failed) return false;
    // A name that cannot be passed to the file system at all.
    if (name.find('\0') != std::string_view::npos)
        return fail_open(sf, name, std::strerror(EINVAL));
    const std::string path(name);
    struct stat st {};
    const bool exists = ::fstatat(folder, path.c_str(), &st, 0) == 0;

    if (sf.fd >= 0) {
        if (exists && same_file(sf.id, st)) return true;  // append to it
        if (!storage_close(sf)) {
            sf.failed_operation = "cannot open storage file " + quoted(name);
            sf.reason = "Error closing file in OPEN statement";
            return false;
        }
    }
    if (exists && same_file(held_open, st))
        return fail_open(sf, name, "File already opened in another unit");

    // Not blocking on a pipe that nobody reads.
    int fd = ::openat(folder, path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC | O_NONBLOCK,
                      S_IRUSR | S_IWUSR);
    bool read_only = false;
    if (fd < 0 && (errno == EACCES || errno == EROFS) && exists) {
        // An existing file that may only be read: the failure shows at the
        // first write.
        const int err = errno;
        fd = ::openat(folder, path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            errno = err;
        else
            read_only = true;
    }
    if (fd < 0) return fail_open(sf, name, open_reason(errno, name));
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || S_ISDIR(opened.st_mode)) {
        const int err = S_ISDIR(opened.st_mode) ? EISDIR : errno;
        ::close(fd);
        return fail_open(sf, name, open_reason(err, name));
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);

    sf.fd = fd;
    sf.name = path;
    sf.id = {opened.st_dev, opened.st_ino, true};
    sf.read_only = read_only;
    sf.emptied = !exists;
    sf.regular = S_ISREG(opened.st_mode);
    sf.written = 0;
    sf.pending.clear();
    return true;
}

bool storage_write(storage_file& sf, std::string_view lines) {
    if (sf.failed) return false;
    if (sf.read_only) return fail_write(sf, "Cannot write to file opened for READ");
    sf.pending.append(lines);
    if (!sf.emptied) {
        sf.emptied = true;
        return cut_at_written(sf);
    }
    if (sf.pending.size() >= storage_piece) return hand_on(sf);
    return true;
}

bool storage_end(storage_file& sf) {
    if (sf.fd < 0 || sf.failed) return !sf.failed;
    return cut_at_written(sf);
}

bool storage_close(storage_file& sf) {
    if (sf.fd < 0) return !sf.failed;
    if (!sf.failed) hand_on(sf);
    if (::close(sf.fd) != 0) fail_write(sf, std::strerror(errno));
    sf.fd = -1;
    sf.id = {};
    return !sf.failed;
}

}  // namespace brantover
