// A use-after-free check for the tests of this folder: while quarantine is on, freed memory is
// filled with a pattern and kept, so a later write into a freed object shows as a broken pattern.
#pragma once

#include <cstddef>

// Starts keeping what is freed (forgets anything kept before).
void StartQuarantine();
// Stops keeping and answers whether every kept block still holds the pattern; the blocks are
// then really freed.
bool StopQuarantineIntact();
// Blocks kept since StartQuarantine.
std::size_t QuarantinedBlocks();
