#pragma once
// The launcher's faces: "ＭＳ Ｐゴシック" where it exists, IPA P Gothic in its place here.

#include <QFont>

namespace launcher {

// The window's own font (button captions, the description).
QFont WindowFont();
// The game's title: 18 points, bold.
QFont TitleFont();
// The splash window's message: 9.75 points.
QFont SplashFont();

}  // namespace launcher
