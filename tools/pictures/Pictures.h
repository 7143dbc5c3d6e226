// The pictures of the windows: each is a file name under assets/, its size
// in pixels, the function that draws it on a sheet of that size, and whether
// it has words or symbols to render in English (under assets/en/).
#pragma once

#include "Sheet.h"

#include <QSize>

#include <vector>

namespace pictures {

struct Picture {
    const char *file;
    QSize size;
    void (*draw)(Sheet &);
    bool words;
};

// The schematics, in the order of the windows that show them.
std::vector<Picture> Schematics();

// The two design graphs of the lumped-selectivity filter window.
void DesignGraphs(Sheet &sheet);

} // namespace pictures
