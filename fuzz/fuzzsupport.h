#pragma once

// What the fuzz targets share: a failed invariant ends the run with the
// input kept, as a sanitizer's report would.

#include "ui/keycodes.h"
#include "ui/maskedentry.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition, detail)                                                            \
    do {                                                                                         \
        if (!(condition)) {                                                                      \
            std::fprintf(stderr, "invariant broken: %s (%s)\n", #condition, qPrintable(detail)); \
            std::abort();                                                                        \
        }                                                                                        \
    } while (false)

// The keys the masked entries take, and a few they must let pass, picked by
// one input byte.
inline int FuzzKey(unsigned char byte)
{
    static const int keys[] = {48, 49, 50, 51, 52, 53, 54, 55, 56, 57, // main keyboard
                               96, 97, 98, 99, 100, 101, 102, 103, 104, 105, // keypad
                               8, 46, // backspace, delete
                               16, 37, 39, 65, 189, 190, 0, -1, 0x7fffffff}; // shift, arrows, others
    return keys[byte % (sizeof keys / sizeof keys[0])];
}

// Puts the caret, and a selection, inside the edit's text where two input
// bytes pick.
inline void FuzzSelect(TextEditState &edit, unsigned char start, unsigned char length)
{
    const int size = int(edit.text().size());
    const int from = start % (size + 1);
    edit.select(from, length % (size - from + 1));
}
