#pragma once
// Byte sequences and the characters a UTF-8 decoder reads from them, worked
// out by hand from the bytes: well-formed sequences are their code, and
// each byte of no well-formed sequence is one U+FFFD (kFffd) with the
// characters after it kept.
#include <string>
#include <vector>

namespace testing_support {

struct Utf8Sample {
    const char* what;
    std::string bytes;
    std::u32string characters;
};

inline constexpr char32_t kFffd = 0xFFFD;

inline const std::vector<Utf8Sample> kUtf8Samples = {
    {"Latin-1 e acute before a blank", "Caf\xE9 Noir", {U'C', U'a', U'f', kFffd, U' ', U'N', U'o', U'i', U'r'}},
    {"Latin-1 o umlaut before letters", "F\xF6rderband", {U'F', kFffd, U'r', U'd', U'e', U'r', U'b', U'a', U'n', U'd'}},
    {"a lead byte before no continuation", "\xE2" "AB", {kFffd, U'A', U'B'}},
    {"two-byte u umlaut", "M\xC3\xBCller", U"M\u00FCller"},
    {"three-byte euro sign", "\xE2\x82\xAC", U"\u20AC"},
    {"four-byte emoji", "\xF0\x9F\x98\x80", U"\U0001F600"},
    {"overlong C0 AF", "\xC0\xAF" "x", {kFffd, kFffd, U'x'}},
    {"overlong C1 BF", "\xC1\xBF" "x", {kFffd, kFffd, U'x'}},
    {"overlong E0 9F BF", "\xE0\x9F\xBF" "x", {kFffd, kFffd, kFffd, U'x'}},
    {"E0 A0 80 is U+0800", "\xE0\xA0\x80", U"\u0800"},
    {"overlong F0 8F BF BF", "\xF0\x8F\xBF\xBF" "x", {kFffd, kFffd, kFffd, kFffd, U'x'}},
    {"F0 90 80 80 is U+10000", "\xF0\x90\x80\x80", U"\U00010000"},
    {"surrogate ED A0 80", "\xED\xA0\x80" "x", {kFffd, kFffd, kFffd, U'x'}},
    {"surrogate ED BF BF", "\xED\xBF\xBF", {kFffd, kFffd, kFffd}},
    {"ED 9F BF is U+D7FF", "\xED\x9F\xBF", U"\uD7FF"},
    {"F4 8F BF BF is U+10FFFF", "\xF4\x8F\xBF\xBF", U"\U0010FFFF"},
    {"above U+10FFFF: F4 90 80 80", "\xF4\x90\x80\x80" "x", {kFffd, kFffd, kFffd, kFffd, U'x'}},
    {"above U+10FFFF: F5 80 80 80", "\xF5\x80\x80\x80", {kFffd, kFffd, kFffd, kFffd}},
    {"FF", "\xFF" "x", {kFffd, U'x'}},
    {"lone continuation bytes", "a\x80\xBF" "b", {U'a', kFffd, kFffd, U'b'}},
    {"a cut sequence before a letter", "\xE2\x82" "A", {kFffd, kFffd, U'A'}},
    {"cut at the end (3 bytes)", "ab\xE2\x82", {U'a', U'b', kFffd, kFffd}},
    {"cut at the end (4 bytes)", "a\xF0\x9F\x98", {U'a', kFffd, kFffd, kFffd}},
};

} // namespace testing_support
