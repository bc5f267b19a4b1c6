#include "common/InputFile.h"

#include <array>
#include <cerrno>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

FileFault ReadInputFile(const fs::path &path, std::string &bytes)
{
    bytes.clear();
    std::error_code code;
    const fs::file_status status = fs::status(path, code);
    if (code)
        return FileFault::Of(code);
    if (!fs::is_regular_file(status))
        return {FileFault::Kind::NotRegular};
    const std::uintmax_t size = fs::file_size(path, code);
    if (!code && size > MaxInputFileBytes)
        return {FileFault::Kind::TooLarge};
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
        return FileFault::OfSystem(errno != 0 ? errno : EIO);
    if (!code)
        bytes.reserve(static_cast<std::size_t>(size));
    std::array<char, 65536> piece;
    while (in.read(piece.data(), piece.size()), in.gcount() > 0) {
        bytes.append(piece.data(), static_cast<std::size_t>(in.gcount()));
        if (bytes.size() > MaxInputFileBytes) {
            bytes.clear();
            return {FileFault::Kind::TooLarge};
        }
    }
    if (in.bad()) {
        bytes.clear();
        return FileFault::OfSystem(errno != 0 ? errno : EIO);
    }
    return {};
}
