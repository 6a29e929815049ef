#include "files/ClassicLocale.h"

namespace {

// The "C" locale, made once for every thread; 0 when it could not be made (the thread's own stays).
locale_t classic()
{
    static const locale_t made = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return made;
}

} // namespace

ClassicLocale::ClassicLocale()
    : previous(classic() ? uselocale(classic()) : static_cast<locale_t>(0))
{
}

ClassicLocale::~ClassicLocale()
{
    if (previous)
        uselocale(previous);
}
