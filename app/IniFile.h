#pragma once

#include "common/FileFault.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// An INI document kept as its lines, so that whatever we do not touch (other
// sections and keys, comments, blank lines, their order and line ends) is
// written back byte for byte. Names of sections and keys match without regard
// to ASCII case; the section named "" has the header line "[]". Keys above the
// first header belong to no section. Text is UTF-8 and kept as bytes; CR LF,
// LF and a lone CR each end a line.
class IniFile
{
public:
    static IniFile Parse(const std::string &bytes);
    std::string Serialize() const;

    // The value of the first line of the key in a section of that name, with
    // the blanks around it removed and one pair of enclosing double quotes
    // taken off; nothing when the key is missing.
    std::optional<std::string> ReadValue(const std::string &section, const std::string &key) const;
    std::string ReadString(const std::string &section, const std::string &key,
                           const std::string &defaultValue) const;
    // A decimal integer with an optional sign and nothing else; the default when
    // the key is missing, the value is no such number or does not fit.
    int ReadInteger(const std::string &section, const std::string &key, int defaultValue) const;

    // Replaces the value in place, or adds the key after the last key of the
    // section, or adds the section with the key at the end of the document.
    // A value with blanks or a double quote at either end is written in double
    // quotes so that it reads back unchanged. Returns false and changes nothing
    // when the names or the value cannot be held on one line.
    bool WriteString(const std::string &section, const std::string &key, const std::string &value);
    bool WriteInteger(const std::string &section, const std::string &key, int value);

private:
    struct Line
    {
        std::string Text;
        std::string End; // "\r\n", "\n", "\r", or "" for a last line without one
    };

    struct Place
    {
        std::optional<std::size_t> KeyLine;     // first line of the key
        std::optional<std::size_t> SectionLast; // last key or header of the first such section
    };

    Place Locate(const std::string &section, const std::string &key) const;
    std::string NewLineEnd() const;
    void InsertLine(std::size_t at, const std::string &text);

    bool hasBom_ = false;
    std::vector<Line> lines_;
};

// What kept a file from being read or written. The window words it in the
// user's language.
struct FileError
{
    enum class Kind
    {
        NotRead,
        NotWritten,
    };
    Kind What = Kind::NotRead;
    std::filesystem::path Path;
    FileFault Fault;
};

// Reads the file; a missing file is an empty document. A file that exists but
// cannot be read, is not a regular file or is larger than MaxInputFileBytes
// gives false with the failure, and an empty document.
bool LoadIniFile(const std::filesystem::path &path, IniFile &ini, FileError &error);

// Writes the document safely (WriteFileAtomically), so that a failure leaves
// the old file as it was. On failure returns false with the failure.
bool SaveIniFile(const IniFile &ini, const std::filesystem::path &path, FileError &error);
