; counts past 32 bits are refused: cut they would repeat a wrong number of
; times, whole they would never end
        .data
        .rept 0x7fffffffffffffff
        .endr
        .rept 0x100000001
        .byte 1
        .endr
        .rept 0xffffffff + 1
        .byte 2
        .endr
        .byte 3
