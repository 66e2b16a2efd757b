#pragma once

#include "ymfixture.h"

// Fixtures of one non-zero family share their supply and leader choices, so
// switching from one to another keeps a tab's selectors and its run. The
// first choice, a fixture of family 0 or one of another family rebuilds them.
inline bool sharesFamilyChoices(const YmFixture *previous, const YmFixture &chosen)
{
    return previous && chosen.Family != 0 && previous->Family == chosen.Family;
}
