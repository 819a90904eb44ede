// A date edit under any keys, carets and selections: it keeps the shape of
// a date with holes, "____/__/__" to "1403/07/15", the caret stays in the
// text, and no character appears that is not a digit, a hole or a slash.

#include "ui/maskedentry.h"

#include "fuzzsupport.h"

using namespace Qt::Literals::StringLiterals;

namespace {

bool HasMaskShape(const QString &text)
{
    if (text.size() != 10 || text[4] != u'/' || text[7] != u'/')
        return false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i != 4 && i != 7 && !(text[i] == u'_' || (text[i] >= u'0' && text[i] <= u'9')))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The edit starts empty, filled, part filled, or with a text of
    // another form the print job wrote in.
    static const QString starts[] = {kDateMask, u"1403/07/15"_s, u"14__/0_/1_"_s, u"1403/7/15"_s, u"15/07/1403"_s,
                                     QString()};
    TextEditState edit(starts[data[0] % std::size(starts)]);
    const bool shaped = HasMaskShape(edit.text());
    for (size_t i = 1; i + 2 < size; i += 3) {
        FuzzSelect(edit, data[i + 1], data[i + 2]);
        const QString before = edit.text();
        const int key = FuzzKey(data[i]);
        HandleDateKey(edit, key);
        const QString after = edit.text();
        FUZZ_CHECK(edit.selStart() >= 0 && edit.selStart() <= after.size(), after);
        if (key != kKeyBackspace && key != kKeyDelete && !IsDigitKey(key)) {
            FUZZ_CHECK(after == before, after);
            continue;
        }
        if (shaped || after != before)
            FUZZ_CHECK(HasMaskShape(after), before + u" -> "_s + after);
    }
    return 0;
}
