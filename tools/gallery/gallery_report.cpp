#include "gallery_report.h"

#include <set>

namespace {

struct Family {
    const char* id;
    const char* heading;
    const char* about;
};

const Family kFamilies[] = {
    {"jobstorage", "Job storage identification",
     "VJobStorageDialog: the notice runs on a thread of its own; the user name, job name and location lines are "
     "the record's own texts."},
    {"duplex", "Manual duplex instructions",
     "VDisplayDialog in the caller's process (bAsyncUI 0): modal on the caller's thread, modeless on a thread of "
     "its own."},
    {"warning", "Warning",
     "EvtDlgAsyncUIEntryPointJobUI called in process, as the host calls it: each button set, short and long "
     "messages (more than 150 characters make the notice taller)."},
    {"road", "Across sessions",
     "The sending entries on a version 6 platform: the request document goes over the spooler's asynchronous "
     "notification channel (the test spooler), whose host calls the receiving entry it names in evdlgx42.dll and "
     "brings its answer back."},
};

std::string Html(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default: out += c;
        }
    }
    return out;
}

// Code points of a UTF-8 text (continuation bytes are not counted).
size_t Width(const std::string& text) {
    size_t n = 0;
    for (unsigned char c : text) n += (c & 0xC0) != 0x80;
    return n;
}

std::string Cut(const std::string& text, size_t maxPoints) {
    if (Width(text) <= maxPoints) return text;
    std::string out;
    size_t points = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80 && ++points > maxPoints - 1) break;
        out += static_cast<char>(c);
    }
    return out + "\xE2\x80\xA6";  // an ellipsis
}

std::string Pad(const std::string& text, size_t width) {
    size_t w = Width(text);
    return w >= width ? text + " " : text + std::string(width - w, ' ');
}

std::string Counted(size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
}

// "button 1", or just "caption" for the caption.
std::string ControlName(const FitRecord& f) { return f.kind == f.control ? f.kind : f.kind + " " + f.control; }

std::string OneLine(std::string text) {
    for (char& c : text) {
        if (c == '\n' || c == '\r' || c == '\t') c = ' ';
    }
    return text;
}

// Shots in the order the languages named them, each once.
std::vector<ShotRecord> AllShots(const std::vector<LanguageResults>& languages) {
    std::vector<ShotRecord> shots;
    std::set<std::string> seen;
    for (const LanguageResults& l : languages) {
        for (const ShotRecord& s : l.shots) {
            if (seen.insert(s.id).second) shots.push_back(s);
        }
    }
    return shots;
}

const char kStyle[] =
    "body{font-family:sans-serif;margin:1.5em;color:#222}"
    "h1{font-size:1.5em}h2{margin-top:2em;border-bottom:1px solid #bbb}h3{font-size:1.05em;margin-bottom:.3em}"
    ".about{color:#555;max-width:60em}"
    ".row{display:flex;gap:1.2em;overflow-x:auto;align-items:flex-start;padding-bottom:.5em}"
    "figure{margin:0;flex:none}figcaption{font-size:.85em;max-width:34em}"
    "img{border:1px solid #999;display:block}"
    ".fit{color:#a00}.fail{color:#a00;font-weight:bold}.note{color:#333}"
    "table{border-collapse:collapse}td,th{border:1px solid #ccc;padding:.2em .5em;text-align:left;vertical-align:top}"
    "pre{white-space:pre-wrap;font-size:.8em;background:#f4f4f4;padding:.4em;max-width:40em}";

void RenderCell(std::string* out, const LanguageResults& l, const ShotRecord& shot) {
    *out += "<figure>";
    for (const PictureRecord& p : l.pictures) {
        if (p.shot != shot.id) continue;
        *out += "<img src=\"" + Html(p.file) + "\" width=\"" + std::to_string(p.width) + "\" height=\"" +
                std::to_string(p.height) + "\" alt=\"" + Html(p.caption) + "\">";
    }
    *out += "<figcaption><b>" + Html(l.tag) + "</b> " + Html(l.languageId) +
            (l.rightToLeft ? " right to left" : "") + "<br>";
    for (const NoteRecord& n : l.notes) {
        if (n.shot != shot.id) continue;
        if (n.label == "document") {
            *out += "<pre>" + Html(n.text) + "</pre>";
        } else {
            *out += "<span class=\"note\">" + Html(n.label) + ": " + Html(n.text) + "</span><br>";
        }
    }
    for (const FitRecord& f : l.fits) {
        if (f.shot != shot.id) continue;
        *out += "<span class=\"fit\">does not fit: " + Html(ControlName(f)) + " \"" + Html(f.text) +
                "\": " + Html(f.problem) + "</span><br>";
    }
    for (const FailureRecord& f : l.failures) {
        if (f.shot == shot.id) *out += "<span class=\"fail\">" + Html(f.reason) + "</span><br>";
    }
    *out += "</figcaption></figure>\n";
}

