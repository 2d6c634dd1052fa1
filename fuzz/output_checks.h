#pragma once

// What velkor-cli's output must be, checked without trusting its writers: a JSON value as
// RFC 8259 has it, a CSV record as RFC 4180 has it.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace output_checks {

class JsonReader {
public:
    explicit JsonReader(std::string_view text)
        : text(text)
    {
    }

    // Exactly one JSON value, blanks around it allowed.
    bool wholeValue()
    {
        blanks();
        if (!value(0))
            return false;
        blanks();
        return at == text.size();
    }

private:
    bool value(int depth)
    {
        if (depth > 64 || at >= text.size())
            return false;
        switch (text[at]) {
        case '{':
            return members(depth);
        case '[':
            return elements(depth);
        case '"':
            return string();
        case 't':
            return word("true");
        case 'f':
            return word("false");
        case 'n':
            return word("null");
        default:
            return number();
        }
    }
    bool members(int depth)
    {
        ++at;
        blanks();
        if (take('}'))
            return true;
        do {
            blanks();
            if (!string())
                return false;
            blanks();
            if (!take(':'))
                return false;
            blanks();
            if (!value(depth + 1))
                return false;
            blanks();
        } while (take(','));
        return take('}');
    }
    bool elements(int depth)
    {
        ++at;
        blanks();
        if (take(']'))
            return true;
        do {
            blanks();
            if (!value(depth + 1))
                return false;
            blanks();
        } while (take(','));
        return take(']');
    }
    bool string()
    {
        if (!take('"'))
            return false;
        while (at < text.size()) {
            const auto c = static_cast<unsigned char>(text[at++]);
            if (c == '"')
                return true;
            if (c < 0x20)
                return false;
            if (c != '\\')
                continue;
            if (at >= text.size())
                return false;
            const char escaped = text[at++];
            if (escaped == 'u') {
                for (int k = 0; k < 4; ++k)
                    if (at >= text.size() || !isHex(text[at++]))
                        return false;
            } else if (std::string_view("\"\\/bfnrt").find(escaped) == std::string_view::npos) {
                return false;
            }
        }
        return false;
    }
    bool number()
    {
        take('-');
        if (take('0')) {
        } else if (!digits()) {
            return false;
        }
        if (take('.') && !digits())
            return false;
        if (take('e') || take('E')) {
            if (!take('+'))
                take('-');
            if (!digits())
                return false;
        }
        return true;
    }
    bool digits()
    {
        const std::size_t from = at;
        while (at < text.size() && text[at] >= '0' && text[at] <= '9')
            ++at;
        return at > from;
    }
    bool word(std::string_view w)
    {
        if (text.substr(at, w.size()) != w)
            return false;
        at += w.size();
        return true;
    }
    bool take(char c)
    {
        if (at < text.size() && text[at] == c) {
            ++at;
            return true;
        }
        return false;
    }
    void blanks()
    {
        while (at < text.size() &&
               std::string_view(" \t\r\n").find(text[at]) != std::string_view::npos)
            ++at;
    }
    static bool isHex(char c)
    {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
    }

    std::string_view text;
    std::size_t at = 0;
};

inline bool IsJson(std::string_view text)
{
    return JsonReader(text).wholeValue();
}

// The fields of one CSV record ending in CRLF or LF, as RFC 4180 reads it; false when the
// text is not exactly one such record.
inline bool CsvRecord(std::string_view text, std::vector<std::string>& fields)
{
    fields.assign(1, std::string());
    std::size_t at = 0;
    bool fieldStart = true;
    while (at < text.size()) {
        const char c = text[at++];
        if (fieldStart && c == '"') {
            for (;;) {
                if (at >= text.size())
                    return false;
                const char q = text[at++];
                if (q != '"') {
                    fields.back() += q;
                } else if (at < text.size() && text[at] == '"') {
                    fields.back() += '"';
                    ++at;
                } else {
                    break;
                }
            }
            fieldStart = false;
            if (at < text.size() && text[at] != ',' && text[at] != '\n' && text[at] != '\r')
                return false; // text after a closing quote
            continue;
        }
        fieldStart = false;
        if (c == ',') {
            fields.emplace_back();
            fieldStart = true;
        } else if (c == '\n' || (c == '\r' && at < text.size() && text[at] == '\n')) {
            at += c == '\r' ? 1 : 0;
            return at == text.size();
        } else if (c == '"' || c == '\r') {
            return false; // only inside a quoted field
        } else {
            fields.back() += c;
        }
    }
    return false; // no line break at the end
}

} // namespace output_checks
