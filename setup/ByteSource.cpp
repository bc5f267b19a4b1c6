#include "setup/ByteSource.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace {

std::uint32_t LittleEndian32(const std::uint8_t *bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

} // namespace

bool ByteSource::ReadUInt32At(std::uint64_t position, std::uint32_t &value)
{
    std::uint8_t bytes[sizeof value];
    if (!ReadAt(position, bytes, sizeof bytes))
        return false;
    value = LittleEndian32(bytes);
    return true;
}

bool ByteSource::ReadInt32At(std::uint64_t position, std::int32_t &value)
{
    std::uint32_t bits = 0;
    if (!ReadUInt32At(position, bits))
        return false;
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool ByteSource::ReadFloat32At(std::uint64_t position, float &value)
{
    static_assert(sizeof(float) == sizeof(std::uint32_t), "float32 expected");
    std::uint32_t bits = 0;
    if (!ReadUInt32At(position, bits))
        return false;
    std::memcpy(&value, &bits, sizeof value);
    return true;
}

bool MemoryByteSource::ReadAt(std::uint64_t position, void *buffer, std::size_t count)
{
    if (!Holds(position, count))
        return false;
    if (count > 0)
        std::memcpy(buffer, data_ + position, count);
    return true;
}

FileByteSource::FileByteSource(const std::filesystem::path &path, std::size_t pageSize)
    : pageSize_(std::max<std::size_t>(pageSize, 1))
{
    // Only a regular file is opened: opening a pipe waits for a writer, and
    // a device may never end.
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error) {
        openFault_ = FileFault::OfSystem(error.value());
        return;
    }
    if (!std::filesystem::is_regular_file(status)) {
        openFault_.kind = FileFault::Kind::NotRegular;
        return;
    }
    // The pages are the only buffer; the stream's own would copy twice.
    file_.rdbuf()->pubsetbuf(nullptr, 0);
    errno = 0;
    file_.open(path, std::ios::binary);
    if (!file_.is_open()) {
        openFault_ = FileFault::OfSystem(errno != 0 ? errno : EIO);
        return;
    }
    file_.seekg(0, std::ios::end);
    const std::streamoff end = file_.tellg();
    if (!file_ || end < 0) {
        openFault_ = FileFault::OfSystem(EIO);
        return;
    }
    size_ = static_cast<std::uint64_t>(end);
    open_ = true;
}

bool FileByteSource::ReadFile(std::uint64_t position, void *buffer, std::size_t count)
{
    file_.clear();
    file_.seekg(static_cast<std::streamoff>(position));
    file_.read(static_cast<char *>(buffer), static_cast<std::streamsize>(count));
    return file_.good() && static_cast<std::size_t>(file_.gcount()) == count;
}

FileByteSource::Page *FileByteSource::PageAt(std::uint64_t start)
{
    Page *oldest = &pages_[0];
    for (Page &page : pages_) {
        if (page.start == start) {
            page.lastUse = ++useClock_;
            return &page;
        }
        if (page.lastUse < oldest->lastUse)
            oldest = &page;
    }
    // A short last page keeps a small file from costing more than its size.
    oldest->bytes.resize(
        static_cast<std::size_t>(std::min<std::uint64_t>(pageSize_, size_ - start)));
    if (!ReadFile(start, oldest->bytes.data(), oldest->bytes.size())) {
        oldest->start = NoPage;
        oldest->lastUse = 0;
        return nullptr;
    }
    oldest->start = start;
    oldest->lastUse = ++useClock_;
    return oldest;
}

bool FileByteSource::ReadAt(std::uint64_t position, void *buffer, std::size_t count)
{
    if (!open_ || !Holds(position, count))
        return false;
    // Long runs such as big texts go straight into the caller's buffer.
    if (count >= pageSize_)
        return ReadFile(position, buffer, count);
    auto *out = static_cast<std::uint8_t *>(buffer);
    while (count > 0) {
        const std::uint64_t start = position - position % pageSize_;
        const Page *page = PageAt(start);
        if (page == nullptr)
            return false;
        const auto within = static_cast<std::size_t>(position - start);
        const std::size_t part = std::min(count, page->bytes.size() - within);
        std::memcpy(out, page->bytes.data() + within, part);
        out += part;
        position += part;
        count -= part;
    }
    return true;
}
