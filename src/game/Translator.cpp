#include "game/Translator.h"

std::string Translator::Fill(const std::string& text, std::initializer_list<std::string> values)
{
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t index = i + 1 < text.size() ? std::size_t(text[i + 1] - '1') : values.size();
        if (text[i] == '%' && index < values.size()) {
            filled += values.begin()[index];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}
