; a failed run leaves neither the object nor a dependency file, not even
; one an earlier run left (stale.d is there before the run)
        .include "one.inc"
        .data
        .long undefined_here +
