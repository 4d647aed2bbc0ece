#include "platform/IniFile.h"

#include <QSaveFile>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <fstream>

namespace brelvane::platform {

namespace {

std::string Trim(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool EqualNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

// "[NAME]" gives NAME, anything else nothing.
std::optional<std::string> SectionName(const std::string& line) {
    const auto trimmed = Trim(line);
    if (trimmed.size() >= 2 && trimmed.front() == '[' && trimmed.back() == ']')
        return Trim(trimmed.substr(1, trimmed.size() - 2));
    return std::nullopt;
}

// "key=value" gives key, comments and other lines nothing.
std::optional<std::string> KeyName(const std::string& line) {
    const auto trimmed = Trim(line);
    if (trimmed.empty() || trimmed.front() == ';' || trimmed.front() == '#') return std::nullopt;
    const auto equals = trimmed.find('=');
    if (equals == std::string::npos) return std::nullopt;
    return Trim(trimmed.substr(0, equals));
}

} // namespace

IniFile IniFile::Load(const std::string& path) {
    IniFile file;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        file.lines_.push_back(line);
    }
    return file;
}

std::optional<std::string> IniFile::Value(const std::string& section,
                                          const std::string& key) const {
    bool inSection = false;
    for (const auto& line : lines_) {
        if (const auto name = SectionName(line)) {
            inSection = EqualNoCase(*name, section);
        } else if (inSection) {
            const auto lineKey = KeyName(line);
            if (lineKey && EqualNoCase(*lineKey, key)) return Trim(line.substr(line.find('=') + 1));
        }
    }
    return std::nullopt;
}

std::string IniFile::Value(const std::string& section, const std::string& key,
                           const std::string& fallback) const {
    return Value(section, key).value_or(fallback);
}

int IniFile::IntValue(const std::string& section, const std::string& key, int fallback) const {
    const auto text = Value(section, key);
    if (!text) return fallback;
    int value = 0;
    const auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), value);
    return error == std::errc() && end == text->data() + text->size() ? value : fallback;
}

void IniFile::SetValue(const std::string& section, const std::string& key,
                       const std::string& value) {
    const std::string entry = key + "=" + value;
    bool inSection = false;
    std::optional<std::size_t> sectionEnd;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (const auto name = SectionName(lines_[i])) {
            if (inSection) break;
            inSection = EqualNoCase(*name, section);
            if (inSection) sectionEnd = i + 1;
        } else if (inSection) {
            const auto lineKey = KeyName(lines_[i]);
            if (lineKey && EqualNoCase(*lineKey, key)) {
                lines_[i] = entry;
                return;
            }
            if (!Trim(lines_[i]).empty()) sectionEnd = i + 1;
        }
    }
    if (sectionEnd) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*sectionEnd), entry);
        return;
    }
    if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
    lines_.push_back("[" + section + "]");
    lines_.push_back(entry);
}

std::string IniFile::Text() const {
    std::string text;
    for (const auto& line : lines_)
        text += line + "\r\n";
    return text;
}

bool IniFile::Save(const std::string& path) const {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) return false;
    const auto text = Text();
    file.write(text.data(), static_cast<qint64>(text.size()));
    return file.commit();
}

} // namespace brelvane::platform
