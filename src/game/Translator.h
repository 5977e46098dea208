#pragma once

#include <string>
#include <vector>

// The player's language. The game writes its texts in English where it uses them,
// each named by its English source and the class that shows it, as Qt's
// translation tools expect (the build teaches lupdate the names Translate and
// Untranslated); the window side looks up the player's version. The English texts
// are the sources, so a language with no translation shows them unchanged.
class Translator
{
public:
    virtual ~Translator() = default;

    // The player's version of source. A text may hold %1 for what the game fills
    // in with Fill. disambiguation tells apart one English text that other
    // languages say in different ways.
    virtual std::string Translate(const char* context, const char* source, const char* disambiguation) const = 0;
    std::string Translate(const char* context, const char* source) const
    {
        return Translate(context, source, nullptr);
    }

    // text with every %1 replaced by the first value, %2 by the second and so on
    // up to %9, in one pass: a value that holds "%1" stays as it is, and a %N with
    // no value too.
    static std::string Fill(const std::string& text, const std::vector<std::string>& values);
    static std::string Fill(const std::string& text, const std::string& value)
    {
        return Fill(text, std::vector{value});
    }
};

// Marks a text for the translators where it is written; the window side
// translates it with the same context where it shows it.
constexpr const char* Untranslated(const char* /*context*/, const char* source)
{
    return source;
}
