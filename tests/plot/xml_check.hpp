// A small XML well-formedness check for the pictures gnuplot writes: one
// root element, tags that nest and close in order, quoted attributes, known
// entity references, and no stray '<' or '&' in the text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brantover::plot::testing {

struct xml_check {
    bool well_formed = false;
    std::string fault;               // what is wrong, and at which byte
    std::vector<std::string> texts;  // character data of the elements, entities undone
};

namespace xml_detail {

inline bool name_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == ':' || c == '-' || c == '.';
}
inline bool space(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// Undoes the references of character data or an attribute value; false on
// a bare '&' or an unknown entity.
inline bool unescape(std::string_view s, std::string& out) {
    out.clear();
    for (std::size_t k = 0; k < s.size(); ++k) {
        if (s[k] == '<') return false;
        if (s[k] != '&') {
            out += s[k];
            continue;
        }
        const std::size_t end = s.find(';', k);
        if (end == std::string_view::npos) return false;
        const std::string_view ref = s.substr(k + 1, end - k - 1);
        if (ref == "lt")
            out += '<';
        else if (ref == "gt")
            out += '>';
        else if (ref == "amp")
            out += '&';
        else if (ref == "quot")
            out += '"';
        else if (ref == "apos")
            out += '\'';
        else if (ref.size() >= 2 && ref[0] == '#')
            out += '?';  // a character reference
        else
            return false;
        k = end;
    }
    return true;
}

}  // namespace xml_detail

inline xml_check check_xml(std::string_view doc) {
    using namespace xml_detail;
    xml_check r;
    std::vector<std::string> open;
    bool had_root = false;
    std::size_t k = 0;
    const auto fail = [&](const std::string& what) {
        r.fault = what + " at byte " + std::to_string(k);
        return r;
    };
    while (k < doc.size()) {
        if (doc[k] != '<') {
            const std::size_t end = std::min(doc.find('<', k), doc.size());
            const std::string_view chunk = doc.substr(k, end - k);
            std::string text;
            if (!unescape(chunk, text)) return fail("bad character data");
            if (open.empty() && text.find_first_not_of(" \t\r\n") != std::string::npos)
                return fail("text outside the root element");
            if (!open.empty() && !text.empty()) r.texts.push_back(text);
            k = end;
            continue;
        }
        const std::string_view rest = doc.substr(k);
        const auto skip_past = [&](std::string_view close) {
            const std::size_t end = doc.find(close, k);
            if (end == std::string_view::npos) return false;
            k = end + close.size();
            return true;
        };
        if (rest.starts_with("<?")) {
            if (!skip_past("?>")) return fail("unclosed processing instruction");
        } else if (rest.starts_with("<!--")) {
            if (!skip_past("-->")) return fail("unclosed comment");
        } else if (rest.starts_with("<![CDATA[")) {
            if (open.empty()) return fail("CDATA outside the root element");
            if (!skip_past("]]>")) return fail("unclosed CDATA");
        } else if (rest.starts_with("<!DOCTYPE")) {
            if (had_root) return fail("DOCTYPE after the root element");
            if (!skip_past(">")) return fail("unclosed DOCTYPE");
        } else if (rest.starts_with("</")) {
            std::size_t e = k + 2;
            while (e < doc.size() && name_char(doc[e])) ++e;
            const std::string name(doc.substr(k + 2, e - k - 2));
            while (e < doc.size() && space(doc[e])) ++e;
            if (e >= doc.size() || doc[e] != '>') return fail("malformed end tag");
            if (open.empty() || open.back() != name)
                return fail("end tag </" + name + "> does not close <" +
                            (open.empty() ? std::string() : open.back()) + ">");
            open.pop_back();
            k = e + 1;
        } else {
            std::size_t e = k + 1;
            while (e < doc.size() && name_char(doc[e])) ++e;
            const std::string name(doc.substr(k + 1, e - k - 1));
            if (name.empty()) return fail("'<' without a tag name");
            if (open.empty() && had_root) return fail("a second root element");
            std::vector<std::string> attributes;
            for (;;) {
                const std::size_t before = e;
                while (e < doc.size() && space(doc[e])) ++e;
                if (e >= doc.size()) return fail("unclosed start tag <" + name + ">");
                if (doc[e] == '>' || doc.substr(e).starts_with("/>")) break;
                if (e == before) return fail("no blank before an attribute of <" + name + ">");
                const std::size_t a = e;
                while (e < doc.size() && name_char(doc[e])) ++e;
                const std::string attribute(doc.substr(a, e - a));
                if (attribute.empty()) return fail("malformed attribute in <" + name + ">");
                for (const auto& seen : attributes)
                    if (seen == attribute) return fail("attribute " + attribute + " twice");
                attributes.push_back(attribute);
                while (e < doc.size() && space(doc[e])) ++e;
                if (e >= doc.size() || doc[e] != '=') return fail("attribute without a value");
                ++e;
                while (e < doc.size() && space(doc[e])) ++e;
                if (e >= doc.size() || (doc[e] != '"' && doc[e] != '\''))
                    return fail("unquoted attribute value");
                const std::size_t close = doc.find(doc[e], e + 1);
                if (close == std::string_view::npos) return fail("unclosed attribute value");
                std::string value;
                if (!unescape(doc.substr(e + 1, close - e - 1), value))
                    return fail("bad attribute value");
                e = close + 1;
            }
            had_root = true;
            if (doc[e] == '>') {
                open.push_back(name);
                k = e + 1;
            } else {
                k = e + 2;
            }
        }
    }
    if (!open.empty()) return fail("<" + open.back() + "> is never closed");
    if (!had_root) return fail("no root element");
    r.well_formed = true;
    return r;
}

}  // namespace brantover::plot::testing
