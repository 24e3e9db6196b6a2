#pragma once
// The bytes of a settings file written with every default, as a first start
// creates it; tests compare against this literal, not against the code that
// writes it.
#include <string_view>

namespace codarium::testsupport {

inline constexpr std::string_view DefaultSettingsFile = "[Einstellungen]\r\n"
                                                        "PBPfad = \r\n"
                                                        "Fensterstatus = 0\r\n"
                                                        "Fensterbreite = 800\r\n"
                                                        "Fensterhoehe = 600\r\n"
                                                        "Splitterposition = 200\r\n"
                                                        "ToolBar_Icongroesse = 32\r\n"
                                                        "Administratormodus = 0\r\n"
                                                        "Saut de ligne = 0\r\n";

} // namespace codarium::testsupport
