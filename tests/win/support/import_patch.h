// Replaces entries of the program's own import address table, so calls the program's code
// makes to a system library can be watched by the tests.
#pragma once

// Makes every import of function from dll (name compared without case) in the program's
// module call replacement; answers the address the entry held before, or null when the
// module imports no such function.
void* PatchImport(const char* dll, const char* function, void* replacement);
