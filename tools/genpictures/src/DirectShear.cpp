#include "Registry.h"
namespace genpictures {
void addDirectShear(Pictures&) {}
}
