#include "wording/persianorder.h"

#include <array>
#include <cstdint>
#include <memory>

namespace {

// A weight of 0 means the character does not count; otherwise its key bytes
// are (weight >> 8, weight & 0xFF). Characters without a place here get
// three bytes after every weighed one, ordered by code point.
using WeightTable = std::array<std::uint16_t, 0x10000>;

enum Group : std::uint16_t {
    Ignored = 0,
    Blank = 0x0100,
    AsciiMark = 0x0200,
    OtherMark = 0x0300,
    Digit = 0x0400,
    Latin = 0x0500,
    Persian = 0x0600,
    Unweighed = 0xFFFF,
};

// The Persian alphabet in order; every string holds a letter and the forms
// that take its place.
constexpr const char16_t *kAlphabet[] = {
    u"\u0621",                         // hamza
    u"\u0622",                         // alef with madda
    u"\u0627\u0623\u0625\u0671\u0672\u0673", // alef
    u"\u0628", u"\u067E", u"\u062A", u"\u062B", u"\u062C", u"\u0686", u"\u062D", u"\u062E",
    u"\u062F", u"\u0630", u"\u0631", u"\u0632", u"\u0698", u"\u0633", u"\u0634", u"\u0635",
    u"\u0636", u"\u0637", u"\u0638", u"\u0639", u"\u063A", u"\u0641", u"\u0642",
    u"\u06A9\u0643",                   // kaf, Arabic kaf
    u"\u06AF", u"\u0644", u"\u0645", u"\u0646",
    u"\u0648\u0624",                   // vav, with hamza
    u"\u0647\u0629\u06C0\u06BE\u06C1", // heh, teh marbuta, heh with yeh
    u"\u06CC\u064A\u0649\u0626\u06D0", // yeh, Arabic yeh, alef maksura, with hamza
};

std::unique_ptr<WeightTable> makeTable()
{
    auto table = std::make_unique<WeightTable>();
    table->fill(Unweighed);
    for (char16_t c = 0; c < 0x80; ++c)
        (*table)[c] = AsciiMark + c;
    for (char16_t c : {u' ', u'\t', u'\n', u'\r', u'\v', u'\f', u'\u00A0'})
        (*table)[c] = Blank;
    for (int d = 0; d < 10; ++d) {
        (*table)[u'0' + d] = Digit + d;
        (*table)[0x06F0 + d] = Digit + d; // Persian digits
        (*table)[0x0660 + d] = Digit + d; // Arabic-Indic digits
    }
    for (int l = 0; l < 26; ++l) {
        (*table)[u'a' + l] = Latin + l;
        (*table)[u'A' + l] = Latin + l;
    }
    for (char16_t c : {u'\u060C', u'\u061B', u'\u061F', u'\u066A', u'\u066B', u'\u066C', u'\u00AB', u'\u00BB'})
        (*table)[c] = OtherMark + (c & 0xFF);
    for (std::uint16_t i = 0; i < std::size(kAlphabet); ++i) {
        for (const char16_t *c = kAlphabet[i]; *c; ++c)
            (*table)[*c] = Persian + i;
    }
    // Vowel marks, superscript alef, tatweel, joiners and direction marks.
    for (char16_t c = 0x064B; c <= 0x065F; ++c)
        (*table)[c] = Ignored;
    for (char16_t c : {u'\u0670', u'\u0640', u'\u200B', u'\u200C', u'\u200D', u'\u200E', u'\u200F', u'\uFEFF'})
        (*table)[c] = Ignored;
    // Presentation forms count as the letters they show.
    for (char32_t c = 0xFB50; c <= 0xFEFC; ++c) {
        if (c >= 0xFE00 && c < 0xFE70)
            continue;
        const QString letters = QString(QChar(char16_t(c))).normalized(QString::NormalizationForm_KC);
        if (!letters.isEmpty() && letters[0].unicode() != c)
            (*table)[c] = (*table)[letters[0].unicode()];
    }
    return table;
}

const WeightTable &weights()
{
    static const std::unique_ptr<WeightTable> table = makeTable();
    return *table;
}

void appendCodePoint(char32_t c, const WeightTable &table, std::string &key)
{
    const std::uint16_t w = c < 0x10000 ? table[c] : std::uint16_t(Unweighed);
    if (w == Ignored)
        return;
    if (w != Unweighed) {
        key.push_back(char(w >> 8));
        key.push_back(char(w & 0xFF));
        return;
    }
    key.push_back(char(0xFF));
    key.push_back(char((c >> 16) & 0xFF));
    key.push_back(char((c >> 8) & 0xFF));
    key.push_back(char(c & 0xFF));
}

} // namespace

void AppendPersianSortKey(std::string_view utf8, std::string &key)
{
    const WeightTable &table = weights();
    const auto *p = reinterpret_cast<const unsigned char *>(utf8.data());
    const auto *end = p + utf8.size();
    while (p < end) {
        char32_t c = *p++;
        if (c >= 0x80) {
            // Multi-byte sequences; a broken one counts as its first byte.
            int more = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
            if (end - p < more)
                more = 0;
            if (more > 0) {
                c &= more == 3 ? 0x07 : more == 2 ? 0x0F : 0x1F;
                for (int i = 0; i < more; ++i)
                    c = (c << 6) | (*p++ & 0x3F);
            }
        }
        appendCodePoint(c, table, key);
    }
}

std::string PersianSortKey(QStringView text)
{
    const QByteArray utf8 = text.toUtf8();
    std::string key;
    AppendPersianSortKey(std::string_view(utf8.constData(), std::size_t(utf8.size())), key);
    return key;
}

bool PersianLess(QStringView a, QStringView b)
{
    return PersianSortKey(a) < PersianSortKey(b);
}
