#pragma once

namespace exporting::detail {

// The instructions that the vector code may use; every choice gives the same bytes. Where the
// processor lacks a set, the code falls back to the next simpler one.
enum class InstructionSet {
    Portable,
    Sse2,
    Avx2,
};

// The best set this processor has.
InstructionSet BestInstructionSet();
// Whether the processor has the set, so that code asked for it really uses it.
bool Supports(InstructionSet set);

} // namespace exporting::detail
