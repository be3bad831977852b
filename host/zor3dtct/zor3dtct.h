// zor3dtct — the cadastral data library: the cadastral document that the
// cadastral survey file import and writer fill and read.
#pragma once

// The cadastral document; filled in by the cadastral work.
class CCts {
public:
    CCts();
    virtual ~CCts();
    CCts(const CCts&) = default;
    CCts& operator=(const CCts&) = default;
};
