#include "TextWrap.h"

namespace quorvel::tutorial {

namespace {

void WrapParagraph(const std::string& paragraph, int width, const TextMeasure& measure,
                   std::vector<std::string>& lines) {
    std::string line;
    size_t pos = 0;
    while (pos < paragraph.size()) {
        // The next word with the spaces before it.
        size_t wordStart = paragraph.find_first_not_of(' ', pos);
        if (wordStart == std::string::npos) break;
        size_t wordEnd = paragraph.find(' ', wordStart);
        if (wordEnd == std::string::npos) wordEnd = paragraph.size();
        const std::string spaces = paragraph.substr(pos, wordStart - pos);
        const std::string word = paragraph.substr(wordStart, wordEnd - wordStart);
        if (pos == 0) {
            line = spaces + word;  // a paragraph keeps its indent
        } else if (measure(line + spaces + word) <= width) {
            line += spaces + word;
        } else {
            lines.push_back(line);
            line = word;
        }
        pos = wordEnd;
    }
    lines.push_back(line);
}

}  // namespace

std::vector<std::string> WrapText(const std::string& text, int width, const TextMeasure& measure) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (;;) {
        const size_t end = text.find_first_of("\r\n", start);
        WrapParagraph(text.substr(start, end == std::string::npos ? std::string::npos : end - start), width, measure,
                      lines);
        if (end == std::string::npos) break;
        start = end + ((text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1);
    }
    return lines;
}

}  // namespace quorvel::tutorial
