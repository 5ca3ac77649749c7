#include "paths/name_pattern.h"

#include "text/utf8.h"

#include <algorithm>
#include <cstddef>
#include <vector>

namespace tavolin::paths {

namespace {

// Simple case folding for the scripts whose letters have case and that file names commonly use.
char32_t foldCase(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) // Latin-1 capitals
        return c + 0x20;
    if (c >= 0xFF21 && c <= 0xFF3A) // full-width Latin capitals
        return c + 0x20;
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) // Greek capitals
        return c + 0x20;
    if (c >= 0x410 && c <= 0x42F) // Cyrillic capitals
        return c + 0x20;
    if (c >= 0x400 && c <= 0x40F)
        return c + 0x50;
    return c;
}

std::vector<char32_t> foldedCharacters(std::string_view text)
{
    std::vector<char32_t> characters;
    characters.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();)
        characters.push_back(foldCase(text::utf8::decodeNext(text, pos)));
    return characters;
}

} // namespace

bool matchesNamePattern(std::string_view name, std::string_view pattern)
{
    if (pattern.empty() || pattern == "*" || pattern == "*.*")
        return true;

    const std::vector<char32_t> n = foldedCharacters(name);
    const std::vector<char32_t> p = foldedCharacters(pattern);

    // Greedy matching with one backtrack point: the position after the last "*" seen.
    std::size_t ni = 0, pi = 0;
    constexpr std::size_t kNoStar = static_cast<std::size_t>(-1);
    std::size_t starPattern = kNoStar, starName = 0;
    while (ni < n.size()) {
        if (pi < p.size() && (p[pi] == U'?' || p[pi] == n[ni])) {
            ++ni, ++pi;
        } else if (pi < p.size() && p[pi] == U'*') {
            starPattern = ++pi;
            starName = ni;
        } else if (starPattern != kNoStar) {
            pi = starPattern;
            ni = ++starName;
        } else {
            return false;
        }
    }
    // What is left of the pattern matches nothing but stars.
    return std::all_of(p.begin() + static_cast<std::ptrdiff_t>(pi), p.end(), [](char32_t c) {
        return c == U'*';
    });
}

} // namespace tavolin::paths
