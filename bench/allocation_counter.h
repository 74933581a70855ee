// Linked into a program, counts every allocation made with operator new.
#pragma once

namespace amorist::bench {

long Allocations();

}  // namespace amorist::bench
