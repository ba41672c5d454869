; blocks left open at the end of a file are reported there, with a note at
; their start; an included file answers for its own blocks only
        .data
        .if 1
        .include "open-block.inc"
        .byte 3
        .rept 2
        .ifb
        .byte 4
