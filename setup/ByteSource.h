#pragma once

#include "common/FileFault.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// Bytes read by position, with the size known up front. Reads never reach
// past the end: a read that does not lie wholly inside fails.
class ByteSource
{
public:
    virtual ~ByteSource() = default;

    virtual std::uint64_t Size() const = 0;

    // Copies count bytes from position on into buffer; false when they do
    // not all lie inside the source or cannot be read.
    virtual bool ReadAt(std::uint64_t position, void *buffer, std::size_t count) = 0;

    // Little-endian values at a position; false as ReadAt.
    bool ReadUInt32At(std::uint64_t position, std::uint32_t &value);
    bool ReadInt32At(std::uint64_t position, std::int32_t &value);
    bool ReadFloat32At(std::uint64_t position, float &value);

    // Whether count bytes from position on lie inside the source.
    bool Holds(std::uint64_t position, std::uint64_t count) const
    {
        return position <= Size() && count <= Size() - position;
    }
};

// Bytes held by the caller, who keeps them alive while the source is used.
class MemoryByteSource final : public ByteSource
{
public:
    MemoryByteSource(const std::uint8_t *data, std::size_t size) : data_(data), size_(size) {}

    std::uint64_t Size() const override { return size_; }
    bool ReadAt(std::uint64_t position, void *buffer, std::size_t count) override;

private:
    const std::uint8_t *data_;
    std::size_t size_;
};

// A file read through a few cached pages: walking a directory and its value
// records touches few pages in turn, and the memory used stays small
// whatever the file's size.
class FileByteSource final : public ByteSource
{
public:
    static constexpr std::size_t DefaultPageSize = 16 * 1024;

    explicit FileByteSource(const std::filesystem::path &path,
                            std::size_t pageSize = DefaultPageSize);

    bool IsOpen() const { return open_; }
    // Why the file could not be opened; none when it is open.
    const FileFault &OpenFault() const { return openFault_; }

    std::uint64_t Size() const override { return size_; }
    bool ReadAt(std::uint64_t position, void *buffer, std::size_t count) override;

private:
    static constexpr std::size_t PageCount = 4;
    static constexpr std::uint64_t NoPage = UINT64_MAX;

    struct Page
    {
        std::uint64_t start = NoPage;
        std::uint64_t lastUse = 0;
        std::vector<std::uint8_t> bytes;
    };

    bool ReadFile(std::uint64_t position, void *buffer, std::size_t count);
    Page *PageAt(std::uint64_t start);

    std::ifstream file_;
    bool open_ = false;
    FileFault openFault_;
    std::uint64_t size_ = 0;
    std::size_t pageSize_;
    std::array<Page, PageCount> pages_;
    std::uint64_t useClock_ = 0;
};
