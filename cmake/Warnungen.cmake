# Strict warnings for our own targets only. Floating-point contraction is
# switched off so that every build computes the same shares to the last bit.
function(umbrarix_warnungen ziel)
    target_compile_options(${ziel} PRIVATE -Wall -Wextra -Wpedantic -Werror -ffp-contract=off)
endfunction()
