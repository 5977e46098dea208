#pragma once

#include <initializer_list>
#include <string>

// The player's language. The game writes its texts in English where it uses them,
// each named by its English source and the class that shows it, as Qt's
// translation tools expect (the build teaches lupdate the names Translate and
// Untranslated); the window side looks up the player's version. The English texts
// are the sources, so a language with no translation shows them unchanged.
class Translator
{
public:
    virtual ~Translator() = default;

    // The player's version of source. Texts hold %1, %2... for what the game
    // fills in with Fill.
    virtual std::string Translate(const char* context, const char* source) const = 0;

    // text with %1 replaced by the first of values, %2 by the second and so on, in
    // one pass: a value that holds "%2" stays as it is. A % before anything else
    // stays too.
    static std::string Fill(const std::string& text, std::initializer_list<std::string> values);
};

// Marks a text for the translators where it is written; the window side
// translates it with the same context where it shows it.
constexpr const char* Untranslated(const char* /*context*/, const char* source)
{
    return source;
}
