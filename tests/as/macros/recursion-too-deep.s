; a macro that invokes itself without end stops at 100 levels, and the
; pass with it: the bytes after it are not reached
        .data
        .macro again n
        .byte 1
        again
        .endm
        again
        .byte 2
