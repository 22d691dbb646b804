#include "cli/json_writer.h"

#include <cmath>
#include <cstdio>

namespace quorvex {

void JsonWriter::NewLine() {
    text_ += '\n';
    text_.append(firstInScope_.size() * 2, ' ');
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!firstInScope_.empty()) {
        if (!firstInScope_.back()) {
            text_ += ',';
        }
        firstInScope_.back() = false;
        NewLine();
    }
}

void JsonWriter::BeginObject() {
    BeforeValue();
    text_ += '{';
    firstInScope_.push_back(true);
}

void JsonWriter::EndObject() {
    const bool empty = firstInScope_.back();
    firstInScope_.pop_back();
    if (!empty) {
        NewLine();
    }
    text_ += '}';
    if (firstInScope_.empty()) {
        text_ += '\n';
    }
}

void JsonWriter::BeginArray() {
    BeforeValue();
    text_ += '[';
    firstInScope_.push_back(true);
}

void JsonWriter::EndArray() {
    const bool empty = firstInScope_.back();
    firstInScope_.pop_back();
    if (!empty) {
        NewLine();
    }
    text_ += ']';
}

void JsonWriter::Key(std::string_view key) {
    String(key);
    text_ += ": ";
    afterKey_ = true;
}

void JsonWriter::String(std::string_view value) {
    BeforeValue();
    text_ += '"';
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            text_ += "\\\"";
            break;
        case '\\':
            text_ += "\\\\";
            break;
        case '\n':
            text_ += "\\n";
            break;
        case '\r':
            text_ += "\\r";
            break;
        case '\t':
            text_ += "\\t";
            break;
        default:
            if (byte < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
                text_ += escaped;
            } else if (byte >= 0x80) {
                // Texts are stored in the 8-bit code page of the files: Latin-1 to UTF-8.
                text_ += static_cast<char>(0xC0 | (byte >> 6));
                text_ += static_cast<char>(0x80 | (byte & 0x3F));
            } else {
                text_ += c;
            }
        }
    }
    text_ += '"';
}

void JsonWriter::Integer(std::int64_t value) {
    BeforeValue();
    text_ += std::to_string(value);
}

void JsonWriter::Real(double value) {
    BeforeValue();
    if (!std::isfinite(value)) {
        text_ += "null";
        return;
    }
    char number[40];
    std::snprintf(number, sizeof number, "%.17g", value);
    text_ += number;
    // A real that happens to be whole still reads as a real ("-6.0", not "-6"), so a reader
    // can tell the configuration's real fields from its integer ones by the text alone.
    if (std::string_view(number).find_first_of(".e") == std::string_view::npos) {
        text_ += ".0";
    }
}

void JsonWriter::Boolean(bool value) {
    BeforeValue();
    text_ += value ? "true" : "false";
}

} // namespace quorvex
