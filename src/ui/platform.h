// The platform version the code branches on (the 9x family, NT 4, 5.x, 6.x and later); the
// program reads the real one, tests set it to reach the branches of older families.
#pragma once

struct TPlatformVersion {
  bool NT = true;  // false: the 9x family (ANSI-only text calls)
  int Major = 0;
  int Minor = 0;
};

// The version in force: the one set for tests, else the running system's.
const TPlatformVersion& PlatformVersion();
// Overrides the version (tests); ResetPlatformVersion goes back to the real one.
void SetPlatformVersion(const TPlatformVersion& version);
void ResetPlatformVersion();

inline bool IsWindowsNT() { return PlatformVersion().NT; }
