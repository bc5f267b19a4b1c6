#include "app/IniFile.h"

#include "common/AtomicFile.h"
#include "common/InputFile.h"

#include <algorithm>
#include <cerrno>
#include <charconv>

namespace fs = std::filesystem;

namespace {

const char Blanks[] = " \t";
const char LineBreaks[] = "\r\n";
const char Utf8Bom[] = "\xEF\xBB\xBF";
// Line end of a document that has none yet.
const char DefaultLineEnd[] = "\n";
const char Quote = '"';

std::string Trim(const std::string &text)
{
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

bool EqualNoCase(const std::string &a, const std::string &b)
{
    const auto lower = [](unsigned char c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

bool IsComment(const std::string &trimmed)
{
    return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

// The name between the brackets of a header line; text after "]" is ignored.
std::optional<std::string> HeaderName(const std::string &text)
{
    const std::string trimmed = Trim(text);
    const auto close = trimmed.find(']');
    if (trimmed.empty() || trimmed.front() != '[' || close == std::string::npos)
        return std::nullopt;
    return Trim(trimmed.substr(1, close - 1));
}

// Where the "=" of a key line is.
std::optional<std::size_t> EqualsOf(const std::string &text)
{
    const std::string trimmed = Trim(text);
    if (trimmed.empty() || IsComment(trimmed) || HeaderName(trimmed))
        return std::nullopt;
    const auto equals = text.find('=');
    if (equals == std::string::npos)
        return std::nullopt;
    return equals;
}

std::string DecodeValue(const std::string &raw)
{
    const std::string value = Trim(raw);
    if (value.size() >= 2 && value.front() == Quote && value.back() == Quote)
        return value.substr(1, value.size() - 2);
    return value;
}

std::string EncodeValue(const std::string &value)
{
    const auto needsQuotes = [](char c) { return c == ' ' || c == '\t' || c == Quote; };
    if (!value.empty() && (needsQuotes(value.front()) || needsQuotes(value.back())))
        return Quote + value + Quote;
    return value;
}

bool IsDecimalInteger(const std::string &text)
{
    const std::size_t digits = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    return text.size() > digits && std::all_of(text.begin() + digits, text.end(),
                                               [](char c) { return c >= '0' && c <= '9'; });
}

bool ValidSection(const std::string &section)
{
    return section.find_first_of(LineBreaks) == std::string::npos &&
           section.find(']') == std::string::npos && Trim(section) == section;
}

bool ValidKey(const std::string &key)
{
    return !key.empty() && key.find_first_of(LineBreaks) == std::string::npos &&
           key.find('=') == std::string::npos && Trim(key) == key && key.front() != '[' &&
           !IsComment(key);
}

} // namespace

IniFile IniFile::Parse(const std::string &bytes)
{
    IniFile ini;
    std::size_t pos = 0;
    if (bytes.compare(0, sizeof Utf8Bom - 1, Utf8Bom) == 0) {
        ini.hasBom_ = true;
        pos = sizeof Utf8Bom - 1;
    }
    // CR LF, LF and a lone CR (old Mac files, or CR CR LF from a doubled
    // conversion) each end a line.
    while (pos < bytes.size()) {
        const auto textEnd = bytes.find_first_of(LineBreaks, pos);
        if (textEnd == std::string::npos) {
            ini.lines_.push_back({bytes.substr(pos), ""});
            break;
        }
        const bool crlf = bytes.compare(textEnd, 2, "\r\n") == 0;
        const std::size_t endLength = crlf ? 2 : 1;
        ini.lines_.push_back({bytes.substr(pos, textEnd - pos), bytes.substr(textEnd, endLength)});
        pos = textEnd + endLength;
    }
    return ini;
}

std::string IniFile::Serialize() const
{
    std::string bytes = hasBom_ ? Utf8Bom : "";
    for (const Line &line : lines_)
        bytes += line.Text + line.End;
    return bytes;
}

IniFile::Place IniFile::Locate(const std::string &section, const std::string &key) const
{
    Place place;
    bool inSection = false;
    bool firstSectionDone = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string &text = lines_[i].Text;
        if (const auto name = HeaderName(text)) {
            firstSectionDone = firstSectionDone || place.SectionLast.has_value();
            inSection = EqualNoCase(*name, section);
            if (inSection && !firstSectionDone)
                place.SectionLast = i;
            continue;
        }
        const auto equals = EqualsOf(text);
        if (!inSection || !equals)
            continue;
        if (!firstSectionDone)
            place.SectionLast = i;
        if (!place.KeyLine && EqualNoCase(Trim(text.substr(0, *equals)), key))
            place.KeyLine = i;
    }
    return place;
}

std::optional<std::string> IniFile::ReadValue(const std::string &section,
                                              const std::string &key) const
{
    const Place place = Locate(section, key);
    if (!place.KeyLine)
        return std::nullopt;
    const std::string &text = lines_[*place.KeyLine].Text;
    return DecodeValue(text.substr(*EqualsOf(text) + 1));
}

std::string IniFile::ReadString(const std::string &section, const std::string &key,
                                const std::string &defaultValue) const
{
    return ReadValue(section, key).value_or(defaultValue);
}

int IniFile::ReadInteger(const std::string &section, const std::string &key, int defaultValue) const
{
    const auto value = ReadValue(section, key);
    if (!value || !IsDecimalInteger(*value))
        return defaultValue;
    // from_chars takes a minus sign but no plus sign.
    const char *first = value->data() + (value->front() == '+' ? 1 : 0);
    const char *last = value->data() + value->size();
    int result = 0;
    const auto [end, error] = std::from_chars(first, last, result);
    return error == std::errc() && end == last ? result : defaultValue;
}

bool IniFile::WriteString(const std::string &section, const std::string &key,
                          const std::string &value)
{
    if (!ValidSection(section) || !ValidKey(key) ||
        value.find_first_of(LineBreaks) != std::string::npos)
        return false;
    const std::string encoded = EncodeValue(value);
    const Place place = Locate(section, key);
    if (place.KeyLine) {
        // Keep the key's spelling and the blanks around "=" as they were.
        std::string &text = lines_[*place.KeyLine].Text;
        const auto equals = *EqualsOf(text);
        const auto valueStart = text.find_first_not_of(Blanks, equals + 1);
        const auto keep =
            encoded.empty() || valueStart == std::string::npos ? equals + 1 : valueStart;
        text = text.substr(0, keep) + encoded;
    } else if (place.SectionLast) {
        InsertLine(*place.SectionLast + 1, key + "=" + encoded);
    } else {
        if (!lines_.empty() && !Trim(lines_.back().Text).empty())
            InsertLine(lines_.size(), "");
        InsertLine(lines_.size(), "[" + section + "]");
        InsertLine(lines_.size(), key + "=" + encoded);
    }
    return true;
}

bool IniFile::WriteInteger(const std::string &section, const std::string &key, int value)
{
    return WriteString(section, key, std::to_string(value));
}

std::string IniFile::NewLineEnd() const
{
    for (const Line &line : lines_)
        if (!line.End.empty())
            return line.End;
    return DefaultLineEnd;
}

void IniFile::InsertLine(std::size_t at, const std::string &text)
{
    const std::string end = NewLineEnd();
    if (at > 0 && lines_[at - 1].End.empty())
        lines_[at - 1].End = end;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), Line{text, end});
}

bool LoadIniFile(const fs::path &path, IniFile &ini, FileError &error)
{
    ini = IniFile();
    std::string bytes;
    const FileFault fault = ReadInputFile(path, bytes);
    if (fault.kind == FileFault::Kind::System && fault.systemError == ENOENT)
        return true;
    if (fault) {
        error = {FileError::Kind::NotRead, path, fault};
        return false;
    }
    ini = IniFile::Parse(bytes);
    return true;
}

bool SaveIniFile(const IniFile &ini, const fs::path &path, FileError &error)
{
    if (const FileFault fault = WriteFileAtomically(path, ini.Serialize())) {
        error = {FileError::Kind::NotWritten, path, fault};
        return false;
    }
    return true;
}
