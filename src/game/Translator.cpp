#include "game/Translator.h"

std::string Translator::Fill(const std::string& text, const std::vector<std::string>& values)
{
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t n = i + 1 < text.size() && text[i] == '%' ? std::size_t(text[i + 1] - '1') : values.size();
        if (n < values.size()) {
            filled += values[n];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}
