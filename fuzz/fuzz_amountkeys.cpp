// An amount edit under any keys, carets and selections, from empty: it
// always holds digits grouped in threes from the right, and the caret stays
// in the text. Only Delete at the end leaves what a cut left, ungrouped
// ("1,234" less "234" is "1,"), until the next key regroups.

#include "ui/maskedentry.h"

#include "fuzzsupport.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QRegularExpression grouped(u"^(\\d{1,3}(,\\d{3})*)?$"_s);
    TextEditState edit;
    for (size_t i = 0; i + 2 < size; i += 3) {
        FuzzSelect(edit, data[i + 1], data[i + 2]);
        const QString before = edit.text();
        const int key = FuzzKey(data[i]);
        const bool cut = edit.selLength() > 0;
        HandleAmountKey(edit, key, u',');
        const QString after = edit.text();
        const bool leftAsCut = key == kKeyDelete && cut && before.startsWith(after) && edit.selStart() == after.size();
        // Backspace at the start and Delete at the end change nothing.
        const bool unchanged = !cut && after == before;
        FUZZ_CHECK(grouped.match(after).hasMatch() || leftAsCut || unchanged, before + u" -> "_s + after);
        FUZZ_CHECK(edit.selStart() >= 0 && edit.selStart() <= after.size(), after);
    }
    return 0;
}
