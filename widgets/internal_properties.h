#pragma once
// The names of the Qt properties this layer keeps on its widgets and actions.
// Internal to this folder.
namespace codarium::widgets::detail::property {

inline constexpr char Window[] = "codarium_window";   // a gadget's window number
inline constexpr char Gadget[] = "codarium_gadget";   // a gadget's own number
inline constexpr char Text[] = "codarium_text";       // program text as given, code page bytes
inline constexpr char Image[] = "codarium_image";     // an image number
inline constexpr char Command[] = "codarium_command"; // a menu or toolbar command
inline constexpr char Checked[] = "codarium_checked"; // the check mark the program set
inline constexpr char ToolTip[] = "codarium_tooltip"; // a toolbar button's tip, program text
inline constexpr char Maximum[] = "codarium_max";     // a progress bar's range asked for
inline constexpr char Marquee[] = "codarium_marquee"; // a progress bar that only shows activity

} // namespace codarium::widgets::detail::property
