#include "planfile/JsonDocument.h"

#include <utility>
#include <vector>

using Json = nlohmann::json;
using Kind = JsonDocumentFault::Kind;

namespace {

// The library's error for a number it cannot hold in a double.
constexpr int NumberOverflowError = 406;

// Builds the document from the parser's events, as the library's own
// builder does, with the checks above.
class DocumentBuilder
{
public:
    DocumentBuilder(Json &root, JsonDocumentFault &fault) : root_(root), fault_(fault) {}

    bool null() { return Put(nullptr); }
    bool boolean(bool value) { return Put(value); }
    bool number_integer(Json::number_integer_t value) { return Put(value); }
    bool number_unsigned(Json::number_unsigned_t value) { return Put(value); }
    bool number_float(Json::number_float_t value, const std::string &) { return Put(value); }
    bool string(std::string &value) { return Put(std::move(value)); }
    // JSON text holds none; only the library's binary formats do.
    bool binary(Json::binary_t &) { return false; }

    bool start_object(std::size_t) { return Open(Json::object()); }
    bool start_array(std::size_t) { return Open(Json::array()); }
    bool end_object() { return Close(); }
    bool end_array() { return Close(); }

    bool key(std::string &key)
    {
        Frame &frame = frames_.back();
        frame.key = std::move(key);
        if (frame.value->contains(frame.key))
            return Refuse(Kind::RepeatedKey, PathHere());
        return true;
    }

    bool parse_error(std::size_t consumed, const std::string &token,
                     const nlohmann::detail::exception &error)
    {
        fault_.consumed = consumed;
        if (error.id != NumberOverflowError)
            return Refuse(Kind::NotJson, {});
        fault_.token = token;
        return Refuse(Kind::NumberTooLarge, PathHere());
    }

private:
    // An open list or object; key is the last key read in an object.
    struct Frame
    {
        Json *value;
        std::string key;
    };

    bool Refuse(Kind kind, std::string path)
    {
        fault_.kind = kind;
        fault_.path = std::move(path);
        return false;
    }

    // The place of the value the parser reads now, or of the one of its
    // ancestors that that many lists and objects hold. Inside a list or
    // object, its parent's last element, or the value of its last key,
    // leads to it.
    std::string PathHere(std::size_t levels = MaxJsonDepth) const
    {
        std::string path;
        for (std::size_t i = 0; i < frames_.size() && i < levels; ++i) {
            const Frame &frame = frames_[i];
            if (frame.value->is_object()) {
                if (!path.empty())
                    path += '.';
                path += frame.key;
            } else {
                const std::size_t size = frame.value->size();
                const bool inside = &frame != &frames_.back();
                path += "[" + std::to_string(inside ? size - 1 : size) + "]";
            }
        }
        return path;
    }

    Json *Place(Json value)
    {
        if (frames_.empty()) {
            root_ = std::move(value);
            return &root_;
        }
        Frame &frame = frames_.back();
        if (frame.value->is_array()) {
            frame.value->push_back(std::move(value));
            return &frame.value->back();
        }
        Json &slot = (*frame.value)[frame.key];
        slot = std::move(value);
        return &slot;
    }

    bool Put(Json value)
    {
        Place(std::move(value));
        return true;
    }

    bool Open(Json container)
    {
        if (frames_.size() == MaxJsonDepth)
            return Refuse(Kind::TooDeep, PathHere(1));
        frames_.push_back({Place(std::move(container)), {}});
        return true;
    }

    bool Close()
    {
        frames_.pop_back();
        return true;
    }

    Json &root_;
    JsonDocumentFault &fault_;
    std::vector<Frame> frames_;
};

} // namespace

std::optional<Json> ParseJsonDocument(std::string_view bytes, JsonDocumentFault &fault)
{
    fault = {};
    Json root;
    DocumentBuilder builder(root, fault);
    if (!Json::sax_parse(bytes.begin(), bytes.end(), &builder)) {
        if (fault.kind == Kind::None)
            fault.kind = Kind::NotJson;
        return std::nullopt;
    }
    return root;
}
