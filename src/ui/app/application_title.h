// The application title: the caption of the error box, computed once at start-up.
#pragma once

#include <QString>

namespace zelmora {

// The executable's file name without its folder and without everything from its first ".",
// its first character as it stands and every later one in lower case: "/opt/bin/ZELMORA.EXE"
// gives "Zelmora".
QString ApplicationTitle(const QString& executable_path);

}  // namespace zelmora
