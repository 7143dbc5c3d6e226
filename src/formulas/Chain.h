// The results of a chain of formulas that a window shows one after another.
// A step that fails ends the chain: the results before it are kept, and its
// error is raised once they are shown, so the window is left as if it had
// shown each result right after computing it.  No widget code.
#pragma once

#include "Numeric.h"

#include <optional>

namespace velorix {

// One result of a chain: empty when an earlier step failed.
using Result = std::optional<Ext>;

// The results of one chain: each derived struct adds its Result members.
struct Chain {
    std::optional<CalcError> error; // the error that ended the chain

    // Raises the error that ended the chain, if one did.
    void RaiseError() const
    {
        if (error)
            throw *error;
    }
};

// Runs a chain's steps on a fresh set of results, keeping the error that
// ends them (each step sets its result with Result::emplace).
template <class R, class Steps> R RunChain(Steps steps)
{
    R r;
    try {
        steps(r);
    } catch (const CalcError &e) {
        r.error = e;
    }
    return r;
}

} // namespace velorix
