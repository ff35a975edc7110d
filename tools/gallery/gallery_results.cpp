#include "gallery_results.h"

#include <stdlib.h>

namespace {

const char kSeparator = '\t';

// Tabs, line ends and backslashes inside a field are written as \t, \n, \r, \\.
std::string Escape(const std::string& field) {
    std::string out;
    for (char c : field) {
        switch (c) {
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\\': out += "\\\\"; break;
        default: out += c;
        }
    }
    return out;
}

std::string Unescape(const std::string& field) {
    std::string out;
    for (size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\' || i + 1 == field.size()) {
            out += field[i];
            continue;
        }
        char c = field[++i];
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
    }
    return out;
}

void Line(std::string* out, std::initializer_list<std::string> fields) {
    bool first = true;
    for (const std::string& field : fields) {
        if (!first) *out += kSeparator;
        *out += Escape(field);
        first = false;
    }
    *out += '\n';
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields;
    size_t start = 0;
    for (;;) {
        size_t end = line.find(kSeparator, start);
        fields.push_back(Unescape(line.substr(start, end == std::string::npos ? std::string::npos : end - start)));
        if (end == std::string::npos) return fields;
        start = end + 1;
    }
}

uint32_t Number(const std::string& text) { return static_cast<uint32_t>(strtoul(text.c_str(), nullptr, 10)); }

}  // namespace

std::string FormatResults(const LanguageResults& r) {
    std::string out;
    Line(&out, {"language", r.tag, r.languageId, r.rightToLeft ? "1" : "0", r.strings});
    for (const ShotRecord& s : r.shots) Line(&out, {"shot", s.id, s.family, s.title});
    for (const PictureRecord& p : r.pictures) {
        Line(&out, {"picture", p.shot, p.file, std::to_string(p.width), std::to_string(p.height), p.caption});
    }
    for (const NoteRecord& n : r.notes) Line(&out, {"note", n.shot, n.label, n.text});
    for (const FitRecord& f : r.fits) Line(&out, {"fit", f.shot, f.picture, f.control, f.kind, f.text, f.problem});
    for (const FailureRecord& f : r.failures) Line(&out, {"failure", f.shot, f.reason});
    return out;
}

LanguageResults ParseResults(const std::string& text) {
    LanguageResults r;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::vector<std::string> f = Fields(text.substr(start, end - start));
        start = end + 1;
        const std::string& type = f[0];
        if (type == "language" && f.size() >= 5) {
            r.tag = f[1];
            r.languageId = f[2];
            r.rightToLeft = f[3] == "1";
            r.strings = f[4];
        } else if (type == "shot" && f.size() >= 4) {
            r.shots.push_back({f[1], f[2], f[3]});
        } else if (type == "picture" && f.size() >= 6) {
            r.pictures.push_back({f[1], f[2], Number(f[3]), Number(f[4]), f[5]});
        } else if (type == "note" && f.size() >= 4) {
            r.notes.push_back({f[1], f[2], f[3]});
        } else if (type == "fit" && f.size() >= 7) {
            r.fits.push_back({f[1], f[2], f[3], f[4], f[5], f[6]});
        } else if (type == "failure" && f.size() >= 3) {
            r.failures.push_back({f[1], f[2]});
        }
    }
    return r;
}
