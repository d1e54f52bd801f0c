// A file written whole or not at all: the bytes go to a new file beside the target, which
// replaces the target only once every byte has reached the disk, so that a full disk, a
// size limit or a read-only folder leaves the file that was there as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ormane::cli {

// Writes `bytes` as the file `path`. A symbolic link is written through: the file it points
// to is replaced and the link kept (a link to no file is refused). A file that is replaced
// keeps its permissions; a new one gets those the umask allows. A path that names no regular
// file (a device, a pipe: /dev/stdout) is written directly. Returns why it could not be
// written ("No space left on device"), nullopt when it was; no file of its own is left over.
std::optional<std::string> writeWholeFile(const std::string& path, std::string_view bytes);

}  // namespace ormane::cli
