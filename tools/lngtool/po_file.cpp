#include "tools/lngtool/po_file.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

namespace lngtool {

namespace {

[[noreturn]] void Malformed(int line, const std::string& what) {
    throw std::runtime_error("PO line " + std::to_string(line) + ": " + what);
}

std::string Trimmed(const std::string& s) {
    const std::size_t b = s.find_first_not_of(" \t\r"), e = s.find_last_not_of(" \t\r");
    return b == std::string::npos ? std::string() : s.substr(b, e - b + 1);
}

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

// The header entry's "Key: value\n" lines.
std::map<std::string, std::string> HeaderFields(const std::string& text) {
    std::map<std::string, std::string> fields;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t colon = line.find(':');
        if (colon != std::string::npos) fields[Trimmed(line.substr(0, colon))] = Trimmed(line.substr(colon + 1));
    }
    return fields;
}

void WriteString(std::string& out, const char* keyword, const std::string& text) {
    const std::string escaped = EscapePo(text);
    const std::size_t firstBreak = escaped.find("\\n");
    if (firstBreak == std::string::npos || firstBreak + 2 == escaped.size()) {
        out += std::string(keyword) + " \"" + escaped + "\"\n";
        return;
    }
    out += std::string(keyword) + " \"\"\n";
    std::size_t from = 0;
    while (from < escaped.size()) {
        const std::size_t at = escaped.find("\\n", from);
        const std::size_t end = at == std::string::npos ? escaped.size() : at + 2;
        out += "\"" + escaped.substr(from, end - from) + "\"\n";
        from = end;
    }
}

}  // namespace

std::string EscapePo(const std::string& text) {
    std::string out;
    for (char ch : text) {
        switch (ch) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(ch) < 0x20) {
                    char octal[8];
                    std::snprintf(octal, sizeof octal, "\\%03o", static_cast<unsigned char>(ch));
                    out += octal;
                } else {
                    out += ch;
                }
        }
    }
    return out;
}

std::string UnescapePo(const std::string& quoted, int line) {
    const std::string s = Trimmed(quoted);
    if (s.size() < 2 || s.front() != '"' || s.back() != '"') Malformed(line, "string expected");
    std::string out;
    for (std::size_t i = 1; i + 1 < s.size(); ++i) {
        char c = s[i];
        if (c == '"') Malformed(line, "unescaped quotation mark");
        if (c != '\\') {
            out += c;
            continue;
        }
        if (i + 2 >= s.size()) Malformed(line, "escape at the end of a string");
        c = s[++i];
        switch (c) {
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'a':
                out += '\a';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'v':
                out += '\v';
                break;
            case '\\':
            case '"':
            case '\'':
            case '?':
                out += c;
                break;
            default:
                if (c < '0' || c > '7') Malformed(line, std::string("unknown escape \\") + c);
                int value = c - '0';
                for (int k = 0; k < 2 && i + 2 < s.size() && s[i + 1] >= '0' && s[i + 1] <= '7'; ++k)
                    value = value * 8 + (s[++i] - '0');
                out += static_cast<char>(value);
        }
    }
    return out;
}

PoCatalog ParsePo(const std::string& text) {
    PoCatalog catalog;
    PoEntry entry;
    std::string* target = nullptr;  // the string that continuation lines extend
    std::string ignored;            // plural forms, which the program does not use
    bool hasSource = false, headerSeen = false;
    int lineNumber = 0;
    auto finish = [&] {
        if (hasSource) {
            if (entry.source.empty() && entry.context.empty() && !headerSeen) {
                catalog.header = HeaderFields(entry.translation);
                headerSeen = true;
            } else {
                catalog.entries.push_back(entry);
            }
        }
        entry = PoEntry();
        target = nullptr;
        hasSource = false;
    };
    std::istringstream lines(text);
    std::string raw;
    while (std::getline(lines, raw)) {
        ++lineNumber;
        if (lineNumber == 1 && StartsWith(raw, "\xEF\xBB\xBF")) raw.erase(0, 3);
        const std::string line = Trimmed(raw);
        if (line.empty()) {
            finish();
        } else if (StartsWith(line, "#~")) {
            continue;  // an obsolete entry kept by the translators' tools
        } else if (line[0] == '#') {
            if (hasSource) finish();
            if (StartsWith(line, "#,") && line.find("fuzzy") != std::string::npos) entry.fuzzy = true;
        } else if (line[0] == '"') {
            if (!target) Malformed(lineNumber, "string without a keyword");
            *target += UnescapePo(line, lineNumber);
        } else {
            const std::size_t space = line.find_first_of(" \t");
            const std::string keyword = line.substr(0, space);
            const std::string rest = space == std::string::npos ? std::string() : line.substr(space);
            if (keyword == "msgctxt") {
                if (hasSource) finish();
                entry.context = UnescapePo(rest, lineNumber);
                target = &entry.context;
            } else if (keyword == "msgid") {
                if (hasSource) finish();
                entry.source = UnescapePo(rest, lineNumber);
                target = &entry.source;
                hasSource = true;
            } else if (keyword == "msgstr" || keyword == "msgstr[0]") {
                if (!hasSource) Malformed(lineNumber, "msgstr without msgid");
                entry.translation = UnescapePo(rest, lineNumber);
                target = &entry.translation;
            } else if (keyword == "msgid_plural" || StartsWith(keyword, "msgstr[")) {
                target = &ignored;
            } else {
                Malformed(lineNumber, "unknown keyword " + keyword);
            }
        }
    }
    finish();
    return catalog;
}

std::string WritePo(
    const std::vector<std::pair<std::string, std::string>>& header, const std::vector<PoEntry>& entries
) {
    std::string fields;
    for (const auto& [key, value] : header) fields += key + ": " + value + "\n";
    std::string out;
    WriteString(out, "msgid", "");
    WriteString(out, "msgstr", fields);
    for (const PoEntry& entry : entries) {
        out += "\n";
        if (!entry.comment.empty()) out += "#. " + entry.comment + "\n";
        if (entry.fuzzy) out += "#, fuzzy\n";
        WriteString(out, "msgctxt", entry.context);
        WriteString(out, "msgid", entry.source);
        WriteString(out, "msgstr", entry.translation);
    }
    return out;
}

}  // namespace lngtool
