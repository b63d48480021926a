#include "ui/app/program.h"

namespace zelmora {

Program::Program() {
  SeeForm.show();
}

}  // namespace zelmora
