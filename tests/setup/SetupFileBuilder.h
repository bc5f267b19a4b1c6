#pragma once

#include "setup/SetupFileFormat.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string_view>
#include <vector>

// Writes setup files for tests, fuzzing seeds and benchmarks: the header, the
// directory from offset 256, its end marker and then the value records. Each
// record takes whole 20-byte slots, so that a directory written without its
// end marker walks over the records as entries of unknown ids.
class SetupFileBuilder
{
public:
    using Bytes = std::vector<std::uint8_t>;

    static void PutUInt32(Bytes &bytes, std::uint32_t value)
    {
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<std::uint8_t>(value >> shift));
    }

    static void PutInt32(Bytes &bytes, std::int32_t value)
    {
        PutUInt32(bytes, static_cast<std::uint32_t>(value));
    }

    static Bytes Words(std::initializer_list<std::uint32_t> words)
    {
        Bytes bytes;
        for (std::uint32_t word : words)
            PutUInt32(bytes, word);
        return bytes;
    }

    // A value record: the type code and the bytes after it.
    static Bytes Record(std::uint32_t typeCode, const Bytes &after = {})
    {
        Bytes bytes;
        PutUInt32(bytes, typeCode);
        bytes.insert(bytes.end(), after.begin(), after.end());
        return bytes;
    }

    static Bytes Int(std::int32_t value) { return Single(SetupFile::TypeInt32, Word(value)); }
    static Bytes UInt(std::uint32_t value) { return Single(SetupFile::TypeUInt32, value); }
    static Bytes Real(float value)
    {
        std::uint32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        return Single(SetupFile::TypeFloat32, bits);
    }

    static Bytes Text(std::string_view text, std::uint32_t typeCode = SetupFile::TypeText)
    {
        return TextClaiming(static_cast<std::uint32_t>(text.size()), text, typeCode);
    }

    // A text whose length field says length, whatever bytes follow it.
    static Bytes TextClaiming(std::uint32_t length, std::string_view text,
                              std::uint32_t typeCode = SetupFile::TypeText)
    {
        Bytes after;
        PutUInt32(after, length);
        after.insert(after.end(), text.begin(), text.end());
        return Record(typeCode, after);
    }

    static Bytes IntArray(const std::vector<std::int32_t> &values)
    {
        std::vector<std::uint32_t> words;
        for (std::int32_t value : values)
            words.push_back(Word(value));
        return Array(SetupFile::TypeInt32Array, static_cast<std::uint32_t>(words.size()), words);
    }

    static Bytes UIntArray(const std::vector<std::uint32_t> &values)
    {
        return Array(SetupFile::TypeUInt32Array, static_cast<std::uint32_t>(values.size()), values);
    }

    // An array whose count field says count, whatever elements follow it.
    static Bytes Array(std::uint32_t typeCode, std::uint32_t count,
                       const std::vector<std::uint32_t> &elements)
    {
        Bytes after;
        PutUInt32(after, count);
        for (std::uint32_t element : elements)
            PutUInt32(after, element);
        return Record(typeCode, after);
    }

    // Stores a record once; entries may then share it by its number.
    std::size_t AddRecord(Bytes record)
    {
        records_.push_back(std::move(record));
        return records_.size() - 1;
    }

    SetupFileBuilder &Add(std::uint32_t paramId, std::int32_t instance, std::int32_t element,
                          Bytes record)
    {
        return AddShared(paramId, instance, element, AddRecord(std::move(record)));
    }

    SetupFileBuilder &AddShared(std::uint32_t paramId, std::int32_t instance, std::int32_t element,
                                std::size_t record)
    {
        entries_.push_back({paramId, instance, element, false, record, 0});
        return *this;
    }

    // An entry whose ValueOffset is written as given.
    SetupFileBuilder &AddAt(std::uint32_t paramId, std::int32_t instance, std::int32_t element,
                            std::int32_t valueOffset)
    {
        entries_.push_back({paramId, instance, element, true, 0, valueOffset});
        return *this;
    }

    SetupFileBuilder &WithoutEnd()
    {
        endMarker_ = false;
        return *this;
    }

    // Bytes written after the value records.
    SetupFileBuilder &Tail(Bytes bytes)
    {
        tail_ = std::move(bytes);
        return *this;
    }

    // Where the value records start in the built file.
    std::uint64_t RecordsStart() const
    {
        return SetupFile::HeaderSize +
               (entries_.size() + (endMarker_ ? 1 : 0)) * SetupFile::DirEntrySize;
    }

    // Where record number record (from AddRecord, or the n-th Add) lies.
    std::uint64_t RecordOffset(std::size_t record) const
    {
        std::uint64_t offset = RecordsStart();
        for (std::size_t i = 0; i < record; ++i)
            offset += Slots(records_[i].size()) * SetupFile::DirEntrySize;
        return offset;
    }

    // Where the bytes given to Tail start.
    std::uint64_t TailStart() const { return RecordOffset(records_.size()); }

    Bytes Build() const
    {
        std::vector<std::uint64_t> offsets;
        std::uint64_t next = RecordsStart();
        for (const Bytes &record : records_) {
            offsets.push_back(next);
            next += Slots(record.size()) * SetupFile::DirEntrySize;
        }
        Bytes file(SetupFile::HeaderSize, 0);
        file.reserve(next + tail_.size());
        for (const Entry &entry : entries_) {
            PutUInt32(file, entry.paramId);
            PutInt32(file, entry.instance);
            PutUInt32(file, 0);
            PutInt32(file, entry.element);
            PutInt32(file, entry.rawOffset ? entry.valueOffset
                                           : static_cast<std::int32_t>(offsets[entry.record]));
        }
        if (endMarker_) {
            PutUInt32(file, SetupFile::EndOfDirectory);
            file.resize(file.size() + SetupFile::DirEntrySize - SetupFile::FieldSize, 0);
        }
        for (const Bytes &record : records_) {
            file.insert(file.end(), record.begin(), record.end());
            file.resize(
                file.size() + Slots(record.size()) * SetupFile::DirEntrySize - record.size(), 0);
        }
        file.insert(file.end(), tail_.begin(), tail_.end());
        return file;
    }

private:
    struct Entry
    {
        std::uint32_t paramId;
        std::int32_t instance;
        std::int32_t element;
        bool rawOffset;
        std::size_t record;
        std::int32_t valueOffset;
    };

    static std::uint32_t Word(std::int32_t value) { return static_cast<std::uint32_t>(value); }

    static Bytes Single(std::uint32_t typeCode, std::uint32_t word)
    {
        Bytes after;
        PutUInt32(after, word);
        return Record(typeCode, after);
    }

    static std::uint64_t Slots(std::size_t size)
    {
        return (size + SetupFile::DirEntrySize - 1) / SetupFile::DirEntrySize;
    }

    std::vector<Entry> entries_;
    std::vector<Bytes> records_;
    bool endMarker_ = true;
    Bytes tail_;
};
