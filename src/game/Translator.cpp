#include "game/Translator.h"

std::string Translator::Fill(const std::string& text, const std::string& value)
{
    std::string filled;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.compare(i, 2, "%1") == 0) {
            filled += value;
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}
