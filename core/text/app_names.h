#pragma once

// The program's two names, each the system's own text.
namespace kaz {

// "カズボー": the main window's title, the About box, the help's title, a picture's creator.
inline constexpr char kProductName[] = "カズボー";

// "カズボ": the application title: the caption of every message box, the name under which
// the user's settings are kept, the About box's caption.
inline constexpr char kApplicationTitle[] = "カズボ";

}  // namespace kaz
