#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorvex {

/// A small streaming JSON writer: objects, arrays, strings, integers, booleans and real
/// numbers with 17 significant digits (enough to read the same double back).
/// Non-finite reals are written as null, since JSON has no spelling for them.
class JsonWriter {
public:
    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    /// The key of the next value inside an object.
    void Key(std::string_view key);
    void String(std::string_view value);
    void Integer(std::int64_t value);
    void Real(double value);
    void Boolean(bool value);

    /// The text written so far.
    const std::string& Text() const { return text_; }

private:
    void BeforeValue();
    void NewLine();

    std::string text_;
    std::vector<bool> firstInScope_;
    bool afterKey_ = false;
};

} // namespace quorvex
