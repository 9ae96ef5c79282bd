#include "Registry.h"
namespace genpictures {
void addTrueTriaxial(Pictures&) {}
}
