; a floating count is taken as 0 with a warning: nothing is placed
        .data
        .rept 0f2.5
        .byte 0x01
        .endr
        .byte 0x02
