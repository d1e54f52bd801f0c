#include "cli/whole_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <random>

namespace ormane::cli {

namespace {

std::string reason(int error) {
    return std::strerror(error);
}

// Every byte, through short writes and interruptions; the errno of the failure otherwise.
int writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// A device or a pipe cannot be replaced, only written to.
std::optional<std::string> writeDirectly(const std::string& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return reason(errno);
    const int failure = writeAll(fd, bytes);
    const int closed = ::close(fd) == 0 ? 0 : errno;
    if (failure != 0) return reason(failure);
    if (closed != 0 && closed != EINTR) return reason(closed);
    return std::nullopt;
}

// A new file beside `target`, hidden, with a name of its own; created with `mode` under the
// umask, as the target would have been.
int createBeside(const std::string& target, mode_t mode, std::string& name) {
    const auto slash = target.rfind('/');
    const std::string folder = slash == std::string::npos ? "" : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    std::random_device device;
    std::mt19937_64 random(device() ^ (static_cast<std::uint64_t>(::getpid()) << 32U));
    constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyz0123456789";
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = folder + "." + base + ".";
        for (int i = 0; i < 8; ++i) name += kLetters[random() % kLetters.size()];
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

std::optional<std::string> writeWholeFile(const std::string& path, std::string_view bytes) {
    if (path.empty()) return reason(ENOENT);
    std::string target = path;
    mode_t mode = 0666;
    bool replacing = false;
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode)) return writeDirectly(path, bytes);
        // A file its owner made read-only stays as it is, as it would for a write in place.
        if (::access(path.c_str(), W_OK) != 0) return reason(errno);
        // Through a link, the file it names is replaced and the link stays.
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) == nullptr) return reason(errno);
        target = resolved;
        mode = existing.st_mode & 0777;
        replacing = true;
    } else {
        if (errno != ENOENT) return reason(errno);
        struct stat link {};
        if (::lstat(path.c_str(), &link) == 0) {
            return std::string("it is a symbolic link to a file that does not exist");
        }
    }

    std::string temporary;
    const int fd = createBeside(target, mode, temporary);
    // Said as such: the target itself may well be writable (a file in a read-only folder).
    if (fd < 0) return "cannot make a file in its folder: " + reason(errno);
    int failure = 0;
    if (replacing) {
        // The owner and group stay when allowed (otherwise the file is ours, as any file we
        // create); the permissions stay in any case.
        if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) {
            [[maybe_unused]] const int owned = ::fchown(fd, existing.st_uid, existing.st_gid);
        }
        if (::fchmod(fd, mode) != 0) failure = errno;
    }
    if (failure == 0) failure = writeAll(fd, bytes);
    // On the disk before it replaces anything: a crash leaves the old file or the new one.
    if (failure == 0 && ::fsync(fd) != 0 && errno != EINVAL) failure = errno;
    if (::close(fd) != 0 && failure == 0 && errno != EINTR) failure = errno;
    if (failure == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) failure = errno;
    if (failure != 0) {
        ::unlink(temporary.c_str());
        return reason(failure);
    }
    return std::nullopt;
}

}  // namespace ormane::cli
