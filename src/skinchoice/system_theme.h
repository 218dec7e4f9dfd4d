// What the system says about looks: light or dark apps, and high contrast.
#pragma once

// The per-user "AppsUseLightTheme" value of the personalisation settings; true (light) when it
// is missing, as on systems that know no dark apps.
bool AppsUseLightTheme();

// Whether the system's high-contrast mode is on. The platform's answer
// (SPI_GETHIGHCONTRAST) counts, and so does the per-user setting it keeps in the registry
// (HKCU\Control Panel\Accessibility\HighContrast, "Flags"): Wine answers the platform query
// always with "off" and cannot switch the mode, but its programs see the setting change
// there with a WM_SETTINGCHANGE broadcast.
bool HighContrastOn();
