#pragma once
// The laboratory kit's namespace. Each piece has a header of its own beside this one.

namespace lab {
} // namespace lab
