#pragma once
// The program speaks Indonesian whatever the system's language: the texts of
// the toolkit that it shows (the file dialog, message-box buttons, the edit
// menus of text fields) come from the program's own catalogue, built from
// translations/qtbase_id.ts into the program, and dates and sizes in the
// file dialog are written the Indonesian way.

// Installs the catalogue and the Indonesian locale into the running
// application. True when the catalogue was found; a second call does
// nothing more.
bool installIndonesianTexts();
