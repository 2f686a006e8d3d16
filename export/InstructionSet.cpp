#include "export/InstructionSet.h"

namespace exporting::detail {

InstructionSet BestInstructionSet()
{
    return Supports(InstructionSet::Avx2)   ? InstructionSet::Avx2
           : Supports(InstructionSet::Sse2) ? InstructionSet::Sse2
                                            : InstructionSet::Portable;
}

bool Supports(InstructionSet set)
{
#if defined(__x86_64__) || defined(__i386__)
    __builtin_cpu_init();
    switch (set) {
    case InstructionSet::Portable:
        return true;
    case InstructionSet::Sse2:
        return __builtin_cpu_supports("sse2");
    case InstructionSet::Avx2:
        return __builtin_cpu_supports("avx2");
    }
    return false;
#else
    return set == InstructionSet::Portable;
#endif
}

} // namespace exporting::detail
