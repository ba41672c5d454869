; each replayed line reports its own place, once per repetition
        .data
        .rept 2
        .byte 1 2
        .rept 2
        .byte 3 4
        .endr
        .endr