void RenderFindings(std::string* out, const std::vector<LanguageResults>& languages) {
    if (CountFits(languages) == 0) {
        *out += "<p>Fit check: every text fits its control in every language.</p>\n";
    } else {
        *out += "<h2>Texts that do not fit</h2>\n<table><tr><th>language</th><th>notice</th><th>control</th>"
                "<th>text</th><th>problem</th></tr>\n";
        for (const LanguageResults& l : languages) {
            for (const FitRecord& f : l.fits) {
                *out += "<tr><td>" + Html(l.tag) + "</td><td><a href=\"#" + Html(f.shot) + "\">" + Html(f.shot) +
                        "</a></td><td>" + Html(ControlName(f)) + "</td><td>" + Html(f.text) +
                        "</td><td>" + Html(f.problem) + "</td></tr>\n";
            }
        }
        *out += "</table>\n";
    }
    if (CountFailures(languages) > 0) {
        *out += "<h2>Failures</h2>\n<ul>\n";
        for (const LanguageResults& l : languages) {
            for (const FailureRecord& f : l.failures) {
                *out += "<li class=\"fail\">" + Html(l.tag + " " + f.shot + ": " + f.reason) + "</li>\n";
            }
        }
        *out += "</ul>\n";
    }
}

}  // namespace

size_t CountFits(const std::vector<LanguageResults>& languages) {
    size_t n = 0;
    for (const LanguageResults& l : languages) n += l.fits.size();
    return n;
}

size_t CountFailures(const std::vector<LanguageResults>& languages) {
    size_t n = 0;
    for (const LanguageResults& l : languages) n += l.failures.size();
    return n;
}

std::string RenderGalleryPage(const std::vector<LanguageResults>& languages) {
    std::string out = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>evdlgx42.dll notices</title>"
                      "<style>";
    out += kStyle;
    out += "</style></head><body>\n<h1>evdlgx42.dll: the notices as users see them</h1>\n<p>" +
           Html(FormatSummary(languages)) + "</p>\n";
    if (!languages.empty()) out += "<p>String-resource module: <code>" + Html(languages[0].strings) + "</code></p>\n";
    RenderFindings(&out, languages);
    std::vector<ShotRecord> shots = AllShots(languages);
    for (const Family& family : kFamilies) {
        bool any = false;
        for (const ShotRecord& shot : shots) {
            if (shot.family != family.id) continue;
            if (!any) {
                out += std::string("<h2>") + family.heading + "</h2>\n<p class=\"about\">" + Html(family.about) +
                       "</p>\n";
                any = true;
            }
            out += "<h3 id=\"" + Html(shot.id) + "\">" + Html(shot.title) + " <small>(" + Html(shot.id) +
                   ")</small></h3>\n<div class=\"row\">\n";
            for (const LanguageResults& l : languages) RenderCell(&out, l, shot);
            out += "</div>\n";
        }
    }
    out += "</body></html>\n";
    return out;
}

std::string FormatFitTable(const std::vector<LanguageResults>& languages) {
    size_t fits = CountFits(languages);
    if (fits == 0) return "fit check: every text fits its control\n";
    std::string out = "fit check: " + std::to_string(fits) +
                      (fits == 1 ? " text does not fit its control\n" : " texts do not fit their controls\n");
    out += Pad("lang", 6) + Pad("notice", 26) + Pad("control", 16) + Pad("text", 34) + "problem\n";
    for (const LanguageResults& l : languages) {
        for (const FitRecord& f : l.fits) {
            out += Pad(l.tag, 6) + Pad(f.shot, 26) + Pad(ControlName(f), 16) +
                   Pad(Cut(OneLine(f.text), 32), 34) + f.problem + "\n";
        }
    }
    return out;
}

std::string FormatFailures(const std::vector<LanguageResults>& languages) {
    std::string out;
    for (const LanguageResults& l : languages) {
        for (const FailureRecord& f : l.failures) out += "failed: " + l.tag + " " + f.shot + ": " + f.reason + "\n";
    }
    return out;
}

std::string FormatSummary(const std::vector<LanguageResults>& languages) {
    size_t pictures = 0;
    for (const LanguageResults& l : languages) pictures += l.pictures.size();
    size_t fits = CountFits(languages), failures = CountFailures(languages);
    return Counted(pictures, "picture", "pictures") + " of " + Counted(AllShots(languages).size(), "notice", "notices") +
           " in " + Counted(languages.size(), "language", "languages") + "; " +
           Counted(fits, "text does", "texts do") + " not fit; " + Counted(failures, "failure", "failures");
}
