// The windows' font as their layouts name it.
#pragma once

class QWidget;

namespace zelmora {

// The layouts' face is not on every system. Where it is missing, a sans face of about its
// widths stands in, so that captions fit the controls laid out for it; failing those, the
// system's sans face. Controls that set only a size of their own follow.
void UseWindowFace(QWidget& window);

}  // namespace zelmora
